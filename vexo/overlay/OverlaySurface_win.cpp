#include "OverlaySurface_win.h"

#include "Lines.h"

IInkCanvas* COverlayLiveInk::Begin(const InkRect& area)
{
    End();
    if (!window_) return nullptr;
    dc_ = GetDC(window_);
    if (!dc_) return nullptr;
    saved_ = SaveDC(dc_);
    SetViewportOrgEx(dc_, -originX_, -originY_, nullptr);
    IntersectClipRect(dc_, area.left, area.top, area.right, area.bottom);
    ink_.emplace(dc_);
    return &ink_->Canvas();
}

void COverlayLiveInk::End()
{
    ink_.reset();  // writes the drawn pixels back
    if (!dc_) return;
    if (saved_) RestoreDC(dc_, saved_);
    ReleaseDC(window_, dc_);
    dc_ = nullptr;
    saved_ = 0;
}

void COverlayComposer::Release()
{
    if (dc_) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    old_ = nullptr;
    width_ = height_ = 0;
}

bool COverlayComposer::Paint(HDC target, HDC background, CLines& lines, int width, int height)
{
    if (width <= 0 || height <= 0) return false;
    if (!bitmap_ || width != width_ || height != height_) {
        Release();
        void* bits = nullptr;
        bitmap_ = fw::CreateDib32(target, width, height, &bits);
        dc_ = bitmap_ ? CreateCompatibleDC(target) : nullptr;
        if (!dc_) {
            Release();
            return false;
        }
        old_ = SelectObject(dc_, bitmap_);
        width_ = width;
        height_ = height;
    }
    if (background) {
        BitBlt(dc_, 0, 0, width, height, background, 0, 0, SRCCOPY);
    } else {
        PatBlt(dc_, 0, 0, width, height, BLACKNESS);
    }
    DrawAll(dc_, lines);
    BitBlt(target, 0, 0, width, height, dc_, 0, 0, SRCCOPY);
    return true;
}
