// Drawing a stroke list at once, inside an area, or against the playback clock.
#include <algorithm>

#include "InkArea.h"
#include "Lines.h"
#include "PlaybackClock.h"
#include "StrokeLayer.h"

namespace {

// Both rectangles' extent; unlike a union of areas it keeps a straight
// eraser path whose bounds have no height or no width.
InkRect Enclosing(const InkRect& a, const InkRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

void CLines::DrawAll(IInkCanvas& canvas)
{
    for (auto& stroke : strokes_) stroke->Draw(canvas);
}

void CLines::DrawInArea(IInkCanvas& canvas, const InkRect& area, int n)
{
    for (const CLine* stroke : StrokesToDraw(area, n)) const_cast<CLine*>(stroke)->Draw(canvas);
}

std::vector<const CLine*> CLines::StrokesToDraw() const
{
    std::vector<const CLine*> chosen;
    for (const auto& stroke : strokes_)
        if (!stroke->IsHidden()) chosen.push_back(stroke.get());
    return chosen;
}

std::vector<const CLine*> CLines::StrokesToDraw(const InkRect& area, int n) const
{
    std::vector<const CLine*> chosen;
    if (n < 0) return chosen;
    const size_t count = n == 0 ? strokes_.size() : std::min(strokes_.size(), static_cast<size_t>(n));
    for (size_t i = 0; i < count; ++i) {
        const CLine& stroke = *strokes_[i];
        // From the points, not the stored bounds, which a file could get wrong.
        if (!stroke.IsHidden() && AreasMeet(stroke.Reach(), area)) chosen.push_back(&stroke);
    }
    return chosen;
}

void CLines::DrawTimed(IInkCanvas& canvas, IStrokeLayer* layer)
{
    for (int i = 0; i < Count() && IsPlaying(); ++i) {
        CLine& stroke = At(i);
        stroke.DrawTimed(canvas);
        if (!layer) continue;
        if (stroke.PenKind() == kPenEraser) {
            // The strokes it erased carry its time and now count as hidden,
            // so repainting the area without them makes them vanish.
            InkRect area = stroke.GetBounds();
            const InkRect touched = GetTouchedArea(i, layer);
            if (!IsEmptyArea(touched)) area = Enclosing(area, InflateArea(touched, 5));
            layer->RepaintArea(canvas, InflateArea(area, 5), i);
        } else if (stroke.PenKind() == kPenEraseAll) {
            layer->RestorePicture(canvas);
        }
    }
}
