#pragma once
// The surface strokes are drawn on. The stroke code decides which segment,
// curve and pixel to draw; a canvas only knows how to put it on its device
// (our rasteriser on a pixel buffer, GDI+ and GDI on a device context that
// only they can draw on, a recording raster in tests).
#include <cstdint>

#include "PenKinds.h"

struct InkPoint {
    int x = 0;
    int y = 0;

    bool operator==(const InkPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const InkPoint& o) const { return !(*this == o); }
};

// What GetPixel reports for a pixel outside the surface or its clipping.
constexpr ColourRef kInvalidPixel = 0xFFFFFFFF;

class IInkCanvas {
public:
    virtual ~IInkCanvas() = default;

    // Opaque pen: round start cap, flat end and dash caps, round join.
    virtual void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) = 0;
    // Translucent (alpha 200) slanted nib, flat caps, round join: one cubic
    // Bezier curve through the four control points.
    virtual void MarkerCurve(const InkPoint (&points)[4], int width, ColourRef colour) = 0;
    // Opaque pen with round caps and join, for the soft renderer's segments.
    virtual void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) = 0;

    // Completes drawing a canvas may hold back to draw it in fewer calls;
    // timed drawing calls it before it waits, so the ink shows meanwhile.
    virtual void Flush() {}

    // Single pixels for the soft renderer's dots.
    virtual ColourRef GetPixel(int x, int y) = 0;
    virtual void SetPixel(int x, int y, ColourRef colour) = 0;

    // A rectangle of pixels at once, row by row from its top-left corner, so
    // that a dot costs one read and one write rather than two device calls
    // per pixel. Pixels GetPixel cannot read come back as kInvalidPixel;
    // entries given as kInvalidPixel are left alone when writing.
    virtual void ReadPixels(int left, int top, int width, int height, ColourRef* out)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) *out++ = GetPixel(left + x, top + y);
    }
    virtual void WritePixels(int left, int top, int width, int height, const ColourRef* in)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x, ++in)
                if (*in != kInvalidPixel) SetPixel(left + x, top + y, *in);
    }
};
