#pragma once
// Scoped GDI objects, device contexts and selections: every one is released
// where it was acquired, also on early returns.
#include <windows.h>

#include <utility>

namespace fw {

// Owns a pen, brush, font, bitmap or region; DeleteObject on destruction.
template <typename T>
class ScopedGdiObj {
public:
    ScopedGdiObj() = default;
    explicit ScopedGdiObj(T obj) : obj_(obj) {}
    ~ScopedGdiObj() { Reset(); }
    ScopedGdiObj(const ScopedGdiObj&) = delete;
    ScopedGdiObj& operator=(const ScopedGdiObj&) = delete;
    ScopedGdiObj(ScopedGdiObj&& o) noexcept : obj_(std::exchange(o.obj_, nullptr)) {}
    ScopedGdiObj& operator=(ScopedGdiObj&& o) noexcept
    {
        if (this != &o) { Reset(); obj_ = std::exchange(o.obj_, nullptr); }
        return *this;
    }

    T Get() const { return obj_; }
    operator T() const { return obj_; }
    explicit operator bool() const { return obj_ != nullptr; }
    T Release() { return std::exchange(obj_, nullptr); }
    void Reset(T obj = nullptr)
    {
        if (obj_) DeleteObject(obj_);
        obj_ = obj;
    }

private:
    T obj_ = nullptr;
};

using ScopedPen = ScopedGdiObj<HPEN>;
using ScopedBrush = ScopedGdiObj<HBRUSH>;
using ScopedFont = ScopedGdiObj<HFONT>;
using ScopedBitmap = ScopedGdiObj<HBITMAP>;
using ScopedRegion = ScopedGdiObj<HRGN>;

// A 32-bit DIB section without a colour table: 0x00RRGGBB pixels, rows top
// first unless bottomUp. bits receives the address of its pixels.
inline HBITMAP CreateDib32(HDC dc, int width, int height, void** bits, bool bottomUp = false)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = bottomUp ? height : -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~ScopedSelect()
    {
        if (old_) SelectObject(dc_, old_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// GetDC / ReleaseDC.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ScopedGetDC()
    {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// CreateCompatibleDC / DeleteDC.
class ScopedMemDC {
public:
    explicit ScopedMemDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemDC()
    {
        if (dc_) DeleteDC(dc_);
    }
    ScopedMemDC(const ScopedMemDC&) = delete;
    ScopedMemDC& operator=(const ScopedMemDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaintDC {
public:
    explicit ScopedPaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~ScopedPaintDC() { EndPaint(hwnd_, &ps_); }
    ScopedPaintDC(const ScopedPaintDC&) = delete;
    ScopedPaintDC& operator=(const ScopedPaintDC&) = delete;
    operator HDC() const { return dc_; }
    const RECT& PaintRect() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_ = {};
    HDC dc_;
};

// SaveDC / RestoreDC: background mode, text colour and the like.
class ScopedDCState {
public:
    explicit ScopedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~ScopedDCState()
    {
        if (saved_) RestoreDC(dc_, saved_);
    }
    ScopedDCState(const ScopedDCState&) = delete;
    ScopedDCState& operator=(const ScopedDCState&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace fw
