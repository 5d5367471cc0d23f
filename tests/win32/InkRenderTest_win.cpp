// Strokes drawn through GDI+ and GDI on a memory bitmap, and the bitmap
// reading utilities of the eraser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "EraseBitmap.h"
#include "Gdi.h"
#include "GdiInkCanvas.h"
#include "InkOnDc.h"
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

TEST_F(InkRender, MarkerBlendsItsColourThroughASlantedNib)
{
    // Width 10 along a level line: the nib reaches (10, 20) either way, so
    // 16 rows below the line the ink runs from x 28 to 68, 16 above from 12 to 52.
    Draw(kPenMarker, RGB(0, 0, 255), 10, {{20, 30}, {40, 30}, {60, 30}});
    const COLORREF c = Pixel(40, 30);
    EXPECT_EQ(GetBValue(c), 255);
    EXPECT_NEAR(GetRValue(c), 127, 3);  // alpha 200, blended in gamma-corrected light
    EXPECT_EQ(GetGValue(c), GetRValue(c));
    EXPECT_EQ(GetBValue(Pixel(64, 46)), 255);
    EXPECT_EQ(Pixel(24, 46), kWhite);
    EXPECT_EQ(GetBValue(Pixel(14, 14)), 255);
    EXPECT_EQ(Pixel(56, 14), kWhite);
    EXPECT_EQ(Pixel(40, 52), kWhite);
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

// The canvas draws a run of segments as one path and moves a dot's pixels
// as one block. Held against a canvas that draws every segment on its own
// and every pixel with GetPixel/SetPixel, on each kind of memory bitmap.
class OneByOneCanvas : public CGdiInkCanvas {
public:
    using CGdiInkCanvas::CGdiInkCanvas;
    void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) override
    {
        CGdiInkCanvas::SolidLine(from, to, width, colour);
        Flush();
    }
    void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) override
    {
        CGdiInkCanvas::SoftSegment(from, to, width, colour);
        Flush();
    }
    void ReadPixels(int left, int top, int width, int height, ColourRef* out) override
    {
        IInkCanvas::ReadPixels(left, top, width, height, out);
    }
    void WritePixels(int left, int top, int width, int height, const ColourRef* in) override
    {
        IInkCanvas::WritePixels(left, top, width, height, in);
    }
};

class InkCanvasBatching : public ::testing::Test {
protected:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 80;

    struct Surface {
        const char* name;
        std::function<HBITMAP(HDC)> make;
        bool clipped;
    };

    static HBITMAP Dib(HDC dc, int bits, bool bottomUp)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = bottomUp ? kHeight : -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bits);
        info.bmiHeader.biCompression = BI_RGB;
        void* p = nullptr;
        return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &p, nullptr, 0);
    }
    static std::vector<Surface> Surfaces()
    {
        auto ddb = [](HDC dc) { return CreateCompatibleBitmap(dc, kWidth, kHeight); };
        return {{"screen-compatible bitmap", ddb, false},
                {"32-bit DIB, bottom-up", [](HDC dc) { return Dib(dc, 32, true); }, false},
                {"32-bit DIB, top-down", [](HDC dc) { return Dib(dc, 32, false); }, false},
                {"24-bit DIB", [](HDC dc) { return Dib(dc, 24, true); }, false},
                {"32-bit DIB, clipped", [](HDC dc) { return Dib(dc, 32, true); }, true},
                {"screen-compatible bitmap, clipped", ddb, true}};
    }

    // Draws the strokes with a Canvas on a fresh surface; its pixels.
    template <typename Canvas>
    std::vector<COLORREF> Render(const Surface& surface, CLines& lines)
    {
        fw::ScopedGetDC screen(nullptr);
        fw::ScopedMemDC dc(screen);
        fw::ScopedBitmap bitmap(surface.make(screen));
        EXPECT_TRUE(bitmap);
        fw::ScopedSelect select(dc, bitmap);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (surface.clipped) {
            // A region that is not a rectangle, and a moved origin.
            fw::ScopedRegion clip(CreateEllipticRgn(10, 5, 110, 75));
            SelectClipRgn(dc, clip);
            SetViewportOrgEx(dc, 3, 2, nullptr);
        }
        {
            Canvas canvas(dc);
            lines.DrawAll(canvas);
        }
        SetViewportOrgEx(dc, 0, 0, nullptr);
        SelectClipRgn(dc, nullptr);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) pixels.push_back(GetPixel(dc, x, y) & 0xFFFFFF);
        return pixels;
    }

    // Pixels where a channel differs by more than tolerance.
    static int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b, int tolerance = 0)
    {
        int n = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            int most = 0;
            for (int shift : {0, 8, 16})
                most = std::max(most, std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                                               static_cast<int>((b[i] >> shift) & 0xFF)));
            n += most > tolerance;
        }
        return n;
    }
    static int Painted(const std::vector<COLORREF>& pixels)
    {
        return Differences(pixels, std::vector<COLORREF>(pixels.size(), kWhite));
    }

    fw::ScopedGdiplus gdiplus_;
};

TEST_F(InkCanvasBatching, DotsBlendExactlyAsPixelByPixel)
{
    ASSERT_TRUE(gdiplus_.Ok());
    CLines lines;
    // Ink beneath, then wide soft dots over it, in the middle and cut by
    // every edge of the surface.
    CLine& under = lines.AddStroke(RGB(0, 0, 255), kPenPen);
    for (int x : {5, 30, 60, 90, 115}) under.AddPoint(x, 40, 10, 0);
    const POINT dots[] = {{60, 40}, {0, 0}, {2, 40}, {119, 79}, {60, 78}, {117, 3}, {15, 12}};
    int width = 170;
    for (const POINT& p : dots) {
        lines.AddStroke(RGB(255, 0, 0), kPenBrush).AddPoint(p.x, p.y, width, 0);
        width += 60;
    }
    for (const Surface& surface : Surfaces()) {
        SCOPED_TRACE(surface.name);
        const auto reference = Render<OneByOneCanvas>(surface, lines);
        EXPECT_EQ(Render<CGdiInkCanvas>(surface, lines), reference);
        EXPECT_GT(Painted(reference), 600);
    }
}

TEST_F(InkCanvasBatching, SegmentRunsCoverWhatSeparateSegmentsCover)
{
    ASSERT_TRUE(gdiplus_.Ok());
    CLines lines;
    // Zigzags that turn back on themselves, a brush whose steps leave gaps
    // between its segments, and a thin pen crossing the brush.
    CLine& pen = lines.AddStroke(RGB(0, 0, 0), kPenPen);
    for (int i = 0; i < 40; ++i) pen.AddPoint(10 + i * 2, 15 + (i % 8 < 4 ? i % 4 : 4 - i % 4) * 2, 6, 0);
    CLine& brush = lines.AddStroke(RGB(0, 160, 0), kPenBrush);
    for (int i = 0; i < 60; ++i) brush.AddPoint(10 + i * 3 / 2, 45 + (i % 6) * 2 - 5 * (i / 30), i ? 25 : 500, 0);
    CLine& thin = lines.AddStroke(RGB(0, 0, 200), kPenPen);
    for (int i = 0; i < 30; ++i) thin.AddPoint(20 + i * 3, 70 - i, 2, 0);
    for (const Surface& surface : Surfaces()) {
        SCOPED_TRACE(surface.name);
        const auto reference = Render<OneByOneCanvas>(surface, lines);
        const int painted = Painted(reference);
        EXPECT_GT(painted, 1000);
        // One path against overlapping separate segments: only the
        // anti-aliasing along the outline may differ.
        EXPECT_LE(Differences(Render<CGdiInkCanvas>(surface, lines), reference, 96), painted / 50);
    }
}

}  // namespace

// Stored strokes through CInkOnDc: drawn in place on a 32-bit DIB section,
// through a copy everywhere else. Every surface shows the same pixels; a
// clipping region and a moved origin are honoured.
struct OnDc {
    explicit OnDc(HDC dc) : target(dc) {}
    operator IInkCanvas&() { return target.Canvas(); }
    CInkOnDc target;
};

TEST_F(InkCanvasBatching, EverySurfaceShowsTheSameInk)
{
    CLines lines;
    CLine& pen = lines.AddStroke(RGB(0, 0, 255), kPenPen);
    for (int x : {5, 30, 60, 90, 115}) pen.AddPoint(x, 20, 10, 0);
    CLine& marker = lines.AddStroke(RGB(0, 160, 0), kPenMarker);
    for (int x : {10, 40, 70, 100}) marker.AddPoint(x, 30 + x / 5, 6, 0);
    CLine& brush = lines.AddStroke(RGB(255, 0, 0), kPenBrush);
    for (int x : {20, 50, 80, 110}) brush.AddPoint(x, 60, 200, 0);

    const auto surfaces = Surfaces();
    const auto reference = Render<OnDc>(surfaces[1], lines);
    EXPECT_GT(Painted(reference), 2000);
    fw::ScopedRegion ellipse(CreateEllipticRgn(10, 5, 110, 75));
    for (const Surface& surface : surfaces) {
        SCOPED_TRACE(surface.name);
        const auto pixels = Render<OnDc>(surface, lines);
        if (!surface.clipped) {
            EXPECT_EQ(pixels, reference);
            continue;
        }
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const bool shown = PtInRegion(ellipse, x, y) && x >= 3 && y >= 2;
                const COLORREF expected = shown ? reference[(y - 2) * kWidth + (x - 3)] : kWhite;
                wrong += pixels[y * kWidth + x] != expected;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(InkRender, WorldTransformIsFollowed)
{
    SetGraphicsMode(dc_, GM_ADVANCED);
    const XFORM shift = {1, 0, 0, 1, 30, 0};
    SetWorldTransform(dc_, &shift);
    Draw(kPenPen, RGB(255, 0, 0), 6, {{20, 50}, {40, 50}, {60, 50}, {80, 50}});
    ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
    EXPECT_EQ(Pixel(80, 50), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(105, 50), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(45, 50), kWhite);
}

// Our rasteriser and the platform's GDI+ put pen and brush ink in the same
// places; only edge pixels may differ (this GDI+ draws without smoothing).
// Marker nibs are left out: not every GDI+ applies the pen transform.
TEST_F(InkCanvasBatching, RasteriserInksWhereGdiplusInks)
{
    ASSERT_TRUE(gdiplus_.Ok());
    CLines lines;
    CLine& pen = lines.AddStroke(RGB(0, 0, 255), kPenPen);
    for (int i = 0; i < 30; ++i) pen.AddPoint(8 + i * 3, 15 + (i * 7) % 11, 6, 0);
    CLine& thin = lines.AddStroke(RGB(0, 128, 0), kPenPen);
    for (int i = 0; i < 20; ++i) thin.AddPoint(10 + i * 5, 40 - i, 2, 0);
    CLine& brush = lines.AddStroke(RGB(255, 0, 0), kPenBrush);
    for (int i = 0; i < 25; ++i) brush.AddPoint(12 + i * 4, 60 + (i % 5) * 2, i == 0 ? 300 : 25, 0);

    const auto surfaces = Surfaces();
    const Surface& dib = surfaces[1];
    const auto gdiplus = Render<CGdiInkCanvas>(dib, lines);
    const auto ours = Render<OnDc>(dib, lines);
    int inked = 0, disagree = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        const bool a = Differences({gdiplus[i]}, {kWhite}, 96) > 0;
        const bool b = Differences({ours[i]}, {kWhite}, 96) > 0;
        inked += a || b;
        disagree += a != b;
    }
    EXPECT_GT(inked, 800);
    EXPECT_LE(disagree, inked / 10) << disagree << " of " << inked;
}

// The marker through our rasteriser against the platform's GDI+. Not every
// GDI+ applies the pen transform (Wine's draws the nib round and ignores
// the compositing quality), so what is compared is what every GDI+ shares:
// where the ink lies (the middle of the inked pixels), where it starts and
// ends along the stroke, and the colour in the middle of the stroke.
namespace {

struct InkShape {
    double midX = 0, midY = 0;  // middle of the inked pixels
    int firstX = 0, lastX = 0;  // inked run on the stroke's own row
    COLORREF centre = 0;
    int inked = 0;
};

InkShape ShapeOf(const std::vector<COLORREF>& pixels, int width, int height, int row, int centreX)
{
    InkShape s;
    s.firstX = width;
    s.lastX = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixels[static_cast<size_t>(y) * width + x];
            if (c == kWhite) continue;
            ++s.inked;
            s.midX += x;
            s.midY += y;
            if (y == row) {
                s.firstX = std::min(s.firstX, x);
                s.lastX = std::max(s.lastX, x);
            }
        }
    }
    if (s.inked) {
        s.midX /= s.inked;
        s.midY /= s.inked;
    }
    s.centre = pixels[static_cast<size_t>(row) * width + centreX];
    return s;
}

}  // namespace

TEST_F(InkCanvasBatching, MarkerLiesWhereGdiplusPutsItWithTheSameColour)
{
    ASSERT_TRUE(gdiplus_.Ok());
    const struct {
        const char* name;
        ColourRef colour;
        int width;
    } cases[] = {{"blue, width 2", RGB(0, 0, 255), 2}, {"blue, width 6", RGB(0, 0, 255), 6},
                 {"yellow, width 10", RGB(255, 255, 0), 10}, {"green, width 6", RGB(0, 160, 0), 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A level stroke of two curves (points 0,0,1,2 and 2,3,4,5) across the surface.
        CLines lines;
        CLine& marker = lines.AddStroke(c.colour, kPenMarker);
        for (int x : {20, 35, 50, 65, 80, 95}) marker.AddPoint(x, 40, c.width, 0);
        const auto surfaces = Surfaces();
        const Surface& dib = surfaces[1];
        const InkShape platform = ShapeOf(Render<CGdiInkCanvas>(dib, lines), kWidth, kHeight, 40, 57);
        const InkShape ours = ShapeOf(Render<OnDc>(dib, lines), kWidth, kHeight, 40, 57);
        std::printf("marker %-16s GDI+: middle (%.2f, %.2f), row 40 from %d to %d, centre %06lX, %d px; "
                    "ours: middle (%.2f, %.2f), row 40 from %d to %d, centre %06lX, %d px\n",
                    c.name, platform.midX, platform.midY, platform.firstX, platform.lastX,
                    static_cast<unsigned long>(platform.centre), platform.inked, ours.midX, ours.midY, ours.firstX,
                    ours.lastX, static_cast<unsigned long>(ours.centre), ours.inked);
        ASSERT_GT(platform.inked, 0);
        ASSERT_GT(ours.inked, 0);
        EXPECT_NEAR(ours.midX, platform.midX, 0.5);
        EXPECT_NEAR(ours.midY, platform.midY, 0.5);
        EXPECT_NEAR(ours.firstX, platform.firstX, 1);
        EXPECT_NEAR(ours.lastX, platform.lastX, 1);
        // Over white, alpha 200 blended in light (gamma 2.2), as gamma-corrected
        // compositing asks; a GDI+ that ignores the compositing quality
        // (Wine's) blends the stored values instead.
        for (int shift : {0, 8, 16}) {
            const int ink = static_cast<int>((c.colour >> shift) & 0xFF);
            const double alpha = 200.0 / 255.0;
            const int inLight = static_cast<int>(std::lround(
                255.0 * std::pow(alpha * std::pow(ink / 255.0, 2.2) + (1 - alpha), 1 / 2.2)));
            const int inValues = static_cast<int>(std::lround(alpha * ink + (1 - alpha) * 255.0));
            const int mine = static_cast<int>((ours.centre >> shift) & 0xFF);
            const int theirs = static_cast<int>((platform.centre >> shift) & 0xFF);
            EXPECT_NEAR(mine, inLight, 2) << "channel at bit " << shift;
            EXPECT_TRUE(std::abs(theirs - inLight) <= 3 || std::abs(theirs - inValues) <= 3)
                << "channel at bit " << shift << ": " << theirs;
        }
    }
}
