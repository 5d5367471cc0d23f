// The playback schedule against an exact clock: when the page picture shows,
// which stroke has how many points at a time, what is erased when, and where
// a playback from a slider position starts.
#include <gtest/gtest.h>

#include <algorithm>

#include "DocumentFakes.h"
#include "Playback.h"
#include "Recording.h"

namespace {

using docfake::Drawn;
using docfake::FakePicture;

constexpr ColourRef kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr uint32_t kPicture1 = 0x111111, kPicture2 = 0x222222;

class Playback : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetPlaybackSleeperForTesting(&docfake::AdvanceClockSleeper);
        SetPlaybackClock(0);
        SetPlaying(true);
    }
    void TearDown() override
    {
        SetPlaying(false);
        SetPlaybackClock(0);
        SetPlaybackSleeperForTesting(nullptr);
    }

    CSection& Section(int page, uint32_t start, uint32_t pictureColour)
    {
        rec.sections.push_back(std::make_unique<CSection>());
        CSection& s = *rec.sections.back();
        s.pageId = page;
        s.startTime = start;
        s.rect = {0, 0, 200, 100};
        s.SetPicture(std::make_unique<FakePicture>(200, 100, pictureColour));
        Place(s);
        return s;
    }
    CCollection& Collection(CLayer& parent, uint32_t start)
    {
        rec.collections.push_back(std::make_unique<CCollection>());
        CCollection& c = *rec.collections.back();
        c.pageId = parent.pageId;
        c.startTime = start;
        c.SetParent(&parent);
        parent.SetIndexOfCollection(static_cast<int32_t>(rec.collections.size() - 1));
        Place(c);
        return c;
    }
    void Place(CLayer& layer) { layer.SetIndexOfAction(placed_++); }

    // A pen stroke along y from x = 10 with a point every 10 pixels, the
    // first at time t0 and one every step ms.
    static CLine& Pen(CLayer& layer, ColourRef colour, int y, uint32_t t0, uint32_t step, int points)
    {
        CLine& line = layer.Lines().AddStroke(colour, kPenPen);
        for (int i = 0; i < points; ++i) line.AddPoint(10 + 10 * i, y, 1, t0 + step * i);
        return line;
    }
    // An eraser path closed around (x, y).
    static CLine& EraserAround(CLayer& layer, int x, int y, uint32_t t0)
    {
        CLine& line = layer.Lines().AddStroke(0, kPenEraser);
        const int d = 8;
        const int path[][2] = {{-d, -d}, {d, -d}, {d, d}, {-d, d}, {-d, -d}};
        for (int i = 0; i < 5; ++i) line.AddPoint(x + path[i][0], y + path[i][1], i == 0, t0 + 10 * i);
        return line;
    }

    bool Play(uint32_t from = 0)
    {
        SetPlaybackClock(from);
        rec.Link();
        return vexo::PlayActions(rec, surface, vexo::PlaybackStartIndex(rec, from));
    }

    CRecording rec;
    docfake::LoggingSurface surface;
    int placed_ = 0;
};

TEST_F(Playback, TheStrokeGrowsAtItsRecordedPace)
{
    CSection& s = Section(1, 0, kPicture1);
    Pen(s, kRed, 20, 100, 100, 8);  // points at 100, 200, ... 800
    ASSERT_TRUE(Play()) << "played to the end";

    ASSERT_FALSE(surface.log.empty());
    EXPECT_EQ(surface.log.front().kind, Drawn::kPicture);
    EXPECT_EQ(surface.log.front().clock, 0u);
    const auto segments = surface.Of(Drawn::kSolid, kRed);
    ASSERT_FALSE(segments.empty());
    for (const Drawn& d : segments) {
        const int point = (d.to.x - 10) / 10;
        EXPECT_EQ(d.clock, 100u + 100u * point) << "segment to point " << point;
    }
    EXPECT_EQ(segments.back().clock, 800u);
    // The pen's segments start at its third point (the start dot covers
    // the first one): at 450 ms two are drawn, at the end all six.
    const auto drawnBy = [&](uint32_t t) {
        return std::count_if(segments.begin(), segments.end(), [t](const Drawn& d) { return d.clock <= t; });
    };
    EXPECT_EQ(drawnBy(450), 2);
    EXPECT_EQ(drawnBy(800), 6);
}

TEST_F(Playback, AnErasedStrokeVanishesWhenItsEraserEnds)
{
    CSection& s = Section(1, 0, kPicture1);
    CLine& erased = Pen(s, kRed, 20, 0, 10, 5);    // (10..50, 20)
    Pen(s, kGreen, 80, 100, 10, 5);                // elsewhere, kept
    EraserAround(s, 20, 20, 600);                  // last point at 640
    s.EraseWithLastStroke(700);                    // the pen-up's time
    ASSERT_EQ(erased.EraseTime(), 700u);
    ASSERT_TRUE(Play());

    // The area the eraser covered is put back from the picture at its last
    // point, and the erased stroke is not drawn there again.
    auto repaint = std::find_if(surface.log.begin() + 1, surface.log.end(),
                                [](const Drawn& d) { return d.kind == Drawn::kPicture; });
    ASSERT_NE(repaint, surface.log.end());
    EXPECT_EQ(repaint->clock, 640u);
    EXPECT_LE(repaint->area.left, 10);
    EXPECT_GE(repaint->area.right, 50);
    for (auto it = repaint; it != surface.log.end(); ++it)
        EXPECT_NE(it->colour, kRed) << "erased stroke drawn at " << it->clock;
}

TEST_F(Playback, EraseAllPutsThePagePictureBack)
{
    CSection& s = Section(-1, 0, kPicture1);
    Pen(s, kRed, 20, 0, 10, 5);
    CLine& mark = s.Lines().AddStroke(0, kPenEraseAll);
    mark.AddPoint(0, 0, 0, 900);
    ASSERT_TRUE(Play());
    const auto pictures = surface.Of(Drawn::kPicture, kPicture1);
    ASSERT_EQ(pictures.size(), 2u);
    const Drawn& restored = pictures[1];
    EXPECT_EQ(restored.clock, 900u);
    EXPECT_EQ(restored.area, (InkRect{0, 0, 200, 100}));
}

TEST_F(Playback, FindActionAtPicksTheLayerActiveAtATime)
{
    Section(1, 0, kPicture1);
    Section(2, 1000, kPicture2);
    Collection(*rec.sections[0], 1000);
    Collection(*rec.sections[1], 3000);
    rec.Link();
    const struct {
        uint32_t t;
        int action;
    } cases[] = {{0, 0}, {999, 0}, {1000, 2}, {2999, 2}, {3000, 3}, {99999, 3}};
    for (const auto& c : cases) EXPECT_EQ(rec.FindActionAt(c.t), c.action) << c.t;
    EXPECT_EQ(vexo::PlaybackStartIndex(rec, 150), 0) << "150 ms starts from the beginning";

    CRecording one;
    EXPECT_EQ(one.FindActionAt(500), 0);
}

TEST_F(Playback, PlayingFromInsideALaterLayerShowsThePageAsItStood)
{
    CSection& s1 = Section(1, 0, kPicture1);
    Pen(s1, kRed, 20, 100, 10, 5);
    Section(2, 1000, kPicture2);
    CCollection& c1 = Collection(s1, 2000);
    Pen(c1, kGreen, 50, 2100, 10, 5);  // before the slider position
    Pen(c1, kBlue, 80, 2800, 10, 5);   // after it
    ASSERT_TRUE(Play(2500));

    ASSERT_FALSE(surface.log.empty());
    EXPECT_EQ(surface.log.front().colour, kPicture1) << "page 1's picture, not page 2's";
    EXPECT_TRUE(surface.Of(Drawn::kPicture, kPicture2).empty());
    for (const Drawn& d : surface.Of(Drawn::kSolid, kRed)) EXPECT_EQ(d.clock, 2500u);
    for (const Drawn& d : surface.Of(Drawn::kSolid, kGreen)) EXPECT_EQ(d.clock, 2500u);
    const auto blue = surface.Of(Drawn::kSolid, kBlue);
    ASSERT_FALSE(blue.empty());
    EXPECT_EQ(blue.back().clock, 2840u);
}

TEST_F(Playback, AnEraserThatOpensALayerDrawsNoneOfItsLaterStrokesEarly)
{
    CSection& s = Section(1, 0, kPicture1);
    Pen(s, kRed, 20, 0, 10, 5);
    CCollection& c = Collection(s, 1000);
    EraserAround(c, 20, 20, 1000);
    c.EraseWithLastStroke(1100);
    Pen(c, kGreen, 25, 2000, 10, 5);  // inside the area the eraser repaints
    ASSERT_TRUE(Play());
    const auto green = surface.Of(Drawn::kSolid, kGreen);
    ASSERT_FALSE(green.empty());
    for (const Drawn& d : green) EXPECT_GE(d.clock, 2000u);
    EXPECT_EQ(s.Lines().At(0).EraseTime(), 1100u) << "the parent's stroke";
}

uint32_t g_stopAt = 0;
void SleeperThatStops(uint32_t ms)
{
    AdvancePlaybackClock(ms);
    if (PlaybackClock() >= g_stopAt) SetPlaying(false);
}

TEST_F(Playback, StoppingEndsThePainterWithinOneStep)
{
    CSection& s = Section(1, 0, kPicture1);
    Pen(s, kRed, 20, 0, 100, 9);
    Section(2, 5000, kPicture2);
    g_stopAt = 450;
    SetPlaybackSleeperForTesting(&SleeperThatStops);
    EXPECT_FALSE(Play());
    ASSERT_FALSE(surface.log.empty());
    EXPECT_LE(surface.log.back().clock, 500u);
    EXPECT_TRUE(surface.Of(Drawn::kPicture, kPicture2).empty());
}

}  // namespace

TEST(PlaybackTime, ShowsHoursMinutesSecondsAndTenths)
{
    EXPECT_EQ(vexo::FormatPlaybackTime(0), "00:00:00.0");
    EXPECT_EQ(vexo::FormatPlaybackTime(3723456), "01:02:03.4");
    EXPECT_EQ(vexo::FormatPlaybackTime(59999), "00:00:59.9");
    EXPECT_EQ(vexo::FormatPlaybackTime(0xFFFFFFFF), "1193:02:47.2");
}
