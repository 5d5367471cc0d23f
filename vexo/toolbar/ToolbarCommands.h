#pragma once
// What Vexo's toolbar does for each of its commands, the posted toolbar
// command codes, the user indicators, the slide-show poll and the display
// recovery. The toolbar window carries the steps out through IToolbarView,
// so every decision is the same under a fake window, overlay and show.
#include <cstdint>

#include "OverlayLink.h"

class ISlideShow;

// WM_TOOLBAR_COMMAND codes (wParam); every other code does nothing.
enum ToolbarCommandCode : int {
    kCommandExit = 23,
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

// How a button shows its family: the normal look is U, D, F and X; the
// pressed look shows D as up, down and focus image (X stays the disabled one).
enum class ButtonLook { kNormal, kPressed };

// The overlay's background for the slide screen and the two boards while
// the overlay is composited as a transparent window.
enum class OverlayBackground { kTransparent, kBlack, kWhite };

// One user's pen: width level, colour index, tool.
struct PenState {
    int width = 3;
    int colourIndex = 5;
    int tool = 0;
};

inline constexpr int kUserCount = 7;

// The toolbar window's own steps.
class IToolbarView {
public:
    virtual ~IToolbarView() = default;

    // Loads the family's images on the button; the button repaints.
    virtual void SetButtonImages(int id, const char* family, ButtonLook look) = 0;
    virtual void EnableButton(int id, bool enable) = 0;
    virtual void SetButtonTip(int id, int stringId) = 0;
    virtual void ShowWidthPopup(bool show) = 0;
    virtual bool WidthPopupVisible() const = 0;
    // The user indicator static of a user shows a bitmap.
    virtual void SetIndicator(int user, int bitmapId) = 0;

    // The overlay's background while it is a transparent window.
    virtual void SetOverlayBackground(OverlayBackground background) = 0;
    virtual void EnableOverlayWindow(bool enable) = 0;
    virtual void InvalidateOverlay() = 0;
    // The colour dialog; true with the chosen colour on OK.
    virtual bool PickColour(uint32_t& colour) = 0;
    virtual void Wait(int milliseconds) = 0;

    // Exit: true while Ctrl, Shift and End are all held down.
    virtual bool SecretKeysDown() const = 0;
    virtual void ShowPictureBox() = 0;
    // The "Are you sure?" box captioned "Close <title>"; true for Yes.
    virtual bool ConfirmClose() = 0;
    virtual void EndToolbar() = 0;

    // The recorder behind the Record button.
    virtual void StartRecording() = 0;
    virtual void StopRecording() = 0;
    virtual void ShowPlayer() = 0;

    // Slide-show tracking: the application bar and the window's place.
    virtual bool AppBarRegistered() const = 0;
    virtual void LeaveAppBar() = 0;
    // Registers the application bar again and docks it at its stored edge.
    virtual void RestoreAppBar() = 0;
    // Spans the bottom of the screen at the toolbar's client height, topmost.
    virtual void SpanScreenBottom() = 0;
    virtual void StartDisplayRecoveryTimer() = 0;
    virtual void KillDisplayRecoveryTimer() = 0;

    // The Windows taskbar; false when there is none.
    virtual bool TaskbarExists() const = 0;
    virtual void SetTaskbarTopmost(bool topmost) = 0;
    virtual void ShowTaskbar(bool show) = 0;
    virtual void SetTaskbarState(int state) = 0;
};

// The taskbar's app-bar state bits.
inline constexpr int kTaskbarAutoHide = 1;
inline constexpr int kTaskbarAlwaysOnTop = 2;

// The toolbar button of a colour index 1 to 15 (0 for any other index), and
// the colour index of a button (0 for a button that is not a colour).
int ColourButtonId(int index);
int ColourIndexOfButton(int id);

// The kind of system, from the version information, that decides how the
// taskbar is moved out of a show's way.
int OsKindFrom(int platformId, int major, int minor);

class CToolbarCommands {
public:
    CToolbarCommands(int style, bool transparent, vexo::IOverlay& overlay, ISlideShow& slideShow,
                     IToolbarView& view);

    // The initial pen states, current user 0 and every flag cleared.
    void Reset();
    void SetMultiUser(bool on) { multiUser_ = on; }
    bool MultiUser() const { return multiUser_; }
    void SetTaskbar(int osKind, int savedState)
    {
        osKind_ = osKind;
        taskbarState_ = savedState;
    }

    // Restores user 0 and shows the slide screen: the end of initialisation.
    void StartUp();

    // A click on a toolbar button; false for ids that are not commands here.
    bool OnButton(int id);
    // WM_TOOLBAR_COMMAND.
    void OnToolbarCommand(int code);
    // WM_USER_INDICATOR.
    void OnUserIndicator(int state, int user);

    void SelectTool(int tool);
    void SelectWidth(int width);
    // A width picked in the width pop-up.
    void SetWidthFromPopup(int width);
    void SelectColour(int index);
    void PickColour();
    void SlideScreen();
    void Board(bool black);
    void Page(bool back);
    void EndSlideShow();
    void Exit();
    void Record();
    void Player();
    void RestoreUser(int user);

    // The slide-show poll with the query's value.
    void OnSlideShowPoll(int state);
    virtual void SlideShowStateChanged(int state);
    void HandleTaskbar(int state);
    void OnDisplayChange();
    // Display recovery; fromTimer when timer 4 ran it.
    void RecoverDisplay(bool fromTimer);

    int CurrentColourIndex() const { return colourIndex_; }
    int CurrentUser() const { return user_; }
    const PenState& UserPen(int user) const { return pens_[user]; }
    int SlideScreenFlag() const { return slideScreen_; }
    bool Recording() const { return recording_; }
    int SlideShowState() const { return slideShowState_; }
    bool DisplayChanged() const { return displayChanged_; }

    virtual ~CToolbarCommands() = default;

private:
    bool Large() const;
    PenState& Pen() { return pens_[user_]; }
    void SetGroupImages(const int* ids, const char* const* families, int count, int chosen);

    int style_;
    bool transparent_;
    vexo::IOverlay& overlay_;
    ISlideShow& slideShow_;
    IToolbarView& view_;

    bool displayChanged_ = false;
    bool multiUser_ = false;
    int colourIndex_ = 0;
    int user_ = 0;
    PenState pens_[kUserCount];
    int slideScreen_ = 0;
    bool recording_ = false;
    int slideShowState_ = 0;
    int osKind_ = 0;
    int taskbarState_ = 0;
};
