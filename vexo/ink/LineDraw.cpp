// Drawing of one stored stroke: its pen kind picks the pen setup, and the
// three most recent positions decide which segments and curves appear.
#include <algorithm>

#include "Line.h"
#include "PlaybackClock.h"

namespace {

constexpr InkPoint kNoPoint{-1, -1};

bool Known(InkPoint p) { return p.x >= 0 && p.y >= 0; }

// The clock steps by 100 ms, so a stroke is hidden one step early rather
// than one step late.
constexpr int64_t kEraseLead = 100;

}  // namespace

struct CLine::DrawHistory {
    InkPoint p2 = kNoPoint;
    InkPoint p1 = kNoPoint;
    InkPoint p0 = kNoPoint;
};

int CLine::DrawnWidth(int storedWidth) const
{
    const int width = penKind_ == kPenPen || penKind_ == kPenMarker ? storedWidth
                                                                    : CSMLine::SegmentWidth(storedWidth, maxPressure_);
    return std::max(width, 1);
}

InkRect CLine::Reach() const
{
    if (points_.empty()) return {};
    const bool soft = penKind_ != kPenPen && penKind_ != kPenMarker;
    int left = points_[0].x, top = points_[0].y, right = left, bottom = top, widest = 0;
    for (size_t i = 0; i < points_.size(); ++i) {
        const PointRecord& p = points_[i];
        left = std::min<int>(left, p.x);
        right = std::max<int>(right, p.x);
        top = std::min<int>(top, p.y);
        bottom = std::max<int>(bottom, p.y);
        if (soft && i == 0) continue;
        widest = std::max(widest, DrawnWidth(p.width));
    }
    // A marker's slanted nib reaches four half-widths up or down, and a
    // mitred corner up to a sixth more; a soft dot its radius; a pixel of
    // smooth edge besides.
    const int half = (widest + 1) / 2;
    const int reach = std::max(penKind_ == kPenMarker ? 5 * half : half, CSMLine::kMaxDotRadius) + 2;
    return {left - reach, top - reach, right + reach + 1, bottom + reach + 1};
}

bool CLine::IsHidden() const
{
    if (penKind_ == kPenEraser) return true;
    if (eraseTime_ == 0) return false;
    if (!IsPlaying()) return true;
    return int64_t{PlaybackClock()} > int64_t{eraseTime_} - kEraseLead;
}

void CLine::Draw(IInkCanvas& canvas)
{
    if (IsHidden()) return;
    DrawWith(canvas, softRenderer_);
}

void CLine::DrawWith(IInkCanvas& canvas, CSMLine& softRenderer) const
{
    DrawHistory history;
    for (size_t i = 0; i < points_.size(); ++i) DrawPoint(canvas, softRenderer, i, history);
}

void CLine::DrawTimed(IInkCanvas& canvas)
{
    DrawHistory history;
    for (size_t i = 0; i < points_.size() && IsPlaying(); ++i) {
        const int64_t wait = int64_t{points_[i].time} - int64_t{PlaybackClock()};
        if (wait > 0) {
            canvas.Flush();
            PlaybackSleep(static_cast<uint32_t>(wait));
            if (!IsPlaying()) break;
        }
        DrawPoint(canvas, softRenderer_, i, history);
    }
    canvas.Flush();
}

void CLine::DrawPoint(IInkCanvas& canvas, CSMLine& softRenderer, size_t i, DrawHistory& h) const
{
    const PointRecord& p = points_[i];
    const InkPoint here{p.x, p.y};
    if (i == 0) {
        h.p0 = here;
        if (penKind_ != kPenMarker)
            softRenderer.DrawStep(canvas, 0, 0, p.x, p.y, p.width, colour_, CSMLine::kFirstPoint, maxPressure_);
    } else if (penKind_ == kPenPen) {
        // The first segment is covered by the start dot; a start on the
        // screen's top or left edge marks a position the pen never had.
        if (Known(h.p2) && Known(h.p1) && Known(h.p0) && h.p0.x > 0 && h.p0.y > 0)
            canvas.SolidLine(h.p0, here, p.width, colour_);
    } else if (penKind_ == kPenMarker) {
        if (Known(h.p2) && Known(h.p1) && Known(h.p0)) {
            const InkPoint curve[4] = {h.p2, h.p1, h.p0, here};
            canvas.MarkerCurve(curve, p.width, colour_);
            h.p1 = kNoPoint;
            h.p0 = kNoPoint;
        }
    } else {
        const int phase = i + 1 == points_.size() ? CSMLine::kLastPoint : CSMLine::kMiddlePoint;
        softRenderer.DrawStep(canvas, h.p0.x, h.p0.y, p.x, p.y, p.width, colour_, phase, maxPressure_);
    }
    h.p2 = h.p1;
    h.p1 = h.p0;
    h.p0 = here;
}
