#pragma once
// The recorder: while a recording runs, what the user draws on the overlay
// goes into the recording's layers with the time of every point, page by
// page. The overlay calls BeginPageLayer after each page switch and the
// Begin/Add/Record operations from its pen intake; every operation but
// StartRecording does nothing outside a recording.
#include <cstdint>
#include <memory>

#include "Recording.h"

namespace vexo {

// What the recorder asks of the overlay and the screen.
class IRecorderHost {
public:
    virtual ~IRecorderHost() = default;
    virtual int CurrentPageCode() const = 0;
    virtual InkRect OverlayClientRect() const = 0;
    // The "TRANSPARENT" display mode: the page's ink is not part of its picture.
    virtual bool TransparentDisplay() const = 0;
    // The screen's pixels from its origin, width by height.
    virtual std::unique_ptr<IPicture> CopyScreen(int width, int height) = 0;
    virtual std::unique_ptr<IPicture> FilledPicture(int width, int height, ColourRef colour) = 0;
    // Draws the overlay's current page strokes onto the picture.
    virtual void DrawPageInk(IPicture& picture) = 0;
    // A layer's time-line position (action) or collection index was set
    // before and keeps its first value; the recorder itself never does this.
    virtual void IndexAlreadySet(bool action) { (void)action; }
};

class CRecorder {
public:
    explicit CRecorder(IRecorderHost& host) : host_(host) {}

    void StartRecording();
    void StopRecording() { recording_ = false; }
    void ClearRecording();
    bool IsRecording() const { return recording_; }

    void BeginPageLayer();
    void BeginRecordedLine(ColourRef colour, uint16_t penKind);
    // packetTime is the tablet's time stamp in ms on the tick clock.
    void AddRecordedPoint(int x, int y, int width, uint32_t packetTime);
    void RecordEraserStroke();
    void RecordEraseAll();

    CRecording& Recording() { return layers_; }
    const CRecording& Recording() const { return layers_; }
    CLayer* CurrentLayer() const { return current_; }
    uint32_t StartTick() const { return startTick_; }

    // A loaded recording replaces the layers; the layer that received strokes
    // is gone with them.
    void Serialize(fw::CArchive& ar, RecordingFiles& files);

private:
    // Milliseconds from the start of the recording; a time stamp from
    // before the start counts as the start.
    uint32_t Since(uint32_t tick) const;
    // Now on the recording clock, at least 1 so that the mark holds.
    uint32_t EraseMoment() const;
    std::unique_ptr<IPicture> PagePicture(int pageId, const InkRect& rect);

    IRecorderHost& host_;
    CRecording layers_;
    bool recording_ = false;
    uint32_t startTick_ = 0;
    CLayer* current_ = nullptr;
};

}  // namespace vexo
