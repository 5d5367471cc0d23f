#pragma once
// What the overlay does when the toolbar or the user asks it to show a page,
// page with the wheel, erase everything or appear and disappear: the order
// of captures, cover flashes, repaints and slide-show actions for both
// compositing modes. The window carries the steps out through
// IOverlayWindow, so the decisions are the same under a fake.
#include <cstdint>

#include "OverlayLink.h"
#include "PacketIntake.h"

class CPowerLines;
class ISlideShow;

// The recorder's view of the overlay's page switches and erase-alls, on top
// of the pen's strokes. Does nothing while no recording runs.
class IInkRecorder : public IPenRecorder {
public:
    virtual void BeginPageLayer() {}
    virtual void RecordEraseAll() {}
};

// The overlay window's own steps.
class IOverlayWindow {
public:
    virtual ~IOverlayWindow() = default;
    virtual bool Visible() const = 0;
    // Shows or hides the window; showing or hiding runs OnShown.
    virtual void ShowWindow(bool show) = 0;
    // The capture of what lies beneath (TRANSPARENT off only).
    virtual void PrepareBackground() = 0;
    // Paints the whole window again with its background erased.
    virtual void InvalidateErased() = 0;
    virtual void FlashCover() = 0;
    virtual void Wait(int milliseconds) = 0;
    // Draws the current page's strokes on the window at once.
    virtual void DrawPageNow() = 0;
    virtual void EnableTablet(bool enable) = 0;
    virtual vexo::ScreenRect WorkArea() const = 0;
    // Moves the window to the rectangle and repaints it.
    virtual void MoveTo(const vexo::ScreenRect& rect) = 0;
    // The toolbar window and the overlay window themselves, and activation.
    virtual void EnableToolbarWindow(bool enable) = 0;
    virtual void EnableOverlayWindow(bool enable) = 0;
    virtual void Activate() = 0;
    // The Yes/No boxes, owned by the overlay; true for Yes.
    virtual bool ConfirmEraseAll() = 0;
    virtual bool ConfirmEndShow() = 0;
};

// [UI] Style values the overlay tells apart.
inline constexpr int kStyleCompact = 1;
inline constexpr int kStyleLarge = 2;

// How the capture bitmap starts for a page: the screen beneath for slide
// pages and the free screen, the board's colour for boards.
enum class BackgroundFill { kScreen, kBlack, kWhite };
BackgroundFill BackgroundFor(int pageCode);

// The cursor resource of a tool and width, 0 when none is defined.
int OverlayCursorId(int tool, int widthLevel);

class COverlayFlow {
public:
    COverlayFlow(bool transparent, CPowerLines& pages, ISlideShow& slideShow, vexo::IOverlayHost& host,
                 IOverlayWindow& window, IInkRecorder& recorder);

    bool Transparent() const { return transparent_; }
    void SetRecorder(IInkRecorder& recorder) { recorder_ = &recorder; }

    bool ShowPage(int code, bool force);
    void FitOverlay(bool active);
    void SyncPages();
    void ShowPageMenu(int x, int y);
    void ClearPages();
    void EraseAll();
    bool ConfirmEndSlideShow();
    // After the window was shown or hidden.
    void OnShown(bool shown);
    // A wheel turn over the overlay: a positive delta pages back, a negative
    // one forward.
    void OnWheel(int delta);

    int FitMode() const { return fitMode_ ? 1 : 0; }
    const vexo::ScreenRect& OverlayRect() const { return rect_; }
    int SlideShowFlag() const { return slideShowFlag_; }
    int SlideModeFlag() const { return slideModeFlag_; }
    void SetSlideShowFlag(int running) { slideShowFlag_ = running; }
    void SetSlideModeFlag(int slideScreen) { slideModeFlag_ = slideScreen; }

private:
    void Page(bool back);

    bool transparent_;
    CPowerLines& pages_;
    ISlideShow& slideShow_;
    vexo::IOverlayHost& host_;
    IOverlayWindow& window_;
    IInkRecorder* recorder_;

    int slideShowFlag_ = 0;
    int slideModeFlag_ = 0;
    bool fitMode_ = false;
    vexo::ScreenRect rect_;
};
