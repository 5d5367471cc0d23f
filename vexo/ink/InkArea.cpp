#include "InkArea.h"

#include <algorithm>
#include <cstdint>

bool IsEmptyArea(const InkRect& r) { return r.right <= r.left || r.bottom <= r.top; }

namespace {

// Stored bounds come from files: a side moved past the 32-bit range stops at
// its end, the nearest rectangle there is.
int32_t Moved(int32_t side, int64_t by)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{side} + by, INT32_MIN, INT32_MAX));
}

}  // namespace

InkRect InflateArea(const InkRect& r, int by)
{
    return {Moved(r.left, -int64_t{by}), Moved(r.top, -int64_t{by}), Moved(r.right, by), Moved(r.bottom, by)};
}

InkRect IntersectArea(const InkRect& a, const InkRect& b)
{
    const InkRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
    return IsEmptyArea(r) ? InkRect{} : r;
}

bool AreasMeet(const InkRect& a, const InkRect& b) { return !IsEmptyArea(IntersectArea(a, b)); }

InkRect UnionArea(const InkRect& a, const InkRect& b)
{
    if (IsEmptyArea(a)) return IsEmptyArea(b) ? InkRect{} : b;
    if (IsEmptyArea(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}
