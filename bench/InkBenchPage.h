#pragma once
// The benchmark page: 2,000 strokes of 100 points over a 1920 x 1080 screen,
// pen, marker and brush in turn, in 40 columns of 50 rows; and an eraser
// stroke that crosses 10 of them.
#include "Lines.h"

namespace inkbench {

constexpr int kStrokes = 2000;
constexpr int kPoints = 100;
constexpr int kRows = 50;
constexpr int kRowHeight = 20;
constexpr int kColumnWidth = 47;

// With a pen kind, only that kind's strokes of the page.
inline void FillPage(CLines& page, uint16_t onlyKind = 0)
{
    for (int s = 0; s < kStrokes; ++s) {
        const uint16_t kind = static_cast<uint16_t>(s % 3 == 0 ? kPenPen : s % 3 == 1 ? kPenMarker : kPenBrush);
        if (onlyKind != 0 && kind != onlyKind) continue;
        CLine& stroke = page.AddStroke(kColourTable[1 + s % 15], kind);
        const int x0 = 10 + (s / kRows) * kColumnWidth;
        const int y0 = 15 + (s % kRows) * kRowHeight;
        for (int p = 0; p < kPoints; ++p) {
            int width = kind == kPenPen ? PenPointWidth(3) : MarkerPointWidth(3);
            if (kind == kPenBrush) width = p == 0 ? BrushFirstPointWidth(3, 500) : BrushLaterPointWidth(BrushFirstPointWidth(3, 500));
            // A wavy line 40 pixels long.
            stroke.AddPoint(x0 + p * 2 / 5, y0 + (p % 8 < 4 ? p % 4 : 4 - p % 4), width, static_cast<uint32_t>(s * 1000 + p * 10));
        }
    }
}

// A vertical eraser through the middle of column 3, rows 10 to 19.
inline void AddEraser(CLines& page)
{
    page.AddStroke(0, kPenEraser);
    const int x = 10 + 3 * kColumnWidth + 20;
    const int top = 15 + 10 * kRowHeight - 8;
    for (int p = 0; p <= 40; ++p) page.AddPoint(x + (p % 2), top + p * 5, p == 0 ? 1 : 0, 0);
}

}  // namespace inkbench
