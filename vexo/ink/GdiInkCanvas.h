#pragma once
// Strokes on a device context: GDI+ (flat interface) for segments and curves
// with the standard graphics setup, GDI for the soft renderer's pixels. One
// canvas serves one drawing pass; its graphics object and pens are shared by
// every segment of the same setup and released with the canvas.
#include <windows.h>

#include <map>
#include <tuple>

#include "GdiPlus.h"
#include "InkCanvas.h"

class CLine;
class CLines;
struct InkRect;

class CGdiInkCanvas : public IInkCanvas {
public:
    explicit CGdiInkCanvas(HDC dc);
    ~CGdiInkCanvas() override;
    CGdiInkCanvas(const CGdiInkCanvas&) = delete;
    CGdiInkCanvas& operator=(const CGdiInkCanvas&) = delete;

    HDC Dc() const { return dc_; }
    // Completes pending GDI+ drawing; call before using the device context
    // with plain GDI (pictures, BitBlt).
    void Flush();

    void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) override;
    void MarkerCurve(const InkPoint (&points)[4], int width, ColourRef colour) override;
    void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) override;
    ColourRef GetPixel(int x, int y) override;
    void SetPixel(int x, int y, ColourRef colour) override;

private:
    enum class PenSetup { kSolid, kMarker, kSoft };
    using PenKey = std::tuple<PenSetup, int, ColourRef>;

    Gdiplus::GpGraphics* Graphics();
    Gdiplus::GpPen* Pen(PenSetup setup, int width, ColourRef colour);
    void ReleasePens();

    HDC dc_;
    Gdiplus::GpGraphics* graphics_ = nullptr;
    bool graphicsFailed_ = false;
    bool gdiplusPending_ = false;
    std::map<PenKey, Gdiplus::GpPen*> pens_;
    HGDIOBJ oldBrush_ = nullptr;  // set while the DC brush is selected for pixels
};

// Drawing on a device context with the wait cursor shown meanwhile.
void DrawAll(HDC dc, CLines& lines);
void DrawInArea(HDC dc, CLines& lines, const InkRect& area, int n);
