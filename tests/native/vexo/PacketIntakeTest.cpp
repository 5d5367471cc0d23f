#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Lines.h"
#include "PacketIntake.h"
#include "RecordingCanvas.h"

namespace {

class FakeHost : public IPenIntakeHost {
public:
    CLines page;
    RecordingCanvas canvas{128, 128};
    std::vector<InkRect> liveAreas;
    int invalidations = 0;
    bool displayChanged = false;
    int recoveries = 0;

    CLines& CurrentPage() override { return page; }
    IInkCanvas* BeginLive(const InkRect& area) override
    {
        liveAreas.push_back(area);
        return &canvas;
    }
    void EndLive() override {}
    void InvalidateOverlay() override { ++invalidations; }
    bool DisplayChanged() const override { return displayChanged; }
    void RecoverDisplay() override
    {
        ++recoveries;
        displayChanged = false;
    }
};

class FakeRecorder : public IPenRecorder {
public:
    std::vector<std::string> calls;
    void BeginRecordedLine(ColourRef, uint16_t kind) override { calls.push_back("line " + std::to_string(kind)); }
    void AddRecordedPoint(int x, int y, int w, uint32_t) override
    {
        calls.push_back("point " + std::to_string(x) + "," + std::to_string(y) + " w" + std::to_string(w));
    }
    void RecordEraserStroke() override { calls.push_back("eraser"); }
};

struct StoredPoint {
    int x, y, width;
    bool operator==(const StoredPoint& o) const { return x == o.x && y == o.y && width == o.width; }
};
std::ostream& operator<<(std::ostream& os, const StoredPoint& p)
{
    return os << "(" << p.x << "," << p.y << " w" << p.width << ")";
}

// Cursor, buttons, x, y, pressure.
TabletPacket Pk(uint32_t cursor, uint32_t buttons, int x, int y, uint32_t pressure, uint32_t time = 0)
{
    TabletPacket p;
    p.cursor = cursor;
    p.buttons = buttons;
    p.x = x;
    p.y = y;
    p.pressure = pressure;
    p.time = time;
    return p;
}
TabletPacket Pen(int x, int y, uint32_t pressure = 500, uint32_t buttons = 1) { return Pk(1, buttons, x, y, pressure); }
TabletPacket PenUp(int x, int y) { return Pk(1, 0, x, y, 0); }

class PacketIntakeTest : public ::testing::Test {
protected:
    FakeHost host;
    FakeRecorder recorder;
    CPenIntake intake{host, recorder};

    void Feed(const std::vector<TabletPacket>& packets)
    {
        for (const TabletPacket& p : packets) intake.Packet(p);
    }
    std::vector<StoredPoint> Stored(int stroke = 0) const
    {
        std::vector<StoredPoint> out;
        for (const PointRecord& p : host.page.At(stroke).Points()) out.push_back({p.x, p.y, p.width});
        return out;
    }
    // A pen stroke across the middle of the canvas, already on the page.
    void InkOnPage()
    {
        host.page.AddStroke(0xFF, kPenPen);
        for (int x = 20; x <= 100; x += 10) host.page.AddPoint(x, 60, 6, 0);
    }
};

struct SequenceCase {
    const char* name;
    int tool;
    int level;
    bool buttonDown;
    std::vector<TabletPacket> packets;
    std::vector<StoredPoint> stored;  // of the one stroke; empty: no stroke at all
    int solidLines;                   // -1: not checked
    int markerCurves;
};

class PacketSequence : public PacketIntakeTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(PacketSequence, StoresAndDrawsWhatThePacketsAskFor)
{
    const SequenceCase& c = GetParam();
    intake.SetTool(c.tool);
    intake.SetWidthLevel(c.level);
    intake.SetColour(0x0000FF);
    intake.SetButtonDown(c.buttonDown);
    Feed(c.packets);

    if (c.stored.empty()) {
        EXPECT_EQ(host.page.Count(), 0);
        EXPECT_TRUE(host.canvas.shapes.empty());
        EXPECT_TRUE(host.canvas.Painted().empty());
        EXPECT_TRUE(recorder.calls.empty());
        return;
    }
    ASSERT_EQ(host.page.Count(), 1);
    EXPECT_EQ(host.page.At(0).PenKind(), c.tool);
    EXPECT_EQ(host.page.At(0).Colour(), 0x0000FFu);
    EXPECT_EQ(Stored(), c.stored);
    // The recorder sees the same stroke: one line, then every stored point.
    ASSERT_EQ(recorder.calls.size(), c.stored.size() + 1);
    EXPECT_EQ(recorder.calls[0], "line " + std::to_string(c.tool));
    if (c.solidLines >= 0) EXPECT_EQ(host.canvas.Shapes(DrawnShape::kSolid).size(), size_t(c.solidLines));
    if (c.markerCurves >= 0) EXPECT_EQ(host.canvas.Shapes(DrawnShape::kMarker).size(), size_t(c.markerCurves));
    EXPECT_FALSE(intake.StrokeActive());
}

INSTANTIATE_TEST_SUITE_P(
    Intake, PacketSequence,
    ::testing::Values(
        SequenceCase{"PressureWithoutOverlayButtonDrawsNothing", kPenPen, 3, false,
                     {Pen(10, 10), Pen(20, 20), Pen(30, 30), PenUp(30, 30)}, {}, 0, 0},
        SequenceCase{"ButtonsZeroWithoutEarlierTipDrawsNothing", kPenPen, 3, true,
                     {Pen(10, 10, 500, 0), Pen(20, 20, 500, 0), PenUp(20, 20)}, {}, 0, 0},
        SequenceCase{"ButtonsZeroKeepsDrawingWhileTipIsSet", kPenPen, 3, true,
                     {Pen(10, 10), Pen(20, 20, 500, 0), Pen(30, 30, 500, 0), PenUp(30, 30)},
                     {{10, 10, 6}, {20, 20, 6}, {30, 30, 6}}, 2, 0},
        SequenceCase{"PenStoresRepeatedPositions", kPenPen, 1, true,
                     {Pen(10, 10), Pen(10, 10), Pen(20, 20), Pen(20, 20), PenUp(20, 20)},
                     {{10, 10, 1}, {10, 10, 1}, {20, 20, 1}, {20, 20, 1}}, 3, 0},
        SequenceCase{"MarkerStoresEachPositionOnce", kPenMarker, 5, true,
                     {Pen(10, 10), Pen(10, 10), Pen(20, 20), Pen(20, 20), Pen(30, 30), Pen(40, 40),
                      Pen(40, 40), PenUp(40, 40)},
                     {{10, 10, 10}, {20, 20, 10}, {30, 30, 10}, {40, 40, 10}}, 0, 1},
        SequenceCase{"MarkerCurvesJoinEveryThreePositions", kPenMarker, 1, true,
                     {Pen(10, 10), Pen(20, 10), Pen(30, 10), Pen(40, 10), Pen(50, 10), Pen(60, 10),
                      Pen(70, 10), PenUp(70, 10)},
                     {{10, 10, 2}, {20, 10, 2}, {30, 10, 2}, {40, 10, 2}, {50, 10, 2}, {60, 10, 2},
                      {70, 10, 2}}, 0, 2},
        SequenceCase{"EdgeCoordinatesStoredButNotDrawnFrom", kPenPen, 5, true,
                     {Pen(0, 10), Pen(10, 10), Pen(20, 0), Pen(30, 30), PenUp(30, 30)},
                     {{0, 10, 10}, {10, 10, 10}, {20, 0, 10}, {30, 30, 10}}, 1, 0},
        SequenceCase{"PenUpAddsNoPoint", kPenPen, 1, true, {Pen(10, 10), Pen(20, 20), PenUp(90, 90)},
                     {{10, 10, 1}, {20, 20, 1}}, 1, 0},
        SequenceCase{"BrushFirstWidthThenTwentieth", kPenBrush, 3, true,
                     {Pen(10, 10, 500), Pen(20, 20, 800), Pen(20, 20, 900), Pen(30, 20, 100), PenUp(30, 20)},
                     {{10, 10, 500}, {20, 20, 40}, {30, 20, 5}}, 0, 0},
        SequenceCase{"BrushWidthOfLargePressureIsTruncatedToSixteenBits", kPenBrush, 5, true,
                     {Pen(10, 10, 30000), Pen(20, 20, 30000), PenUp(20, 20)},
                     {{10, 10, static_cast<int16_t>(50000)}, {20, 20, static_cast<int16_t>(50000) / 20}}, 0, 0}),
    [](const ::testing::TestParamInfo<SequenceCase>& info) { return std::string(info.param.name); });

TEST_F(PacketIntakeTest, LiveSegmentsAreDrawnInTheStrokesColourAndWidth)
{
    intake.SetTool(kPenPen);
    intake.SetWidthLevel(5);
    intake.SetColour(0x00FF00);
    intake.SetButtonDown(true);
    Feed({Pen(10, 10), Pen(40, 20)});
    const auto lines = host.canvas.Shapes(DrawnShape::kSolid);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (DrawnShape{DrawnShape::kSolid, {{10, 10}, {40, 20}}, 10, 0x00FF00}));
    // The canvas is asked for an area that holds the whole segment.
    const InkRect a = host.liveAreas.back();
    EXPECT_TRUE(a.left <= 0 && a.top <= 0 && a.right >= 51 && a.bottom >= 31);
}

TEST_F(PacketIntakeTest, OneTouchStrokeDoesNotJoinThePreviousStroke)
{
    intake.SetTool(kPenBrush);
    intake.SetWidthLevel(5);
    intake.SetButtonDown(true);
    Feed({Pen(10, 10), Pen(20, 10), Pen(30, 10), PenUp(30, 10)});
    host.canvas.shapes.clear();
    Feed({Pen(100, 100), PenUp(100, 100)});
    for (const DrawnShape& s : host.canvas.shapes)
        for (const InkPoint& p : s.points) EXPECT_GE(p.x, 90) << s;
}

TEST_F(PacketIntakeTest, EraserStrokeErasesAtPenUp)
{
    InkOnPage();
    intake.SetTool(kPenEraser);
    intake.SetButtonDown(true);
    Feed({Pen(60, 40), Pen(60, 50), Pen(60, 60), Pen(60, 70), Pen(60, 80)});
    ASSERT_EQ(host.page.Count(), 2);
    EXPECT_EQ(host.page.At(1).PenKind(), kPenEraser);
    EXPECT_EQ(host.page.At(1).Colour(), 0u);
    EXPECT_EQ(host.invalidations, 0);

    intake.Packet(PenUp(60, 80));
    EXPECT_EQ(host.page.Count(), 0);  // the ink it crossed and the eraser stroke itself
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(recorder.calls.back(), "eraser");
}

TEST_F(PacketIntakeTest, PreviewTraceStoresNothingAndEraserTraceKeepsInk)
{
    InkOnPage();
    intake.SetButtonDown(false);  // cursor 0 does not need the overlay's button
    for (const int tool : {kPenPen, kPenBrush, kPenMarker, kPenEraser}) {
        SCOPED_TRACE(tool);
        intake.SetTool(tool);
        host.canvas.shapes.clear();
        host.invalidations = 0;
        for (int y = 40; y <= 80; y += 10) intake.Packet(Pk(0, 1, 60, y, 500));
        intake.Packet(Pk(0, 0, 60, 80, 0));

        ASSERT_EQ(host.page.Count(), 1);
        EXPECT_EQ(host.page.At(0).PointCount(), 9);
        EXPECT_TRUE(recorder.calls.empty());
        ASSERT_FALSE(host.canvas.shapes.empty());
        EXPECT_EQ(host.canvas.shapes.front().colour, kPreviewColour);
        EXPECT_EQ(host.invalidations, tool == kPenEraser ? 1 : 0);
    }
}

TEST_F(PacketIntakeTest, OtherCursorsDrawNothingAndDisplayRecoveryFollowsAnyPacket)
{
    intake.SetButtonDown(true);
    Feed({Pk(2, 1, 10, 10, 500), Pk(2, 1, 20, 20, 500)});
    EXPECT_EQ(host.page.Count(), 0);
    EXPECT_TRUE(host.canvas.shapes.empty());
    EXPECT_EQ(host.recoveries, 0);

    host.displayChanged = true;
    intake.Packet(Pk(2, 0, 0, 0, 0));
    EXPECT_EQ(host.recoveries, 1);
}

TEST(PacketIntakeWidth, WidthValueForEveryToolAndLevel)
{
    struct Row {
        int tool, level;
        uint32_t pressure;
        int16_t width;
    } rows[] = {
        {kPenPen, 1, 500, 1},     {kPenPen, 3, 500, 6},       {kPenPen, 5, 0, 10},
        {kPenMarker, 1, 500, 2},  {kPenMarker, 3, 500, 6},    {kPenMarker, 5, 500, 10},
        {kPenBrush, 1, 511, 170}, {kPenBrush, 5, 1023, 1705}, {kPenEraser, 5, 1023, 1},
        {kPenArrow, 3, 100, 1},
    };
    FakeHost host;
    IPenRecorder noRecording;
    CPenIntake intake(host, noRecording);
    for (const Row& r : rows) {
        intake.SetTool(r.tool);
        intake.SetWidthLevel(r.level);
        EXPECT_EQ(intake.WidthValue(r.pressure), r.width) << r.tool << " " << r.level;
    }
}

}  // namespace
