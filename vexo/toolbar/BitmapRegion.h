#pragma once
// The shape of a window cut from a bitmap: every pixel that is not the
// transparent colour belongs to the window. Rows become runs of opaque
// pixels, one rectangle each; the window side unites them into a region.
#include <cstdint>
#include <vector>

struct RegionRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    bool operator==(const RegionRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// pixels: width x height words, rows top first, rowStride words apart;
// colours compare on their low 24 bits. Rows are taken from the bottom one
// up, each scanned left to right; a run never continues into another row.
// Nothing for an empty or malformed picture.
std::vector<RegionRect> OpaqueRuns(const std::uint32_t* pixels, int width, int height, int rowStride,
                                   std::uint32_t transparent);
