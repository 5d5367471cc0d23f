#pragma once
// Turns tablet packets into ink, one packet at a time: which packet starts,
// continues or ends a stroke, which point is stored with which width, what
// is drawn live and when the eraser erases. Cursor 1 is the pen and draws
// real ink; cursor 0 draws a blue trace that is not kept.
#include <cstdint>

#include "InkCanvas.h"
#include "Line.h"
#include "PenKinds.h"
#include "SMLine.h"

class CLines;

// The fields of a packet the intake uses.
struct TabletPacket {
    uint32_t time = 0;  // ms
    uint32_t cursor = 0;
    uint32_t buttons = 0;
    int32_t x = 0;  // screen pixels, 0 at the top left
    int32_t y = 0;
    uint32_t pressure = 0;  // normal pressure, raw
};

inline constexpr uint32_t kCursorPreview = 0;
inline constexpr uint32_t kCursorPen = 1;
inline constexpr uint32_t kButtonsTip = 1;

// The live trace of cursor 0: opaque blue (the marker canvas adds its alpha).
inline constexpr ColourRef kPreviewColour = 0x00FF0000;

// What a recording makes of the pen's strokes. Does nothing while no
// recording runs, which is all this default does.
class IPenRecorder {
public:
    virtual ~IPenRecorder() = default;
    virtual void BeginRecordedLine(ColourRef /*colour*/, uint16_t /*penKind*/) {}
    virtual void AddRecordedPoint(int /*x*/, int /*y*/, int /*width*/, uint32_t /*time*/) {}
    virtual void RecordEraserStroke() {}
};

// The overlay as the intake sees it.
class IPenIntakeHost {
public:
    virtual ~IPenIntakeHost() = default;
    // The stroke list of the page shown now.
    virtual CLines& CurrentPage() = 0;
    // A canvas in screen coordinates for drawing within area, or null when
    // nothing can be drawn; EndLive puts what was drawn on the screen.
    virtual IInkCanvas* BeginLive(const InkRect& area) = 0;
    virtual void EndLive() = 0;
    // The whole overlay is painted again, without erasing its background.
    virtual void InvalidateOverlay() = 0;
    // The toolbar's display recovery, when the display changed.
    virtual bool DisplayChanged() const = 0;
    virtual void RecoverDisplay() = 0;
};

class CPenIntake {
public:
    CPenIntake(IPenIntakeHost& host, IPenRecorder& recorder) : host_(host), recorder_(&recorder) {}

    // One WT_PACKET: the pen, the trace, or nothing for other cursors; then
    // the display recovery when it is due.
    void Packet(const TabletPacket& packet);
    void PenPacket(const TabletPacket& packet);
    void PreviewPacket(const TabletPacket& packet);

    void SetRecorder(IPenRecorder& recorder) { recorder_ = &recorder; }
    // The left button went down on the overlay (and the overlay holds the
    // mouse) or came up again.
    void SetButtonDown(bool down) { buttonDown_ = down; }
    bool ButtonDown() const { return buttonDown_; }
    // Forgets any stroke or trace under way (a new window, a new context).
    void ResetPenState();

    void SetTool(int tool) { tool_ = tool; }
    void SetWidthLevel(int level) { level_ = level; }
    void SetColour(ColourRef colour) { colour_ = colour; }
    void SetMaxPressure(int maxPressure) { maxPressure_ = maxPressure; }
    int Tool() const { return tool_; }
    int WidthLevel() const { return level_; }
    ColourRef Colour() const { return colour_; }
    int MaxPressure() const { return maxPressure_; }

    bool TipDown() const { return tipDown_; }
    bool StrokeActive() const { return strokeActive_; }
    bool PreviewActive() const { return previewActive_; }

    // The width value of a packet for the current tool and level: pen 1, 6
    // or 10; brush level x pressure / 3; marker 2, 6 or 10; otherwise 1.
    int16_t WidthValue(uint32_t pressure) const;
    // The colour a stroke of the current tool is drawn and stored with.
    ColourRef ToolColour() const;

private:
    struct History {
        InkPoint p2{-1, -1}, p1{-1, -1}, last{-1, -1};
        void Shift(InkPoint to)
        {
            p2 = p1;
            p1 = last;
            last = to;
        }
        void Forget() { p2 = p1 = last = InkPoint{-1, -1}; }
        bool AllPlaced() const
        {
            return p2.x >= 0 && p2.y >= 0 && p1.x >= 0 && p1.y >= 0 && last.x >= 0 && last.y >= 0;
        }
    };

    void StartHistory(History& history, InkPoint at) const;
    void StorePoint(const TabletPacket& packet, int width);
    void DrawSolid(InkPoint from, InkPoint to, int width, ColourRef colour);
    void DrawMarker(const History& history, InkPoint to, int width, ColourRef colour);
    void DrawSoft(CSMLine& renderer, InkPoint from, InkPoint to, const History& history, int width,
                  ColourRef colour, int phase);
    void EndPenStroke();
    void EndPreviewTrace();

    IPenIntakeHost& host_;
    IPenRecorder* recorder_;

    int tool_ = kPenBrush;
    int level_ = 1;
    ColourRef colour_ = 0;
    int maxPressure_ = 1023;

    bool buttonDown_ = false;
    bool tipDown_ = false;
    bool strokeActive_ = false;
    bool previewActive_ = false;
    History pen_;
    History preview_;
    int16_t lastWidth_ = 0;  // shared by both cursors
    CSMLine penRenderer_;
    CSMLine previewRenderer_;
};
