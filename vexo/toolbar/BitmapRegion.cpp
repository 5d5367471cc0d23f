#include "BitmapRegion.h"

namespace {
constexpr std::uint32_t kColourBits = 0x00FFFFFF;
// Room for rectangles is made in steps of this many.
constexpr std::size_t kRectGrowth = 40;
}  // namespace

std::vector<RegionRect> OpaqueRuns(const std::uint32_t* pixels, int width, int height, int rowStride,
                                   std::uint32_t transparent)
{
    std::vector<RegionRect> rects;
    if (!pixels || width <= 0 || height <= 0 || rowStride < width) return rects;
    rects.reserve(kRectGrowth);
    transparent &= kColourBits;
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(rowStride);
        int x = 0;
        while (x < width) {
            while (x < width && (row[x] & kColourBits) == transparent) ++x;
            if (x == width) break;
            const int x0 = x;
            while (x < width && (row[x] & kColourBits) != transparent) ++x;
            if (rects.size() == rects.capacity()) rects.reserve(rects.size() + kRectGrowth);
            rects.push_back({x0, y, x, y + 1});
        }
    }
    return rects;
}
