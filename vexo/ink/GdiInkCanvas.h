#pragma once
// Strokes on a device context: GDI+ (flat interface) for segments and curves
// with the standard graphics setup, GDI for the soft renderer's pixels. One
// canvas serves one drawing pass; its graphics object and pens are shared by
// every segment of the same setup and released with the canvas.
//
// Speed: every GDI+ call has a large fixed cost, so opaque segments of the
// same pen that join end to start are collected into one polyline, drawn with
// one call when something else is drawn or read. Its round joins cover what
// each segment's round start cap covered. Pixels of a memory bitmap are read
// and written a dot's square at a time through a small bitmap of the canvas.
#include <windows.h>

#include <map>
#include <tuple>
#include <vector>

#include "GdiPlus.h"
#include "InkCanvas.h"

class CGdiInkCanvas : public IInkCanvas {
public:
    explicit CGdiInkCanvas(HDC dc);
    ~CGdiInkCanvas() override;
    CGdiInkCanvas(const CGdiInkCanvas&) = delete;
    CGdiInkCanvas& operator=(const CGdiInkCanvas&) = delete;

    HDC Dc() const { return dc_; }
    // Completes pending GDI+ drawing; call before using the device context
    // with plain GDI (pictures, BitBlt).
    void Flush() override;

    void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) override;
    void MarkerCurve(const InkPoint (&points)[4], int width, ColourRef colour) override;
    void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) override;
    ColourRef GetPixel(int x, int y) override;
    void SetPixel(int x, int y, ColourRef colour) override;
    void ReadPixels(int left, int top, int width, int height, ColourRef* out) override;
    void WritePixels(int left, int top, int width, int height, const ColourRef* in) override;

private:
    enum class PenSetup { kSolid, kMarker, kSoft };
    using PenKey = std::tuple<PenSetup, int, ColourRef>;

    Gdiplus::GpGraphics* Graphics();
    Gdiplus::GpPen* Pen(PenSetup setup, int width, ColourRef colour);
    void ReleasePens();
    void AddSegment(PenSetup setup, InkPoint from, InkPoint to, int width, ColourRef colour);
    void DrawPendingSegments();

    // How the pixels of the device context are reached.
    enum class PixelAccess { kUnknown, kBlit, kSingle };
    void PreparePixels();
    bool Readable(int deviceX, int deviceY) const;

    HDC dc_;
    Gdiplus::GpGraphics* graphics_ = nullptr;
    bool graphicsFailed_ = false;
    bool gdiplusPending_ = false;
    std::map<PenKey, Gdiplus::GpPen*> pens_;
    HGDIOBJ oldBrush_ = nullptr;  // set while the DC brush is selected for pixels

    bool segmentRuns_ = true;  // joined segments are drawn as one polyline
    std::vector<Gdiplus::GpPoint> run_;  // the polyline not yet drawn
    PenKey runPen_{};
    RECT runBounds_{};

    PixelAccess pixelAccess_ = PixelAccess::kUnknown;
    POINT origin_{};  // device position of the logical origin
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    HRGN clip_ = nullptr;  // device clipping region, or null for none
    RECT clipBox_{};
    bool clipIsRect_ = true;
    HDC scratchDc_ = nullptr;  // kBlit: a 32-bit bitmap as big as the largest dot
    HBITMAP scratch_ = nullptr;
    HGDIOBJ oldScratch_ = nullptr;
    BYTE* scratchBits_ = nullptr;
    RECT scratchHolds_{};  // the block the scratch holds as read, if any
};
