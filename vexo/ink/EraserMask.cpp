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

}  // namespace

CEraserMask::CEraserMask(const std::vector<PointRecord>& path)
{
    if (path.empty()) return;
    InkRect points{path[0].x, path[0].y, path[0].x + 1, path[0].y + 1};
    for (const PointRecord& p : path)
        points = {std::min<int32_t>(points.left, p.x), std::min<int32_t>(points.top, p.y),
                  std::max<int32_t>(points.right, p.x + 1), std::max<int32_t>(points.bottom, p.y + 1)};
    rect_ = {points.left - kMargin, points.top - kMargin, points.right - 1 + kMargin, points.bottom - 1 + kMargin};
    const int64_t w = int64_t{rect_.right} - rect_.left;
    const int64_t h = int64_t{rect_.bottom} - rect_.top;
    if (w <= 0 || h <= 0 || w * h > kMaxPixels) return;
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    cells_.assign(static_cast<size_t>(w * h), kEnclosed);

    // A one-point eraser is a dot: it covers its own pixel.
    const InkPoint first{path.front().x, path.front().y};
    MarkLine(first, first);
    for (size_t i = 1; i < path.size(); ++i)
        MarkLine({path[i - 1].x, path[i - 1].y}, {path[i].x, path[i].y});
    FillOutside();
    CollectRuns();
}

void CEraserMask::CollectRuns()
{
    rowRuns_.assign(static_cast<size_t>(height_) + 1, 0);
    covered_ = {};
    for (int row = 0; row < height_; ++row) {
        rowRuns_[static_cast<size_t>(row)] = runs_.size();
        for (int col = 0; col < width_;) {
            if (At(col, row) == kOutside) {
                ++col;
                continue;
            }
            const int first = col;
            while (col < width_ && At(col, row) != kOutside) ++col;
            runs_.push_back({first + rect_.left, col + rect_.left});
            covered_ = UnionArea(covered_, {first + rect_.left, row + rect_.top, col + rect_.left, row + rect_.top + 1});
        }
    }
    rowRuns_[static_cast<size_t>(height_)] = runs_.size();

    blockCols_ = (width_ + kBlock - 1) / kBlock;
    const int blockRows = (height_ + kBlock - 1) / kBlock;
    blocks_.assign(static_cast<size_t>(blockCols_) * static_cast<size_t>(blockRows), 0);
    for (int row = 0; row < height_; ++row) {
        for (size_t r = rowRuns_[static_cast<size_t>(row)]; r < rowRuns_[static_cast<size_t>(row) + 1]; ++r) {
            const int b0 = (runs_[r].first - rect_.left) / kBlock, b1 = (runs_[r].second - 1 - rect_.left) / kBlock;
            for (int b = b0; b <= b1; ++b)
                blocks_[static_cast<size_t>(row / kBlock) * static_cast<size_t>(blockCols_) + static_cast<size_t>(b)] = 1;
        }
    }
}

// Whether a block of that block row, columns [from, to] (screen), holds a
// covered pixel.
bool CEraserMask::BlocksTouch(int blockRow, int from, int to) const
{
    const int b0 = std::max(0, (from - rect_.left) / kBlock);
    const int b1 = std::min(blockCols_ - 1, (to - rect_.left) / kBlock);
    for (int b = b0; b <= b1; ++b)
        if (blocks_[static_cast<size_t>(blockRow) * static_cast<size_t>(blockCols_) + static_cast<size_t>(b)]) return true;
    return false;
}

// Whether a covered pixel of row y lies in columns [from, to].
bool CEraserMask::RowTouches(int y, int from, int to) const
{
    const size_t row = static_cast<size_t>(y - rect_.top);
    const auto first = runs_.begin() + static_cast<std::ptrdiff_t>(rowRuns_[row]);
    const auto last = runs_.begin() + static_cast<std::ptrdiff_t>(rowRuns_[row + 1]);
    // The first run ending after from.
    const auto it = std::upper_bound(first, last, from,
                                     [](int x, const std::pair<int, int>& run) { return x < run.second; });
    return it != last && it->first <= to;
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

bool CEraserMask::SegmentTouches(InkPoint a, InkPoint b, double radius, const InkRect& clip, double shift) const
{
    if (cells_.empty()) return false;
    const InkRect area = IntersectArea(IntersectArea(clip, rect_), covered_);
    if (IsEmptyArea(area)) return false;
    auto inArea = [&area](int x, int y) {
        return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
    };
    if (radius <= 0.5) {
        if (!AreasMeet(area, {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1}))
            return false;
        // A one-pixel line is walked pixel by pixel, unless it is far longer
        // than the area it can meet (only a damaged file has such lines):
        // then every pixel within half a pixel of it counts, which holds all
        // of the walk's pixels.
        const int64_t steps = std::max(std::abs(int64_t{b.x} - a.x), std::abs(int64_t{b.y} - a.y));
        const int64_t areaSpan = int64_t{area.right} - area.left + area.bottom - area.top;
        if (steps <= 4 * areaSpan + 64)
            return WalkLine(a, b, [&](int x, int y) { return inArea(x, y) && Covers(x, y); });
        radius = 0.5;
        shift = 0;
    }

    // Row by row, the columns within radius of the segment (a capsule, so
    // one run of columns a row) checked against the row's covered runs.
    const double ax = a.x + shift, ay = a.y + shift, bx = b.x + shift, by = b.y + shift;
    const InkRect box = IntersectArea(
        area,
        {static_cast<int>(std::floor(std::min(ax, bx) - radius)), static_cast<int>(std::floor(std::min(ay, by) - radius)),
         static_cast<int>(std::ceil(std::max(ax, bx) + radius)) + 1,
         static_cast<int>(std::ceil(std::max(ay, by) + radius)) + 1});
    if (IsEmptyArea(box)) return false;
    constexpr double kEps = 1e-9;
    const double vx = bx - ax, vy = by - ay, len2 = vx * vx + vy * vy, len = std::sqrt(len2);
    const double r2 = radius * radius;
    // The columns the pen reaches on row y, as [lo, hi]; lo > hi when none.
    auto columns = [&](int y, double& lo, double& hi) {
        lo = 1e300;
        hi = -1e300;
        auto disc = [&](double cx, double cy) {
            const double dy = y - cy;
            if (dy * dy > r2 + kEps) return;
            const double half = std::sqrt(std::max(0.0, r2 - dy * dy));
            lo = std::min(lo, cx - half);
            hi = std::max(hi, cx + half);
        };
        disc(ax, ay);
        disc(bx, by);
        if (len > 0) {
            // Columns whose foot on the line falls within the segment...
            double tlo = -1e300, thi = 1e300;
            const double t0 = (y - ay) * vy;  // dot((x - ax, y - ay), v) = (x - ax) vx + t0
            if (std::abs(vx) > 0) {
                double x0 = ax + (0 - t0) / vx, x1 = ax + (len2 - t0) / vx;
                if (x0 > x1) std::swap(x0, x1);
                tlo = x0;
                thi = x1;
            } else if (t0 < -kEps || t0 > len2 + kEps) {
                tlo = 1;
                thi = 0;
            }
            // ...and whose distance from the line is radius or less.
            double dlo = -1e300, dhi = 1e300;
            const double c = (y - ay) * vx;  // cross = -(x - ax) vy + c
            if (std::abs(vy) > 0) {
                double x0 = ax + (c - radius * len) / vy, x1 = ax + (c + radius * len) / vy;
                if (x0 > x1) std::swap(x0, x1);
                dlo = x0;
                dhi = x1;
            } else if (std::abs(c) > radius * len + kEps) {
                dlo = 1;
                dhi = 0;
            }
            const double l = std::max(tlo, dlo), h = std::min(thi, dhi);
            if (l <= h) {
                lo = std::min(lo, l);
                hi = std::max(hi, h);
            }
        }
    };
    auto clampedColumns = [&](double lo, double hi, int& from, int& to) {
        if (lo > hi) return false;
        from = static_cast<int>(std::max<double>(std::ceil(lo - kEps), box.left));
        to = static_cast<int>(std::min<double>(std::floor(hi + kEps), box.right - 1));
        return from <= to;
    };
    for (int y = box.top; y < box.bottom;) {
        // A band of rows within one block row: its columns are those of its
        // first and last rows and of the rows next to the pen's ends within
        // it, so empty blocks skip the whole band.
        const int blockRow = (y - rect_.top) / kBlock;
        const int bandEnd = std::min(box.bottom, rect_.top + (blockRow + 1) * kBlock);
        double lo, hi, l2, h2;
        columns(y, lo, hi);
        columns(bandEnd - 1, l2, h2);
        lo = std::min(lo, l2);
        hi = std::max(hi, h2);
        // A row's first column is convex in the row and its last concave,
        // with their extremes next to the ends' rows.
        for (const double cy : {ay, by}) {
            for (const double row : {std::floor(cy), std::ceil(cy)}) {
                if (row <= y || row >= bandEnd - 1) continue;
                columns(static_cast<int>(row), l2, h2);
                lo = std::min(lo, l2);
                hi = std::max(hi, h2);
            }
        }
        int from, to;
        if (!clampedColumns(lo, hi, from, to) || !BlocksTouch(blockRow, from, to)) {
            y = bandEnd;
            continue;
        }
        for (; y < bandEnd; ++y) {
            columns(y, lo, hi);
            if (clampedColumns(lo, hi, from, to) && RowTouches(y, from, to)) return true;
        }
    }
    return false;
}
