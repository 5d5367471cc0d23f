#pragma once
// Pages as a damaged or hostile file can hold them, written byte by byte in
// the page format: stored bounds that lie, widths of 32767, an eraser whose
// bounds claim the whole coordinate plane. Shared by the native reproducers
// and the benchmark.
#include <climits>
#include <cstdint>
#include <vector>

#include "Archive.h"
#include "EraserMask.h"
#include "Lines.h"

namespace hostile {

struct Point {
    int16_t x, y, width;
};

class PageWriter {
public:
    PageWriter() { ar_ << int32_t{0}; }
    void Stroke(uint16_t kind, const InkRect& bounds, const std::vector<Point>& points)
    {
        ++count_;
        ar_ << static_cast<int32_t>(points.size()) << bounds.left << bounds.top << bounds.right << bounds.bottom;
        ar_ << uint32_t{0x0000FF} << kind << uint32_t{0};
        for (const Point& p : points) ar_ << p.x << p.y << p.width << uint32_t{0};
    }
    // The page as loaded from those bytes.
    void LoadInto(CLines& page) const
    {
        std::vector<uint8_t> bytes = ar_.Data();
        for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(count_ >> (8 * i));
        fw::CArchive in(std::move(bytes));
        page.Serialize(in);
    }

private:
    fw::CArchive ar_;
    int32_t count_ = 0;
};

constexpr InkRect kAllPlane{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
constexpr int kStrokes = 2000;
constexpr int kPoints = 100;

// An eraser lasso around (200, 200)-(400, 300), bounds claiming everything.
inline void AddLasso(PageWriter& w)
{
    w.Stroke(kPenEraser, kAllPlane, {{200, 200, 1}, {400, 200, 0}, {400, 300, 0}, {200, 300, 0}, {200, 200, 0}});
}

// Wide markers whose bounds lie: 1,999 strokes of 100 points of width
// 32767 spread over the screen, then the lasso.
inline void WideLyingMarkers(CLines& page)
{
    PageWriter w;
    for (int s = 0; s < kStrokes - 1; ++s) {
        std::vector<Point> points;
        for (int p = 0; p < kPoints; ++p)
            points.push_back({static_cast<int16_t>((s * 37 + p * 3) % 1900), static_cast<int16_t>((s * 11) % 1060), 32767});
        w.Stroke(s % 2 ? kPenMarker : kPenPen, s % 3 ? kAllPlane : InkRect{INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1},
                 points);
    }
    AddLasso(w);
    w.LoadInto(page);
}

// Thin strokes far away from the eraser whose bounds claim the eraser's
// place, then an eraser path claiming the whole plane along 1,000 points
// of a screen-wide zigzag that leaves gaps between its teeth.
inline void LyingBoundsAndScreenWideEraser(CLines& page)
{
    PageWriter w;
    for (int s = 0; s < kStrokes - 1; ++s) {
        std::vector<Point> points;
        for (int p = 0; p < kPoints; ++p)
            points.push_back({static_cast<int16_t>(-30000 + p), static_cast<int16_t>(-30000 + s), 6});
        w.Stroke(static_cast<uint16_t>(s % 3 == 0 ? kPenPen : s % 3 == 1 ? kPenMarker : kPenBrush), kAllPlane, points);
    }
    std::vector<Point> zigzag;
    for (int p = 0; p < 1000; ++p)
        zigzag.push_back({static_cast<int16_t>(p * 1919 / 999), static_cast<int16_t>(p % 2 ? 1079 : 0), static_cast<int16_t>(p ? 0 : 1)});
    w.Stroke(kPenEraser, kAllPlane, zigzag);
    w.LoadInto(page);
}

// Long thin lines that run down the screen and far beyond, between the
// teeth of a comb-shaped eraser (joined along the top row) without touching
// it: the most rows a hit test can be made to look
// at.
inline void LongLinesThroughAZigzag(CLines& page, int strokes = kStrokes)
{
    PageWriter w;
    for (int s = 0; s < strokes - 1; ++s) {
        std::vector<Point> points;
        const int16_t x = static_cast<int16_t>(20 + 40 * (s % 40) + 10);  // between teeth 40 pixels apart
        for (int p = 0; p < kPoints; ++p) points.push_back({x, static_cast<int16_t>(p % 2 ? 32000 : 5), 1});
        w.Stroke(kPenPen, kAllPlane, points);
    }
    std::vector<Point> teeth;
    for (int t = 0; t <= 48; ++t) {
        const int16_t x = static_cast<int16_t>(20 + 40 * t);
        teeth.push_back({x, 0, static_cast<int16_t>(t ? 0 : 1)});
        teeth.push_back({x, 1079, 0});
        teeth.push_back({x, 0, 0});
    }
    w.Stroke(kPenEraser, kAllPlane, teeth);
    w.LoadInto(page);
}

// 1,999 short pen strokes spread over a 1920 x 1080 screen, bounds claiming
// the plane.
inline void AddScreenStrokes(PageWriter& w)
{
    for (int s = 0; s < kStrokes - 1; ++s) {
        std::vector<Point> points;
        const int16_t x = static_cast<int16_t>((s * 37) % 1900), y = static_cast<int16_t>((s * 11) % 1060);
        for (int p = 0; p < kPoints; ++p) points.push_back({static_cast<int16_t>(x + p % 7), static_cast<int16_t>(y + p % 5), 6});
        w.Stroke(kPenPen, kAllPlane, points);
    }
}

// 1,999 short strokes on the screen inside an eraser loop of 8,000 x 8,000
// pixels around it, bounds claiming the plane: the loop encloses the whole
// screen, so every stroke goes.
inline void ScreenInsideAHugeLoop(CLines& page)
{
    PageWriter w;
    AddScreenStrokes(w);
    w.Stroke(kPenEraser, kAllPlane, {{-3000, -3500, 1}, {5000, -3500, 0}, {5000, 4500, 0}, {-3000, 4500, 0}, {-3000, -3500, 0}});
    w.LoadInto(page);
}

// 1,999 short strokes on the screen and an eraser going to and fro along a
// diagonal through it, just short of the longest path a mask is built for:
// the most work one eraser pass can be given.
inline void LongestEraserPath(CLines& page)
{
    PageWriter w;
    AddScreenStrokes(w);
    constexpr int kSwing = 16000;
    const int swings = static_cast<int>(CEraserMask::kMaxPathPixels / (kSwing + 1)) - 1;
    std::vector<Point> zigzag;
    for (int i = 0; i <= swings; ++i) {
        // Diagonals: every pixel of the path is a run of its own, by row and by column.
        const int16_t corner = static_cast<int16_t>(i % 2 ? kSwing - 8000 : -8000);
        zigzag.push_back({corner, static_cast<int16_t>(corner + i % 7), static_cast<int16_t>(i ? 0 : 1)});
    }
    w.Stroke(kPenEraser, kAllPlane, zigzag);
    w.LoadInto(page);
}

}  // namespace hostile
