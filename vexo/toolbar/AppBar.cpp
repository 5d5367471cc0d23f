#include "AppBar.h"

namespace {
// Eighths of the vertical dialog base unit a strip is high, by [UI] Style.
constexpr int kClassicStripEighths = 14;
constexpr int kLargeStripEighths = 17;
constexpr int kCompactBarEighths = 23;
constexpr int kStyleCompact = 1;
constexpr int kStyleLarge = 2;
// Horizontal dialog base units a bar docked at a side is wide.
constexpr int kSideBarUnits = 7;

bool IsSideEdge(int edge) { return edge == kEdgeLeft || edge == kEdgeRight; }
}  // namespace

int VerticalAppBarThickness(int baseUnitY, int style)
{
    const int eighths = style == kStyleLarge     ? kLargeStripEighths
                        : style == kStyleCompact ? kCompactBarEighths
                                                 : kClassicStripEighths;
    return baseUnitY * eighths / 8;
}

int HorizontalAppBarThickness(int baseUnitX) { return baseUnitX * kSideBarUnits; }

AppBarOptions AppBarOptionsFor(int baseUnitX, int baseUnitY, int style)
{
    AppBarOptions options;
    options.edge = kEdgeBottom;
    options.horizontalThickness = HorizontalAppBarThickness(baseUnitX);
    options.verticalThickness = VerticalAppBarThickness(baseUnitY, style);
    return options;
}

CAppBar::CAppBar(IAppBarShell& shell, const AppBarOptions& options) : shell_(shell), options_(options) {}

void CAppBar::Register() { registered_ = shell_.New(kAppBarCallbackMessage) ? 1 : 0; }

void CAppBar::Remove() { registered_ = shell_.Remove() ? 0 : 1; }

void CAppBar::SetEdge(int edge)
{
    AppBarRect rect{0, 0, shell_.ScreenWidth(), shell_.ScreenHeight()};
    switch (edge) {
    case kEdgeLeft: rect.right = options_.horizontalThickness; break;
    case kEdgeTop: rect.bottom = options_.verticalThickness; break;
    case kEdgeRight: rect.left = rect.right - options_.horizontalThickness; break;
    case kEdgeBottom: rect.top = rect.bottom - options_.verticalThickness; break;
    default: return;  // not an edge: stay where we are
    }
    Position(edge, rect, true);
}

void CAppBar::ReDock()
{
    if (!IsRegistered()) return;
    Position(options_.edge, shell_.WindowRect(), true);
}

void CAppBar::OnMoved(bool minimized) { FollowWindow(minimized); }

void CAppBar::OnResized(bool minimized) { FollowWindow(minimized); }

void CAppBar::FollowWindow(bool minimized)
{
    if (minimized || !IsRegistered()) return;
    // A move that also resized arrives as a move first, and docking again
    // right then would undo the new size before its own notice comes: any
    // new size is taken as the thickness here. A window squeezed to nothing
    // keeps the band it had.
    const AppBarRect now = shell_.WindowRect();
    if (IsSideEdge(options_.edge)) {
        if (now.Width() > 0) options_.horizontalThickness = now.Width();
    } else if (now.Height() > 0) {
        options_.verticalThickness = now.Height();
    }
    ReDock();
}

void CAppBar::OnWindowPosChanged() { shell_.WindowPosChanged(); }

void CAppBar::Position(int edge, AppBarRect rect, bool move)
{
    options_.edge = edge;
    if (IsSideEdge(edge)) {
        rect.top = 0;
        rect.bottom = shell_.ScreenHeight();
    } else {
        rect.left = 0;
        rect.right = shell_.ScreenWidth();
    }
    // The shell only shrinks a proposal away from other bars; it never moves
    // one back to its edge. Propose the band at the edge itself, so a window
    // moved away from its band comes back to it.
    switch (edge) {
    case kEdgeLeft: rect.left = 0; break;
    case kEdgeTop: rect.top = 0; break;
    case kEdgeRight: rect.right = shell_.ScreenWidth(); break;
    case kEdgeBottom: rect.bottom = shell_.ScreenHeight(); break;
    default: break;
    }
    shell_.QueryPos(edge, rect);
    // The shell answers with the room it leaves; the bar keeps its thickness
    // on the side away from the edge.
    switch (edge) {
    case kEdgeLeft: rect.right = rect.left + options_.horizontalThickness; break;
    case kEdgeTop: rect.bottom = rect.top + options_.verticalThickness; break;
    case kEdgeRight: rect.left = rect.right - options_.horizontalThickness; break;
    case kEdgeBottom: rect.top = rect.bottom - options_.verticalThickness; break;
    default: break;
    }
    shell_.SetPos(edge, rect);
    if (move) shell_.MoveWindow(rect);
    docked_ = rect;
}
