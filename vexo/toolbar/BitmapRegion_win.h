#pragma once
// Window regions from bitmaps: the compact toolbar's outline.
#include <windows.h>

// The region covering every pixel of bitmap whose colour is not transparent,
// read through a memory context compatible with window's screen context.
// An all-transparent bitmap gives an empty region; null if the bitmap
// cannot be read. The caller owns the region.
HRGN RegionFromBitmap(HWND window, HBITMAP bitmap, COLORREF transparent);

// Shapes the window after bitmap resource bitmapId of module, white being
// transparent, and redraws it. False (the window keeps its shape) if the
// bitmap is missing or has no opaque pixel: an empty region would make the
// window vanish.
bool ShapeWindow(HWND window, int bitmapId, HINSTANCE module = GetModuleHandleA(nullptr));
