#include "EraseBitmap.h"

#include <string>

#include "Strings.h"

namespace {

void ReportMissingHandle(const char* function)
{
    fw::MsgBoxText(nullptr, "Function parameter error", function, MB_OK);
}

bool BitmapSize(HBITMAP bitmap, LONG& width, LONG& height)
{
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    width = info.bmWidth;
    height = info.bmHeight;
    return true;
}

size_t RowBytes(LONG width) { return (static_cast<size_t>(width) * 3 + 3) / 4 * 4; }

}  // namespace

size_t GetEraseInfo(HDC dc, HBITMAP bitmap)
{
    if (!dc || !bitmap) {
        ReportMissingHandle("GetEraseInfo");
        return 0;
    }
    LONG width = 0, height = 0;
    if (!BitmapSize(bitmap, width, height)) return 0;
    return RowBytes(width) * static_cast<size_t>(height);
}

bool MemoryTransferToBuffer(HDC dc, HBITMAP bitmap, size_t size, uint8_t* buffer)
{
    if (!dc || !bitmap) {
        ReportMissingHandle("MemoryTransferToBuffer");
        return false;
    }
    LONG width = 0, height = 0;
    if (!buffer || !BitmapSize(bitmap, width, height)) return false;
    if (size < RowBytes(width) * static_cast<size_t>(height)) return false;

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    return GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), buffer, &bi, DIB_RGB_COLORS) == height;
}
