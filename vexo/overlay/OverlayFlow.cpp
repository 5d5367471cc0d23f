#include "OverlayFlow.h"

#include "PowerLines.h"
#include "SlideShow.h"

namespace {
// The time the windows beneath get to repaint after the cover went away, and
// the pause before the overlay is moved.
constexpr int kCoverSettleMs = 10;
constexpr int kFitSettleMs = 10;
}  // namespace

BackgroundFill BackgroundFor(int pageCode)
{
    if (pageCode >= 0) return BackgroundFill::kScreen;
    return page_code::IsBlackBoard(pageCode) ? BackgroundFill::kBlack : BackgroundFill::kWhite;
}

int OverlayCursorId(int tool, int widthLevel)
{
    const int column = widthLevel == 1 ? 0 : widthLevel == 3 ? 1 : widthLevel == 5 ? 2 : -1;
    if (column < 0) return 0;
    static const int kCursors[][3] = {
        {236, 236, 236},  // eraser
        {241, 235, 242},  // pen
        {243, 238, 244},  // brush
        {237, 239, 240},  // marker
    };
    if (tool < kPenEraser || tool > kPenMarker) return 0;
    return kCursors[tool - kPenEraser][column];
}

COverlayFlow::COverlayFlow(bool transparent, CPowerLines& pages, ISlideShow& slideShow,
                           vexo::IOverlayHost& host, IOverlayWindow& window, IInkRecorder& recorder)
    : transparent_(transparent), pages_(pages), slideShow_(slideShow), host_(host), window_(window),
      recorder_(&recorder)
{
}

bool COverlayFlow::ShowPage(int code, bool force)
{
    const bool found = pages_.GoToPage(code);
    if (!transparent_) {
        window_.PrepareBackground();
    } else if (code < 0 || page_code::IsBoard(pages_.CurrentCode())) {
        window_.InvalidateErased();
    } else if (found || force) {
        // A running show repaints its slide itself; a forced switch (the
        // page menu) wipes the old ink anyway.
        if (host_.SlideShowState() == 0 || force) {
            window_.FlashCover();
            window_.Wait(kCoverSettleMs);
        }
        window_.DrawPageNow();
    }
    recorder_->BeginPageLayer();
    return found;
}

void COverlayFlow::FitOverlay(bool active)
{
    window_.Wait(kFitSettleMs);
    fitMode_ = active;
    if (active) {
        // The screen above a toolbar docked at the bottom during a show.
        const vexo::ScreenRect toolbar = host_.ToolbarRect();
        rect_ = {0, 0, toolbar.right, toolbar.top};
    } else {
        const vexo::ScreenRect work = window_.WorkArea();
        rect_ = {0, 0, work.right, work.bottom};
        // A shell that leaves the docked strip's band in the work area would
        // have the overlay cover the strip and take its clicks; the overlay
        // stops above the strip all the same.
        const vexo::ScreenRect toolbar = host_.ToolbarRect();
        const bool dockedAtBottom = host_.ToolbarStyle() != kStyleCompact && toolbar.bottom >= work.bottom &&
                                    toolbar.top > work.top && toolbar.right > toolbar.left;
        if (dockedAtBottom && toolbar.top < rect_.bottom) rect_.bottom = toolbar.top;
    }
    window_.MoveTo(rect_);
}

void COverlayFlow::SyncPages()
{
    pages_.BuildSlideMenu();
    ShowPage(kPageRequestCurrentSlide, false);
}

void COverlayFlow::ShowPageMenu(int x, int y)
{
    const int chosen = pages_.TrackPageMenu(x, y);
    if (chosen == 0) return;
    if (transparent_ || page_code::IsBoard(pages_.CurrentCode()) || !window_.Visible()) {
        ShowPage(chosen, true);
        return;
    }
    // The capture must show the slide, not the overlay over it.
    window_.ShowWindow(false);
    ShowPage(chosen, true);
    window_.ShowWindow(true);
}

void COverlayFlow::ClearPages() { pages_.DiscardSlidePages(); }

void COverlayFlow::EraseAll()
{
    if (!window_.Visible() || pages_.CurrentLines().Count() == 0) return;
    window_.EnableToolbarWindow(false);
    bool yes;
    if (host_.ToolbarStyle() == kStyleLarge) {
        window_.EnableOverlayWindow(false);
        yes = window_.ConfirmEraseAll();
        window_.EnableOverlayWindow(true);
    } else {
        window_.Activate();
        yes = window_.ConfirmEraseAll();
    }
    if (yes) {
        pages_.CurrentLines().EraseAllStrokes(true, 0);
        window_.FlashCover();
        recorder_->RecordEraseAll();
    }
    window_.InvalidateErased();
    window_.EnableToolbarWindow(true);
}

bool COverlayFlow::ConfirmEndSlideShow()
{
    window_.EnableToolbarWindow(false);
    bool yes;
    if (host_.ToolbarStyle() == kStyleLarge) {
        window_.EnableOverlayWindow(false);
        yes = window_.ConfirmEndShow();
        window_.EnableOverlayWindow(true);
    } else {
        window_.Activate();
        yes = window_.ConfirmEndShow();
    }
    window_.EnableToolbarWindow(true);
    return yes;
}

void COverlayFlow::OnShown(bool shown)
{
    if (host_.ToolbarStyle() == kStyleCompact) {
        // The compact toolbar enables its board buttons while a show runs.
        if (shown) ShowPage(kPageRequestCurrentSlide, false);
        host_.OnOverlayShown(shown);
        if (shown) window_.EnableTablet(true);
        return;
    }
    host_.OnOverlayShown(shown);
    if (!shown) return;
    const int code = pages_.CurrentCode();
    // A board shown before stays shown: its number asks for it again.
    ShowPage(page_code::IsBoard(code) ? page_code::BoardNumber(code) : kPageRequestCurrentSlide, false);
    window_.EnableTablet(true);
}

void COverlayFlow::OnWheel(int delta)
{
    if (delta > 0) Page(true);
    else if (delta < 0) Page(false);
}

void COverlayFlow::Page(bool back)
{
    const int action = back ? kSlidePrevious : kSlideNext;
    const int boardRequest = back ? kPageRequestPreviousBoard : kPageRequestNextBoard;
    if (!slideModeFlag_) {
        ShowPage(boardRequest, false);
        return;
    }
    if (transparent_) {
        slideShow_.Action(action);
        ShowPage(kPageRequestCurrentSlide, false);
        return;
    }
    if (slideShowFlag_ == 0) return;
    if (window_.Visible()) {
        // Showing the overlay again takes the new slide's capture.
        window_.ShowWindow(false);
        slideShow_.Action(action);
        window_.ShowWindow(true);
    } else {
        slideShow_.Action(action);
        ShowPage(kPageRequestCurrentSlide, false);
    }
}
