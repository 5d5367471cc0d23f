#pragma once
// Rectangle arithmetic for repaint and erase areas, with the window system's
// rules: right and bottom are exclusive, and a rectangle without area is
// empty (it meets nothing and adds nothing to a union).
#include "Line.h"

bool IsEmptyArea(const InkRect& r);
// Each side moved outwards by by (inwards when negative), stopping at the
// ends of the 32-bit range.
InkRect InflateArea(const InkRect& r, int by);
// The common part; an empty rectangle (all zero) when there is none.
InkRect IntersectArea(const InkRect& a, const InkRect& b);
bool AreasMeet(const InkRect& a, const InkRect& b);
// The smallest rectangle holding both; an empty side is left out.
InkRect UnionArea(const InkRect& a, const InkRect& b);
