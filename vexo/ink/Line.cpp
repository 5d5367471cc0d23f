#include "Line.h"

#include <algorithm>

#include "Archive.h"
#include "PressureRange.h"

namespace {
// Points are the bulk of every page and recording: they are packed and
// unpacked in one pass over the archive's buffer.
void Put16(uint8_t*& p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p += 2;
}

void Put32(uint8_t*& p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
    p += 4;
}

uint16_t Get16(const uint8_t*& p)
{
    uint16_t v = static_cast<uint16_t>(p[0] | (p[1] << 8));
    p += 2;
    return v;
}

uint32_t Get32(const uint8_t*& p)
{
    uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    p += 4;
    return v;
}
}  // namespace

CLine::CLine() : maxPressure_(NewStrokeMaxPressure()) {}

void CLine::SetStrokeStyle(ColourRef colour, uint16_t penKind)
{
    colour_ = colour;
    penKind_ = penKind;
}

void CLine::AddPoint(int x, int y, int width, uint32_t time)
{
    const auto w16 = static_cast<int16_t>(width);
    points_.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y), w16, time});

    // The marker's nib reaches half its width beyond the point.
    const int h = penKind_ == kPenMarker ? (w16 - 1) / 2 + w16 % 2 : 0;
    if (bounds_.IsUnset()) {
        bounds_ = {x - h, y - h, x + h, y + h};
    } else {
        bounds_.left = std::min(bounds_.left, x - h);
        bounds_.top = std::min(bounds_.top, y - h);
        bounds_.right = std::max(bounds_.right, x + h);
        bounds_.bottom = std::max(bounds_.bottom, y + h);
    }
}

void CLine::SetErased(uint32_t time)
{
    if (penKind_ != kPenEraser && time != 0 && eraseTime_ == 0) eraseTime_ = time;
}

void CLine::Serialize(fw::CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<int32_t>(points_.size());
        ar << bounds_.left << bounds_.top << bounds_.right << bounds_.bottom;
        ar << colour_ << penKind_ << eraseTime_;
        uint8_t* out = ar.Extend(points_.size() * kStoredPointSize);
        for (const PointRecord& p : points_) {
            Put16(out, static_cast<uint16_t>(p.x));
            Put16(out, static_cast<uint16_t>(p.y));
            Put16(out, static_cast<uint16_t>(p.width));
            Put32(out, p.time);
        }
        return;
    }

    int32_t count = 0;
    ar >> count;
    InkRect bounds;
    ar >> bounds.left >> bounds.top >> bounds.right >> bounds.bottom;
    ar >> colour_ >> penKind_ >> eraseTime_;
    ar.RequireRecords(count, kStoredPointSize);
    bounds_ = bounds;
    const uint8_t* in = ar.Take(static_cast<size_t>(count) * kStoredPointSize);
    points_.resize(static_cast<size_t>(count));
    hitShape_.valid = false;
    for (PointRecord& p : points_) {
        p.x = static_cast<int16_t>(Get16(in));
        p.y = static_cast<int16_t>(Get16(in));
        p.width = static_cast<int16_t>(Get16(in));
        p.time = Get32(in);
    }
}
