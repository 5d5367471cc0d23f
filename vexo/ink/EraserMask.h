#pragma once
// The area an eraser stroke covers: its path, drawn one pixel wide, and every
// area the path encloses. A pixel is outside when it connects to the mask's
// corner (5 pixels beyond the path) without crossing the path.
//
// The mask is kept as runs of covered pixels, row by row and column by
// column, never as a pixel grid: its cost follows the path's length, not the
// area it spans. What is kept is cut to a limit (the screen, or at most
// kMaxScreen), while what the path encloses is decided on the whole path, so
// a path running partly off the limit still covers exactly what it encloses
// on it.
#include <cstdint>
#include <utility>
#include <vector>

#include "Line.h"

class CEraserMask {
public:
    static constexpr int kMargin = 5;
    // Where a mask can matter when the caller does not name its screen: a
    // virtual screen of several monitors lies within these coordinates.
    static constexpr InkRect kMaxScreen{-16384, -16384, 16384, 16384};
    // Paths longer than this many pixels in all are not built and cover
    // nothing: minutes of fast scribbling across a large screen stay below,
    // so such a path can only come from a damaged file. At this length the
    // worst path (a diagonal, every pixel a run of its own) still erases
    // within a frame.
    static constexpr int64_t kMaxPathPixels = int64_t{1} << 19;

    // A second view of the mask (rows or columns) is kept when it has no
    // more runs than this, or no more than the first.
    static constexpr size_t kMaxSecondViewRuns = size_t{1} << 16;

    CEraserMask() = default;
    // The mask of a path, kept within limit. The rectangle holding its
    // points is taken from the points; stored bounds of a file may claim
    // anything.
    explicit CEraserMask(const std::vector<PointRecord>& path, const InkRect& limit = kMaxScreen);

    // The mask rectangle: the points' rectangle inflated by the margin, cut
    // to the limit.
    const InkRect& Rect() const { return rect_; }
    // On the path or enclosed by it (screen coordinates).
    bool Covers(int x, int y) const;
    // Whether any pixel of r is covered; true also when that would take
    // more than kMaxAnyCoveredLines lines to tell (a quick test that lets a
    // caller skip strokes far from what the mask covers).
    bool AnyCovered(const InkRect& r) const;
    static constexpr int kMaxAnyCoveredLines = 256;
    // Whether any pixel within distance radius of the segment a-b (a round
    // capped line; radius 0.5 or less for a one-pixel line) lies on the mask,
    // within clip. shift moves the segment by that much right and down (an
    // even-width pen is centred between pixels). Costs a few steps per row
    // or column the pen crosses, whichever are fewer, however wide it is.
    bool SegmentTouches(InkPoint a, InkPoint b, double radius, const InkRect& clip, double shift = 0) const;

    // The covered pixels as runs along lines (rows, or columns for the
    // transposed view): line `first + i` holds runs [lineRuns[i],
    // lineRuns[i + 1]) of [begin, end) positions along it.
    struct Runs {
        int first = 0;
        int lines = 0;
        std::vector<std::pair<int, int>> runs;
        std::vector<size_t> lineRuns;
        // Whether a block of kBlock x kBlock pixels holds a covered one, so
        // a long pen passing empty blocks skips their lines at once. Blocks
        // start at (blockOrigin, first).
        int blockOrigin = 0;
        int blockCols = 0;
        std::vector<uint8_t> blocks;

        bool Touches(int line, int from, int to) const;  // a covered position of line in [from, to]
        bool BlocksTouch(int blockRow, int from, int to) const;
    };
    static constexpr int kBlock = 16;

private:
    // rows_: y lines of x runs; cols_: x lines of y runs (the mask transposed).
    Runs rows_;
    Runs cols_;
    bool hasRows_ = false;
    bool hasCols_ = false;
    InkRect rect_;
    InkRect covered_;  // the rectangle holding every covered pixel kept
    bool built_ = false;
};
