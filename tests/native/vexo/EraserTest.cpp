#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "EraserMask.h"
#include "HostilePages.h"
#include "InkArea.h"
#include "Lines.h"

namespace {

constexpr ColourRef kBlue = 0xFF0000;

CLine& AddStroke(CLines& lines, uint16_t kind, std::initializer_list<InkPoint> points, int width = 6)
{
    CLine& stroke = lines.AddStroke(kind == kPenEraser ? 0 : kBlue, kind);
    bool first = true;
    for (const InkPoint& p : points) {
        stroke.AddPoint(p.x, p.y, kind == kPenEraser ? (first ? 1 : 0) : width, 0);
        first = false;
    }
    return stroke;
}

// A short pen stroke from (40,40) to (50,40); its bounds inflated by 5.
void AddTarget(CLines& lines, uint16_t kind = kPenPen, int width = 6)
{
    AddStroke(lines, kind, {{40, 40}, {45, 40}, {50, 40}}, width);
}
constexpr InkRect kTargetArea{35, 35, 55, 45};

TEST(Eraser, ClosedLoopRemovesWhatItEnclosesAndAnOpenCurveDoesNot)
{
    struct Case {
        const char* name;
        std::initializer_list<InkPoint> path;
        bool removes;
    } cases[] = {
        {"square loop", {{30, 30}, {60, 30}, {60, 50}, {30, 50}, {30, 30}}, true},
        {"square open on the left", {{30, 30}, {60, 30}, {60, 50}, {30, 50}}, false},
        {"diagonal diamond", {{45, 25}, {65, 40}, {45, 55}, {25, 40}, {45, 25}}, true},
        {"diamond with a small gap", {{45, 25}, {65, 40}, {45, 55}, {25, 40}, {41, 28}}, false},
        {"diamond closed only diagonally", {{45, 25}, {65, 40}, {45, 55}, {25, 40}, {44, 26}}, true},
        {"line across", {{45, 20}, {45, 60}}, true},
        {"line beside", {{45, 43}, {60, 43}}, false},
        {"dot on the stroke", {{45, 40}}, true},
        // The 2-pixel hit pen covers the stroke's row and the one above, as
        // the platform's 2-pixel pen does (tests/win32/EraserMaskTest_win).
        {"dot one pixel above", {{47, 39}}, true},
        {"dot one pixel below", {{47, 41}}, false},
        {"dot two pixels above", {{47, 38}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLines lines;
        AddTarget(lines);
        AddStroke(lines, kPenEraser, c.path);
        const InkRect touched = lines.EraseWithLastStroke(true, 0);
        // The eraser stroke itself always goes.
        ASSERT_EQ(lines.Count(), c.removes ? 0 : 1);
        EXPECT_EQ(touched, c.removes ? kTargetArea : InkRect{});
        if (!c.removes) {
            EXPECT_EQ(lines.At(0).PenKind(), kPenPen);
        }
    }
}

TEST(Eraser, HitPenIsTheMarkersWidthPlusOneAndTwoPixelsForOtherStrokesEvenWidthsBetweenPixels)
{
    struct Case {
        uint16_t kind;
        int width;
        int dotY;  // eraser dot at (45, dotY); the stroke runs along y = 40
        bool hit;
    } cases[] = {
        {kPenMarker, 10, 45, true},  {kPenMarker, 10, 46, false},  // 11 pixels: radius 5.5
        {kPenMarker, 10, 35, true},  {kPenMarker, 10, 34, false},
        {kPenMarker, 2, 41, true},   {kPenMarker, 2, 42, false},   // 3 pixels: radius 1.5
        {kPenBrush, 49, 39, true},   {kPenBrush, 49, 38, false},   // 2 pixels: rows 39 and 40
        {kPenBrush, 49, 40, true},   {kPenBrush, 49, 41, false},
        {kPenPen, 10, 39, true},     {kPenPen, 10, 41, false},
        {kPenBrush, 100, 43, true},  {kPenBrush, 100, 44, false},  // 3 * 2 + 2 = 8 pixels: rows 36 to 43
        {kPenBrush, 100, 36, true},  {kPenBrush, 100, 35, false},
        {kPenPen, 1, 39, true},      {kPenPen, 1, 41, false},      // never wider than drawn plus a pixel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " width " << c.width << " dot y " << c.dotY);
        CLines lines;
        AddTarget(lines, c.kind, c.width);
        AddStroke(lines, kPenEraser, {{45, c.dotY}});
        lines.EraseWithLastStroke(true, 0);
        EXPECT_EQ(lines.Count(), c.hit ? 0 : 1);
    }
}

TEST(Eraser, EraserStrokesAreNeverHitAndEveryTouchedStrokeGoes)
{
    CLines lines;
    AddStroke(lines, kPenEraser, {{45, 10}, {45, 70}});              // an earlier eraser on the same path
    AddTarget(lines);                                                 // crossed
    AddStroke(lines, kPenMarker, {{30, 60}, {45, 60}, {60, 60}}, 6);  // crossed
    AddStroke(lines, kPenPen, {{80, 40}, {90, 40}, {95, 40}});        // far away
    AddStroke(lines, kPenEraser, {{45, 10}, {45, 70}});
    const InkRect touched = lines.EraseWithLastStroke(true, 0);
    ASSERT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.At(0).PenKind(), kPenEraser);
    EXPECT_EQ(lines.At(1).GetBounds().left, 80);
    // Marker bounds (28,58)-(62,62) inflated, united with the target's.
    EXPECT_EQ(touched, (InkRect{23, 35, 67, 67}));
}

TEST(Eraser, AStrokeThatGrowsOrIsLoadedAgainIsHitWhereItNowLies)
{
    CLines lines;
    CLine& stroke = AddStroke(lines, kPenPen, {{40, 40}, {45, 40}});
    CLines eraserPage;
    AddStroke(eraserPage, kPenEraser, {{200, 100}, {200, 180}});
    const CEraserMask mask = eraserPage.At(0).BuildEraserMask();
    EXPECT_TRUE(IsEmptyArea(stroke.HitTest(mask)));
    // The pen goes on across the eraser's line: what the first test worked
    // out must not keep the stroke where it was.
    stroke.AddPoint(190, 140, 6, 0);
    stroke.AddPoint(210, 140, 6, 0);
    EXPECT_FALSE(IsEmptyArea(stroke.HitTest(mask)));

    // A page loaded over it with a stroke of as many points, elsewhere.
    CLines other;
    AddStroke(other, kPenPen, {{40, 60}, {45, 60}, {50, 60}, {55, 60}});
    fw::CArchive out;
    other.At(0).Serialize(out);
    fw::CArchive in(out.Data());
    stroke.Serialize(in);
    EXPECT_TRUE(IsEmptyArea(stroke.HitTest(mask)));
}

TEST(Eraser, RecordingMarksInsteadOfDeletingAndKeepsTheFirstTime)
{
    CLines layer;
    AddTarget(layer);
    AddStroke(layer, kPenEraser, {{45, 20}, {45, 60}});
    EXPECT_EQ(layer.EraseWithLastStroke(false, 1234), kTargetArea);
    ASSERT_EQ(layer.Count(), 2);
    EXPECT_EQ(layer.At(0).EraseTime(), 1234u);
    EXPECT_EQ(layer.At(1).EraseTime(), 0u);

    AddStroke(layer, kPenEraser, {{42, 20}, {42, 60}});
    EXPECT_EQ(layer.EraseWithLastStroke(false, 5000), kTargetArea);
    EXPECT_EQ(layer.At(0).EraseTime(), 1234u);
}

TEST(Eraser, WithoutAnEraserStrokeLastNothingIsErased)
{
    CLines empty;
    EXPECT_EQ(empty.EraseWithLastStroke(true, 0), InkRect{});

    // A hovering eraser trace stores no stroke: the page's last stroke is ink
    // that crosses the one before it, and both must survive.
    CLines page;
    AddTarget(page);
    AddStroke(page, kPenPen, {{45, 20}, {45, 30}, {45, 60}});
    EXPECT_EQ(page.EraseWithLastStroke(true, 0), InkRect{});
    EXPECT_EQ(page.Count(), 2);
}

TEST(Eraser, TouchedAreaAndEraseTouchedFollowTheMask)
{
    CLines lines;
    AddTarget(lines);
    AddStroke(lines, kPenPen, {{80, 40}, {90, 40}, {95, 40}});
    AddStroke(lines, kPenEraser, {{45, 20}, {45, 60}});
    EXPECT_EQ(lines.GetTouchedArea(2, nullptr), kTargetArea);
    EXPECT_EQ(lines.At(0).EraseTime(), 0u);

    const CEraserMask mask = lines.At(2).BuildEraserMask();
    EXPECT_EQ(mask.Rect(), (InkRect{40, 15, 50, 65}));
    EXPECT_EQ(lines.EraseTouched(mask, 0), kTargetArea);
    EXPECT_EQ(lines.At(0).EraseTime(), 0u);
    EXPECT_EQ(lines.EraseTouched(mask, 77), kTargetArea);
    EXPECT_EQ(lines.At(0).EraseTime(), 77u);
    EXPECT_EQ(lines.At(1).EraseTime(), 0u);
}

// A path larger than any screen is kept only where a screen can be, but
// what it encloses is decided on the whole path: a loop around the limit
// covers all of it, an open path around it covers only its own pixels.
TEST(Eraser, APathBeyondTheLimitCoversExactlyWhatItEnclosesWithinIt)
{
    auto records = [](std::initializer_list<InkPoint> points) {
        std::vector<PointRecord> out;
        for (const InkPoint& p : points) out.push_back({static_cast<int16_t>(p.x), static_cast<int16_t>(p.y), 0, 0});
        return out;
    };
    const InkRect limit{0, 0, 100, 80};
    struct Case {
        const char* name;
        std::vector<PointRecord> path;
        bool enclosesLimit;
    } cases[] = {
        {"loop around the limit", records({{-8000, -8000}, {8000, -8000}, {8000, 8000}, {-8000, 8000}, {-8000, -8000}}),
         true},
        {"loop without its left side", records({{-8000, -8000}, {8000, -8000}, {8000, 8000}, {-8000, 8000}}), false},
        {"loop closed off the limit by a notch", records({{-30000, -30000}, {30000, -30000}, {30000, 30000},
                                                         {-30000, 30000}, {-30000, 200}, {-29000, 200},
                                                         {-29000, 100}, {-30000, 100}, {-30000, -30000}}),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CEraserMask mask(c.path, limit);
        EXPECT_EQ(mask.Rect(), limit);
        int covered = 0;
        for (int y = -2; y < 82; ++y)
            for (int x = -2; x < 102; ++x) covered += mask.Covers(x, y);
        EXPECT_EQ(covered, c.enclosesLimit ? 100 * 80 : 0);
    }

    // A diagonal far longer than the screen erases what it crosses on it.
    CLines lines;
    AddTarget(lines);
    AddStroke(lines, kPenPen, {{80, 30}, {90, 30}});
    AddStroke(lines, kPenEraser, {{-30000, -30000}, {30000, 30000}});
    EXPECT_EQ(lines.EraseWithLastStroke(true, 0), kTargetArea);
    EXPECT_EQ(lines.Count(), 1);
}

// A loop's mask matches what the per-pixel flood fill gives: a figure whose
// arms touch only diagonally keeps its arms apart.
TEST(Eraser, EnclosureFollowsFourWayConnectionsAcrossThePath)
{
    std::vector<PointRecord> path;
    for (const InkPoint& p : std::initializer_list<InkPoint>{{10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}})
        path.push_back({static_cast<int16_t>(p.x), static_cast<int16_t>(p.y), 0, 0});
    // A diagonal line leaves no four-way gap: the corner inside stays enclosed.
    for (const InkPoint& p : std::initializer_list<InkPoint>{{30, 30}, {50, 50}, {70, 30}, {50, 10}, {30, 30}})
        path.push_back({static_cast<int16_t>(p.x), static_cast<int16_t>(p.y), 0, 0});
    const CEraserMask mask(path);
    EXPECT_TRUE(mask.Covers(20, 20));
    EXPECT_TRUE(mask.Covers(50, 30));
    EXPECT_TRUE(mask.Covers(50, 15));
    EXPECT_FALSE(mask.Covers(36, 16));  // between the square and the diamond, outside both
    EXPECT_FALSE(mask.Covers(5, 5));
    EXPECT_FALSE(mask.Covers(35, 45));
}

}  // namespace

// ---- hostile pages ----

namespace {

TEST(InkArea, InflatingStopsAtTheEndsOfTheRange)
{
    EXPECT_EQ(InflateArea({INT_MIN + 2, INT_MIN, INT_MAX - 1, INT_MAX}, 5), (InkRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
    EXPECT_EQ(InflateArea({INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1}, -5),
              (InkRect{INT_MIN + 5, INT_MIN + 5, INT_MIN, INT_MIN}));
    EXPECT_EQ(InflateArea({10, 20, 30, 40}, 5), (InkRect{5, 15, 35, 45}));
}

// Bounds near INT_MIN reached the area arithmetic from the hit test and the
// area drawing; the widest pens took seconds. The stored bounds stay for
// the file, the work follows the points.
TEST(HostilePage, WideStrokesWithLyingBoundsAreErasedByWhatTheyReach)
{
    CLines page;
    hostile::WideLyingMarkers(page);
    ASSERT_EQ(page.Count(), hostile::kStrokes);
    EXPECT_EQ(page.At(0).GetBounds(), (InkRect{INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1}));
    EXPECT_FALSE(page.StrokesToDraw({0, 0, 1920, 1080}, 0).empty());
    const InkRect touched = page.EraseWithLastStroke(false, 1);
    EXPECT_FALSE(IsEmptyArea(touched));
    // Every marker's 32768-pixel hit pen covers the lasso; a plain pen's is
    // no wider than its formula (about 2,000 pixels) and misses from afar.
    int markers = 0, erasedMarkers = 0, erasedPens = 0;
    for (int i = 0; i + 1 < page.Count(); ++i) {
        const bool erased = page.At(i).EraseTime() != 0;
        if (page.At(i).PenKind() == kPenMarker) {
            ++markers;
            erasedMarkers += erased;
        } else {
            erasedPens += erased;
        }
    }
    EXPECT_EQ(erasedMarkers, markers);
    EXPECT_GT(erasedPens, 0);
    EXPECT_LT(erasedPens, hostile::kStrokes - 1 - markers);
}

TEST(HostilePage, AnEraserClaimingThePlaneBuildsItsMaskFromItsPoints)
{
    CLines page;
    hostile::LyingBoundsAndScreenWideEraser(page);
    const CEraserMask mask = page.At(page.Count() - 1).BuildEraserMask();
    EXPECT_EQ(mask.Rect(), (InkRect{-5, -5, 1919 + 5, 1079 + 5}));
    EXPECT_TRUE(IsEmptyArea(page.EraseWithLastStroke(false, 1)));  // the strokes lie far away
}

TEST(HostilePage, LongLinesBetweenTheTeethOfAnEraserAreNotHit)
{
    CLines page;
    hostile::LongLinesThroughAZigzag(page, 100);  // the benchmark takes the full 2,000
    EXPECT_TRUE(IsEmptyArea(page.EraseWithLastStroke(false, 1)));
}

}  // namespace

namespace {

TEST(HostilePage, AnEraserLoopFarBeyondTheScreenErasesEverythingOnIt)
{
    CLines page;
    hostile::ScreenInsideAHugeLoop(page);
    const CEraserMask mask = page.At(page.Count() - 1).BuildEraserMask();
    EXPECT_EQ(mask.Rect(), (InkRect{-3005, -3505, 5005, 4505}));
    EXPECT_TRUE(mask.Covers(0, 0) && mask.Covers(1919, 1079) && mask.Covers(4999, 4499));
    EXPECT_FALSE(mask.Covers(5001, 0));
    // Kept within a screen, it still covers all of that screen.
    const CEraserMask onScreen(page.At(page.Count() - 1).Points(), {0, 0, 1920, 1080});
    EXPECT_EQ(onScreen.Rect(), (InkRect{0, 0, 1920, 1080}));
    EXPECT_TRUE(onScreen.Covers(0, 0) && onScreen.Covers(1919, 1079));
    EXPECT_FALSE(onScreen.Covers(1920, 0));
    page.EraseWithLastStroke(true, 0);
    EXPECT_EQ(page.Count(), 0);
}

}  // namespace

namespace {

// A zigzag of 100 steep teeth has a run on every row for each tooth, so the
// mask keeps only its columns; pens crossing it, running between its teeth
// or along them are told apart as well as with both views.
TEST(EraserMask, AMaskKeptByColumnsOnlyAnswersLikeThePixels)
{
    std::vector<PointRecord> teeth;
    for (int t = 0; t <= 100; ++t)
        teeth.push_back({static_cast<int16_t>(20 * t), static_cast<int16_t>(t % 2 ? 1079 : 0), 0, 0});
    const CEraserMask mask(teeth);
    const InkRect clip = mask.Rect();
    struct Pen {
        InkPoint a, b;
        double radius;
    } pens[] = {
        {{-50, 500}, {2100, 520}, 0.5},    // across every tooth
        {{20, 100}, {20, 600}, 0.5},       // in the gap above an apex
        {{20, 100}, {20, 600}, 3.0},
        {{20, 100}, {20, 900}, 3.0},       // reaching the narrowing sides
        {{20, -5000}, {20, 5000}, 0.5},    // through an apex, far beyond the mask
        {{15, 200}, {25, 300}, 6.0},
        {{30, 1070}, {31, 1079}, 1.0},
        {{1000, -40}, {1010, -3}, 2.5},    // above the teeth
        {{1990, 0}, {1995, 2000}, 0.5},
    };
    for (const Pen& pen : pens) {
        SCOPED_TRACE(::testing::Message() << pen.a.x << "," << pen.a.y << " " << pen.b.x << "," << pen.b.y << " r " << pen.radius);
        // Every covered pixel within the pen, tried one by one.
        bool expected = false;
        const double vx = pen.b.x - pen.a.x, vy = pen.b.y - pen.a.y, len2 = vx * vx + vy * vy;
        for (int y = std::max(clip.top, std::min(pen.a.y, pen.b.y) - 7); y <= std::min(clip.bottom, std::max(pen.a.y, pen.b.y) + 7); ++y) {
            for (int x = std::min(pen.a.x, pen.b.x) - 7; x <= std::max(pen.a.x, pen.b.x) + 7; ++x) {
                if (!mask.Covers(x, y)) continue;
                const double wx = x - pen.a.x, wy = y - pen.a.y;
                const double u = len2 > 0 ? std::clamp((wx * vx + wy * vy) / len2, 0.0, 1.0) : 0.0;
                const double dx = wx - u * vx, dy = wy - u * vy;
                expected = expected || dx * dx + dy * dy <= pen.radius * pen.radius;
            }
        }
        if (pen.radius > 0.5) EXPECT_EQ(mask.SegmentTouches(pen.a, pen.b, pen.radius, clip), expected);
        else if (expected) EXPECT_TRUE(mask.SegmentTouches(pen.a, pen.b, pen.radius, clip));
    }
    EXPECT_TRUE(mask.SegmentTouches({-50, 500}, {2100, 520}, 0.5, clip));
    EXPECT_FALSE(mask.SegmentTouches({20, 100}, {20, 600}, 3.0, clip));
    EXPECT_TRUE(mask.SegmentTouches({20, 100}, {20, 900}, 3.0, clip));
    EXPECT_TRUE(mask.SegmentTouches({20, -5000}, {20, 5000}, 0.5, clip));
    EXPECT_FALSE(mask.SegmentTouches({1000, -40}, {1010, -3}, 2.5, clip));
    EXPECT_FALSE(mask.AnyCovered({15, 100, 26, 600}));
    EXPECT_TRUE(mask.AnyCovered({15, 100, 26, 1079}));
}

}  // namespace
