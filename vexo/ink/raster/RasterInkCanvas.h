#pragma once
// Strokes drawn straight into a 32-bit pixel buffer by our own rasteriser,
// with the pen setups of the platform's graphics library: smooth edges, the
// solid pen's round start and flat end, the marker's translucent slanted nib
// with flat ends and round joins, the soft segment's round ends, and
// gamma-corrected blending. A page of strokes is drawn within a frame, where
// one library call per segment or curve costs more than that per stroke.
//
// Opaque segments of the same pen are collected and blended as one shape
// until something else is drawn or read; each marker curve is blended on its
// own, curve over curve.
#include <vector>

#include "InkCanvas.h"
#include "InkCoverage.h"

class CRasterInkCanvas : public IInkCanvas {
public:
    // Draws on the surface's pixels within clip (surface pixels); a stroke
    // point (x, y) is the surface pixel (x + offsetX, y + offsetY).
    CRasterInkCanvas(const InkSurface& surface, const InkBox& clip, int offsetX = 0, int offsetY = 0);
    ~CRasterInkCanvas() override;
    CRasterInkCanvas(const CRasterInkCanvas&) = delete;
    CRasterInkCanvas& operator=(const CRasterInkCanvas&) = delete;

    void Flush() override;

    void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) override;
    void MarkerCurve(const InkPoint (&points)[4], int width, ColourRef colour) override;
    void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) override;
    ColourRef GetPixel(int x, int y) override;
    void SetPixel(int x, int y, ColourRef colour) override;
    void ReadPixels(int left, int top, int width, int height, ColourRef* out) override;
    void WritePixels(int left, int top, int width, int height, const ColourRef* in) override;

private:
    enum class Ends { kRoundStartFlatEnd, kRoundBoth };
    struct Segment {  // surface coordinates
        InkPoint from;
        InkPoint to;
    };

    void AddSegment(Ends ends, InkPoint from, InkPoint to, int width, ColourRef colour);
    void DrawPendingSegments();
    bool Inside(int x, int y) const;  // surface coordinates

    InkSurface surface_;
    InkBox clip_;
    int offsetX_;
    int offsetY_;
    CInkCoverage coverage_;

    // Opaque segments not yet blended, all of one pen.
    bool runOpen_ = false;
    std::vector<Segment> run_;
    Ends runEnds_ = Ends::kRoundBoth;
    int runWidth_ = 0;
    ColourRef runColour_ = 0;
    InkBox runBox_;
};
