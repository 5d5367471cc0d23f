#pragma once
// An ordered list of strokes: the ink of one page or of one recording layer.
#include <cstdint>
#include <memory>
#include <vector>

#include "Line.h"

class CEraserMask;
class IStrokeLayer;

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

    // Drawing: every stroke in order, hidden ones skipped.
    void DrawAll(IInkCanvas& canvas);
    // The first n strokes (all for n = 0, none for n < 0) that are visible and
    // whose bounds, inflated by 5, meet area.
    void DrawInArea(IInkCanvas& canvas, const InkRect& area, int n);
    // The strokes those two draw, in order.
    std::vector<const CLine*> StrokesToDraw() const;
    std::vector<const CLine*> StrokesToDraw(const InkRect& area, int n) const;
    // Timed drawing while the playing flag is set. After an eraser stroke the
    // layer repaints what it erased; after an erase-all mark the layer
    // restores its page picture. layer may be null (nothing is repainted).
    void DrawTimed(IInkCanvas& canvas, IStrokeLayer* layer);

    // The last stroke, when it is an eraser stroke, removes every earlier
    // stroke it touches (deleteStrokes) or marks them erased at time.
    // Returns the touched area; an empty rectangle, and nothing changed,
    // when the list is empty or its last stroke is not an eraser stroke.
    InkRect EraseWithLastStroke(bool deleteStrokes, uint32_t time);
    // Marks every stroke the mask touches erased at time (0 marks nothing)
    // and returns the touched area.
    InkRect EraseTouched(const CEraserMask& mask, uint32_t time);
    // The area stroke i, taken as an eraser, touches among the strokes before
    // it, united with what layer reports for the same mask (layer may be
    // null). Marks nothing.
    InkRect GetTouchedArea(int i, IStrokeLayer* layer);

    CLayer* Owner() const { return owner_; }
    void SetOwner(CLayer* owner) { owner_ = owner; }

private:
    CLine* current_ = nullptr;
    CLayer* owner_ = nullptr;
    std::vector<std::unique_ptr<CLine>> strokes_;
};
