#pragma once
// The area an eraser stroke covers: its path, drawn one pixel wide, and every
// area the path encloses. A pixel is outside when it connects to the mask's
// corner (5 pixels beyond the path) without crossing the path.
#include <cstdint>
#include <vector>

#include "Line.h"

class CEraserMask {
public:
    // Masks larger than this many pixels are not built (no screen is that
    // large; such a path can only come from a damaged file) and cover nothing.
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;
    static constexpr int kMargin = 5;

    CEraserMask() = default;
    // The mask of a path whose bounding rectangle is bounds.
    CEraserMask(const std::vector<PointRecord>& path, const InkRect& bounds);

    // The mask rectangle: bounds inflated by the margin.
    const InkRect& Rect() const { return rect_; }
    // On the path or enclosed by it (screen coordinates).
    bool Covers(int x, int y) const;
    // Whether any pixel within distance radius of the segment a-b (a round
    // capped line; radius 0 for a one-pixel line) lies on the mask, within clip.
    bool SegmentTouches(InkPoint a, InkPoint b, double radius, const InkRect& clip) const;

private:
    enum Cell : uint8_t { kOutside = 0, kPath = 1, kEnclosed = 2 };

    void MarkLine(InkPoint a, InkPoint b);
    void FillOutside();
    uint8_t& At(int col, int row) { return cells_[static_cast<size_t>(row) * width_ + static_cast<size_t>(col)]; }

    InkRect rect_;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> cells_;  // empty when the mask covers nothing
};
