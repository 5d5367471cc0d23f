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

// Pixels visited in order, gathered into runs along lines: (line, pos) is
// (y, x) for rows and (x, y) for columns.
struct LineRun {
    int line, begin, end;  // positions [begin, end)
};

class RunCollector {
public:
    std::vector<LineRun> runs;
    void Add(int line, int pos)
    {
        if (open_ && line == cur_.line && (pos == cur_.end || pos == cur_.begin - 1)) {
            cur_.begin = std::min(cur_.begin, pos);
            cur_.end = std::max(cur_.end, pos + 1);
            return;
        }
        if (open_) runs.push_back(cur_);
        cur_ = {line, pos, pos + 1};
        open_ = true;
    }
    void Close()
    {
        if (open_) runs.push_back(cur_);
        open_ = false;
    }

private:
    LineRun cur_{};
    bool open_ = false;
};

int Find(std::vector<uint32_t>& parent, uint32_t i)
{
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return static_cast<int>(i);
}

// The covered runs of the lines [first, first + lines), positions [lo, hi),
// from the path's runs: the path and every gap between path runs that no
// chain of overlapping gaps on neighbouring lines connects to line first
// (a margin line the path never reaches, so all outside). Only the lines
// [keepFirst, keepEnd) and positions [keepLo, keepHi) are kept; the
// enclosure is decided on all of them.
CEraserMask::Runs BuildRuns(std::vector<LineRun>& path, int first, int lines, int lo, int hi, int keepFirst,
                            int keepEnd, int keepLo, int keepHi)
{
    // Path runs by line, sorted along the line and merged.
    std::vector<size_t> start(static_cast<size_t>(lines) + 1, 0);
    for (const LineRun& r : path) ++start[static_cast<size_t>(r.line - first) + 1];
    for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    std::vector<std::pair<int, int>> byLine(path.size());
    {
        std::vector<size_t> fill(start.begin(), start.end() - 1);
        for (const LineRun& r : path) byLine[fill[static_cast<size_t>(r.line - first)]++] = {r.begin, r.end};
    }
    // Merged in place: each line's runs move down to where the merged runs
    // of the lines before it end.
    std::vector<std::pair<int, int>>& merged = byLine;
    std::vector<size_t> mergedStart(static_cast<size_t>(lines) + 1, 0);
    size_t kept = 0;
    for (int i = 0; i < lines; ++i) {
        mergedStart[static_cast<size_t>(i)] = kept;
        const auto b = byLine.begin() + static_cast<std::ptrdiff_t>(start[static_cast<size_t>(i)]);
        const auto e = byLine.begin() + static_cast<std::ptrdiff_t>(start[static_cast<size_t>(i) + 1]);
        if (!std::is_sorted(b, e)) std::sort(b, e);
        const size_t lineFirst = kept;
        for (auto it = b; it != e; ++it) {
            if (kept > lineFirst && it->first <= merged[kept - 1].second)
                merged[kept - 1].second = std::max(merged[kept - 1].second, it->second);
            else
                merged[kept++] = *it;
        }
    }
    mergedStart[static_cast<size_t>(lines)] = kept;

    // The gaps between them, and which gaps meet across neighbouring lines.
    std::vector<std::pair<int, int>> gaps;
    std::vector<size_t> gapStart(static_cast<size_t>(lines) + 1, 0);
    gaps.reserve(kept + static_cast<size_t>(lines));
    for (int i = 0; i < lines; ++i) {
        gapStart[static_cast<size_t>(i)] = gaps.size();
        int at = lo;
        for (size_t r = mergedStart[static_cast<size_t>(i)]; r < mergedStart[static_cast<size_t>(i) + 1]; ++r) {
            if (merged[r].first > at) gaps.push_back({at, merged[r].first});
            at = merged[r].second;
        }
        if (at < hi) gaps.push_back({at, hi});
    }
    gapStart[static_cast<size_t>(lines)] = gaps.size();
    std::vector<uint32_t> parent(gaps.size());
    for (size_t i = 0; i < parent.size(); ++i) parent[i] = static_cast<uint32_t>(i);
    for (int i = 1; i < lines; ++i) {
        size_t a = gapStart[static_cast<size_t>(i) - 1], b = gapStart[static_cast<size_t>(i)];
        const size_t aEnd = gapStart[static_cast<size_t>(i)], bEnd = gapStart[static_cast<size_t>(i) + 1];
        while (a < aEnd && b < bEnd) {
            if (gaps[a].first < gaps[b].second && gaps[b].first < gaps[a].second) {
                const int ra = Find(parent, static_cast<uint32_t>(a)), rb = Find(parent, static_cast<uint32_t>(b));
                if (ra != rb) parent[static_cast<size_t>(std::max(ra, rb))] = static_cast<uint32_t>(std::min(ra, rb));
            }
            if (gaps[a].second < gaps[b].second) ++a;
            else ++b;
        }
    }
    const int outside = gaps.empty() ? -1 : Find(parent, 0);

    // Covered: the path and the enclosed gaps, within what is kept.
    CEraserMask::Runs out;
    out.first = std::max(first, keepFirst);
    const int last = std::min(first + lines, keepEnd);
    out.lines = std::max(0, last - out.first);
    out.lineRuns.assign(static_cast<size_t>(out.lines) + 1, 0);
    int minPos = keepHi, maxPos = keepLo;
    for (int k = 0; k < out.lines; ++k) {
        const size_t i = static_cast<size_t>(out.first + k - first);
        out.lineRuns[static_cast<size_t>(k)] = out.runs.size();
        const size_t lineFirst = out.runs.size();
        auto add = [&](std::pair<int, int> r) {
            r.first = std::max(r.first, keepLo);
            r.second = std::min(r.second, keepHi);
            if (r.first >= r.second) return;
            if (out.runs.size() > lineFirst && r.first <= out.runs.back().second)
                out.runs.back().second = std::max(out.runs.back().second, r.second);
            else
                out.runs.push_back(r);
            minPos = std::min(minPos, r.first);
            maxPos = std::max(maxPos, r.second);
        };
        size_t p = mergedStart[i], g = gapStart[i];
        while (p < mergedStart[i + 1] || g < gapStart[i + 1]) {
            if (g >= gapStart[i + 1] || (p < mergedStart[i + 1] && merged[p].first < gaps[g].first)) {
                add(merged[p++]);
            } else {
                if (Find(parent, static_cast<uint32_t>(g)) != outside) add(gaps[g]);
                ++g;
            }
        }
    }
    out.lineRuns[static_cast<size_t>(out.lines)] = out.runs.size();

    // Blocks, from each run's first and last block through a running sum
    // along each block row.
    if (out.runs.empty()) return out;
    constexpr int kBlock = CEraserMask::kBlock;
    out.blockOrigin = minPos;
    out.blockCols = (maxPos - minPos + kBlock - 1) / kBlock;
    const int blockRows = (out.lines + kBlock - 1) / kBlock;
    std::vector<int> diff(static_cast<size_t>(out.blockCols) + 1);
    out.blocks.assign(static_cast<size_t>(out.blockCols) * static_cast<size_t>(blockRows), 0);
    for (int br = 0; br < blockRows; ++br) {
        std::fill(diff.begin(), diff.end(), 0);
        const int k0 = br * kBlock, k1 = std::min(out.lines, k0 + kBlock);
        for (size_t r = out.lineRuns[static_cast<size_t>(k0)]; r < out.lineRuns[static_cast<size_t>(k1)]; ++r) {
            ++diff[static_cast<size_t>((out.runs[r].first - minPos) / kBlock)];
            --diff[static_cast<size_t>((out.runs[r].second - 1 - minPos) / kBlock) + 1];
        }
        int depth = 0;
        for (int b = 0; b < out.blockCols; ++b) {
            depth += diff[static_cast<size_t>(b)];
            out.blocks[static_cast<size_t>(br) * static_cast<size_t>(out.blockCols) + static_cast<size_t>(b)] =
                depth > 0;
        }
    }
    return out;
}

InkRect Transposed(const InkRect& r) { return {r.top, r.left, r.bottom, r.right}; }

}  // namespace

CEraserMask::CEraserMask(const std::vector<PointRecord>& path, const InkRect& limit)
{
    if (path.empty()) return;
    int minX = path[0].x, minY = path[0].y, maxX = minX, maxY = minY;
    int64_t pixels = 1;
    for (size_t i = 0; i < path.size(); ++i) {
        const PointRecord& p = path[i];
        minX = std::min<int>(minX, p.x);
        minY = std::min<int>(minY, p.y);
        maxX = std::max<int>(maxX, p.x);
        maxY = std::max<int>(maxY, p.y);
        if (i > 0) pixels += std::max(std::abs(p.x - path[i - 1].x), std::abs(p.y - path[i - 1].y)) + 1;
    }
    rect_ = IntersectArea({minX - kMargin, minY - kMargin, maxX + kMargin, maxY + kMargin}, limit);
    if (IsEmptyArea(rect_) || pixels > kMaxPathPixels) return;

    // The path's pixels, as row runs and column runs: a segment has one
    // run on each row and on each column it crosses. A view with far more
    // runs than the other (a zigzag of steep teeth has one per tooth on
    // every row) is left out: the other view answers everything.
    size_t rowRuns = 1, colRuns = 1;
    for (size_t i = 1; i < path.size(); ++i) {
        rowRuns += static_cast<size_t>(std::abs(path[i].y - path[i - 1].y)) + 1;
        colRuns += static_cast<size_t>(std::abs(path[i].x - path[i - 1].x)) + 1;
    }
    const bool withRows = rowRuns <= colRuns || rowRuns <= kMaxSecondViewRuns;
    const bool withCols = colRuns < rowRuns || colRuns <= kMaxSecondViewRuns;
    RunCollector rows, cols;
    if (withRows) rows.runs.reserve(rowRuns);
    if (withCols) cols.runs.reserve(colRuns);
    auto visit = [&](int x, int y) {
        if (withRows) rows.Add(y, x);
        if (withCols) cols.Add(x, y);
        return false;
    };
    // A one-point eraser is a dot: it covers its own pixel.
    WalkLine({path[0].x, path[0].y}, {path[0].x, path[0].y}, visit);
    for (size_t i = 1; i < path.size(); ++i) WalkLine({path[i - 1].x, path[i - 1].y}, {path[i].x, path[i].y}, visit);
    rows.Close();
    cols.Close();

    const int left = minX - kMargin, top = minY - kMargin, right = maxX + kMargin, bottom = maxY + kMargin;
    if (withRows)
        rows_ = BuildRuns(rows.runs, top, bottom - top, left, right, rect_.top, rect_.bottom, rect_.left, rect_.right);
    if (withCols)
        cols_ = BuildRuns(cols.runs, left, right - left, top, bottom, rect_.left, rect_.right, rect_.top, rect_.bottom);
    hasRows_ = withRows;
    hasCols_ = withCols;
    // The rectangle holding what is covered, from either view.
    const Runs& view = withRows ? rows_ : cols_;
    for (int k = 0; k < view.lines; ++k) {
        const size_t b = view.lineRuns[static_cast<size_t>(k)], e = view.lineRuns[static_cast<size_t>(k) + 1];
        if (b == e) continue;
        const InkRect line{view.runs[b].first, view.first + k, view.runs[e - 1].second, view.first + k + 1};
        covered_ = UnionArea(covered_, withRows ? line : Transposed(line));
    }
    built_ = true;
}

bool CEraserMask::Runs::Touches(int line, int from, int to) const
{
    if (line < first || line >= first + lines) return false;
    const size_t k = static_cast<size_t>(line - first);
    const auto b = runs.begin() + static_cast<std::ptrdiff_t>(lineRuns[k]);
    const auto e = runs.begin() + static_cast<std::ptrdiff_t>(lineRuns[k + 1]);
    // The first run ending after from.
    const auto it = std::upper_bound(b, e, from, [](int x, const std::pair<int, int>& run) { return x < run.second; });
    return it != e && it->first <= to;
}

// Whether a block of that block row, positions [from, to], holds a covered pixel.
bool CEraserMask::Runs::BlocksTouch(int blockRow, int from, int to) const
{
    if (blocks.empty()) return false;
    const int b0 = std::max(0, (std::max(from, blockOrigin) - blockOrigin) / kBlock);
    const int b1 = std::min(blockCols - 1, (to - blockOrigin) / kBlock);
    if (to < blockOrigin) return false;
    for (int b = b0; b <= b1; ++b)
        if (blocks[static_cast<size_t>(blockRow) * static_cast<size_t>(blockCols) + static_cast<size_t>(b)]) return true;
    return false;
}

bool CEraserMask::Covers(int x, int y) const
{
    return built_ && (hasRows_ ? rows_.Touches(y, x, x) : cols_.Touches(x, y, y));
}

bool CEraserMask::AnyCovered(const InkRect& r) const
{
    const InkRect box = IntersectArea(r, covered_);
    if (!built_ || IsEmptyArea(box)) return false;
    const int64_t rowCount = int64_t{box.bottom} - box.top, colCount = int64_t{box.right} - box.left;
    const bool byCols = hasCols_ && (!hasRows_ || colCount < rowCount);
    if ((byCols ? colCount : rowCount) > kMaxAnyCoveredLines) return true;
    if (byCols) {
        for (int x = box.left; x < box.right; ++x)
            if (cols_.Touches(x, box.top, box.bottom - 1)) return true;
    } else {
        for (int y = box.top; y < box.bottom; ++y)
            if (rows_.Touches(y, box.left, box.right - 1)) return true;
    }
    return false;
}

bool CEraserMask::SegmentTouches(InkPoint a, InkPoint b, double radius, const InkRect& clip, double shift) const
{
    if (!built_) return false;
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

    // Line by line (rows, or columns when the pen crosses fewer of them),
    // the positions within radius of the segment (a capsule, so one run a
    // line) checked against the line's covered runs. Below, "rows" and "y"
    // are the lines of the view chosen and "columns" and "x" run along them.
    const InkRect rowBox = IntersectArea(
        area,
        {static_cast<int>(std::floor(std::min(a.x, b.x) + shift - radius)),
         static_cast<int>(std::floor(std::min(a.y, b.y) + shift - radius)),
         static_cast<int>(std::ceil(std::max(a.x, b.x) + shift + radius)) + 1,
         static_cast<int>(std::ceil(std::max(a.y, b.y) + shift + radius)) + 1});
    if (IsEmptyArea(rowBox)) return false;
    const bool byColumns = hasCols_ && (!hasRows_ || rowBox.right - rowBox.left < rowBox.bottom - rowBox.top);
    const Runs& grid = byColumns ? cols_ : rows_;
    if (byColumns) {
        std::swap(a.x, a.y);
        std::swap(b.x, b.y);
    }
    const InkRect box = byColumns ? Transposed(rowBox) : rowBox;
    const double ax = a.x + shift, ay = a.y + shift, bx = b.x + shift, by = b.y + shift;
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
        if (y < grid.first) y = grid.first;
        if (y >= box.bottom || y >= grid.first + grid.lines) break;
        const int blockRow = (y - grid.first) / kBlock;
        const int bandEnd = std::min(box.bottom, grid.first + (blockRow + 1) * kBlock);
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
        if (!clampedColumns(lo, hi, from, to) || !grid.BlocksTouch(blockRow, from, to)) {
            y = bandEnd;
            continue;
        }
        for (; y < bandEnd; ++y) {
            columns(y, lo, hi);
            if (clampedColumns(lo, hi, from, to) && grid.Touches(y, from, to)) return true;
        }
    }
    return false;
}
