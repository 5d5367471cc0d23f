// The recorder's layers built from a scripted session of page switches,
// strokes, eraser strokes and erase-alls.
#include <gtest/gtest.h>

#include "Clock.h"
#include "DocumentFakes.h"
#include "RecDoc.h"
#include "Recorder.h"

namespace {

using docfake::FakePicture;

uint32_t g_tick = 0;
uint32_t Tick() { return g_tick; }

class FakeOverlay : public vexo::IRecorderHost {
public:
    int page = 0;
    bool transparent = false;
    int CurrentPageCode() const override { return page; }
    InkRect OverlayClientRect() const override { return {0, 0, 640, 480}; }
    bool TransparentDisplay() const override { return transparent; }
    std::unique_ptr<vexo::IPicture> CopyScreen(int w, int h) override
    {
        return std::make_unique<FakePicture>(w, h, kScreen);
    }
    std::unique_ptr<vexo::IPicture> FilledPicture(int w, int h, ColourRef colour) override
    {
        return std::make_unique<FakePicture>(w, h, colour);
    }
    void DrawPageInk(vexo::IPicture& picture) override { static_cast<FakePicture&>(picture).inked = true; }

    static constexpr uint32_t kScreen = 0x5C5C5C;
};

class Recorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_tick = 50000;
        fw::SetTickSourceForTesting(&Tick);
    }
    void TearDown() override { fw::SetTickSourceForTesting(nullptr); }

    void SwitchTo(int page, uint32_t tick)
    {
        g_tick = tick;
        overlay.page = page;
        recorder.BeginPageLayer();
    }
    // A pen stroke from (x, y) to (x + 30, y) with packets 10 ms apart.
    void Stroke(int x, int y, uint32_t firstPacket, uint16_t kind = kPenPen)
    {
        recorder.BeginRecordedLine(kind == kPenEraser ? 0 : 0xFF, kind);
        for (int i = 0; i < 4; ++i) recorder.AddRecordedPoint(x + 10 * i, y, 6, firstPacket + 10 * i);
        g_tick = firstPacket + 40;
        if (kind == kPenEraser) recorder.RecordEraserStroke();
    }
    // An eraser path closed around (x, y).
    void EraserAround(int x, int y, uint32_t firstPacket)
    {
        recorder.BeginRecordedLine(0, kPenEraser);
        const int d = 12;
        const int path[][2] = {{-d, -d}, {d, -d}, {d, d}, {-d, d}, {-d, -d}};
        uint32_t t = firstPacket;
        for (const auto& p : path) recorder.AddRecordedPoint(x + p[0], y + p[1], 1, t += 10);
        g_tick = t + 5;
        recorder.RecordEraserStroke();
    }
    CRecording& R() { return recorder.Recording(); }

    FakeOverlay overlay;
    vexo::CRecorder recorder{overlay};
};

TEST_F(Recorder, PageSwitchesBuildSectionsAndCollectionChains)
{
    overlay.page = 3;
    recorder.StartRecording();
    Stroke(100, 100, 50020);  // before any switch: into the first section
    SwitchTo(4, 51000);
    SwitchTo(4, 51100);       // the page already current adds nothing
    SwitchTo(3, 52000);
    SwitchTo(4, 53000);
    SwitchTo(3, 54000);

    ASSERT_EQ(R().sections.size(), 2u);
    ASSERT_EQ(R().collections.size(), 3u);
    CSection& s3 = *R().sections[0];
    CSection& s4 = *R().sections[1];
    CCollection& c3 = *R().collections[0];
    CCollection& c4 = *R().collections[1];
    CCollection& c3b = *R().collections[2];
    EXPECT_EQ(R().actions, (std::vector<CLayer*>{&s3, &s4, &c3, &c4, &c3b}));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(R().actions[i]->GetIndexOfAction(), i);

    EXPECT_EQ(s3.pageId, 3);
    EXPECT_EQ(s3.startTime, 0u);
    EXPECT_EQ(s3.rect, (InkRect{0, 0, 640, 480}));
    EXPECT_EQ(s4.startTime, 1000u);
    EXPECT_EQ(c3.Parent(), &s3);
    EXPECT_EQ(c4.Parent(), &s4);
    EXPECT_EQ(c3b.Parent(), &c3) << "a chain grows from its newest layer";
    EXPECT_EQ(s3.GetIndexOfCollection(), 0);
    EXPECT_EQ(s4.GetIndexOfCollection(), 1);
    EXPECT_EQ(c3.GetIndexOfCollection(), 2);
    EXPECT_EQ(c3b.GetIndexOfCollection(), -1);
    EXPECT_EQ(recorder.CurrentLayer(), &c3b);

    ASSERT_EQ(s3.Lines().Count(), 1);
    const auto& points = s3.Lines().At(0).Points();
    EXPECT_EQ(points.front().time, 20u) << "times count from the recording's start";
    EXPECT_EQ(points.back().time, 50u);

    // The recorder's own chains are what the file format links back.
    docfake::FailingWrites fs;
    fs.MakeDir("C:");
    docfake::FakePictures pictures{fs};
    RecordingFiles files{fs, pictures, "C:\\temp.JPG"};
    fw::CArchive out;
    recorder.Serialize(out, files);
    fw::CArchive in(out.Data());
    CRecording loaded;
    loaded.Serialize(in, files);
    ASSERT_EQ(loaded.collections.size(), 3u);
    EXPECT_EQ(loaded.collections[2]->Parent(), loaded.collections[0].get());
    EXPECT_EQ(loaded.collections[1]->Parent(), loaded.sections[1].get());
}

TEST_F(Recorder, SectionPicturesShowTheScreenOrTheBoard)
{
    struct Case {
        int page;
        bool transparent;
        uint32_t colour;
        bool inked;
    } cases[] = {
        {2, false, FakeOverlay::kScreen, true}, {0, true, FakeOverlay::kScreen, false},
        {-1, false, 0x000000, true},            {-2, false, 0xFFFFFF, true},
    };
    for (const Case& c : cases) {
        overlay.page = c.page;
        overlay.transparent = c.transparent;
        recorder.StopRecording();
        recorder.StartRecording();
        ASSERT_EQ(R().sections.size(), 1u) << "a new recording starts afresh";
        auto* picture = static_cast<FakePicture*>(R().sections[0]->Picture());
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->colour, c.colour) << c.page;
        EXPECT_EQ(picture->inked, c.inked) << c.page;
        EXPECT_EQ(picture->width, 640);
    }
}

TEST_F(Recorder, EraseAllMarksOnlyTheCurrentLayer)
{
    overlay.page = 1;
    recorder.StartRecording();
    Stroke(10, 10, 50010);
    SwitchTo(2, 50500);
    SwitchTo(1, 51000);
    Stroke(10, 30, 51010);
    Stroke(10, 50, 51100);
    g_tick = 52000;
    recorder.RecordEraseAll();

    const CLines& current = R().collections[0]->Lines();
    ASSERT_EQ(current.Count(), 3);
    EXPECT_EQ(current.At(0).EraseTime(), 2000u);
    EXPECT_EQ(current.At(1).EraseTime(), 2000u);
    const CLine& mark = current.At(2);
    EXPECT_EQ(mark.PenKind(), kPenEraseAll);
    EXPECT_EQ(mark.Colour(), 0u);
    EXPECT_EQ(mark.GetBounds(), InkRect{});
    ASSERT_EQ(mark.PointCount(), 1);
    EXPECT_EQ(mark.Points()[0].time, 2000u);
    EXPECT_EQ(mark.Points()[0].width, 0);
    EXPECT_EQ(R().sections[0]->Lines().At(0).EraseTime(), 0u) << "the page's earlier layer";
}

TEST_F(Recorder, AnEraserInALaterLayerErasesThePagesEarlierStrokes)
{
    overlay.page = 1;
    recorder.StartRecording();
    Stroke(100, 100, 50010);  // (100..130, 100)
    Stroke(300, 300, 50100);
    SwitchTo(2, 50500);
    SwitchTo(1, 51000);
    Stroke(100, 200, 51010);
    EraserAround(100, 100, 51500);  // in the collection, around the section's first stroke
    EraserAround(100, 200, 51600);  // around the collection's own stroke

    const CLines& section = R().sections[0]->Lines();
    const CLines& collection = R().collections[0]->Lines();
    EXPECT_EQ(section.At(0).EraseTime(), 1555u);
    EXPECT_EQ(section.At(1).EraseTime(), 0u);
    EXPECT_EQ(collection.At(0).EraseTime(), 1655u);
    EXPECT_EQ(collection.At(1).EraseTime(), 0u) << "an eraser stroke is never erased";
    EXPECT_EQ(collection.At(1).PenKind(), kPenEraser);
}

TEST_F(Recorder, OutsideARecordingNothingIsRecorded)
{
    overlay.page = 1;
    recorder.BeginPageLayer();
    recorder.BeginRecordedLine(0xFF, kPenPen);
    recorder.AddRecordedPoint(1, 1, 1, 1);
    recorder.RecordEraserStroke();
    recorder.RecordEraseAll();
    EXPECT_TRUE(R().actions.empty());

    recorder.StartRecording();
    Stroke(10, 10, 50010);
    recorder.StopRecording();
    Stroke(10, 20, 50100);
    SwitchTo(2, 51000);
    EXPECT_EQ(R().actions.size(), 1u);
    EXPECT_EQ(R().sections[0]->Lines().Count(), 1) << "the layers stay after stopping";
}

TEST_F(Recorder, APacketStampedBeforeTheStartCountsAsTheStart)
{
    // Packets queued just before the record command carry earlier stamps;
    // wrapped round they would hold playback for weeks.
    overlay.page = 1;
    recorder.StartRecording();
    recorder.BeginRecordedLine(0xFF, kPenPen);
    recorder.AddRecordedPoint(5, 5, 1, 49990);
    recorder.AddRecordedPoint(6, 5, 1, 50004);
    const auto& points = R().sections[0]->Lines().At(0).Points();
    EXPECT_EQ(points[0].time, 0u);
    EXPECT_EQ(points[1].time, 4u);
}

TEST(LayerIndices, ASecondSetKeepsTheFirstValue)
{
    CCollection layer;
    EXPECT_TRUE(layer.SetIndexOfAction(4));
    EXPECT_FALSE(layer.SetIndexOfAction(7));
    EXPECT_EQ(layer.GetIndexOfAction(), 4);
    EXPECT_TRUE(layer.SetIndexOfCollection(0));
    EXPECT_FALSE(layer.SetIndexOfCollection(2));
    EXPECT_EQ(layer.GetIndexOfCollection(), 0);
}

}  // namespace
