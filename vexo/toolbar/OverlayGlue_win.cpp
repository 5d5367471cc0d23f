#include "OverlayGlue_win.h"

#include "PenKinds.h"
#include "PowerLines.h"
#include "SlideShow.h"

namespace {
// The first user's pen: width 3, colour 5 (the large strip: 1), arrow.
constexpr int kInitialWidth = 3;
constexpr int kInitialColour = 5;  // blue
constexpr int kInitialColourLarge = 1;
// Colour buttons by their index in the colour table.
constexpr int kColourBlack = 1;
constexpr int kColourWhite = 2;
constexpr int kColourRed = 3;
constexpr int kColourGreen = 4;
constexpr int kColourBlue = 5;
// The pause that lets the screen beneath repaint before it is captured.
constexpr DWORD kRecaptureWaitMs = 100;
}  // namespace

void COverlayGlue::Create(HINSTANCE instance, HWND toolbar, int style, bool transparent)
{
    toolbar_ = toolbar;
    style_ = style;
    transparent_ = transparent;
    CMyDrawWnd::RegisterOverlayClass(instance);
    overlay_ = std::make_unique<CMyDrawWnd>(instance, transparent, *this, slideShow_);
    if (!overlay_->CreateOverlay(toolbar)) {
        overlay_.reset();
        return;
    }
    overlay_->SetPenWidth(kInitialWidth);
    SelectTool(kPenArrow);
    SelectColour(style == kStyleLarge ? kInitialColourLarge : kInitialColour);
    SlideScreen();
}

vexo::ScreenRect COverlayGlue::ToolbarRect() const
{
    RECT r = {};
    if (toolbar_) GetWindowRect(toolbar_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void COverlayGlue::OnToolbarCommand(int code)
{
    if (!overlay_) return;
    switch (code) {
    case kCommandColourRed: SelectColour(kColourRed); break;
    case kCommandColourBlue: SelectColour(kColourBlue); break;
    case kCommandColourGreen: SelectColour(kColourGreen); break;
    case kCommandToolPen: SelectTool(kPenPen); break;
    case kCommandToolBrush: SelectTool(kPenBrush); break;
    case kCommandToolMarker: SelectTool(kPenMarker); break;
    case kCommandToolEraser: SelectTool(kPenEraser); break;
    case kCommandEraseAll: overlay_->EraseAll(); break;
    case kCommandToolArrow: SelectTool(kPenArrow); break;
    case kCommandWidth1: overlay_->SetPenWidth(1); break;
    case kCommandWidth5: overlay_->SetPenWidth(5); break;
    case kCommandSlideScreen: SlideScreen(); break;
    case kCommandWhiteBoard: Board(false); break;
    case kCommandNextPage: Page(false); break;
    case kCommandPreviousPage: Page(true); break;
    default: break;
    }
}

void COverlayGlue::SelectTool(int tool)
{
    if (tool == kPenArrow) {
        slideShow_.SetPointerType(kSlidePointerArrow);
        overlay_->Show(false);
        return;
    }
    overlay_->SetTool(tool);
}

void COverlayGlue::SelectColour(int index)
{
    if (index == colourIndex_) return;
    colourIndex_ = index;
    overlay_->SetPenColour(ColourFromIndex(index));
}

void COverlayGlue::SlideScreen()
{
    if (slideScreen_ == 1) return;
    slideScreen_ = 1;
    overlay_->SetSlideModeFlag(1);
    HWND hwnd = overlay_->m_hWnd;
    if (transparent_) {
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
        SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, 0);
        overlay_->ShowPage(kPageRequestCurrentSlide, true);
    } else if (overlay_->IsShown()) {
        overlay_->Show(false);
        Sleep(kRecaptureWaitMs);
        overlay_->ShowPage(kPageRequestCurrentSlide, false);
        overlay_->Show(true);
    } else {
        overlay_->ShowPage(kPageRequestCurrentSlide, false);
    }
}

void COverlayGlue::Board(bool black)
{
    slideScreen_ = 0;
    overlay_->SetSlideModeFlag(0);
    HWND hwnd = overlay_->m_hWnd;
    if (transparent_) {
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & ~WS_EX_TRANSPARENT);
        SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND,
                         reinterpret_cast<LONG_PTR>(GetStockObject(black ? BLACK_BRUSH : WHITE_BRUSH)));
    }
    overlay_->ShowPage(black ? kPageRequestLastBlackBoard : kPageRequestLastWhiteBoard, false);
    SelectColour(black ? kColourWhite : kColourBlack);
}

void COverlayGlue::Page(bool back)
{
    const int action = back ? kSlidePrevious : kSlideNext;
    const int board = back ? kPageRequestPreviousBoard : kPageRequestNextBoard;
    if (slideScreen_ == 0) {
        overlay_->ShowPage(board, false);
    } else if (transparent_) {
        slideShow_.Action(action);
        overlay_->ShowPage(kPageRequestCurrentSlide, false);
    } else if (SlideShowState() == 0) {
        return;
    } else if (overlay_->IsShown()) {
        overlay_->Show(false);
        slideShow_.Action(action);
        overlay_->Show(true);
    } else {
        slideShow_.Action(action);
        overlay_->ShowPage(kPageRequestCurrentSlide, false);
    }
}
