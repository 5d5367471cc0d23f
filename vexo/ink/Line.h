#pragma once
// A stroke: the points the pen produced between pen-down and pen-up, with the
// colour and pen kind it was drawn with.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "InkCanvas.h"
#include "PenKinds.h"
#include "SMLine.h"

namespace fw {
class CArchive;
}
class CEraserMask;

struct PointRecord {
    int16_t x;
    int16_t y;
    int16_t width;  // meaning set by the pen kind
    uint32_t time;  // ms: packet time stamp, or time since the recording started
};

struct InkRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool IsUnset() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool operator==(const InkRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

class CLine {
public:
    // Stored size of a stroke without points and of one point.
    static constexpr size_t kStoredHeaderSize = 4 + 16 + 4 + 2 + 4;
    static constexpr size_t kStoredPointSize = 2 + 2 + 2 + 4;

    CLine();

    void SetStrokeStyle(ColourRef colour, uint16_t penKind);
    void AddPoint(int x, int y, int width, uint32_t time);
    // Marks the stroke erased at a recording time; a stroke keeps the first
    // time it gets, and eraser strokes and time 0 never mark anything.
    void SetErased(uint32_t time);
    InkRect GetBounds() const { return bounds_; }
    uint32_t GetEndTime() const { return points_.empty() ? 0 : points_.back().time; }

    // Throws fw::ArchiveError on load when the data ends early or is damaged.
    void Serialize(fw::CArchive& ar);

    const std::vector<PointRecord>& Points() const { return points_; }
    int PointCount() const { return static_cast<int>(points_.size()); }
    uint16_t PenKind() const { return penKind_; }
    ColourRef Colour() const { return colour_; }
    int MaxPressure() const { return maxPressure_; }
    uint32_t EraseTime() const { return eraseTime_; }

    // Drawing. A hidden stroke (an eraser stroke, or one erased by the time
    // the playback clock shows, or at all when nothing plays) is not drawn.
    bool IsHidden() const;
    void Draw(IInkCanvas& canvas);
    // Draws the stroke, hidden or not, with a soft renderer of the caller's.
    // Every drawing starts the renderer afresh, so the pixels are those Draw
    // gives; drawing passes that run side by side each bring their own.
    void DrawWith(IInkCanvas& canvas, CSMLine& softRenderer) const;
    // Draws point by point, waiting for each point's time on the playback
    // clock; stops when the playing flag clears. Draws hidden strokes too.
    void DrawTimed(IInkCanvas& canvas);
    CSMLine& SoftRenderer() { return softRenderer_; }

    // Erasing: the mask of this stroke as an eraser path, and whether this
    // stroke lies on or inside such a path (its bounds inflated by 5 when it
    // does, else an empty rectangle; eraser strokes are never hit).
    CEraserMask BuildEraserMask() const;
    InkRect HitTest(const CEraserMask& mask) const;

    // The pixels the stroke's ink can reach, from its points and widths
    // (right and bottom exclusive), whatever its stored bounds say; empty
    // without points.
    InkRect Reach() const;
    // The width a point of this stroke is drawn with, for its stored width.
    int DrawnWidth(int storedWidth) const;

private:
    // What hit testing works out from the points: kept until the stroke
    // changes, so an eraser pass over a page costs one rectangle test for
    // each stroke it cannot reach.
    struct HitShape {
        bool valid = false;
        size_t points = 0;
        int maxPressure = 0;
        uint16_t penKind = 0;
        InkRect bounds;
        InkRect area;        // where the stroke can be hit
        InkRect box;         // the points' own box
        int64_t widest = 1;  // the widest hit pen
    };
    const HitShape& Shape() const;
    int64_t HitPenWidth(const PointRecord& p) const;

    struct DrawHistory;
    void DrawPoint(IInkCanvas& canvas, CSMLine& softRenderer, size_t i, DrawHistory& history) const;

    std::vector<PointRecord> points_;
    mutable HitShape hitShape_;
    uint16_t penKind_ = kPenPen;
    int maxPressure_;
    uint32_t eraseTime_ = 0;
    CSMLine softRenderer_;
    ColourRef colour_ = 0;
    InkRect bounds_;
};
