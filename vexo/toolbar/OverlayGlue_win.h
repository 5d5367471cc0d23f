#pragma once
// The least the toolbar needs to own the overlay: the "MyWnd" class and the
// overlay window, the overlay's calls back, and the toolbar commands that
// choose tools, widths, colours, boards and pages. The full toolbar takes
// this over.
#include <windows.h>

#include <memory>

#include "MyDrawWnd_win.h"
#include "OverlayLink.h"
#include "QuilletSlideShow_win.h"

// WM_TOOLBAR_COMMAND: wParam a command code, lParam ignored.
inline constexpr UINT WM_TOOLBAR_COMMAND = 0x464;

enum ToolbarCommandCode : int {
    kCommandColourRed = 36,
    kCommandColourBlue = 37,
    kCommandColourGreen = 38,
    kCommandToolPen = 39,
    kCommandToolBrush = 40,
    kCommandToolMarker = 41,
    kCommandToolEraser = 42,
    kCommandEraseAll = 43,
    kCommandToolArrow = 44,
    kCommandWidth1 = 45,
    kCommandWidth5 = 46,
    kCommandSlideScreen = 47,
    kCommandWhiteBoard = 48,
    kCommandNextPage = 57,
    kCommandPreviousPage = 58,
};

class COverlayGlue : public vexo::IOverlayHost {
public:
    COverlayGlue() = default;
    COverlayGlue(const COverlayGlue&) = delete;
    COverlayGlue& operator=(const COverlayGlue&) = delete;

    // Registers "MyWnd", creates the hidden overlay owned by the toolbar
    // and applies the first user's pen state and the slide screen.
    void Create(HINSTANCE instance, HWND toolbar, int style, bool transparent);
    void OnToolbarCommand(int code);

    CMyDrawWnd* Overlay() { return overlay_.get(); }

    // vexo::IOverlayHost
    int SlideShowState() const override { return 0; }
    int ToolbarStyle() const override { return style_; }
    vexo::ScreenRect ToolbarRect() const override;
    void OnOverlayShown(bool) override {}
    void OnUserIndicator(uintptr_t, intptr_t) override {}
    bool DisplayChanged() const override { return false; }
    void RecoverDisplay() override {}

private:
    void SelectTool(int tool);
    void SelectColour(int index);
    void SlideScreen();
    void Board(bool black);
    void Page(bool back);

    CQuilletSlideShow slideShow_;
    std::unique_ptr<CMyDrawWnd> overlay_;
    HWND toolbar_ = nullptr;
    int style_ = 0;
    bool transparent_ = false;
    int slideScreen_ = 0;
    int colourIndex_ = 0;
};
