// Strokes drawn through GDI+ and GDI on a memory bitmap, and the bitmap
// reading utilities of the eraser.
#include <gtest/gtest.h>

#include <vector>

#include "EraseBitmap.h"
#include "Gdi.h"
#include "GdiInkCanvas.h"
#include "Lines.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class InkRender : public ::testing::Test {
protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 100;

    void SetUp() override
    {
        ASSERT_TRUE(gdiplus_.Ok());
        fw::ScopedGetDC screen(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_.Reset(CreateCompatibleBitmap(screen, kWidth, kHeight));
        ASSERT_TRUE(dc_ && bitmap_);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void TearDown() override
    {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
    }

    void Draw(uint16_t kind, ColourRef colour, int width, std::initializer_list<POINT> points)
    {
        CLines lines;
        CLine& stroke = lines.AddStroke(colour, kind);
        for (const POINT& p : points) stroke.AddPoint(p.x, p.y, width, 0);
        DrawAll(dc_, lines);
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

    fw::ScopedGdiplus gdiplus_;
    HDC dc_ = nullptr;
    fw::ScopedBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

TEST_F(InkRender, PenDrawsOpaqueSegmentsAfterItsFirstOne)
{
    Draw(kPenPen, RGB(255, 0, 0), 6, {{20, 50}, {40, 50}, {60, 50}, {80, 50}});
    EXPECT_EQ(Pixel(50, 50), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(70, 52), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(30, 50), kWhite);  // the skipped first segment
    EXPECT_EQ(Pixel(50, 57), kWhite);
}

TEST_F(InkRender, MarkerBlendsItsColourOverWhatIsBeneath)
{
    Draw(kPenMarker, RGB(0, 0, 255), 10, {{20, 30}, {40, 30}, {60, 30}});
    const COLORREF c = Pixel(40, 30);
    EXPECT_GE(GetBValue(c), 230);
    EXPECT_LT(GetRValue(c), 120);  // mostly ink,
    EXPECT_GT(GetRValue(c), 20);   // yet translucent
    EXPECT_EQ(Pixel(40, 45), kWhite);
}

TEST_F(InkRender, BrushDrawsSoftSegmentsAndAStartDot)
{
    Draw(kPenBrush, RGB(0, 255, 0), 24, {{20, 70}, {40, 70}, {60, 70}, {80, 70}});
    EXPECT_EQ(Pixel(50, 70), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(70, 70), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(50, 80), kWhite);

    // Start width 85: the worked example's blend of red over white.
    Draw(kPenBrush, RGB(255, 0, 0), 170, {{150, 50}});
    EXPECT_EQ(Pixel(150, 50), RGB(254, 0, 0));
    EXPECT_EQ(Pixel(151, 50), RGB(254, 105, 105));
    EXPECT_EQ(Pixel(151, 51), RGB(254, 201, 201));
    EXPECT_EQ(Pixel(152, 50), kWhite);
}

TEST_F(InkRender, SoftDotsBlendWithInkDrawnBeforeThemInTheSamePass)
{
    CLines lines;
    CLine& line = lines.AddStroke(RGB(0, 0, 255), kPenPen);
    for (int x : {100, 120, 140, 160}) line.AddPoint(x, 20, 10, 0);
    lines.AddStroke(RGB(255, 0, 0), kPenBrush).AddPoint(150, 20, 170, 0);
    DrawAll(dc_, lines);
    // Red at a = 106 over the blue line: both channels keep a share.
    EXPECT_EQ(Pixel(151, 20), RGB(148, 0, 105));
}

TEST_F(InkRender, BitmapRowsAreReadAsPadded24BitPixels)
{
    fw::ScopedGetDC screen(nullptr);
    fw::ScopedBitmap small(CreateCompatibleBitmap(screen, 5, 3));
    {
        fw::ScopedMemDC mem(screen);
        fw::ScopedSelect select(mem, small);
        RECT all = {0, 0, 5, 3};
        FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetPixel(mem, 0, 2, RGB(10, 20, 30));  // bottom-left: the first pixel of the buffer
    }
    const size_t size = GetEraseInfo(dc_, small);
    EXPECT_EQ(size, 48u);  // rows of 15 bytes padded to 16

    std::vector<uint8_t> buffer(size, 0);
    ASSERT_TRUE(MemoryTransferToBuffer(dc_, small, buffer.size(), buffer.data()));
    EXPECT_EQ(buffer[0], 30);  // blue, green, red
    EXPECT_EQ(buffer[1], 20);
    EXPECT_EQ(buffer[2], 10);
    EXPECT_EQ(buffer[3], 0xFF);
    EXPECT_FALSE(MemoryTransferToBuffer(dc_, small, size - 1, buffer.data()));
}

}  // namespace
