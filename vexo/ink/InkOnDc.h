#pragma once
// Stored strokes drawn on a device context. Our rasteriser draws straight
// into a 32-bit DIB section selected into a memory DC; any other DC is drawn
// through a 32-bit copy of the area its clipping leaves, written back with
// BitBlt so that the DC's own clipping still holds. A DC with another mapping
// mode or a world transform gets the GDI+ canvas, which follows both.
#include <windows.h>

#include <memory>

#include "GdiInkCanvas.h"
#include "RasterDraw.h"
#include "RasterInkCanvas.h"

class CLines;
struct InkRect;

class CInkOnDc {
public:
    explicit CInkOnDc(HDC dc);
    ~CInkOnDc();  // completes the drawing and writes a copy back
    CInkOnDc(const CInkOnDc&) = delete;
    CInkOnDc& operator=(const CInkOnDc&) = delete;

    // A canvas for drawing in one pass.
    IInkCanvas& Canvas();
    // The pixels our rasteriser draws on, or null for the GDI+ canvas.
    const InkTarget* Target() const { return gdiplus_ ? nullptr : &target_; }

private:
    bool UseDibSection(const InkBox& clip, POINT offset);
    void UseCopy(const InkBox& clip);  // clip in logical coordinates

    HDC dc_;
    InkTarget target_;
    std::unique_ptr<CGdiInkCanvas> gdiplus_;
    std::unique_ptr<CRasterInkCanvas> raster_;
    // The copy: a thread's kept DIB section holding the DC's pixels of
    // copyBox_ at its top left.
    HDC copyDc_ = nullptr;
    RECT copyBox_{};  // logical coordinates of the DC
};

// Drawing on a device context with the wait cursor shown meanwhile.
void DrawAll(HDC dc, CLines& lines);
void DrawInArea(HDC dc, CLines& lines, const InkRect& area, int n);
