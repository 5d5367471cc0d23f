#include "ToolbarCommands.h"

#include "OverlayFlow.h"
#include "PenKinds.h"
#include "PowerLines.h"
#include "SlideShow.h"
#include "resource.h"

namespace {

constexpr int kWidthLevels[] = {1, 3, 5};
constexpr int kColourBlack = 1;
constexpr int kColourWhite = 2;
constexpr int kColourRed = 3;
constexpr int kColourGreen = 4;
constexpr int kColourBlue = 5;
constexpr int kLastColour = 15;
constexpr int kInitialColourLarge = kColourBlack;

// The pause that lets the screen beneath repaint before the overlay
// captures it again, and the one after the colour dialog closes.
constexpr int kRecaptureWaitMs = 100;
constexpr int kColourDialogWaitMs = 1000;
constexpr int kTabletReopenWaitMs = 1000;

// The tool group in its image order: arrow, eraser, pen, brush, marker.
constexpr int kToolIds[] = {IDC_ARROW_TOOL, IDC_ERASER, IDC_PEN, IDC_BRUSH, IDC_MARKER};
constexpr int kToolCodes[] = {kPenArrow, kPenEraser, kPenPen, kPenBrush, kPenMarker};
constexpr const char* kToolFamilies[] = {"Arrow", "ERASER", "PEN", "WATERPEN", "MAKER"};
constexpr const char* kToolFamiliesLarge[] = {"ARROW1", "ERASER1", "PENCIL1", "WATERPEN1", "MAKER1"};
constexpr int kToolCount = 5;

constexpr int kWidthIds[] = {IDC_WIDTH_1, IDC_WIDTH_3, IDC_WIDTH_5};
constexpr const char* kWidthFamilies[] = {"PenWidth1", "PenWidth3", "PenWidth5"};
constexpr const char* kPopupWidthFamilies[] = {"SELPENWIDTH1", "SELPENWIDTH3", "SELPENWIDTH5"};

constexpr int kScreenIds[] = {IDC_SLIDE_SCREEN, IDC_BLACK_BOARD, IDC_WHITE_BOARD};
constexpr const char* kScreenFamilies[] = {"NormalScreen", "BlackScreen", "WhiteScreen"};
constexpr const char* kScreenFamiliesLarge[] = {"SLIDEBOARD", "BLACKBOARD", "WHITEBOARD"};

constexpr const char* kColourFamiliesLarge[] = {"COLORBLACK", "COLORWHITE", "COLORRED"};
constexpr const char* kColourFamilies[] = {"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                           "9", "10", "11", "12", "13", "14", "15"};

// User indicator states and their bitmaps.
constexpr int kIndicatorOff = 0;
constexpr int kIndicatorOn = 1;
constexpr int kIndicatorActive = 2;
constexpr int kIndicatorIdle = 3;

int WidthSlot(int width)
{
    for (int i = 0; i < 3; ++i) {
        if (kWidthLevels[i] == width) return i;
    }
    return -1;
}

int ToolSlot(int tool)
{
    for (int i = 0; i < kToolCount; ++i) {
        if (kToolCodes[i] == tool) return i;
    }
    return -1;
}

}  // namespace

int ColourButtonId(int index)
{
    if (index == 1) return IDC_COLOUR_1;
    if (index >= 2 && index <= 10) return IDC_COLOUR_2 + index - 2;
    if (index >= 11 && index <= kLastColour) return IDC_COLOUR_11 + index - 11;
    return 0;
}

int ColourIndexOfButton(int id)
{
    for (int index = 1; index <= kLastColour; ++index) {
        if (ColourButtonId(index) == id) return index;
    }
    return 0;
}

int OsKindFrom(int platformId, int major, int minor)
{
    constexpr int kPlatformWindows9x = 1;
    constexpr int kPlatformNt = 2;
    if (platformId == kPlatformWindows9x) return (major > 4 || minor >= 90) ? 1 : 0;
    if (platformId == kPlatformNt) {
        if (major < 5) return 3;
        return minor == 0 ? 2 : 4;
    }
    return 0;
}

CToolbarCommands::CToolbarCommands(int style, bool transparent, vexo::IOverlay& overlay,
                                   ISlideShow& slideShow, IToolbarView& view)
    : style_(style), transparent_(transparent), overlay_(overlay), slideShow_(slideShow), view_(view)
{
    Reset();
}

bool CToolbarCommands::Large() const { return style_ == kStyleLarge; }

void CToolbarCommands::Reset()
{
    for (PenState& pen : pens_) pen = PenState{3, Large() ? kInitialColourLarge : kColourBlue, kPenArrow};
    user_ = 0;
    displayChanged_ = false;
    slideScreen_ = 0;
    recording_ = false;
    slideShowState_ = 0;
    overlay_.SetSlideModeFlag(0);
    overlay_.SetSlideShowFlag(0);
}

void CToolbarCommands::StartUp()
{
    RestoreUser(0);
    SlideScreen();
}

void CToolbarCommands::SetGroupImages(const int* ids, const char* const* families, int count, int chosen)
{
    for (int i = 0; i < count; ++i) {
        view_.SetButtonImages(ids[i], families[i], i == chosen ? ButtonLook::kPressed : ButtonLook::kNormal);
    }
}

bool CToolbarCommands::OnButton(int id)
{
    for (int i = 0; i < kToolCount; ++i) {
        if (kToolIds[i] == id) {
            SelectTool(kToolCodes[i]);
            return true;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (kWidthIds[i] == id) {
            SelectWidth(kWidthLevels[i]);
            return true;
        }
    }
    if (const int colour = ColourIndexOfButton(id)) {
        SelectColour(colour);
        return true;
    }
    switch (id) {
    case IDC_ERASE_ALL: overlay_.EraseAll(); return true;
    case IDC_PAGE_UP: Page(true); return true;
    case IDC_PAGE_DOWN: Page(false); return true;
    case IDC_SLIDE_SCREEN: SlideScreen(); return true;
    case IDC_BLACK_BOARD: Board(true); return true;
    case IDC_WHITE_BOARD: Board(false); return true;
    case IDC_END_SHOW: EndSlideShow(); return true;
    case IDC_PALETTE: PickColour(); return true;
    case IDC_RECORD: Record(); return true;
    case IDC_PLAYER: Player(); return true;
    default: return false;
    }
}

void CToolbarCommands::OnToolbarCommand(int code)
{
    switch (code) {
    case kCommandExit: Exit(); break;
    case kCommandColourRed: SelectColour(kColourRed); break;
    case kCommandColourBlue: SelectColour(kColourBlue); break;
    case kCommandColourGreen: SelectColour(kColourGreen); break;
    case kCommandToolPen: SelectTool(kPenPen); break;
    case kCommandToolBrush: SelectTool(kPenBrush); break;
    case kCommandToolMarker: SelectTool(kPenMarker); break;
    case kCommandToolEraser: SelectTool(kPenEraser); break;
    case kCommandEraseAll: overlay_.EraseAll(); break;
    case kCommandToolArrow: SelectTool(kPenArrow); break;
    case kCommandWidth1: SelectWidth(1); break;
    case kCommandWidth5: SelectWidth(5); break;
    case kCommandSlideScreen: SlideScreen(); break;
    case kCommandWhiteBoard: Board(false); break;
    case kCommandNextPage: Page(false); break;
    case kCommandPreviousPage: Page(true); break;
    default: break;
    }
}

void CToolbarCommands::OnUserIndicator(int state, int user)
{
    if (!multiUser_ || user < 0 || user >= kUserCount) return;
    if (state == kIndicatorOff || state == kIndicatorIdle) {
        view_.SetIndicator(user, IDB_INDICATOR_OFF);
    } else if (state == kIndicatorOn) {
        view_.SetIndicator(user, IDB_INDICATOR_ON);
    } else if (state == kIndicatorActive) {
        view_.SetIndicator(user, IDB_INDICATOR_ACTIVE);
    }
    if (user != user_) {
        user_ = user;
        RestoreUser(user);
    }
}

void CToolbarCommands::SelectTool(int tool)
{
    const int slot = ToolSlot(tool);
    if (slot < 0) return;
    Pen().tool = tool;
    if (tool == kPenArrow) {
        slideShow_.SetPointerType(kSlidePointerArrow);
        overlay_.Show(false);
    } else {
        overlay_.SetTool(tool);
    }
    SetGroupImages(kToolIds, Large() ? kToolFamiliesLarge : kToolFamilies, kToolCount, slot);
}

void CToolbarCommands::SelectWidth(int width)
{
    const int slot = WidthSlot(width);
    if (slot < 0) return;
    Pen().width = width;
    overlay_.SetPenWidth(width);
    SetGroupImages(kWidthIds, kWidthFamilies, 3, slot);
}

void CToolbarCommands::SetWidthFromPopup(int width)
{
    if (view_.WidthPopupVisible()) view_.ShowWidthPopup(false);
    Pen().width = width;
    overlay_.SetPenWidth(width);
    const int slot = WidthSlot(width);
    if (slot >= 0) view_.SetButtonImages(IDC_WIDTH_POPUP, kPopupWidthFamilies[slot], ButtonLook::kNormal);
}

void CToolbarCommands::SelectColour(int index)
{
    if (index == colourIndex_) return;
    if (Large()) {
        if (colourIndex_ >= kColourBlack && colourIndex_ <= kColourRed) {
            view_.SetButtonImages(ColourButtonId(colourIndex_), kColourFamiliesLarge[colourIndex_ - 1],
                                  ButtonLook::kNormal);
        }
        if (index >= kColourBlack && index <= kColourRed) {
            view_.SetButtonImages(ColourButtonId(index), kColourFamiliesLarge[index - 1], ButtonLook::kPressed);
        }
        colourIndex_ = index;
    } else {
        if (colourIndex_ >= 1 && colourIndex_ <= kLastColour) {
            view_.SetButtonImages(ColourButtonId(colourIndex_), kColourFamilies[colourIndex_ - 1],
                                  ButtonLook::kNormal);
        }
        if (index >= 1 && index <= kLastColour) {
            view_.SetButtonImages(ColourButtonId(index), kColourFamilies[index - 1], ButtonLook::kPressed);
            colourIndex_ = index;
        }
    }
    overlay_.SetPenColour(ColourFromIndex(colourIndex_));
    Pen().colourIndex = colourIndex_;
}

void CToolbarCommands::PickColour()
{
    view_.EnableOverlayWindow(false);
    overlay_.Show(false);
    uint32_t colour = 0;
    if (view_.PickColour(colour)) {
        overlay_.SetPenColour(colour);
        if (Large()) {
            for (int index = kColourBlack; index <= kColourRed; ++index) {
                view_.SetButtonImages(ColourButtonId(index), kColourFamiliesLarge[index - 1], ButtonLook::kNormal);
            }
        } else if (colourIndex_ >= 1 && colourIndex_ <= kLastColour) {
            view_.SetButtonImages(ColourButtonId(colourIndex_), kColourFamilies[colourIndex_ - 1],
                                  ButtonLook::kNormal);
        }
        Pen().colourIndex = 0;
        colourIndex_ = 0;
    }
    view_.Wait(kColourDialogWaitMs);
    overlay_.Show(true);
    view_.EnableOverlayWindow(true);
    view_.InvalidateOverlay();
}

void CToolbarCommands::SlideScreen()
{
    if (slideScreen_ == 1) return;
    slideScreen_ = 1;
    overlay_.SetSlideModeFlag(1);
    if (transparent_) {
        view_.SetOverlayBackground(OverlayBackground::kTransparent);
        overlay_.ShowPage(kPageRequestCurrentSlide, true);
    } else if (overlay_.IsShown()) {
        overlay_.Show(false);
        view_.Wait(kRecaptureWaitMs);
        overlay_.ShowPage(kPageRequestCurrentSlide, false);
        overlay_.Show(true);
    } else {
        overlay_.ShowPage(kPageRequestCurrentSlide, false);
    }
    const bool showRuns = slideShowState_ != 0;
    view_.EnableButton(IDC_PAGE_UP, showRuns);
    view_.EnableButton(IDC_PAGE_DOWN, showRuns);
    SetGroupImages(kScreenIds, Large() ? kScreenFamiliesLarge : kScreenFamilies, 3, 0);
}

void CToolbarCommands::Board(bool black)
{
    slideScreen_ = 0;
    overlay_.SetSlideModeFlag(0);
    if (transparent_) view_.SetOverlayBackground(black ? OverlayBackground::kBlack : OverlayBackground::kWhite);
    overlay_.ShowPage(black ? kPageRequestLastBlackBoard : kPageRequestLastWhiteBoard, false);
    view_.EnableButton(IDC_PAGE_UP, true);
    view_.EnableButton(IDC_PAGE_DOWN, true);
    SetGroupImages(kScreenIds, Large() ? kScreenFamiliesLarge : kScreenFamilies, 3, black ? 1 : 2);
    SelectColour(black ? kColourWhite : kColourBlack);
}

void CToolbarCommands::Page(bool back)
{
    const int action = back ? kSlidePrevious : kSlideNext;
    const int board = back ? kPageRequestPreviousBoard : kPageRequestNextBoard;
    if (slideScreen_ == 0) {
        overlay_.ShowPage(board, false);
    } else if (transparent_) {
        slideShow_.Action(action);
        overlay_.ShowPage(kPageRequestCurrentSlide, false);
    } else if (slideShowState_ == 0) {
        return;
    } else if (overlay_.IsShown()) {
        overlay_.Show(false);
        slideShow_.Action(action);
        overlay_.Show(true);
    } else {
        slideShow_.Action(action);
        overlay_.ShowPage(kPageRequestCurrentSlide, false);
    }
}

void CToolbarCommands::EndSlideShow()
{
    if (overlay_.ConfirmEndSlideShow()) slideShow_.Action(kSlideShowEnd);
}

void CToolbarCommands::Exit()
{
    if (view_.SecretKeysDown()) {
        view_.ShowPictureBox();
        return;
    }
    if (view_.ConfirmClose()) view_.EndToolbar();
}

void CToolbarCommands::Record()
{
    if (!recording_) {
        recording_ = true;
        view_.SetButtonTip(IDC_RECORD, IDS_STOP_RECORDING);
        view_.SetButtonImages(IDC_RECORD, Large() ? "STOP1" : "STOP", ButtonLook::kNormal);
        view_.StartRecording();
    } else {
        recording_ = false;
        view_.SetButtonTip(IDC_RECORD, IDS_RECORD);
        view_.SetButtonImages(IDC_RECORD, Large() ? "RECORD1" : "RECORD", ButtonLook::kNormal);
        view_.StopRecording();
    }
}

void CToolbarCommands::Player()
{
    if (recording_) Record();
    view_.ShowPlayer();
}

void CToolbarCommands::RestoreUser(int user)
{
    if (user < 0 || user >= kUserCount) return;
    const PenState pen = pens_[user];
    if (WidthSlot(pen.width) >= 0) SelectWidth(pen.width);
    if (ToolSlot(pen.tool) >= 0) SelectTool(pen.tool);
    SelectColour(pen.colourIndex);
}

void CToolbarCommands::OnSlideShowPoll(int state)
{
    if (state == slideShowState_) return;
    if (state != 0) {
        if (view_.AppBarRegistered()) view_.LeaveAppBar();
        view_.SpanScreenBottom();
        overlay_.FitOverlay(true);
    } else {
        if (!view_.AppBarRegistered()) view_.RestoreAppBar();
        overlay_.FitOverlay(false);
    }
    overlay_.SyncPages();
    slideShowState_ = state;
    overlay_.SetSlideShowFlag(state);
    HandleTaskbar(state);
    SlideShowStateChanged(state);
}

void CToolbarCommands::SlideShowStateChanged(int state)
{
    const bool running = state != 0;
    view_.EnableButton(IDC_PAGE_UP, running);
    view_.EnableButton(IDC_PAGE_DOWN, running);
    view_.EnableButton(IDC_END_SHOW, running);
    if (running) return;
    SelectTool(kPenArrow);
    SlideScreen();
    overlay_.ClearPages();
}

void CToolbarCommands::HandleTaskbar(int state)
{
    if (!view_.TaskbarExists()) return;
    const int query = slideShow_.Action(kSlideShowQuery);
    if (query >= 1 && query < kSlideShowQueryTaskbarFloor) return;
    if (state != 0) {
        if ((taskbarState_ & kTaskbarAlwaysOnTop) == 0) return;
        switch (osKind_) {
        case 0:
        case 1: view_.SetTaskbarTopmost(false); break;
        case 2:
        case 3: view_.ShowTaskbar(false); break;
        case 4: view_.SetTaskbarState(taskbarState_ & ~kTaskbarAlwaysOnTop); break;
        default: break;
        }
    } else {
        switch (osKind_) {
        case 0:
        case 1: view_.SetTaskbarTopmost(true); break;
        case 2:
        case 3: view_.ShowTaskbar(true); break;
        case 4: view_.SetTaskbarState(taskbarState_); break;
        default: break;
        }
    }
}

void CToolbarCommands::OnDisplayChange()
{
    displayChanged_ = true;
    if (style_ == 0) SelectTool(kPenArrow);
    if (view_.AppBarRegistered()) {
        view_.LeaveAppBar();
        view_.StartDisplayRecoveryTimer();
    }
}

void CToolbarCommands::RecoverDisplay(bool fromTimer)
{
    if (displayChanged_) {
        view_.RestoreAppBar();
        displayChanged_ = false;
        overlay_.ReopenTablet(false);
        view_.Wait(kTabletReopenWaitMs);
        overlay_.ReopenTablet(true);
        overlay_.FitOverlay(false);
    }
    if (fromTimer) view_.KillDisplayRecoveryTimer();
}
