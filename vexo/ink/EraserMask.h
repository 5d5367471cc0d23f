#pragma once
// The area an eraser stroke covers: its path, drawn one pixel wide, and every
// area the path encloses. A pixel is outside when it connects to the mask's
// corner (5 pixels beyond the path) without crossing the path.
#include <cstdint>
#include <utility>
#include <vector>

#include "Line.h"

class CEraserMask {
public:
    // Masks larger than this many pixels are not built (no screen is that
    // large; such a path can only come from a damaged file) and cover nothing.
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;
    static constexpr int kMargin = 5;

    CEraserMask() = default;
    // The mask of a path. The rectangle holding its points is taken from
    // the points; stored bounds of a file may claim anything.
    explicit CEraserMask(const std::vector<PointRecord>& path);

    // The mask rectangle: the points' rectangle inflated by the margin.
    const InkRect& Rect() const { return rect_; }
    // On the path or enclosed by it (screen coordinates).
    bool Covers(int x, int y) const;
    // Whether any pixel within distance radius of the segment a-b (a round
    // capped line; radius 0.5 or less for a one-pixel line) lies on the mask,
    // within clip. shift moves the segment by that much right and down (an
    // even-width pen is centred between pixels). Costs a few steps per row
    // the pen crosses, however wide it is.
    bool SegmentTouches(InkPoint a, InkPoint b, double radius, const InkRect& clip, double shift = 0) const;

private:
    enum Cell : uint8_t { kOutside = 0, kPath = 1, kEnclosed = 2 };

    void MarkLine(InkPoint a, InkPoint b);
    void FillOutside();
    uint8_t& At(int col, int row) { return cells_[static_cast<size_t>(row) * width_ + static_cast<size_t>(col)]; }

    void CollectRuns();
    bool RowTouches(int y, int from, int to) const;

    InkRect rect_;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> cells_;  // empty when the mask covers nothing
    // The covered pixels as runs [first, last) of columns, row by row, and
    // the rectangle holding them all.
    std::vector<std::pair<int, int>> runs_;
    std::vector<size_t> rowRuns_;  // runs of row r: [rowRuns_[r], rowRuns_[r + 1])
    InkRect covered_;
    // Whether a block of kBlock x kBlock pixels holds a covered one, so a
    // long pen passing empty blocks skips their rows at once.
    static constexpr int kBlock = 16;
    int blockCols_ = 0;
    std::vector<uint8_t> blocks_;
    bool BlocksTouch(int blockRow, int from, int to) const;
};
