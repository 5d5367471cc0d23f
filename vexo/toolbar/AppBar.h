#pragma once
// Docking a window at a screen edge as an application bar: the shell
// reserves a band of the screen for it and other windows keep out of it.
// CAppBar computes the band and talks to the shell through IAppBarShell
// (the shell's app-bar messages on Windows, a fake in tests).

// The shell's edges (ABE_LEFT, ABE_TOP, ABE_RIGHT, ABE_BOTTOM).
enum AppBarEdge : int { kEdgeLeft = 0, kEdgeTop = 1, kEdgeRight = 2, kEdgeBottom = 3 };

// The message the shell sends the bar's window about the bar; Vexo takes
// no notice of it.
inline constexpr unsigned kAppBarCallbackMessage = 0x7F2;

struct AppBarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const AppBarRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct AppBarOptions {
    int edge = kEdgeBottom;
    int horizontalThickness = 0;  // width at the left or right edge
    int verticalThickness = 0;    // height at the top or bottom edge
};

// Thickness from the dialog base units: the strips' heights are 14 (classic,
// Style 0 and any unknown style), 17 (large, Style 2) and 23 (compact,
// Style 1) eighths of the vertical unit; a side bar is 7 horizontal units.
int VerticalAppBarThickness(int baseUnitY, int style);
int HorizontalAppBarThickness(int baseUnitX);
AppBarOptions AppBarOptionsFor(int baseUnitX, int baseUnitY, int style);

// The shell's app-bar service for one window, and that window.
class IAppBarShell {
public:
    virtual ~IAppBarShell() = default;
    // ABM_NEW with the callback message; true if the shell took the bar.
    virtual bool New(unsigned callbackMessage) = 0;
    // ABM_REMOVE; true if the shell let the bar go.
    virtual bool Remove() = 0;
    // ABM_QUERYPOS / ABM_SETPOS: the shell may shrink rect to keep clear
    // of other bars (the taskbar).
    virtual void QueryPos(int edge, AppBarRect& rect) = 0;
    virtual void SetPos(int edge, AppBarRect& rect) = 0;
    // ABM_WINDOWPOSCHANGED.
    virtual void WindowPosChanged() = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // The window's rectangle in screen pixels, and moving it (repainted).
    virtual AppBarRect WindowRect() const = 0;
    virtual void MoveWindow(const AppBarRect& rect) = 0;
};

class CAppBar {
public:
    CAppBar(IAppBarShell& shell, const AppBarOptions& options);

    // Asks the shell for a band; IsRegistered tells whether it agreed.
    void Register();
    // Gives the band back; stays registered only if the shell refused.
    void Remove();
    bool IsRegistered() const { return registered_ != 0; }

    // Docks at that edge: the edge's band of the screen at the stored
    // thickness, as the shell allows it. Works, moving the window, even if
    // the shell did not take the bar.
    void SetEdge(int edge);
    // Docks the window again at the stored edge, from where it is now.
    // Nothing unless registered.
    void ReDock();
    int Edge() const { return options_.edge; }

    // The window moved or was resized (minimized: it is now an icon, and
    // there is nothing to dock): while registered it docks again, and a new
    // height (top and bottom edges) or width (side edges) becomes the stored
    // thickness.
    void OnMoved(bool minimized);
    void OnResized(bool minimized);
    // The window's position changed: the shell wants to know.
    void OnWindowPosChanged();

    const AppBarOptions& Options() const { return options_; }
    const AppBarRect& DockedRect() const { return docked_; }

private:
    void FollowWindow(bool minimized);
    void Position(int edge, AppBarRect proposed, bool move);

    IAppBarShell& shell_;
    AppBarOptions options_;
    AppBarRect docked_;
    int registered_ = 0;
};
