#include "GdiInkCanvas.h"

#include <algorithm>
#include <cmath>

#include "Gdi.h"
#include "SMLine.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr BYTE kSolidAlpha = 255;
constexpr BYTE kMarkerAlpha = 200;
// Many brush widths and colours on one page: the cache starts over rather
// than hold a pen for each.
constexpr size_t kMaxCachedPens = 64;
// Collected segments are drawn once they are this many, or before their
// bounds grow past this area: the platform composes each drawing over its
// bounding box, and strokes far apart would make that box large.
constexpr size_t kMaxRunPoints = 1024;
constexpr long kMaxCollectedArea = 256 * 256;
// The largest pixel block moved through the scratch bitmap.
constexpr int kScratchSide = 2 * CSMLine::kMaxDotRadius + 1;

ColourRef FromBgr(const BYTE* p) { return p[2] | (ColourRef{p[1]} << 8) | (ColourRef{p[0]} << 16); }

void ToBgr(ColourRef colour, BYTE* p)
{
    p[0] = static_cast<BYTE>(colour >> 16);
    p[1] = static_cast<BYTE>(colour >> 8);
    p[2] = static_cast<BYTE>(colour);
}

RECT SegmentBounds(InkPoint from, InkPoint to, int width)
{
    const int half = width / 2 + 2;
    return {std::min(from.x, to.x) - half, std::min(from.y, to.y) - half, std::max(from.x, to.x) + half,
            std::max(from.y, to.y) + half};
}

long Area(const RECT& r) { return long{r.right - r.left} * long{r.bottom - r.top}; }

// Soft segments have round caps at both ends. Joining two of them across a
// short gap adds, beyond the two round caps, only slivers along the edges as
// thick as the bulge below; under a tenth of a pixel the run can go on.
constexpr double kMaxBridgeBulge = 0.1;

bool BridgesUnseen(InkPoint end, InkPoint start, int width)
{
    const double r = width / 2.0;
    const double dx = start.x - end.x, dy = start.y - end.y;
    const double halfGapSquared = (dx * dx + dy * dy) / 4;
    return halfGapSquared < r * r && r - std::sqrt(r * r - halfGapSquared) <= kMaxBridgeBulge;
}

Gdiplus::ARGB ToArgb(ColourRef colour, BYTE alpha)
{
    const BYTE r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    return (Gdiplus::ARGB{alpha} << 24) | (Gdiplus::ARGB{r} << 16) | (Gdiplus::ARGB{g} << 8) | b;
}

}  // namespace

CGdiInkCanvas::CGdiInkCanvas(HDC dc) : dc_(dc) {}

CGdiInkCanvas::~CGdiInkCanvas()
{
    Flush();
    ReleasePens();
    if (graphics_) gp::GdipDeleteGraphics(graphics_);
    if (oldBrush_) SelectObject(dc_, oldBrush_);
    if (clip_) DeleteObject(clip_);
    if (scratchDc_) {
        SelectObject(scratchDc_, oldScratch_);
        DeleteDC(scratchDc_);
    }
    if (scratch_) DeleteObject(scratch_);
}

void CGdiInkCanvas::Flush()
{
    if (!run_.empty() || gdiplusPending_) scratchHolds_ = {};
    DrawPendingSegments();
    if (graphics_ && gdiplusPending_) gp::GdipFlush(graphics_, Gdiplus::FlushIntentionSync);
    gdiplusPending_ = false;
}

Gdiplus::GpGraphics* CGdiInkCanvas::Graphics()
{
    if (graphics_ || graphicsFailed_) return graphics_;
    if (gp::GdipCreateFromHDC(dc_, &graphics_) != Gdiplus::Ok) {
        graphics_ = nullptr;
        graphicsFailed_ = true;
        return nullptr;
    }
    gp::GdipSetSmoothingMode(graphics_, Gdiplus::SmoothingModeHighQuality);
    gp::GdipSetCompositingMode(graphics_, Gdiplus::CompositingModeSourceOver);
    gp::GdipSetCompositingQuality(graphics_, Gdiplus::CompositingQualityGammaCorrected);

    // Some GDI+ implementations fill the outline of a wide polyline drawn on
    // a 32-bit DIB section by the alternate rule, leaving holes where the
    // stroke crosses itself; there every segment is drawn on its own.
    if (GetObjectType(dc_) == OBJ_MEMDC) {
        DIBSECTION dib;
        const HGDIOBJ bitmap = GetCurrentObject(dc_, OBJ_BITMAP);
        if (bitmap && GetObject(bitmap, sizeof(dib), &dib) == sizeof(dib) && dib.dsBm.bmBitsPixel == 32)
            segmentRuns_ = false;
    }
    return graphics_;
}

Gdiplus::GpPen* CGdiInkCanvas::Pen(PenSetup setup, int width, ColourRef colour)
{
    const PenKey key{setup, width, colour};
    if (auto it = pens_.find(key); it != pens_.end()) return it->second;
    if (pens_.size() >= kMaxCachedPens) ReleasePens();

    Gdiplus::GpSolidFill* brush = nullptr;
    const BYTE alpha = setup == PenSetup::kMarker ? kMarkerAlpha : kSolidAlpha;
    if (gp::GdipCreateSolidFill(ToArgb(colour, alpha), &brush) != Gdiplus::Ok) return nullptr;
    Gdiplus::GpPen* pen = nullptr;
    const Gdiplus::GpStatus made =
        gp::GdipCreatePen2(brush, static_cast<Gdiplus::REAL>(width), Gdiplus::UnitWorld, &pen);
    gp::GdipDeleteBrush(brush);  // the pen keeps its own copy
    if (made != Gdiplus::Ok) return nullptr;

    switch (setup) {
    case PenSetup::kSolid:
        gp::GdipSetPenLineCap197819(pen, Gdiplus::LineCapRound, Gdiplus::LineCapFlat, Gdiplus::DashCapFlat);
        break;
    case PenSetup::kMarker: {
        // A slanted, tall nib like a chisel-tip highlighter.
        Gdiplus::GpMatrix* slant = nullptr;
        if (gp::GdipCreateMatrix2(1, 0, 1, 2, 1, 1, &slant) == Gdiplus::Ok) {
            gp::GdipMultiplyPenTransform(pen, slant, Gdiplus::MatrixOrderPrepend);
            gp::GdipDeleteMatrix(slant);
        }
        gp::GdipScalePenTransform(pen, 1, 2, Gdiplus::MatrixOrderPrepend);
        break;
    }
    case PenSetup::kSoft:
        gp::GdipSetPenLineCap197819(pen, Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
        break;
    }
    gp::GdipSetPenLineJoin(pen, Gdiplus::LineJoinRound);
    pens_.emplace(key, pen);
    return pen;
}

void CGdiInkCanvas::ReleasePens()
{
    for (auto& entry : pens_) gp::GdipDeletePen(entry.second);
    pens_.clear();
}

void CGdiInkCanvas::AddSegment(PenSetup setup, InkPoint from, InkPoint to, int width, ColourRef colour)
{
    Gdiplus::GpGraphics* g = Graphics();
    if (!g) return;
    if (!segmentRuns_) {
        if (Gdiplus::GpPen* pen = Pen(setup, width, colour)) {
            gp::GdipDrawLineI(g, pen, from.x, from.y, to.x, to.y);
            gdiplusPending_ = true;
        }
        return;
    }
    const PenKey key{setup, width, colour};
    RECT bounds = SegmentBounds(from, to, width);
    bool joined = false;
    if (!run_.empty()) {
        const InkPoint end{run_.back().X, run_.back().Y};
        RECT both;
        UnionRect(&both, &runBounds_, &bounds);
        joined = key == runPen_ && Area(both) <= kMaxCollectedArea && run_.size() < kMaxRunPoints &&
                 (from == end || (setup == PenSetup::kSoft && BridgesUnseen(end, from, width)));
        if (joined) bounds = both;
        else DrawPendingSegments();
    }
    if (!joined || from != InkPoint{run_.back().X, run_.back().Y}) run_.push_back({from.x, from.y});
    run_.push_back({to.x, to.y});
    runPen_ = key;
    runBounds_ = bounds;
}

void CGdiInkCanvas::DrawPendingSegments()
{
    if (run_.empty()) return;
    const auto [setup, width, colour] = runPen_;
    if (Gdiplus::GpPen* pen = Pen(setup, width, colour)) {
        gp::GdipDrawLinesI(graphics_, pen, run_.data(), static_cast<INT>(run_.size()));
        gdiplusPending_ = true;
    }
    run_.clear();
}

void CGdiInkCanvas::SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    AddSegment(PenSetup::kSolid, from, to, width, colour);
}

void CGdiInkCanvas::MarkerCurve(const InkPoint (&p)[4], int width, ColourRef colour)
{
    Gdiplus::GpGraphics* g = Graphics();
    Gdiplus::GpPen* pen = g ? Pen(PenSetup::kMarker, width, colour) : nullptr;
    if (!pen) return;
    DrawPendingSegments();  // keep the order of drawing
    gp::GdipDrawBezierI(g, pen, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y);
    gdiplusPending_ = true;
}

void CGdiInkCanvas::SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    AddSegment(PenSetup::kSoft, from, to, width, colour);
}

ColourRef CGdiInkCanvas::GetPixel(int x, int y)
{
    Flush();
    const COLORREF c = ::GetPixel(dc_, x, y);
    return c == CLR_INVALID ? kInvalidPixel : c;
}

void CGdiInkCanvas::SetPixel(int x, int y, ColourRef colour)
{
    Flush();
    scratchHolds_ = {};
    if (!oldBrush_) oldBrush_ = SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, colour);
    PatBlt(dc_, x, y, 1, 1, PATCOPY);
}

void CGdiInkCanvas::PreparePixels()
{
    Flush();
    GdiFlush();  // batched GDI drawing must reach the bits first
    if (pixelAccess_ != PixelAccess::kUnknown) return;
    pixelAccess_ = PixelAccess::kSingle;

    // Only for a memory bitmap addressed in pixels is it plain which pixels
    // GetPixel could read; elsewhere pixels go one by one.
    if (GetObjectType(dc_) != OBJ_MEMDC || GetMapMode(dc_) != MM_TEXT || GetGraphicsMode(dc_) != GM_COMPATIBLE)
        return;
    const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc_, OBJ_BITMAP));
    BITMAP bm;
    if (!bitmap || GetObject(bitmap, sizeof(bm), &bm) != sizeof(bm)) return;
    origin_ = {0, 0};
    LPtoDP(dc_, &origin_, 1);
    surfaceWidth_ = bm.bmWidth;
    surfaceHeight_ = bm.bmHeight;
    clip_ = CreateRectRgn(0, 0, 0, 0);
    if (clip_ && GetClipRgn(dc_, clip_) == 1) {
        clipIsRect_ = GetRgnBox(clip_, &clipBox_) == SIMPLEREGION;
    } else {
        if (clip_) DeleteObject(clip_);
        clip_ = nullptr;
    }

    void* bits = nullptr;
    scratch_ = fw::CreateDib32(dc_, kScratchSide, kScratchSide, &bits);
    scratchDc_ = scratch_ ? CreateCompatibleDC(dc_) : nullptr;
    if (!scratchDc_) return;
    oldScratch_ = SelectObject(scratchDc_, scratch_);
    scratchBits_ = static_cast<BYTE*>(bits);
    pixelAccess_ = PixelAccess::kBlit;
}

bool CGdiInkCanvas::Readable(int x, int y) const
{
    if (x < 0 || y < 0 || x >= surfaceWidth_ || y >= surfaceHeight_) return false;
    if (!clip_) return true;
    if (clipIsRect_) return x >= clipBox_.left && x < clipBox_.right && y >= clipBox_.top && y < clipBox_.bottom;
    return PtInRegion(clip_, x, y) != FALSE;
}

void CGdiInkCanvas::ReadPixels(int left, int top, int width, int height, ColourRef* out)
{
    PreparePixels();
    if (pixelAccess_ != PixelAccess::kBlit || width > kScratchSide || height > kScratchSide) {
        IInkCanvas::ReadPixels(left, top, width, height, out);
        return;
    }
    BitBlt(scratchDc_, 0, 0, width, height, dc_, left, top, SRCCOPY);
    GdiFlush();
    scratchHolds_ = {left, top, left + width, top + height};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, ++out) {
            const bool readable = Readable(left + x + origin_.x, top + y + origin_.y);
            *out = readable ? FromBgr(scratchBits_ + (y * kScratchSide + x) * 4) : kInvalidPixel;
        }
    }
}

void CGdiInkCanvas::WritePixels(int left, int top, int width, int height, const ColourRef* in)
{
    PreparePixels();
    if (pixelAccess_ != PixelAccess::kBlit || width > kScratchSide || height > kScratchSide) {
        IInkCanvas::WritePixels(left, top, width, height, in);
        return;
    }
    // Entries left alone must go back as they are: the scratch holds them
    // when this block was the last one read and nothing was drawn since.
    const RECT block = {left, top, left + width, top + height};
    if (!EqualRect(&block, &scratchHolds_)) {
        BitBlt(scratchDc_, 0, 0, width, height, dc_, left, top, SRCCOPY);
        GdiFlush();
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, ++in)
            if (*in != kInvalidPixel) ToBgr(*in, scratchBits_ + (y * kScratchSide + x) * 4);
    // The device context's clipping keeps what lies outside it.
    BitBlt(dc_, left, top, width, height, scratchDc_, 0, 0, SRCCOPY);
    scratchHolds_ = {};
}
