#include "PacketIntake.h"

#include <algorithm>
#include <initializer_list>

#include "Lines.h"

namespace {

// The box around the given points, widened by margin on every side.
InkRect AreaAround(std::initializer_list<InkPoint> points, int margin)
{
    InkRect r{points.begin()->x, points.begin()->y, points.begin()->x, points.begin()->y};
    for (const InkPoint& p : points) {
        if (p.x < 0 || p.y < 0) continue;  // history slots not yet filled
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return {r.left - margin, r.top - margin, r.right + margin + 1, r.bottom + margin + 1};
}

// The soft renderer's dots reach this far beyond its smoothed positions.
constexpr int kSoftDotMargin = 2 * CSMLine::kMaxDotRadius + 2;

}  // namespace

void CPenIntake::Packet(const TabletPacket& packet)
{
    if (packet.cursor == kCursorPen) {
        PenPacket(packet);
    } else if (packet.cursor == kCursorPreview) {
        PreviewPacket(packet);
    }
    if (host_.DisplayChanged()) host_.RecoverDisplay();
}

void CPenIntake::ResetPenState()
{
    buttonDown_ = tipDown_ = strokeActive_ = previewActive_ = false;
    pen_.Forget();
    preview_.Forget();
    lastWidth_ = 0;
}

int16_t CPenIntake::WidthValue(uint32_t pressure) const
{
    switch (tool_) {
    case kPenPen:
        return PenPointWidth(level_);
    case kPenBrush:
        // The driver's value is unsigned: the product and the division are too.
        return static_cast<int16_t>(static_cast<uint32_t>(level_) * pressure / 3u);
    case kPenMarker:
        return MarkerPointWidth(level_);
    default:
        return 1;
    }
}

ColourRef CPenIntake::ToolColour() const
{
    return tool_ == kPenPen || tool_ == kPenBrush || tool_ == kPenMarker ? colour_ : 0;
}

void CPenIntake::StorePoint(const TabletPacket& packet, int width)
{
    host_.CurrentPage().AddPoint(packet.x, packet.y, width, packet.time);
    recorder_->AddRecordedPoint(packet.x, packet.y, width, packet.time);
}

void CPenIntake::DrawSolid(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    if (IInkCanvas* canvas = host_.BeginLive(AreaAround({from, to}, width + 2))) {
        canvas->SolidLine(from, to, width, colour);
        canvas->Flush();
    }
    host_.EndLive();
}

void CPenIntake::DrawMarker(const History& h, InkPoint to, int width, ColourRef colour)
{
    // The slanted nib is up to four times as tall as it is wide.
    if (IInkCanvas* canvas = host_.BeginLive(AreaAround({h.p2, h.p1, h.last, to}, 4 * width + 4))) {
        const InkPoint points[4] = {h.p2, h.p1, h.last, to};
        canvas->MarkerCurve(points, width, colour);
        canvas->Flush();
    }
    host_.EndLive();
}

void CPenIntake::DrawSoft(CSMLine& renderer, InkPoint from, InkPoint to, const History& h, int width,
                          ColourRef colour, int phase)
{
    const int margin = CSMLine::SegmentWidth(width, maxPressure_) + kSoftDotMargin;
    if (IInkCanvas* canvas = host_.BeginLive(AreaAround({from, to, h.p2, h.p1, h.last}, margin))) {
        renderer.DrawStep(*canvas, from.x, from.y, to.x, to.y, width, colour, phase, maxPressure_);
        canvas->Flush();
    }
    host_.EndLive();
}

void CPenIntake::StartHistory(History& h, InkPoint at) const
{
    h.last = at;
    if (tool_ == kPenMarker) {
        // A marker curve needs three earlier positions of this stroke. The
        // first position stays as the last one, so that the pen resting
        // where it touched down stores that position once.
        h.p2 = h.p1 = InkPoint{-1, -1};
    } else {
        // The closing soft step runs from the position before the last: for
        // a stroke of one packet that is its own point, not the end of the
        // previous stroke, which would draw a line between the two.
        h.p2 = h.p1 = at;
    }
}

void CPenIntake::PenPacket(const TabletPacket& packet)
{
    if (packet.buttons == kButtonsTip) tipDown_ = true;

    if (!(buttonDown_ && tipDown_ && packet.pressure != 0)) {
        if (strokeActive_) EndPenStroke();
        return;
    }

    const InkPoint at{packet.x, packet.y};
    const int16_t g = WidthValue(packet.pressure);
    const ColourRef colour = ToolColour();

    if (!strokeActive_) {
        strokeActive_ = true;
        host_.CurrentPage().AddStroke(colour, static_cast<uint16_t>(tool_));
        recorder_->BeginRecordedLine(colour, static_cast<uint16_t>(tool_));
        StorePoint(packet, g);
        StartHistory(pen_, at);
        return;
    }

    int16_t stored = g;
    switch (tool_) {
    case kPenPen:
        // Segments from the top row or the left column are not drawn live.
        if (pen_.last.x > 0 && pen_.last.y > 0) DrawSolid(pen_.last, at, g, colour);
        break;
    case kPenMarker:
        if (at == pen_.last) return;
        if (pen_.AllPlaced()) {
            DrawMarker(pen_, at, g, colour);
            pen_.Forget();
        }
        break;
    default:
        if (at == pen_.last) return;
        stored = static_cast<int16_t>(g / 20);
        DrawSoft(penRenderer_, pen_.last, at, pen_, stored, colour, CSMLine::kMiddlePoint);
        break;
    }
    StorePoint(packet, stored);
    pen_.Shift(at);
    lastWidth_ = stored;
}

void CPenIntake::EndPenStroke()
{
    strokeActive_ = false;
    tipDown_ = false;
    if (tool_ == kPenMarker) return;
    DrawSoft(penRenderer_, pen_.p1, pen_.last, pen_, lastWidth_, ToolColour(), CSMLine::kLastPoint);
    if (tool_ != kPenEraser) return;
    recorder_->RecordEraserStroke();
    host_.CurrentPage().EraseWithLastStroke(true, 0);
    host_.InvalidateOverlay();
}

void CPenIntake::PreviewPacket(const TabletPacket& packet)
{
    if (packet.buttons == 0 || packet.pressure == 0) {
        if (previewActive_) EndPreviewTrace();
        return;
    }

    const InkPoint at{packet.x, packet.y};
    if (!previewActive_) {
        previewActive_ = true;
        StartHistory(preview_, at);
        return;
    }

    int16_t used = WidthValue(packet.pressure);
    switch (tool_) {
    case kPenPen:
        if (preview_.last.x > 0 && preview_.last.y > 0) DrawSolid(preview_.last, at, used, kPreviewColour);
        break;
    case kPenMarker:
        if (preview_.AllPlaced()) {
            DrawMarker(preview_, at, used, kPreviewColour);
            preview_.Forget();
        }
        break;
    default:
        if (at == preview_.last) return;
        used = static_cast<int16_t>(used / 20);
        DrawSoft(previewRenderer_, preview_.last, at, preview_, used, kPreviewColour, CSMLine::kMiddlePoint);
        break;
    }
    preview_.Shift(at);
    lastWidth_ = used;
}

void CPenIntake::EndPreviewTrace()
{
    previewActive_ = false;
    if (tool_ == kPenMarker) return;
    DrawSoft(previewRenderer_, preview_.p1, preview_.last, preview_, lastWidth_, ToolColour(),
             CSMLine::kLastPoint);
    // The trace stores nothing, so there is no eraser stroke to erase with:
    // the page's last stroke is ink the user drew. The trace only shows
    // where the eraser went; painting the overlay again wipes it.
    if (tool_ == kPenEraser) host_.InvalidateOverlay();
}
