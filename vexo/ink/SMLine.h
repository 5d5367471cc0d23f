#pragma once
// The soft stroke renderer: smooths the raw pen positions, draws round-capped
// segments and stamps soft dots where the pen starts or lingers. Brush
// strokes, the eraser's trace and the start dot of stored strokes use it.
#include <cstdint>

#include "InkCanvas.h"

class CSMLine {
public:
    enum Phase { kFirstPoint = 0, kMiddlePoint = 1, kLastPoint = 2 };

    // One step of a soft stroke from (prevX, prevY) to (x, y). Phase
    // kFirstPoint resets the renderer; otherwise its state carries on from
    // the previous call, also from one stroke into the next.
    void DrawStep(IInkCanvas& canvas, int prevX, int prevY, int x, int y, int width, ColourRef colour,
                  int phase, int maxPressure);
    // A soft round dot, kept inside a square of 13 x 13 pixels.
    void StampDot(IInkCanvas& canvas, int x, int y, int width);
    // Blends the ink colour into one pixel; distance 0 is the dot's centre.
    void BlendPixel(IInkCanvas& canvas, int x, int y, int distance);

    static constexpr int kMaxDotRadius = 6;
    // The width a step draws its segment with, for a point's stored width.
    static int SegmentWidth(int width, int maxPressure);

private:
    // The pixel's new colour, or kInvalidPixel when the blend leaves it alone.
    ColourRef Blended(ColourRef current, int distance) const;

    InkPoint q2_, q1_, q0_;  // smoothed positions, q0_ newest
    InkPoint lastRaw_;
    uint16_t r_ = 0, g_ = 0, b_ = 0;
    int parity_ = 1;
    int startWidth_ = 0;
    int w2_ = 0, w1_ = 0, w0_ = 0;
    int pendingWidth_ = 0;
    bool started_ = true;
};
