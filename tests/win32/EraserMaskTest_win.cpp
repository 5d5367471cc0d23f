// The eraser's mask is computed on a raster of its own; here it is held
// against the window system's way of making it (a blue one-pixel path on
// black, flood-filled white from the corner) for a few paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "EraserMask.h"
#include "Gdi.h"
#include "Lines.h"

namespace {

constexpr COLORREF kPathBlue = RGB(0, 0, 255);

struct Path {
    const char* name;
    std::vector<POINT> points;
};

std::vector<PointRecord> Records(const std::vector<POINT>& points)
{
    std::vector<PointRecord> out;
    for (const POINT& p : points)
        out.push_back({static_cast<int16_t>(p.x), static_cast<int16_t>(p.y), 0, 0});
    return out;
}

double DistanceToPath(int x, int y, const std::vector<POINT>& points)
{
    double best = 1e9;
    for (size_t i = 0; i < points.size(); ++i) {
        const POINT a = points[i == 0 ? 0 : i - 1], b = points[i];
        const double vx = b.x - a.x, vy = b.y - a.y, wx = x - a.x, wy = y - a.y;
        const double len2 = vx * vx + vy * vy;
        const double t = len2 > 0 ? std::clamp((wx * vx + wy * vy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(wx - t * vx, wy - t * vy));
    }
    return best;
}

TEST(EraserMask, EnclosedAreasMatchTheFloodFilledBitmap)
{
    const Path paths[] = {
        {"square loop", {{30, 30}, {90, 30}, {90, 70}, {30, 70}, {30, 30}}},
        {"open square", {{30, 30}, {90, 30}, {90, 70}, {30, 70}}},
        {"diamond", {{60, 20}, {100, 50}, {60, 80}, {20, 50}, {60, 20}}},
        {"crossing figure eight", {{20, 20}, {80, 60}, {80, 20}, {20, 60}, {20, 20}}},
        {"shallow lasso", {{10, 40}, {70, 43}, {130, 47}, {128, 60}, {60, 58}, {12, 52}, {10, 40}}},
    };
    fw::ScopedGetDC screen(nullptr);
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        const CEraserMask mask(Records(path.points));
        const InkRect r = mask.Rect();
        const int w = r.right - r.left, h = r.bottom - r.top;

        fw::ScopedMemDC dc(screen);
        fw::ScopedBitmap bitmap(CreateCompatibleBitmap(screen, w, h));
        fw::ScopedSelect selectBitmap(dc, bitmap);
        // Bitmap coordinates throughout: Wine's ExtFloodFill ignores the
        // viewport origin.
        const int dx = -r.left, dy = -r.top;
        RECT all = {0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        fw::ScopedPen pen(CreatePen(PS_SOLID, 1, kPathBlue));
        {
            fw::ScopedSelect selectPen(dc, pen);
            MoveToEx(dc, path.points[0].x + dx, path.points[0].y + dy, nullptr);
            for (size_t i = 1; i < path.points.size(); ++i) LineTo(dc, path.points[i].x + dx, path.points[i].y + dy);
        }
        {
            fw::ScopedSelect selectBrush(dc, GetStockObject(WHITE_BRUSH));
            ExtFloodFill(dc, 0, 0, kPathBlue, FLOODFILLBORDER);
        }

        int enclosed = 0, mismatches = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const bool bitmapCovers = GetPixel(dc, x + dx, y + dy) != RGB(255, 255, 255);
                enclosed += bitmapCovers;
                // The two line drawings may differ by a pixel along the path.
                if (bitmapCovers != mask.Covers(x, y) && DistanceToPath(x, y, path.points) > 1.0) ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_GT(enclosed, 0);
    }
}

}  // namespace

namespace {

// Whether an eraser dot at (x, y) takes a thin pen stroke a-b: the eraser's
// hit pen for a thin stroke is 2 pixels wide.
bool DotTakesThinStroke(POINT a, POINT b, int x, int y)
{
    CLines lines;
    CLine& target = lines.AddStroke(0, kPenPen);
    target.AddPoint(a.x, a.y, 6, 0);
    target.AddPoint(b.x, b.y, 6, 0);
    CLine& eraser = lines.AddStroke(0, kPenEraser);
    eraser.AddPoint(x, y, 1, 0);
    lines.EraseWithLastStroke(true, 0);
    return lines.Count() == 0;
}

TEST(EraserHitPen, WidthTwoCoversThePixelsOfThePlatformsTwoPixelPen)
{
    struct Segment {
        const char* name;
        POINT a, b;
    } segments[] = {
        {"level", {20, 40}, {60, 40}},
        {"upright", {40, 20}, {40, 60}},
    };
    fw::ScopedGetDC screen(nullptr);
    for (const Segment& s : segments) {
        SCOPED_TRACE(s.name);
        fw::ScopedMemDC dc(screen);
        fw::ScopedBitmap bitmap(CreateCompatibleBitmap(screen, 80, 80));
        fw::ScopedSelect selectBitmap(dc, bitmap);
        RECT all = {0, 0, 80, 80};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        fw::ScopedPen pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
        {
            fw::ScopedSelect selectPen(dc, pen);
            MoveToEx(dc, s.a.x, s.a.y, nullptr);
            LineTo(dc, s.b.x, s.b.y);
        }
        // Across the middle of the segment, away from its ends.
        int covered = 0;
        for (int d = -4; d <= 4; ++d) {
            const int x = s.a.x == s.b.x ? 40 + d : 40, y = s.a.x == s.b.x ? 40 : 40 + d;
            const bool platform = GetPixel(dc, x, y) == RGB(0, 0, 0);
            covered += platform;
            EXPECT_EQ(DotTakesThinStroke(s.a, s.b, x, y), platform) << "at " << x << "," << y;
        }
        EXPECT_EQ(covered, 2);
    }
}

}  // namespace
