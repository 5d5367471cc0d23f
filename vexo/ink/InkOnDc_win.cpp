#include "InkOnDc.h"

#include <algorithm>

#include "Gdi.h"
#include "Lines.h"

namespace {

// The wait cursor for the length of a drawing pass.
class ScopedWaitCursor {
public:
    ScopedWaitCursor() : old_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~ScopedWaitCursor() { SetCursor(old_); }
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

private:
    HCURSOR old_;
};

// The DC's clipping is at most one rectangle (or none at all).
bool ClipIsRectangle(HDC dc)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (!region) return false;
    RECT box;
    const int has = GetClipRgn(dc, region);
    const bool simple = has == 0 || (has == 1 && GetRgnBox(region, &box) == SIMPLEREGION);
    DeleteObject(region);
    return simple;
}

bool IsStandardRgb32(const DIBSECTION& dib)
{
    if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits) return false;
    if (dib.dsBmih.biCompression == BI_RGB) return true;
    return dib.dsBmih.biCompression == BI_BITFIELDS && dib.dsBitfields[0] == 0xFF0000 &&
           dib.dsBitfields[1] == 0xFF00 && dib.dsBitfields[2] == 0xFF;
}

// Whether the DIB section's first row in memory is the top row. Its header
// says so by a negative height, but some GDI implementations report every
// DIB section as bottom-up; then the device's top-left pixel is looked up in
// memory, marked twice with different values so that no pixel can match both
// by chance.
bool RowsTopDown(HDC dc, const DIBSECTION& dib)
{
    if (dib.dsBmih.biHeight < 0 || dib.dsBm.bmHeight < 2) return true;
    void* probeBits = nullptr;
    const HBITMAP probe = fw::CreateDib32(dc, 1, 1, &probeBits);
    const HDC probeDc = probe ? CreateCompatibleDC(dc) : nullptr;
    if (!probeDc) {
        if (probe) DeleteObject(probe);
        return false;
    }
    const HGDIOBJ old = SelectObject(probeDc, probe);
    POINT topLeft = {0, 0};
    DPtoLP(dc, &topLeft, 1);
    auto* first = static_cast<uint32_t*>(dib.dsBm.bmBits);
    const uint32_t saved = *first;
    bool topDown = true;
    for (const uint32_t flip : {0x00FFFFFFu, 0x00550055u}) {
        *first = saved ^ flip;
        BitBlt(probeDc, 0, 0, 1, 1, dc, topLeft.x, topLeft.y, SRCCOPY);
        GdiFlush();
        topDown = topDown && ((*static_cast<uint32_t*>(probeBits) ^ *first) & 0xFFFFFF) == 0;
    }
    *first = saved;
    SelectObject(probeDc, old);
    DeleteDC(probeDc);
    DeleteObject(probe);
    return topDown;
}

// The 32-bit bitmap a drawing through a copy works on, kept for the next
// drawing on the same thread: freshly allocated memory costs a page fault
// per 4 KB on first use, which for a screenful takes longer than drawing
// the whole page under some systems.
class CCopyBitmap {
public:
    CCopyBitmap() = default;
    ~CCopyBitmap() { Release(); }
    CCopyBitmap(const CCopyBitmap&) = delete;
    CCopyBitmap& operator=(const CCopyBitmap&) = delete;

    // A memory DC holding a top-down bitmap at least width x height; null
    // when none can be made.
    HDC Get(HDC like, int width, int height)
    {
        if (bitmap_ && width <= width_ && height <= height_) return dc_;
        // Large enough for what it held before too, so that areas of
        // changing shapes do not make it anew each time.
        width = std::max(width, width_);
        height = std::max(height, height_);
        Release();
        void* bits = nullptr;
        bitmap_ = fw::CreateDib32(like, width, height, &bits);
        dc_ = bitmap_ ? CreateCompatibleDC(like) : nullptr;
        if (!dc_) return nullptr;
        old_ = SelectObject(dc_, bitmap_);
        bits_ = static_cast<uint32_t*>(bits);
        width_ = width;
        height_ = height;
        return dc_;
    }
    // Its top-left width x height pixels.
    InkSurface Surface(int width, int height) const { return {bits_, width_, width, height}; }

private:
    void Release()
    {
        if (dc_) {
            SelectObject(dc_, old_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = nullptr;
        dc_ = nullptr;
        old_ = nullptr;
        bits_ = nullptr;
        width_ = height_ = 0;
    }

    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

CCopyBitmap& ThreadCopyBitmap()
{
    thread_local CCopyBitmap copy;
    return copy;
}

}  // namespace

CInkOnDc::CInkOnDc(HDC dc) : dc_(dc)
{
    if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE) {
        gdiplus_ = std::make_unique<CGdiInkCanvas>(dc);
        return;
    }
    POINT offset = {0, 0};  // device position of the logical origin
    LPtoDP(dc, &offset, 1);
    RECT box;
    const int clipKind = GetClipBox(dc, &box);
    const InkBox clip =
        clipKind == NULLREGION || clipKind == ERROR ? InkBox{} : InkBox{box.left, box.top, box.right, box.bottom};
    if (!UseDibSection(clip, offset)) UseCopy(clip);
}

CInkOnDc::~CInkOnDc()
{
    if (raster_) raster_->Flush();
    if (copyDc_) {
        GdiFlush();
        BitBlt(dc_, copyBox_.left, copyBox_.top, copyBox_.right - copyBox_.left, copyBox_.bottom - copyBox_.top,
               copyDc_, 0, 0, SRCCOPY);
    }
}

IInkCanvas& CInkOnDc::Canvas()
{
    if (gdiplus_) return *gdiplus_;
    if (!raster_)
        raster_ = std::make_unique<CRasterInkCanvas>(target_.surface, target_.clip, target_.offsetX, target_.offsetY);
    return *raster_;
}

bool CInkOnDc::UseDibSection(const InkBox& clip, POINT offset)
{
    if (GetObjectType(dc_) != OBJ_MEMDC || !ClipIsRectangle(dc_)) return false;
    const HGDIOBJ bitmap = GetCurrentObject(dc_, OBJ_BITMAP);
    DIBSECTION dib;
    if (!bitmap || GetObject(bitmap, sizeof(dib), &dib) != sizeof(dib) || !IsStandardRgb32(dib)) return false;

    GdiFlush();  // GDI drawing still queued must reach the bits first
    const ptrdiff_t rowPixels = dib.dsBm.bmWidthBytes / 4;
    InkSurface surface;
    surface.width = dib.dsBm.bmWidth;
    surface.height = dib.dsBm.bmHeight;
    if (RowsTopDown(dc_, dib)) {
        surface.origin = static_cast<uint32_t*>(dib.dsBm.bmBits);
        surface.stride = rowPixels;
    } else {
        surface.origin = static_cast<uint32_t*>(dib.dsBm.bmBits) + rowPixels * (surface.height - 1);
        surface.stride = -rowPixels;
    }
    target_ = {surface, {clip.left + offset.x, clip.top + offset.y, clip.right + offset.x, clip.bottom + offset.y},
               offset.x, offset.y};
    return true;
}

void CInkOnDc::UseCopy(const InkBox& clip)
{
    InkSurface surface;
    if (!clip.Empty()) {
        const int width = clip.right - clip.left, height = clip.bottom - clip.top;
        CCopyBitmap& copy = ThreadCopyBitmap();
        copyDc_ = copy.Get(dc_, width, height);
        if (copyDc_) {
            copyBox_ = {clip.left, clip.top, clip.right, clip.bottom};
            BitBlt(copyDc_, 0, 0, width, height, dc_, clip.left, clip.top, SRCCOPY);
            GdiFlush();
            surface = copy.Surface(width, height);
        }
    }
    // Without a copy nothing is drawn, as when every drawing call fails.
    target_ = {surface, {0, 0, surface.width, surface.height}, -clip.left, -clip.top};
}

void DrawAll(HDC dc, CLines& lines)
{
    ScopedWaitCursor wait;
    CInkOnDc target(dc);
    if (const InkTarget* pixels = target.Target()) RasterDraw(lines.StrokesToDraw(), *pixels);
    else lines.DrawAll(target.Canvas());
}

void DrawInArea(HDC dc, CLines& lines, const InkRect& area, int n)
{
    ScopedWaitCursor wait;
    CInkOnDc target(dc);
    if (const InkTarget* pixels = target.Target()) RasterDraw(lines.StrokesToDraw(area, n), *pixels);
    else lines.DrawInArea(target.Canvas(), area, n);
}
