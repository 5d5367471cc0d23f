#pragma once
// The rasteriser's small geometry: points, pixel buffers, pixel boxes and
// where a drawing goes.
#include <cstddef>
#include <cstdint>

struct InkVec {
    double x = 0;
    double y = 0;
};

// A 32-bit top-down or bottom-up pixel buffer as a DIB section holds it:
// 0x00RRGGBB, blue in the low byte.
struct InkSurface {
    uint32_t* origin = nullptr;  // the pixel at (0, 0)
    ptrdiff_t stride = 0;        // pixels from one row to the next (negative bottom-up)
    int width = 0;
    int height = 0;

    uint32_t* Row(int y) const { return origin + stride * y; }
};

// A rectangle of pixels, right and bottom excluded.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Empty() const { return left >= right || top >= bottom; }
    InkBox Intersect(const InkBox& o) const;
    InkBox Unite(const InkBox& o) const;  // an empty box adds nothing
    long long Area() const { return Empty() ? 0 : static_cast<long long>(right - left) * (bottom - top); }
};

// Where strokes are drawn: a surface, the pixels that may change, and the
// offset from stroke points to surface pixels.
struct InkTarget {
    InkSurface surface;
    InkBox clip;  // surface pixels that may change
    int offsetX = 0;  // a stroke point (x, y) is the surface pixel (x + offsetX, y + offsetY)
    int offsetY = 0;
};
