#pragma once
// The pixels one ink shape covers, with edge coverage for smooth edges, and
// how the shape is laid over a 32-bit surface. A shape is built from round
// dots and convex quadrilaterals; where they overlap, a pixel keeps the larger
// coverage, so a stroke made of many pieces is blended once, as a single
// outline would be.
//
// Pixel centres have integer coordinates. Coverage is the part of a pixel
// inside the outline, estimated from the centre's distance to the edges.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "PenKinds.h"
#include "RasterGeometry.h"

// A shape of one convex quadrilateral needs no coverage buffer: it is blended
// over the surface's pixels within limit as it is walked. Edges flagged in
// wholePixelEdges (bit i: from corner i to the next) take a pixel whole when
// its centre lies inside, else not at all, so that two quadrilaterals sharing
// such an edge share out its pixels without a seam.
void BlendQuad(const InkSurface& surface, const InkBox& limit, const InkVec (&corners)[4], ColourRef ink,
               int alpha, unsigned wholePixelEdges = 0);

class CInkCoverage {
public:
    // Starts a shape that may touch only the pixels of limit.
    void Begin(const InkBox& limit);

    // A round dot of radius r.
    void Disc(InkVec centre, double r);
    // A round dot of a whole diameter centred on a pixel.
    void Dot(int x, int y, int diameter);
    // A convex quadrilateral, its corners in order around it; edges flagged
    // as for BlendQuad take pixels whole.
    void Quad(const InkVec (&corners)[4], unsigned wholePixelEdges = 0);

    // Blends the ink over the surface by coverage times alpha (0..255), in
    // gamma-corrected light, and clears the shape for the next one.
    void Composite(const InkSurface& surface, ColourRef ink, int alpha);

private:
    void Cover(int x, int y, int value);
    void Touch(int x0, int y0, int x1, int y1);  // inclusive
    void StampDisc(int cx, int cy, int diameter);

    InkBox limit_;
    size_t stride_ = 0;
    std::vector<uint8_t> cover_;       // limit_'s pixels, row by row
    InkBox touched_;                   // the pixels any piece reached
};
