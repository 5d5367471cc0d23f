#include "GdiInkCanvas.h"

#include "Lines.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr BYTE kSolidAlpha = 255;
constexpr BYTE kMarkerAlpha = 200;
// Many brush widths and colours on one page: the cache starts over rather
// than hold a pen for each.
constexpr size_t kMaxCachedPens = 64;

Gdiplus::ARGB ToArgb(ColourRef colour, BYTE alpha)
{
    const BYTE r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    return (Gdiplus::ARGB{alpha} << 24) | (Gdiplus::ARGB{r} << 16) | (Gdiplus::ARGB{g} << 8) | b;
}

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

}  // namespace

CGdiInkCanvas::CGdiInkCanvas(HDC dc) : dc_(dc) {}

CGdiInkCanvas::~CGdiInkCanvas()
{
    Flush();
    ReleasePens();
    if (graphics_) gp::GdipDeleteGraphics(graphics_);
    if (oldBrush_) SelectObject(dc_, oldBrush_);
}

void CGdiInkCanvas::Flush()
{
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

void CGdiInkCanvas::SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    Gdiplus::GpGraphics* g = Graphics();
    Gdiplus::GpPen* pen = g ? Pen(PenSetup::kSolid, width, colour) : nullptr;
    if (!pen) return;
    gp::GdipDrawLineI(g, pen, from.x, from.y, to.x, to.y);
    gdiplusPending_ = true;
}

void CGdiInkCanvas::MarkerCurve(const InkPoint (&p)[4], int width, ColourRef colour)
{
    Gdiplus::GpGraphics* g = Graphics();
    Gdiplus::GpPen* pen = g ? Pen(PenSetup::kMarker, width, colour) : nullptr;
    if (!pen) return;
    gp::GdipDrawBezierI(g, pen, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y);
    gdiplusPending_ = true;
}

void CGdiInkCanvas::SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    Gdiplus::GpGraphics* g = Graphics();
    Gdiplus::GpPen* pen = g ? Pen(PenSetup::kSoft, width, colour) : nullptr;
    if (!pen) return;
    gp::GdipDrawLineI(g, pen, from.x, from.y, to.x, to.y);
    gdiplusPending_ = true;
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
    if (!oldBrush_) oldBrush_ = SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, colour);
    PatBlt(dc_, x, y, 1, 1, PATCOPY);
}

void DrawAll(HDC dc, CLines& lines)
{
    ScopedWaitCursor wait;
    CGdiInkCanvas canvas(dc);
    lines.DrawAll(canvas);
}

void DrawInArea(HDC dc, CLines& lines, const InkRect& area, int n)
{
    ScopedWaitCursor wait;
    CGdiInkCanvas canvas(dc);
    lines.DrawInArea(canvas, area, n);
}
