#include "Line.h"

#include <algorithm>

#include "Archive.h"
#include "PressureRange.h"

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
        for (const PointRecord& p : points_) ar << p.x << p.y << p.width << p.time;
        return;
    }

    int32_t count = 0;
    ar >> count;
    InkRect bounds;
    ar >> bounds.left >> bounds.top >> bounds.right >> bounds.bottom;
    ar >> colour_ >> penKind_ >> eraseTime_;
    ar.RequireRecords(count, kStoredPointSize);
    bounds_ = bounds;
    points_.clear();
    points_.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        PointRecord p{};
        ar >> p.x >> p.y >> p.width >> p.time;
        points_.push_back(p);
    }
}
