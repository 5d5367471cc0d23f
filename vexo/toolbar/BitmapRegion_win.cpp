#include "BitmapRegion_win.h"

#include <cstdint>
#include <vector>

#include "BitmapRegion.h"
#include "Gdi.h"

namespace {
constexpr COLORREF kShapeTransparent = RGB(255, 255, 255);

// COLORREF is 0x00BBGGRR, 32-bit DIB pixels 0x00RRGGBB.
std::uint32_t DibColour(COLORREF colour)
{
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}
}  // namespace

HRGN RegionFromBitmap(HWND window, HBITMAP bitmap, COLORREF transparent)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return nullptr;
    const int width = info.bmWidth;
    const int height = info.bmHeight;

    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    {
        fw::ScopedGetDC screen(window);
        fw::ScopedMemDC memory(screen);
        // GetDIBits wants the bitmap not selected anywhere; the memory context
        // only supplies a compatible device.
        if (GetDIBits(memory, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS) != height)
            return nullptr;
    }

    fw::ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (!region) return nullptr;
    for (const RegionRect& r : OpaqueRuns(pixels.data(), width, height, width, DibColour(transparent))) {
        fw::ScopedRegion run(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        if (!run || CombineRgn(region, region, run, RGN_OR) == ERROR) return nullptr;
    }
    return region.Release();
}

bool ShapeWindow(HWND window, int bitmapId, HINSTANCE module)
{
    fw::ScopedBitmap bitmap(LoadBitmapA(module, MAKEINTRESOURCEA(bitmapId)));
    if (!bitmap) return false;
    fw::ScopedRegion region(RegionFromBitmap(window, bitmap, kShapeTransparent));
    RECT bounds = {};
    if (!region || GetRgnBox(region, &bounds) == NULLREGION) return false;
    {
        // The context keeps its own copy of the clip region.
        fw::ScopedGetDC dc(window);
        SelectClipRgn(dc, region);
    }
    // The window owns the region from here on.
    if (!SetWindowRgn(window, region, TRUE)) return false;
    region.Release();
    return true;
}
