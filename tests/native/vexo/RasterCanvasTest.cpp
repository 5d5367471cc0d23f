// Our rasteriser's pen setups on a small white surface: where each puts ink,
// how translucent ink blends, and how pixel access, clipping and offsets
// behave; and a page drawn in bands on helper threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "InkWorkers.h"
#include "Lines.h"
#include "RasterDraw.h"
#include "RasterInkCanvas.h"

namespace {

constexpr ColourRef kBlack = 0x000000;
constexpr ColourRef kRed = 0x0000FF;
constexpr uint32_t kWhitePixel = 0xFFFFFF;

class RasterCanvas : public ::testing::Test {
protected:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 80;

    RasterCanvas() : pixels_(kWidth * kHeight, kWhitePixel) {}

    InkSurface Surface() { return {pixels_.data(), kWidth, kWidth, kHeight}; }
    CRasterInkCanvas Canvas() { return CRasterInkCanvas(Surface(), {0, 0, kWidth, kHeight}); }
    uint32_t At(int x, int y) const { return pixels_[y * kWidth + x]; }
    // Ink is black: the red channel tells how much of a pixel it covers.
    int Ink(int x, int y) const { return 255 - static_cast<int>((At(x, y) >> 16) & 0xFF); }

    std::vector<uint32_t> pixels_;
};

TEST_F(RasterCanvas, PenSetupsPutTheirEndsAndEdgesWhereTheyBelong)
{
    // A level segment from (20, 40) to (60, 40) of width 6: 3 pixels either
    // side. A pixel half covered takes half the light away: ink about 69.
    struct Case {
        const char* setup;
        int x, y;
        int lowest, highest;  // ink, 0..255
    } cases[] = {
        {"solid", 40, 40, 255, 255}, {"solid", 40, 42, 255, 255}, {"solid", 40, 43, 50, 90},
        {"solid", 40, 44, 0, 0},     {"solid", 17, 40, 50, 90}, {"solid", 18, 42, 85, 130},  // round start
        {"solid", 16, 40, 0, 0},     {"solid", 60, 40, 50, 90}, {"solid", 61, 40, 0, 0},      // flat end
        {"soft", 62, 40, 255, 255},  {"soft", 63, 40, 50, 90},  {"soft", 64, 40, 0, 0},       // round end
        {"soft", 18, 40, 255, 255},  {"thin", 40, 40, 255, 255},  {"thin", 40, 41, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.setup) + " " + std::to_string(c.x) + "," + std::to_string(c.y));
        std::fill(pixels_.begin(), pixels_.end(), kWhitePixel);
        {
            CRasterInkCanvas canvas = Canvas();
            const std::string setup = c.setup;
            if (setup == "solid") canvas.SolidLine({20, 40}, {60, 40}, 6, kBlack);
            if (setup == "soft") canvas.SoftSegment({20, 40}, {60, 40}, 6, kBlack);
            if (setup == "thin") canvas.SolidLine({20, 40}, {60, 40}, 0, kBlack);  // width 0: one pixel wide
        }
        EXPECT_GE(Ink(c.x, c.y), c.lowest);
        EXPECT_LE(Ink(c.x, c.y), c.highest);
    }
}

TEST_F(RasterCanvas, MarkerNibLeansAndBlendsOncePerCurve)
{
    const InkPoint level[4] = {{20, 20}, {30, 20}, {40, 20}, {50, 20}};
    {
        CRasterInkCanvas canvas = Canvas();
        canvas.MarkerCurve(level, 4, kBlack);
    }
    // Width 4 reaches (4, 8) either way along a level line.
    const int single = Ink(35, 20);
    EXPECT_NEAR(single, 128, 3);  // alpha 200 in gamma-corrected light
    EXPECT_EQ(Ink(50, 27), single);  // 7 rows down, the ink runs from x 23.5 to 53.5
    EXPECT_EQ(Ink(21, 27), 0);
    EXPECT_EQ(Ink(20, 13), single);  // 7 rows up, from 16.5 to 46.5
    EXPECT_EQ(Ink(49, 13), 0);
    EXPECT_EQ(Ink(35, 30), 0);
    EXPECT_EQ(Ink(21, 20), single);  // flat start: nothing before x = 20 on the line
    EXPECT_EQ(Ink(18, 20), 0);

    // A curve that runs out and back over itself is still blended once; a
    // second curve over it darkens it.
    const InkPoint outAndBack[4] = {{20, 60}, {60, 60}, {60, 60}, {20, 60}};
    {
        CRasterInkCanvas canvas = Canvas();
        canvas.MarkerCurve(outAndBack, 4, kBlack);
    }
    EXPECT_EQ(Ink(30, 60), single);
    {
        CRasterInkCanvas canvas = Canvas();
        canvas.MarkerCurve(level, 4, kBlack);
    }
    EXPECT_GT(Ink(35, 20), single + 40);
}

TEST_F(RasterCanvas, OpaqueRunsBlendEachPixelOnceAndBeforeItIsRead)
{
    CRasterInkCanvas canvas = Canvas();
    // A run that crosses itself: still exactly the ink, edges included.
    canvas.SoftSegment({20, 20}, {60, 60}, 8, kRed);
    canvas.SoftSegment({60, 60}, {60, 20}, 8, kRed);
    canvas.SoftSegment({60, 20}, {20, 60}, 8, kRed);
    EXPECT_EQ(canvas.GetPixel(40, 40), kRed);  // read after the run is blended
    EXPECT_EQ(canvas.GetPixel(40, 10), 0xFFFFFFu);
    const ColourRef edge = canvas.GetPixel(60, 64);
    EXPECT_NE(edge, kRed);
    EXPECT_NE(edge, 0xFFFFFFu);
}

TEST_F(RasterCanvas, ClipOffsetAndBottomUpRowsAreHonoured)
{
    // Bottom-up rows: the surface's row 0 is the buffer's last row.
    InkSurface flipped = Surface();
    flipped.origin = pixels_.data() + (kHeight - 1) * kWidth;
    flipped.stride = -kWidth;
    {
        CRasterInkCanvas canvas(flipped, {10, 10, 50, 50}, 5, 7);
        canvas.SolidLine({-30000, 3}, {30000, 3}, 6, kBlack);  // at surface row 10, far beyond both sides
        canvas.SetPixel(0, 0, kRed);                           // outside the clip: ignored
        EXPECT_EQ(canvas.GetPixel(0, 0), kInvalidPixel);
        EXPECT_EQ(canvas.GetPixel(20, 3), kBlack);  // surface (25, 10)
        const ColourRef block[4] = {kRed, kInvalidPixel, kRed, kRed};
        canvas.WritePixels(20, 20, 2, 2, block);  // surface (25, 27) and on
        ColourRef back[4];
        canvas.ReadPixels(20, 20, 2, 2, back);
        EXPECT_EQ(back[0], kRed);
        EXPECT_EQ(back[1], 0xFFFFFFu);  // left alone
    }
    const auto row = [&](int y) { return (kHeight - 1 - y) * kWidth; };
    EXPECT_EQ(pixels_[row(10) + 25], 0u);
    EXPECT_EQ(pixels_[row(10) + 9], kWhitePixel);  // left of the clip
    EXPECT_EQ(pixels_[row(10) + 50], kWhitePixel);
    EXPECT_EQ(pixels_[row(9) + 25], kWhitePixel);  // the line's upper half is above the clip
    EXPECT_EQ(pixels_[row(27) + 25], 0xFF0000u);   // red stored as 0x00RRGGBB
}

TEST_F(RasterCanvas, WideStrokesStayInsideTheSurface)
{
    CRasterInkCanvas canvas = Canvas();
    canvas.SoftSegment({60, 40}, {60, 40}, 1000, kRed);
    const InkPoint wide[4] = {{0, 0}, {119, 79}, {0, 79}, {119, 0}};
    canvas.MarkerCurve(wide, 300, kBlack);
    canvas.Flush();
    EXPECT_NE(At(0, 0), kWhitePixel);
    EXPECT_NE(At(119, 79), kWhitePixel);
}

}  // namespace

// A page drawn in bands on helper threads matches one band pixel for pixel,
// soft dots and runs cut by the band edges included, and strokes that a band
// leaves out because they lie elsewhere.
TEST(RasterDrawBands, MatchOneBandExactly)
{
    constexpr int kSide = 400;
    CLines page;
    for (int s = 0; s < 60; ++s) {
        const uint16_t kind = static_cast<uint16_t>(s % 3 == 0 ? kPenPen : s % 3 == 1 ? kPenMarker : kPenBrush);
        CLine& stroke = page.AddStroke(kColourTable[1 + s % 15], kind);
        const int width = kind == kPenBrush ? 200 : 6 + s % 7;
        for (int p = 0; p < 40; ++p)  // slanted strokes that cross every band edge
            stroke.AddPoint(10 + (s * 37 + p * 5) % 380, 5 + (s * 11 + p * 9) % 390, width, 0);
    }
    for (int s = 0; s < 30; ++s) {  // short strokes, each in one band only
        CLine& stroke = page.AddStroke(kColourTable[1 + s % 15], s % 2 ? kPenMarker : kPenPen);
        for (int p = 0; p < 6; ++p) stroke.AddPoint(20 + s * 12 + p, 30 + (s % 3) * 150 + p * 2, 4, 0);
    }
    const auto draw = [&](int maxBands) {
        std::vector<uint32_t> pixels(kSide * kSide, kWhitePixel);
        RasterDraw(page.StrokesToDraw(), {{pixels.data(), kSide, kSide, kSide}, {0, 0, kSide, kSide}}, maxBands);
        return pixels;
    };
    const std::vector<uint32_t> one = draw(1);
    EXPECT_EQ(draw(0), one);
    EXPECT_GT(std::count_if(one.begin(), one.end(), [](uint32_t p) { return p != kWhitePixel; }), 20000);

    // Neighbouring strokes of this page never share a pen, so blending each
    // stroke on its own changes nothing against a plain pass.
    std::vector<uint32_t> plain(kSide * kSide, kWhitePixel);
    {
        CRasterInkCanvas canvas({plain.data(), kSide, kSide, kSide}, {0, 0, kSide, kSide});
        page.DrawAll(canvas);
    }
    EXPECT_EQ(plain, one);
}

TEST(InkWorkers, RunEveryPartOnceAndTakeTurns)
{
    CInkWorkers& workers = CInkWorkers::Shared();
    const int parts = workers.Width() * 3 + 1;
    auto runAll = [&](std::vector<std::atomic<int>>& counts) {
        workers.Run(parts, [&](int part) { ++counts[static_cast<size_t>(part)]; });
    };
    std::vector<std::atomic<int>> first(parts), second(parts);
    std::thread other([&] {
        for (int i = 0; i < 20; ++i) runAll(second);
    });
    for (int i = 0; i < 20; ++i) runAll(first);
    other.join();
    for (int p = 0; p < parts; ++p) {
        EXPECT_EQ(first[static_cast<size_t>(p)], 20);
        EXPECT_EQ(second[static_cast<size_t>(p)], 20);
    }
}
