#include "PenKinds.h"

const ColourRef kColourTable[kColourCount] = {
    0x404074,                                      // 0: selected by no button
    0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000,  // 1..5
    0xFFFF00, 0xFF00FF, 0x00FFFF, 0x404000, 0x000080,  // 6..10
    0x008000, 0x800080, 0xFF8000, 0x804000, 0xFF8080,  // 11..15
};

ColourRef ColourFromIndex(int index)
{
    return index >= 0 && index < kColourCount ? kColourTable[index] : kColourTable[0];
}

int16_t PenPointWidth(int level) { return static_cast<int16_t>(level <= 2 ? level : 2 * level); }

int16_t MarkerPointWidth(int level) { return static_cast<int16_t>(2 * level); }

int16_t BrushFirstPointWidth(int level, int pressure)
{
    return static_cast<int16_t>(level * pressure / 3);
}

int16_t BrushLaterPointWidth(int firstWidth) { return static_cast<int16_t>(firstWidth / 20); }
