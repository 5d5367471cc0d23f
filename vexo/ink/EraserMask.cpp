#include "EraserMask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "InkArea.h"

namespace {

// Calls visit(x, y) for every pixel of a one-pixel line from a to b, both ends
// included, each step moving to one of the eight neighbours.
template <typename Visit>
bool WalkLine(InkPoint a, InkPoint b, Visit visit)
{
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    for (;;) {
        if (visit(x, y)) return true;
        if (x == b.x && y == b.y) return false;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

double DistanceSquaredToSegment(double px, double py, InkPoint a, InkPoint b)
{
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double wx = px - a.x, wy = py - a.y;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? (wx * vx + wy * vy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = wx - t * vx, ey = wy - t * vy;
    return ex * ex + ey * ey;
}

}  // namespace

CEraserMask::CEraserMask(const std::vector<PointRecord>& path, const InkRect& bounds)
    : rect_(InflateArea(bounds, kMargin))
{
    const int64_t w = int64_t{rect_.right} - rect_.left;
    const int64_t h = int64_t{rect_.bottom} - rect_.top;
    if (w <= 0 || h <= 0 || w * h > kMaxPixels || path.empty()) return;
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    cells_.assign(static_cast<size_t>(w * h), kEnclosed);

    // A one-point eraser is a dot: it covers its own pixel.
    const InkPoint first{path.front().x, path.front().y};
    MarkLine(first, first);
    for (size_t i = 1; i < path.size(); ++i)
        MarkLine({path[i - 1].x, path[i - 1].y}, {path[i].x, path[i].y});
    FillOutside();
}

void CEraserMask::MarkLine(InkPoint a, InkPoint b)
{
    WalkLine(a, b, [this](int x, int y) {
        const int col = x - rect_.left, row = y - rect_.top;
        if (col >= 0 && col < width_ && row >= 0 && row < height_) At(col, row) = kPath;
        return false;
    });
}

// Flood fill from the top-left corner through four-way neighbours, stopping at
// the path, span by span.
void CEraserMask::FillOutside()
{
    if (At(0, 0) != kEnclosed) return;
    struct Seed { int col, row; };
    std::vector<Seed> seeds{{0, 0}};
    while (!seeds.empty()) {
        const Seed s = seeds.back();
        seeds.pop_back();
        if (At(s.col, s.row) != kEnclosed) continue;
        int left = s.col, right = s.col;
        while (left > 0 && At(left - 1, s.row) == kEnclosed) --left;
        while (right + 1 < width_ && At(right + 1, s.row) == kEnclosed) ++right;
        for (int c = left; c <= right; ++c) At(c, s.row) = kOutside;
        for (int row : {s.row - 1, s.row + 1}) {
            if (row < 0 || row >= height_) continue;
            bool inRun = false;
            for (int c = left; c <= right; ++c) {
                const bool open = At(c, row) == kEnclosed;
                if (open && !inRun) seeds.push_back({c, row});
                inRun = open;
            }
        }
    }
}

bool CEraserMask::Covers(int x, int y) const
{
    const int col = x - rect_.left, row = y - rect_.top;
    if (cells_.empty() || col < 0 || col >= width_ || row < 0 || row >= height_) return false;
    return cells_[static_cast<size_t>(row) * width_ + static_cast<size_t>(col)] != kOutside;
}

bool CEraserMask::SegmentTouches(InkPoint a, InkPoint b, double radius, const InkRect& clip) const
{
    if (cells_.empty()) return false;
    const InkRect area = IntersectArea(clip, rect_);
    if (IsEmptyArea(area)) return false;
    auto inArea = [&area](int x, int y) {
        return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
    };
    if (radius <= 0.5) {
        return WalkLine(a, b, [&](int x, int y) { return inArea(x, y) && Covers(x, y); });
    }

    const int reach = static_cast<int>(std::ceil(radius));
    const InkRect box = IntersectArea(
        area, {std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach + 1,
               std::max(a.y, b.y) + reach + 1});
    if (IsEmptyArea(box)) return false;
    const double r2 = radius * radius;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (Covers(x, y) && DistanceSquaredToSegment(x, y, a, b) <= r2) return true;
        }
    }
    return false;
}
