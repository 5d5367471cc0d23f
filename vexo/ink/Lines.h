#pragma once
// An ordered list of strokes: the ink of one page or of one recording layer.
#include <cstdint>
#include <memory>
#include <vector>

#include "Line.h"

class CLayer;

class CLines {
public:
    static constexpr size_t kStoredHeaderSize = 4;

    CLines() = default;
    CLines(const CLines&) = delete;
    CLines& operator=(const CLines&) = delete;

    // Creates a stroke with the given style, appends it and makes it current.
    CLine& AddStroke(ColourRef colour, uint16_t penKind);
    // Extends the current stroke; only valid after AddStroke and before the
    // next removal of strokes.
    void AddPoint(int x, int y, int width, uint32_t time);

    int Count() const { return static_cast<int>(strokes_.size()); }
    CLine& At(int i) { return *strokes_[static_cast<size_t>(i)]; }
    const CLine& At(int i) const { return *strokes_[static_cast<size_t>(i)]; }
    CLine* Current() { return current_; }

    // deleteStrokes: destroy every stroke. Otherwise mark every stroke erased
    // at (now - baseTick), the recording's erase-all.
    void EraseAllStrokes(bool deleteStrokes, uint32_t baseTick);
    // Destroys the stroke at index i (erasing); clears the current stroke when
    // it is the one removed.
    void RemoveAt(int i);
    uint32_t GetEndTime() const { return strokes_.empty() ? 0 : strokes_.back()->GetEndTime(); }

    // Load replaces the list's strokes. On a failed load the strokes read
    // completely so far stay in the list and the error propagates.
    void Serialize(fw::CArchive& ar);

    CLayer* Owner() const { return owner_; }
    void SetOwner(CLayer* owner) { owner_ = owner; }

private:
    CLine* current_ = nullptr;
    CLayer* owner_ = nullptr;
    std::vector<std::unique_ptr<CLine>> strokes_;
};
