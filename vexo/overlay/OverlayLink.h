#pragma once
// The two sides of the toolbar <-> overlay link. The toolbar drives the overlay
// through IOverlay; the overlay calls back through IOverlayHost. Both are
// portable so the toolbar's command logic can be tested against a fake
// overlay, and the overlay's paging logic against a fake toolbar.
#include <cstdint>

namespace vexo {

// Screen rectangle in pixels (right and bottom exclusive).
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// What the toolbar asks of the overlay.
class IOverlay {
public:
    virtual ~IOverlay() = default;

    // Tool codes of the pen kinds (0 arrow, 2 eraser, 3 pen, 4 brush, 5 marker);
    // a drawing tool shows a hidden overlay.
    virtual void SetTool(int tool) = 0;
    virtual void SetPenWidth(int level) = 0;      // 1, 3 or 5
    virtual void SetPenColour(uint32_t colour) = 0;  // 0x00BBGGRR
    virtual bool ShowPage(int code, bool force) = 0;
    virtual void FitOverlay(bool active) = 0;
    virtual void SyncPages() = 0;
    virtual void ShowPageMenu(int x, int y) = 0;
    virtual void ClearPages() = 0;
    virtual void EraseAll() = 0;
    // The "Are you sure?" box before ending the show; true for Yes.
    virtual bool ConfirmEndSlideShow() = 0;
    virtual void EnableTablet(bool enable) = 0;
    virtual void ReopenTablet(bool open) = 0;

    virtual void Show(bool show) = 0;
    virtual bool IsShown() const = 0;
    virtual int CurrentPageCode() const = 0;
    virtual void SetSlideShowFlag(int running) = 0;
    virtual void SetSlideModeFlag(int slideScreen) = 0;
};

// What the overlay asks of the toolbar that owns it.
class IOverlayHost {
public:
    virtual ~IOverlayHost() = default;

    virtual int SlideShowState() const = 0;       // non-zero while a show runs
    virtual int ToolbarStyle() const = 0;          // [UI] Style
    virtual ScreenRect ToolbarRect() const = 0;    // the toolbar window on screen
    virtual void OnOverlayShown(bool shown) = 0;
    virtual void OnUserIndicator(uintptr_t wParam, intptr_t lParam) = 0;
    // Display recovery when the display changed since the last recovery.
    virtual bool DisplayChanged() const = 0;
    virtual void RecoverDisplay() = 0;
};

}  // namespace vexo
