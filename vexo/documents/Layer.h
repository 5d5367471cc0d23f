#pragma once
// A recording layer: the ink drawn on one page while that page was current.
// A section is a page's first layer and holds its picture; a collection is a
// later layer that continues its parent. The chain from a section through its
// collections is walked in a loop, never by recursion, so a long recording
// (or a hostile file) cannot exhaust the stack.
#include <cstdint>
#include <vector>

#include "Lines.h"
#include "Picture.h"
#include "StrokeLayer.h"

namespace fw {
class CArchive;
}

namespace vexo {
class IPlaybackSurface;
}

class CSection;

class CLayer : public IStrokeLayer {
public:
    // Stored size of the common fields before the strokes.
    static constexpr size_t kStoredHeaderSize = 4 * 4;

    CLayer();
    ~CLayer() override = default;
    CLayer(const CLayer&) = delete;
    CLayer& operator=(const CLayer&) = delete;

    int32_t pageId = 0;
    uint32_t startTime = 0;

    int32_t GetIndexOfAction() const { return m_IndexOfAction; }
    // Sets the index when it is still -1; false (the old value kept) when it
    // was set before, which the caller reports.
    bool SetIndexOfAction(int32_t i);
    int32_t GetIndexOfCollection() const { return m_IndexOfCollection; }
    bool SetIndexOfCollection(int32_t i);

    CLines& Lines() { return lines_; }
    const CLines& Lines() const { return lines_; }

    // The layer this one continues; none for a section.
    virtual CLayer* Parent() const { return nullptr; }
    // The page's first layer, at the root of the chain.
    CSection* Root();
    // The earlier layers of the page, oldest (the section) first.
    std::vector<CLayer*> Earlier();

    // IStrokeLayer: what the eraser touches in the earlier layers, marking
    // nothing; the page put back inside area with the visible strokes that
    // meet it (the earlier layers' all, this layer's first count).
    InkRect GetTouchedArea(const CEraserMask& eraser) override;
    void RepaintArea(IInkCanvas& canvas, const InkRect& area, int count) override;
    // Waits for the layer's start on the playback clock, then puts the page
    // picture back.
    void RestorePicture(IInkCanvas& canvas) override;

    // Marks the strokes of this layer and the earlier ones that the eraser
    // touches as erased at time; returns the touched area.
    InkRect EraseTouched(const CEraserMask& eraser, uint32_t time);
    // The last stroke, when it is an eraser stroke, erases what it touches
    // among this layer's strokes before it and the earlier layers' strokes.
    InkRect EraseWithLastStroke(uint32_t time);
    void DrawPicture(vexo::IPlaybackSurface& surface);
    virtual uint32_t GetEndTime() const;
    // Shows the page as it stood when this layer began, then draws the
    // layer's strokes: against the playback clock when timed, else at once.
    void Play(vexo::IPlaybackSurface& surface, bool timed);

    // The common fields and the strokes.
    void SerializeLayer(fw::CArchive& ar);

protected:
    int32_t m_IndexOfCollection = -1;
    int32_t m_IndexOfAction = -1;
    CLines lines_;
};
