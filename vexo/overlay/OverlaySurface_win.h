#pragma once
// The overlay's drawing surfaces: live ink drawn straight onto the window
// while the pen moves, and the memory bitmap a paint composes in when the
// window is opaque.
#include <windows.h>

#include <optional>

#include "Gdi.h"
#include "InkOnDc.h"
#include "PacketIntake.h"

class CLines;

// A canvas on the window's client area for one live segment, clipped to the
// segment's area so that only those pixels are read and written again.
class COverlayLiveInk {
public:
    explicit COverlayLiveInk(HWND window = nullptr) : window_(window) {}
    ~COverlayLiveInk() { End(); }
    COverlayLiveInk(const COverlayLiveInk&) = delete;
    COverlayLiveInk& operator=(const COverlayLiveInk&) = delete;

    void SetWindow(HWND window) { window_ = window; }
    // Screen coordinates of the window's top-left corner, which the
    // packets' screen pixels are drawn relative to.
    void SetOrigin(int left, int top)
    {
        originX_ = left;
        originY_ = top;
    }
    IInkCanvas* Begin(const InkRect& area);
    void End();

private:
    HWND window_;
    int originX_ = 0;
    int originY_ = 0;
    HDC dc_ = nullptr;
    int saved_ = 0;
    std::optional<CInkOnDc> ink_;
};

// The paint of the opaque window: capture plus strokes in one 32-bit memory
// bitmap, copied to the window at once so no half-drawn frame shows. The
// bitmap is kept from paint to paint: fresh memory of a screenful costs
// more to touch the first time than drawing a full page.
class COverlayComposer {
public:
    COverlayComposer() = default;
    ~COverlayComposer() { Release(); }
    COverlayComposer(const COverlayComposer&) = delete;
    COverlayComposer& operator=(const COverlayComposer&) = delete;

    // Composes width x height pixels of background (may be null: black)
    // and the strokes, and copies them to target at (0, 0). false when the
    // memory bitmap cannot be made (nothing is drawn).
    bool Paint(HDC target, HDC background, CLines& lines, int width, int height);

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
