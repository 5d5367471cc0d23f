#pragma once
// Pen kinds, the stored point widths of live drawing and the colour table of
// the toolbar strips.
#include <cstdint>

enum PenKind : uint16_t {
    kPenArrow = 0,     // a tool only; never stored
    kPenEraser = 2,    // removes whole strokes; never drawn once stored
    kPenPen = 3,       // opaque straight segments
    kPenBrush = 4,     // soft stroke
    kPenMarker = 5,    // translucent Bezier segments with a slanted nib
    kPenEraseAll = 6,  // the recorder's erase-all mark
};

// Colour values are 0x00BBGGRR.
using ColourRef = uint32_t;

constexpr int kColourCount = 16;  // entry 0 plus the 15 button colours
extern const ColourRef kColourTable[kColourCount];

// Colour of a toolbar colour index 0..15; entry 0 for anything outside.
ColourRef ColourFromIndex(int index);

// The point width live drawing stores for a width level (1, 3 or 5).
int16_t PenPointWidth(int level);     // the level up to 2, else twice the level
int16_t MarkerPointWidth(int level);  // twice the level
int16_t BrushFirstPointWidth(int level, int pressure);  // level * pressure / 3
int16_t BrushLaterPointWidth(int firstWidth);           // the first point's width / 20
