#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "InkArea.h"
#include "Lines.h"
#include "PlaybackClock.h"
#include "RecordingCanvas.h"
#include "StrokeLayer.h"

namespace {

constexpr ColourRef kRed = 0x0000FF;

// Every test starts and ends with nothing playing and the real sleeper.
class StrokeRender : public ::testing::Test {
protected:
    void SetUp() override { ResetPlayback(); }
    void TearDown() override { ResetPlayback(); }
    static void ResetPlayback()
    {
        SetPlaying(false);
        SetPlaybackClock(0);
        SetPlaybackSleeperForTesting(nullptr);
    }

    static CLine& AddStroke(CLines& lines, uint16_t kind, std::initializer_list<InkPoint> points, int width = 6,
                            ColourRef colour = kRed)
    {
        CLine& stroke = lines.AddStroke(colour, kind);
        uint32_t t = 0;
        for (const InkPoint& p : points) stroke.AddPoint(p.x, p.y, width, t += 10);
        return stroke;
    }
};

TEST_F(StrokeRender, OnePointStrokeDrawsOnlyItsStartDot)
{
    struct Case {
        uint16_t kind;
        size_t painted;
    } cases[] = {{kPenPen, 1}, {kPenBrush, 1}, {kPenMarker, 0}, {kPenEraseAll, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        CLines lines;
        AddStroke(lines, c.kind, {{10, 12}});
        RecordingCanvas canvas;
        lines.DrawAll(canvas);
        EXPECT_TRUE(canvas.shapes.empty());
        // Width 6 halves to 3: a dot so hard that only its centre takes ink.
        ASSERT_EQ(canvas.Painted().size(), c.painted);
        if (c.painted) {
            EXPECT_EQ(canvas.Painted()[0], (InkPoint{10, 12}));
            EXPECT_EQ(canvas.Pixel(10, 12), 0x0000FEu);  // full ink loses a bit in the >> 8
        }
    }
}

TEST_F(StrokeRender, PenSkipsItsFirstSegmentAndSegmentsStartingOnAScreenEdge)
{
    CLines lines;
    AddStroke(lines, kPenPen, {{5, 5}, {8, 8}});
    RecordingCanvas two;
    lines.DrawAll(two);
    EXPECT_TRUE(two.shapes.empty());

    CLines more;
    AddStroke(more, kPenPen, {{5, 5}, {0, 7}, {9, 9}, {12, 3}, {15, 0}, {18, 18}, {20, 20}}, 10);
    RecordingCanvas canvas;
    more.DrawAll(canvas);
    const std::vector<DrawnShape> expected = {
        {DrawnShape::kSolid, {{9, 9}, {12, 3}}, 10, kRed},
        {DrawnShape::kSolid, {{12, 3}, {15, 0}}, 10, kRed},
        {DrawnShape::kSolid, {{18, 18}, {20, 20}}, 10, kRed},
    };
    EXPECT_EQ(canvas.shapes, expected);
}

TEST_F(StrokeRender, MarkerDrawsCurvesOverPointsZeroZeroOneTwoThenEveryThree)
{
    auto curves = [](int pointCount) {
        CLines lines;
        CLine& stroke = lines.AddStroke(kRed, kPenMarker);
        for (int i = 0; i < pointCount; ++i) stroke.AddPoint(10 + i, 20 + 2 * i, 6, 0);
        RecordingCanvas canvas;
        lines.DrawAll(canvas);
        EXPECT_TRUE(canvas.Painted().empty());
        return canvas.shapes;
    };
    auto pt = [](int i) { return InkPoint{10 + i, 20 + 2 * i}; };
    EXPECT_TRUE(curves(2).empty());
    const std::vector<DrawnShape> three = {{DrawnShape::kMarker, {pt(0), pt(0), pt(1), pt(2)}, 6, kRed}};
    EXPECT_EQ(curves(3), three);
    EXPECT_EQ(curves(5), three);
    const std::vector<DrawnShape> nine = {
        {DrawnShape::kMarker, {pt(0), pt(0), pt(1), pt(2)}, 6, kRed},
        {DrawnShape::kMarker, {pt(2), pt(3), pt(4), pt(5)}, 6, kRed},
        {DrawnShape::kMarker, {pt(5), pt(6), pt(7), pt(8)}, 6, kRed},
    };
    EXPECT_EQ(curves(9), nine);
    EXPECT_EQ(curves(8).size(), 2u);
}

TEST_F(StrokeRender, BrushPrimesOnItsSecondPointThenDrawsHalvedSoftSegments)
{
    CLines lines;
    AddStroke(lines, kPenBrush, {{10, 10}, {20, 10}, {30, 10}, {40, 10}}, 24);
    RecordingCanvas canvas;
    lines.DrawAll(canvas);
    const std::vector<DrawnShape> expected = {
        {DrawnShape::kSoft, {{20, 10}, {30, 10}}, 12, kRed},
        {DrawnShape::kSoft, {{30, 10}, {40, 10}}, 12, kRed},
    };
    EXPECT_EQ(canvas.shapes, expected);
}

TEST_F(StrokeRender, HidingFollowsThePlaybackClock)
{
    struct Case {
        bool playing;
        uint32_t clock;
        uint16_t kind;
        uint32_t eraseTime;
        bool drawn;
    } cases[] = {
        {false, 0, kPenPen, 0, true},         {false, 0, kPenPen, 5000, false},
        {false, 0, kPenEraser, 0, false},     {true, 0, kPenEraser, 0, false},
        {true, 0, kPenPen, 50, false},        {true, 0, kPenPen, 100, true},
        {true, 4900, kPenPen, 5000, true},    {true, 4901, kPenPen, 5000, false},
        {true, 0xFFFFFF00, kPenPen, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.playing << " " << c.clock << " " << c.kind << " " << c.eraseTime);
        SetPlaying(c.playing);
        SetPlaybackClock(c.clock);
        CLines lines;
        CLine& stroke = AddStroke(lines, c.kind, {{10, 10}, {20, 20}, {30, 30}});
        stroke.SetErased(c.eraseTime);
        RecordingCanvas canvas;
        lines.DrawAll(canvas);
        EXPECT_EQ(!canvas.Painted().empty(), c.drawn);
        EXPECT_EQ(stroke.IsHidden(), !c.drawn);
    }
}

TEST_F(StrokeRender, DrawInAreaTakesTheFirstNVisibleStrokesNearTheArea)
{
    CLines lines;
    AddStroke(lines, kPenPen, {{10, 10}, {12, 12}, {14, 14}});   // meets the area only by its reach
    AddStroke(lines, kPenPen, {{40, 40}, {42, 42}, {44, 44}});
    AddStroke(lines, kPenPen, {{30, 30}, {32, 32}, {34, 34}}).SetErased(7);
    AddStroke(lines, kPenPen, {{50, 50}, {52, 52}, {54, 54}});
    const InkRect area{18, 18, 60, 60};

    auto drawnStarts = [&](const InkRect& a, int n) {
        RecordingCanvas canvas;
        lines.DrawInArea(canvas, a, n);
        std::vector<int> starts;
        for (const auto& s : canvas.shapes) starts.push_back(s.points[0].x);
        return starts;
    };
    EXPECT_EQ(drawnStarts(area, 0), (std::vector<int>{12, 42, 52}));
    EXPECT_EQ(drawnStarts(area, 2), (std::vector<int>{12, 42}));
    EXPECT_EQ(drawnStarts(area, 99), (std::vector<int>{12, 42, 52}));
    EXPECT_TRUE(drawnStarts(area, -1).empty());
    // The first stroke's start dot reaches 6 pixels beyond its points, with
    // a pixel of smooth edge and one to spare: up to x 22.
    EXPECT_EQ(drawnStarts({22, 22, 60, 60}, 0), (std::vector<int>{12, 42, 52}));
    EXPECT_EQ(drawnStarts({23, 23, 60, 60}, 0), (std::vector<int>{42, 52}));
}

TEST_F(StrokeRender, StepsLessThanTwoPixelsApartDrawNothing)
{
    CSMLine renderer;  // live drawing: never a first-point phase
    RecordingCanvas canvas;
    renderer.DrawStep(canvas, 10, 10, 20, 10, 40, kRed, CSMLine::kMiddlePoint, 1023);
    ASSERT_EQ(canvas.shapes.size(), 1u);
    renderer.DrawStep(canvas, 20, 10, 21, 11, 40, kRed, CSMLine::kMiddlePoint, 1023);
    EXPECT_EQ(canvas.shapes.size(), 1u);
    renderer.DrawStep(canvas, 21, 11, 21, 11, 40, kRed, CSMLine::kMiddlePoint, 1023);
    EXPECT_EQ(canvas.shapes.size(), 1u);
    // A previous position at zero stands for the current one.
    renderer.DrawStep(canvas, 0, 11, 30, 20, 40, kRed, CSMLine::kLastPoint, 1023);
    ASSERT_EQ(canvas.shapes.size(), 2u);
    EXPECT_EQ(canvas.shapes[1].points, (std::vector<InkPoint>{{30, 11}, {30, 20}}));
}

TEST_F(StrokeRender, StartDotOfWidth85BlendsBySoftness233AndRadius3)
{
    CSMLine renderer;
    RecordingCanvas canvas;
    // maxPressure 256 keeps the width as given.
    renderer.DrawStep(canvas, 0, 0, 20, 20, 85, 0x000000, CSMLine::kFirstPoint, 256);
    // White under black ink: each channel becomes 255 * a >> 8.
    EXPECT_EQ(canvas.Pixel(20, 20), 0x000000u);              // a = 0
    EXPECT_EQ(canvas.Pixel(21, 20), 0x696969u);              // a = 106
    EXPECT_EQ(canvas.Pixel(20, 19), 0x696969u);
    EXPECT_EQ(canvas.Pixel(21, 21), 0xC9C9C9u);              // a = 202
    EXPECT_EQ(canvas.Pixel(22, 20), RecordingCanvas::kWhite);  // a = 339: left alone
    EXPECT_EQ(canvas.pixelWrites, 9);
}

TEST_F(StrokeRender, WideDotsStayInsideTheirSquare)
{
    // 383 makes the softness zero; beyond it the softness is negative.
    for (int startWidth : {274, 382, 383, 384, 1000, 32767}) {
        SCOPED_TRACE(startWidth);
        CSMLine renderer;
        RecordingCanvas canvas;
        renderer.DrawStep(canvas, 0, 0, 30, 30, 2 * startWidth, kRed, CSMLine::kFirstPoint, 100000);
        for (int dotWidth : {0, 255, 383, 500, 32767}) renderer.StampDot(canvas, 30, 30, dotWidth);
        const auto painted = canvas.Painted();
        EXPECT_FALSE(painted.empty());
        for (const InkPoint& p : painted) {
            EXPECT_LE(std::abs(p.x - 30), CSMLine::kMaxDotRadius);
            EXPECT_LE(std::abs(p.y - 30), CSMLine::kMaxDotRadius);
        }
    }
}

TEST_F(StrokeRender, DotMovesItsSquareAsOneBlockAndLeavesOffSurfacePixelsAlone)
{
    // One read and one write of the dot's square; pixels outside the surface
    // come back invalid and are not written.
    struct BlockCanvas : RecordingCanvas {
        BlockCanvas() : RecordingCanvas(20, 20) {}
        using Block = std::array<int, 4>;  // left, top, width, height
        std::vector<Block> reads, writes;
        void ReadPixels(int left, int top, int width, int height, ColourRef* out) override
        {
            reads.push_back({{left, top, width, height}});
            RecordingCanvas::ReadPixels(left, top, width, height, out);
        }
        void WritePixels(int left, int top, int width, int height, const ColourRef* in) override
        {
            writes.push_back({{left, top, width, height}});
            RecordingCanvas::WritePixels(left, top, width, height, in);
        }
    };
    CSMLine renderer;
    BlockCanvas canvas;
    // Start width 500: radius 3 + 500 / 70, kept at the largest square.
    renderer.DrawStep(canvas, 0, 0, 1, 18, 1000, kRed, CSMLine::kFirstPoint, 1023);
    const BlockCanvas::Block square{{1 - CSMLine::kMaxDotRadius, 18 - CSMLine::kMaxDotRadius, 13, 13}};
    EXPECT_EQ(canvas.reads, std::vector<BlockCanvas::Block>{square});
    EXPECT_EQ(canvas.writes, std::vector<BlockCanvas::Block>{square});
    EXPECT_EQ(canvas.Pixel(0, 19), 0x0000FEu);                    // a = 0
    EXPECT_NE(canvas.Pixel(7, 12), RecordingCanvas::kWhite);  // the far corner
    EXPECT_EQ(canvas.pixelWrites, 8 * 8);  // the part of the square on the surface
}

// The sleeper stands in for the clock thread: time passes as the painter waits.
std::vector<uint32_t> g_sleeps;
uint32_t g_stopAt = 0;
void AdvancingSleeper(uint32_t ms)
{
    g_sleeps.push_back(ms);
    AdvancePlaybackClock(ms);
    if (g_stopAt && PlaybackClock() >= g_stopAt) SetPlaying(false);
}

TEST_F(StrokeRender, DrawTimedWaitsForEachPointAndStopsWhenPlaybackStops)
{
    SetPlaybackSleeperForTesting(AdvancingSleeper);
    CLines lines;
    CLine& stroke = lines.AddStroke(kRed, kPenPen);
    const uint32_t times[] = {0, 250, 250, 600, 700};
    for (int i = 0; i < 5; ++i) stroke.AddPoint(10 + 5 * i, 10 + 5 * i, 6, times[i]);
    stroke.SetErased(1);  // erased strokes are still drawn point by point

    g_sleeps.clear();
    g_stopAt = 0;
    SetPlaying(true);
    RecordingCanvas all;
    stroke.DrawTimed(all);
    EXPECT_EQ(all.shapes.size(), 3u);
    // What was drawn is completed before every wait and at the end.
    EXPECT_EQ(all.shapesAtFlush, (std::vector<size_t>{0, 1, 2, 3}));
    EXPECT_EQ(g_sleeps, (std::vector<uint32_t>{100, 100, 50, 100, 100, 100, 50, 100}));
    EXPECT_EQ(PlaybackClock(), 700u);

    // Stopped during the wait for the fourth point: nothing more is drawn.
    g_sleeps.clear();
    g_stopAt = 400;
    SetPlaybackClock(0);
    SetPlaying(true);
    RecordingCanvas cut;
    stroke.DrawTimed(cut);
    EXPECT_EQ(cut.shapes.size(), 1u);
    EXPECT_EQ(PlaybackClock(), 450u);
}

class FakeLayer : public IStrokeLayer {
public:
    InkRect GetTouchedArea(const CEraserMask&) override
    {
        ++touchedQueries;
        return fromEarlierLayers;
    }
    void RepaintArea(IInkCanvas&, const InkRect& area, int count) override { repaints.push_back({area, count}); }
    void RestorePicture(IInkCanvas&) override { ++restores; }

    InkRect fromEarlierLayers;
    int touchedQueries = 0;
    std::vector<std::pair<InkRect, int>> repaints;
    int restores = 0;
};

TEST_F(StrokeRender, TimedListRepaintsWhatAnEraserTouchedAndRestoresAtEraseAll)
{
    CLines lines;
    AddStroke(lines, kPenPen, {{10, 20}, {20, 20}, {30, 20}});                // hit by the eraser
    AddStroke(lines, kPenPen, {{10, 50}, {20, 50}, {30, 50}});                // not hit
    AddStroke(lines, kPenEraser, {{20, 10}, {20, 30}}, 0, 0);                 // crosses the first
    AddStroke(lines, kPenEraser, {{100, 100}, {110, 100}}, 0, 0);             // touches nothing
    AddStroke(lines, kPenEraseAll, {{0, 0}}, 0, 0);
    FakeLayer layer;
    layer.fromEarlierLayers = {200, 200, 210, 210};

    SetPlaying(true);
    SetPlaybackClock(1000);  // every point is due
    RecordingCanvas canvas(256, 256);
    lines.DrawTimed(canvas, &layer);
    EXPECT_EQ(layer.touchedQueries, 2);
    ASSERT_EQ(layer.repaints.size(), 2u);
    // Eraser bounds (20,10)-(20,30) with the touched area (the first
    // stroke's bounds (10,20)-(30,20) inflated by 5, and the earlier layers'
    // area) inflated by 5, all grown by 5.
    EXPECT_EQ(layer.repaints[0].first, (InkRect{-5, 5, 220, 220}));
    EXPECT_EQ(layer.repaints[0].second, 2);
    // A straight eraser keeps its trail inside the repaint.
    EXPECT_EQ(layer.repaints[1].first, (InkRect{95, 95, 220, 220}));
    EXPECT_EQ(layer.repaints[1].second, 3);
    EXPECT_EQ(layer.restores, 1);
    // Nothing was marked by looking.
    EXPECT_EQ(lines.At(0).EraseTime(), 0u);
}

}  // namespace
