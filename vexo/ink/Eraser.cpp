// Whole-stroke erasing: an eraser stroke's path and the areas it encloses
// remove every earlier stroke with a pixel there.
#include <algorithm>

#include "EraserMask.h"
#include "InkArea.h"
#include "Lines.h"
#include "StrokeLayer.h"

namespace {

constexpr int kAreaMargin = 5;

}  // namespace

CEraserMask CLine::BuildEraserMask() const { return CEraserMask(points_); }

// The hit pen: a marker with its full nib plus a pixel, any other stroke
// with a thin pen that widens only for very wide stored widths, never wider
// than the stroke is drawn plus a pixel. Like the platform's pens, an even
// width is centred between pixels, so width 2 covers two rows.
int64_t CLine::HitPenWidth(const PointRecord& p) const
{
    const int64_t formula =
        penKind_ == kPenMarker ? int64_t{p.width} + 1 : int64_t{maxPressure_ / 256} * (p.width / 50) + 2;
    return std::min<int64_t>(formula, DrawnWidth(p.width) + 1);
}

const CLine::HitShape& CLine::Shape() const
{
    HitShape& s = hitShape_;
    const bool same = s.valid && s.points == points_.size() && s.maxPressure == maxPressure_ &&
                      s.penKind == penKind_ && s.bounds.left == bounds_.left && s.bounds.top == bounds_.top &&
                      s.bounds.right == bounds_.right && s.bounds.bottom == bounds_.bottom;
    if (same) return s;
    s = HitShape{true, points_.size(), maxPressure_, penKind_, bounds_, {}, {}, 1};
    if (points_.empty()) return s;
    // The stored bounds may claim anything: bounds that do not hold the
    // points are not used, and the area is held to what the points reach.
    const InkRect reach = InflateArea(Reach(), kAreaMargin);
    bool boundsHoldPoints = true;
    s.box = {points_[0].x, points_[0].y, points_[0].x + 1, points_[0].y + 1};
    for (const PointRecord& p : points_) {
        boundsHoldPoints = boundsHoldPoints && p.x >= bounds_.left && p.x <= bounds_.right &&
                           p.y >= bounds_.top && p.y <= bounds_.bottom;
        s.widest = std::max(s.widest, HitPenWidth(p));
        s.box = UnionArea(s.box, {p.x, p.y, p.x + 1, p.y + 1});
    }
    s.area = boundsHoldPoints ? IntersectArea(InflateArea(bounds_, kAreaMargin), reach) : reach;
    return s;
}

InkRect CLine::HitTest(const CEraserMask& mask) const
{
    if (penKind_ == kPenEraser || points_.empty()) return {};
    const HitShape& shape = Shape();
    const InkRect area = shape.area;
    const InkRect clip = IntersectArea(area, mask.Rect());
    if (IsEmptyArea(clip)) return {};

    // A stroke whose pen cannot reach a covered pixel anywhere is passed
    // over before its segments are tried one by one.
    const int reach = static_cast<int>(std::min<int64_t>(shape.widest / 2 + 2, 1 << 20));
    if (!mask.AnyCovered(IntersectArea(InflateArea(shape.box, reach), clip))) return {};
    for (size_t i = 0; i < points_.size(); ++i) {
        const PointRecord& p = points_[i];
        const PointRecord& from = points_[i == 0 ? 0 : i - 1];
        const int64_t penWidth = HitPenWidth(p);
        const double radius = penWidth <= 1 ? 0.5 : static_cast<double>(penWidth) / 2;
        const double shift = penWidth > 1 && penWidth % 2 == 0 ? -0.5 : 0.0;
        if (mask.SegmentTouches({from.x, from.y}, {p.x, p.y}, radius, clip, shift)) return area;
    }
    return {};
}

InkRect CLines::EraseWithLastStroke(bool deleteStrokes, uint32_t time)
{
    // Only an eraser stroke erases: a pen-up with nothing stored (a hovering
    // eraser trace) must not turn the page's last ink stroke into an eraser.
    if (strokes_.empty() || strokes_.back()->PenKind() != kPenEraser) return {};

    const int k = Count() - 1;
    const CEraserMask mask = At(k).BuildEraserMask();
    if (deleteStrokes) {
        RemoveAt(k);
    } else {
        At(k).SetErased(time);
    }

    InkRect touched;
    for (int i = k - 1; i >= 0; --i) {
        const InkRect hit = At(i).HitTest(mask);
        if (IsEmptyArea(hit)) continue;
        touched = UnionArea(touched, hit);
        if (deleteStrokes) {
            RemoveAt(i);
        } else {
            At(i).SetErased(time);
        }
    }
    return touched;
}

InkRect CLines::EraseTouched(const CEraserMask& mask, uint32_t time)
{
    InkRect touched;
    for (int i = Count() - 1; i >= 0; --i) {
        const InkRect hit = At(i).HitTest(mask);
        if (IsEmptyArea(hit)) continue;
        touched = UnionArea(touched, hit);
        At(i).SetErased(time);
    }
    return touched;
}

InkRect CLines::GetTouchedArea(int i, IStrokeLayer* layer)
{
    const CEraserMask mask = At(i).BuildEraserMask();
    InkRect touched;
    for (int j = i - 1; j >= 0; --j) touched = UnionArea(touched, At(j).HitTest(mask));
    if (layer) touched = UnionArea(touched, layer->GetTouchedArea(mask));
    return touched;
}
