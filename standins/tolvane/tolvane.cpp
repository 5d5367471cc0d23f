// The picture library: the platform's own codecs (GDI+, flat interface) write
// bitmaps as JPEG files and read picture files back into bitmaps.
#include "GdiPlus.h"
#include "TolvaneApi.h"

#include <string>
#include <vector>

namespace gp = Gdiplus::DllExports;

namespace {

constexpr ULONG kJpegQuality = 90;
// EncoderQuality, spelled out: the import libraries do not all carry it.
constexpr GUID kEncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

std::wstring Wide(const char* text)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &out[0], n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

bool JpegEncoder(CLSID& clsid)
{
    UINT count = 0, bytes = 0;
    if (gp::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gp::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wstring(codecs[i].MimeType) == L"image/jpeg") {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The pixels of the bitmap in dc, copied out as 32-bit rows with the matte
// under them: a bitmap selected into a context is not handed to GDI+ itself.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> rows;
};

bool CopyPixels(HDC dc, HBITMAP bitmap, COLORREF matte, Pixels& out)
{
    if (!bitmap) bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP info = {};
    if (!bitmap || !GetObject(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    out.width = info.bmWidth;
    out.height = info.bmHeight;

    void* bits = nullptr;
    BITMAPINFO dib = {};
    dib.bmiHeader.biSize = sizeof(dib.bmiHeader);
    dib.bmiHeader.biWidth = out.width;
    dib.bmiHeader.biHeight = -out.height;
    dib.bmiHeader.biPlanes = 1;
    dib.bmiHeader.biBitCount = 32;
    dib.bmiHeader.biCompression = BI_RGB;
    HBITMAP copy = CreateDIBSection(dc, &dib, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copyDc = CreateCompatibleDC(dc);
    bool ok = false;
    if (copy && copyDc) {
        HGDIOBJ old = SelectObject(copyDc, copy);
        HBRUSH brush = CreateSolidBrush(matte);
        RECT all = {0, 0, out.width, out.height};
        FillRect(copyDc, &all, brush);
        DeleteObject(brush);
        if (GetCurrentObject(dc, OBJ_BITMAP) == bitmap) {
            ok = BitBlt(copyDc, 0, 0, out.width, out.height, dc, 0, 0, SRCCOPY) != 0;
        } else {
            HDC sourceDc = CreateCompatibleDC(dc);
            HGDIOBJ oldSource = SelectObject(sourceDc, bitmap);
            ok = BitBlt(copyDc, 0, 0, out.width, out.height, sourceDc, 0, 0, SRCCOPY) != 0;
            SelectObject(sourceDc, oldSource);
            DeleteDC(sourceDc);
        }
        GdiFlush();
        if (ok) {
            const auto* p = static_cast<const DWORD*>(bits);
            out.rows.assign(p, p + static_cast<size_t>(out.width) * out.height);
        }
        SelectObject(copyDc, old);
    }
    if (copyDc) DeleteDC(copyDc);
    if (copy) DeleteObject(copy);
    return ok;
}

}  // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI CreateAttachment(HDC dc, HBITMAP bitmap, const char* path, int kind,
                                                   COLORREF matte, int flags)
{
    if (!dc || !path || kind != kAttachmentJpeg) return FALSE;
    Pixels pixels;
    if (!CopyPixels(dc, bitmap, matte, pixels)) return FALSE;

    fw::ScopedGdiplus gdiplus;
    CLSID jpeg;
    if (!gdiplus.Ok() || !JpegEncoder(jpeg)) return FALSE;
    Gdiplus::GpBitmap* image = nullptr;
    if (gp::GdipCreateBitmapFromScan0(pixels.width, pixels.height, pixels.width * 4, PixelFormat32bppRGB,
                                      reinterpret_cast<BYTE*>(pixels.rows.data()), &image) != Gdiplus::Ok)
        return FALSE;
    ULONG quality = kJpegQuality;
    Gdiplus::EncoderParameters params;
    params.Count = 1;
    params.Parameter[0].Guid = kEncoderQuality;
    params.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    params.Parameter[0].NumberOfValues = 1;
    params.Parameter[0].Value = &quality;
    const std::wstring target = Wide(path);
    const bool saved = gp::GdipSaveImageToFile(image, target.c_str(), &jpeg, &params) == Gdiplus::Ok;
    gp::GdipDisposeImage(image);
    return saved ? TRUE : FALSE;
}

__declspec(dllexport) HBITMAP WINAPI CreateBitmapFromFile(const char* path, int* width, int* height)
{
    if (width) *width = 0;
    if (height) *height = 0;
    if (!path) return nullptr;
    fw::ScopedGdiplus gdiplus;
    if (!gdiplus.Ok()) return nullptr;
    const std::wstring source = Wide(path);
    Gdiplus::GpBitmap* image = nullptr;
    if (gp::GdipCreateBitmapFromFile(source.c_str(), &image) != Gdiplus::Ok || !image) return nullptr;
    HBITMAP bitmap = nullptr;
    UINT w = 0, h = 0;
    gp::GdipGetImageWidth(image, &w);
    gp::GdipGetImageHeight(image, &h);
    // White under any transparency, as the picture would show on a page.
    if (gp::GdipCreateHBITMAPFromBitmap(image, &bitmap, 0xFFFFFFFF) != Gdiplus::Ok) bitmap = nullptr;
    gp::GdipDisposeImage(image);
    if (bitmap) {
        if (width) *width = static_cast<int>(w);
        if (height) *height = static_cast<int>(h);
    }
    return bitmap;
}

}  // extern "C"
