#include "InkArea.h"

#include <algorithm>

bool IsEmptyArea(const InkRect& r) { return r.right <= r.left || r.bottom <= r.top; }

InkRect InflateArea(const InkRect& r, int by)
{
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
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
