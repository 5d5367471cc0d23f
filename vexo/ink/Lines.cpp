#include "Lines.h"

#include "Archive.h"
#include "Clock.h"

CLine& CLines::AddStroke(ColourRef colour, uint16_t penKind)
{
    auto stroke = std::make_unique<CLine>();
    stroke->SetStrokeStyle(colour, penKind);
    current_ = stroke.get();
    strokes_.push_back(std::move(stroke));
    return *current_;
}

void CLines::AddPoint(int x, int y, int width, uint32_t time)
{
    if (current_) current_->AddPoint(x, y, width, time);
}

void CLines::EraseAllStrokes(bool deleteStrokes, uint32_t baseTick)
{
    if (deleteStrokes) {
        strokes_.clear();
        current_ = nullptr;
        return;
    }
    const uint32_t time = fw::TickCount() - baseTick;
    for (auto& stroke : strokes_) stroke->SetErased(time);
}

void CLines::RemoveAt(int i)
{
    auto it = strokes_.begin() + i;
    if (it->get() == current_) current_ = nullptr;
    strokes_.erase(it);
}

void CLines::Serialize(fw::CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<int32_t>(strokes_.size());
        for (auto& stroke : strokes_) stroke->Serialize(ar);
        return;
    }

    int32_t count = 0;
    ar >> count;
    strokes_.clear();
    current_ = nullptr;
    ar.RequireRecords(count, CLine::kStoredHeaderSize);
    strokes_.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        auto stroke = std::make_unique<CLine>();
        stroke->Serialize(ar);
        strokes_.push_back(std::move(stroke));
    }
}
