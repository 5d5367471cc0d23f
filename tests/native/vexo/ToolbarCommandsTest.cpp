#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "OverlayFlow.h"
#include "PenKinds.h"
#include "PowerLines.h"
#include "SlideShow.h"
#include "ToolbarCommands.h"
#include "ToolbarKeys.h"
#include "ToolbarLayout.h"
#include "resource.h"

namespace {

using Steps = std::vector<std::string>;

// Every fake writes what it is asked to do into one list of steps.
struct StepLog {
    Steps steps;
    void Add(std::string s) { steps.push_back(std::move(s)); }
    bool Has(const std::string& s) const { return std::find(steps.begin(), steps.end(), s) != steps.end(); }
    void Clear() { steps.clear(); }
};

class FakeOverlay : public vexo::IOverlay {
public:
    explicit FakeOverlay(StepLog& log) : log_(log) {}
    bool shown = false;
    bool confirmEnd = true;
    uint32_t colour = 0;
    int tool = -1;
    int width = 0;

    void SetTool(int t) override
    {
        tool = t;
        shown = true;
        log_.Add("tool " + std::to_string(t));
    }
    void SetPenWidth(int w) override
    {
        width = w;
        log_.Add("width " + std::to_string(w));
    }
    void SetPenColour(uint32_t c) override
    {
        colour = c;
        log_.Add("colour " + std::to_string(c));
    }
    bool ShowPage(int code, bool force) override
    {
        log_.Add("page " + std::to_string(code) + (force ? " forced" : ""));
        return true;
    }
    void FitOverlay(bool active) override { log_.Add(active ? "fit show" : "fit work area"); }
    void SyncPages() override { log_.Add("sync pages"); }
    void ShowPageMenu(int, int) override { log_.Add("page menu"); }
    void ClearPages() override { log_.Add("clear pages"); }
    void EraseAll() override { log_.Add("erase all"); }
    bool ConfirmEndSlideShow() override
    {
        log_.Add("confirm end");
        return confirmEnd;
    }
    void EnableTablet(bool) override {}
    void ReopenTablet(bool open) override { log_.Add(open ? "tablet open" : "tablet close"); }
    void Show(bool show) override
    {
        shown = show;
        log_.Add(show ? "show" : "hide");
    }
    bool IsShown() const override { return shown; }
    int CurrentPageCode() const override { return 0; }
    void SetSlideShowFlag(int running) override { log_.Add("show flag " + std::to_string(running)); }
    void SetSlideModeFlag(int slide) override { log_.Add("slide mode " + std::to_string(slide)); }

private:
    StepLog& log_;
};

class FakeShow : public ISlideShow {
public:
    explicit FakeShow(StepLog& log) : log_(log) {}
    int query = 0;
    int Action(int code) override
    {
        if (code == kSlideShowQuery) return query;
        log_.Add("action " + std::to_string(code));
        return 0;
    }
    int SetPointerType(int type) override
    {
        log_.Add("pointer " + std::to_string(type));
        return 0;
    }
    int GetCurrentPage() override { return 1; }
    void SlideGotoMenu(CPageMenu&, int) override {}
    int SlideGoto(int) override { return 0; }
    void EndOle() override {}

private:
    StepLog& log_;
};

class FakeView : public IToolbarView {
public:
    explicit FakeView(StepLog& log) : log_(log) {}
    bool registered = true;
    bool taskbar = true;
    bool pick = false;
    uint32_t picked = 0;
    bool secretKeys = false;
    bool confirmClose = true;

    void SetButtonImages(int id, const char* family, ButtonLook look) override
    {
        log_.Add("images " + std::to_string(id) + " " + family + (look == ButtonLook::kPressed ? " pressed" : ""));
    }
    void EnableButton(int id, bool enable) override
    {
        log_.Add((enable ? "enable " : "disable ") + std::to_string(id));
    }
    void SetButtonTip(int id, int tip) override { log_.Add("tip " + std::to_string(id) + " " + std::to_string(tip)); }
    void ShowWidthPopup(bool) override {}
    bool WidthPopupVisible() const override { return false; }
    void SetIndicator(int user, int bitmap) override
    {
        log_.Add("indicator " + std::to_string(user) + " " + std::to_string(bitmap));
    }
    void SetOverlayBackground(OverlayBackground b) override
    {
        log_.Add(b == OverlayBackground::kTransparent ? "background none"
                 : b == OverlayBackground::kBlack   ? "background black"
                                                    : "background white");
    }
    void EnableOverlayWindow(bool enable) override { log_.Add(enable ? "overlay enabled" : "overlay disabled"); }
    void InvalidateOverlay() override {}
    bool PickColour(uint32_t& colour) override
    {
        colour = picked;
        return pick;
    }
    void Wait(int ms) override { log_.Add("wait " + std::to_string(ms)); }
    bool SecretKeysDown() const override { return secretKeys; }
    void ShowPictureBox() override { log_.Add("picture box"); }
    bool ConfirmClose() override
    {
        log_.Add("confirm close");
        return confirmClose;
    }
    void EndToolbar() override { log_.Add("end"); }
    void StartRecording() override { log_.Add("recorder start"); }
    void StopRecording() override { log_.Add("recorder stop"); }
    void ShowPlayer() override { log_.Add("player"); }
    bool AppBarRegistered() const override { return registered; }
    void LeaveAppBar() override
    {
        registered = false;
        log_.Add("app bar removed");
    }
    void RestoreAppBar() override
    {
        registered = true;
        log_.Add("app bar docked");
    }
    void SpanScreenBottom() override { log_.Add("span bottom"); }
    void StartDisplayRecoveryTimer() override { log_.Add("timer 4 on"); }
    void KillDisplayRecoveryTimer() override { log_.Add("timer 4 off"); }
    bool TaskbarExists() const override { return taskbar; }
    void SetTaskbarTopmost(bool topmost) override { log_.Add(topmost ? "taskbar topmost" : "taskbar not topmost"); }
    void ShowTaskbar(bool show) override { log_.Add(show ? "taskbar shown" : "taskbar hidden"); }
    void SetTaskbarState(int state) override { log_.Add("taskbar state " + std::to_string(state)); }

private:
    StepLog& log_;
};

class ToolbarTest : public ::testing::Test {
protected:
    void Make(int style, bool transparent)
    {
        commands_ = std::make_unique<CToolbarCommands>(style, transparent, overlay_, show_, view_);
    }
    void StartUp(int style = 0, bool transparent = false)
    {
        Make(style, transparent);
        commands_->StartUp();
        log_.Clear();
    }

    StepLog log_;
    FakeOverlay overlay_{log_};
    FakeShow show_{log_};
    FakeView view_{log_};
    std::unique_ptr<CToolbarCommands> commands_;
};

TEST_F(ToolbarTest, StartUpAppliesTheFirstUsersPenThenTheSlideScreen)
{
    Make(0, false);
    log_.Clear();
    commands_->StartUp();
    const Steps expected = {"width 3",
                            "images 1036 PenWidth1", "images 1035 PenWidth3 pressed", "images 1034 PenWidth5",
                            "pointer 0", "hide",
                            "images 1001 Arrow pressed", "images 1002 ERASER", "images 1000 PEN",
                            "images 1006 WATERPEN", "images 1026 MAKER",
                            "images 1014 5 pressed", "colour " + std::to_string(ColourFromIndex(5)),
                            "slide mode 1", "page 0",
                            "disable 1003", "disable 1004",
                            "images 1008 NormalScreen pressed", "images 1009 BlackScreen", "images 1010 WhiteScreen"};
    EXPECT_EQ(log_.steps, expected);
    EXPECT_EQ(commands_->CurrentColourIndex(), 5);
}

TEST_F(ToolbarTest, TheLargeStripStartsWithBlackInk)
{
    StartUp(kStyleLarge);
    EXPECT_EQ(commands_->CurrentColourIndex(), 1);
    EXPECT_EQ(commands_->UserPen(0).colourIndex, 1);
}

TEST_F(ToolbarTest, SlideScreenTwiceDoesNothingTheSecondTime)
{
    StartUp();
    commands_->SlideScreen();
    EXPECT_TRUE(log_.steps.empty());
}

TEST_F(ToolbarTest, BoardsSelectTheContrastingInkEveryTime)
{
    StartUp();
    commands_->SelectColour(3);
    commands_->Board(true);
    EXPECT_EQ(commands_->CurrentColourIndex(), 2);
    EXPECT_TRUE(log_.Has("page -1"));
    EXPECT_TRUE(log_.Has("enable 1003"));
    log_.Clear();
    commands_->Board(true);  // the same board again still runs
    EXPECT_TRUE(log_.Has("page -1"));
    EXPECT_TRUE(log_.Has("images 1009 BlackScreen pressed"));
    commands_->Board(false);
    EXPECT_EQ(commands_->CurrentColourIndex(), 1);
    EXPECT_TRUE(log_.Has("page -2"));
    EXPECT_EQ(commands_->UserPen(0).colourIndex, 1);
}

TEST_F(ToolbarTest, TransparentBoardsChangeTheOverlayBackground)
{
    StartUp(0, true);
    commands_->Board(false);
    EXPECT_TRUE(log_.Has("background white"));
    log_.Clear();
    commands_->SlideScreen();
    const Steps expected = {"slide mode 1", "background none", "page 0 forced", "disable 1003", "disable 1004",
                            "images 1008 NormalScreen pressed", "images 1009 BlackScreen",
                            "images 1010 WhiteScreen"};
    EXPECT_EQ(log_.steps, expected);
}

TEST_F(ToolbarTest, AColourFromTheDialogSetsIndexZeroAndColourOneStillSelects)
{
    StartUp(kStyleLarge);
    view_.pick = true;
    view_.picked = 0x00123456;
    commands_->PickColour();
    EXPECT_EQ(commands_->CurrentColourIndex(), 0);
    EXPECT_EQ(commands_->UserPen(0).colourIndex, 0);
    EXPECT_EQ(overlay_.colour, 0x00123456u);
    EXPECT_TRUE(log_.Has("wait 1000"));
    EXPECT_TRUE(overlay_.shown);
    log_.Clear();
    commands_->SelectColour(1);
    EXPECT_EQ(commands_->CurrentColourIndex(), 1);
    EXPECT_TRUE(log_.Has("images 1007 COLORBLACK pressed"));
    EXPECT_EQ(overlay_.colour, ColourFromIndex(1));
}

TEST_F(ToolbarTest, CancellingTheColourDialogChangesNothingButShowsTheOverlayAgain)
{
    StartUp();
    commands_->PickColour();
    EXPECT_EQ(commands_->CurrentColourIndex(), 5);
    EXPECT_TRUE(overlay_.shown);
    EXPECT_TRUE(log_.Has("overlay enabled"));
}

TEST_F(ToolbarTest, TheLargeStripKeepsColoursBeyondRedWithoutImages)
{
    StartUp(kStyleLarge);
    commands_->SelectColour(9);
    EXPECT_EQ(commands_->CurrentColourIndex(), 9);
    EXPECT_TRUE(log_.Has("images 1007 COLORBLACK"));
    EXPECT_EQ(overlay_.colour, ColourFromIndex(9));
}

struct PageCase {
    const char* name;
    bool transparent;
    bool board;
    int showState;
    bool overlayShown;
    Steps expected;
};

class TopmostPaging : public ToolbarTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(TopmostPaging, PagesTheShowOrTheBoards)
{
    const PageCase& c = GetParam();
    StartUp(0, c.transparent);
    if (c.board) commands_->Board(true);
    if (c.showState) {
        show_.query = c.showState;
        commands_->OnSlideShowPoll(c.showState);
    }
    overlay_.shown = c.overlayShown;
    log_.Clear();
    commands_->Page(false);
    EXPECT_EQ(log_.steps, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Toolbar, TopmostPaging,
    ::testing::Values(PageCase{"NoShowOnTheSlideScreen", false, false, 0, false, {}},
                      PageCase{"NoShowOnABoard", false, true, 0, false, {"page -4"}},
                      PageCase{"ShowWithOverlayShown", false, false, 5000, true, {"hide", "action 0", "show"}},
                      PageCase{"ShowWithOverlayHidden", false, false, 5000, false, {"action 0", "page 0"}},
                      PageCase{"TransparentSlideScreen", true, false, 0, false, {"action 0", "page 0"}}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST_F(ToolbarTest, PostedCommandsOutsideTheTableDoNothing)
{
    StartUp();
    for (int code : {0, 22, 24, 30, 35, 49, 52, 56, 59, 100, -1}) commands_->OnToolbarCommand(code);
    EXPECT_TRUE(log_.steps.empty());
    commands_->OnToolbarCommand(kCommandToolPen);
    EXPECT_EQ(overlay_.tool, kPenPen);
    EXPECT_EQ(commands_->UserPen(0).tool, kPenPen);
    commands_->OnToolbarCommand(kCommandWidth5);
    EXPECT_EQ(overlay_.width, 5);
    commands_->OnToolbarCommand(kCommandColourGreen);
    EXPECT_EQ(commands_->CurrentColourIndex(), 4);
    commands_->OnToolbarCommand(kCommandToolArrow);
    EXPECT_FALSE(overlay_.shown);
    EXPECT_TRUE(log_.Has("pointer 0"));
}

TEST_F(ToolbarTest, UserIndicatorsNeedMultiUserAndRestoreTheNewUsersPen)
{
    StartUp();
    commands_->OnUserIndicator(1, 2);
    EXPECT_TRUE(log_.steps.empty());

    commands_->SetMultiUser(true);
    commands_->OnUserIndicator(2, 0);  // same user: only the image
    EXPECT_EQ(log_.steps, Steps{"indicator 0 280"});

    // User 0 draws red with the marker at width 5; user 3 keeps the first pen.
    commands_->SelectTool(kPenMarker);
    commands_->SelectWidth(5);
    commands_->SelectColour(3);
    log_.Clear();
    commands_->OnUserIndicator(1, 3);
    EXPECT_EQ(commands_->CurrentUser(), 3);
    ASSERT_GE(log_.steps.size(), 2u);
    EXPECT_EQ(log_.steps[0], "indicator 3 281");
    EXPECT_EQ(log_.steps[1], "width 3");  // width, then tool, then colour
    EXPECT_TRUE(log_.Has("pointer 0"));
    EXPECT_EQ(commands_->CurrentColourIndex(), 5);

    commands_->OnUserIndicator(3, 0);
    EXPECT_EQ(overlay_.tool, kPenMarker);
    EXPECT_EQ(overlay_.width, 5);
    EXPECT_EQ(commands_->CurrentColourIndex(), 3);
    log_.Clear();
    commands_->OnUserIndicator(9, 0);  // unknown state: the image stays
    EXPECT_TRUE(log_.steps.empty());
}

TEST_F(ToolbarTest, ExitAsksUnlessTheSecretKeysShowThePictures)
{
    StartUp();
    view_.confirmClose = false;
    commands_->OnToolbarCommand(kCommandExit);
    EXPECT_EQ(log_.steps, Steps{"confirm close"});
    view_.confirmClose = true;
    commands_->Exit();
    EXPECT_TRUE(log_.Has("end"));
    log_.Clear();
    view_.secretKeys = true;
    commands_->Exit();
    EXPECT_EQ(log_.steps, Steps{"picture box"});
}

TEST_F(ToolbarTest, EndSlideShowActsOnlyOnYes)
{
    StartUp();
    overlay_.confirmEnd = false;
    commands_->EndSlideShow();
    EXPECT_FALSE(log_.Has("action 3"));
    overlay_.confirmEnd = true;
    commands_->EndSlideShow();
    EXPECT_TRUE(log_.Has("action 3"));
}

TEST_F(ToolbarTest, RecordTogglesAndThePlayerStopsARecording)
{
    StartUp();
    commands_->Record();
    EXPECT_TRUE(commands_->Recording());
    EXPECT_TRUE(log_.Has("images 1037 STOP"));
    EXPECT_TRUE(log_.Has("tip 1037 126"));
    log_.Clear();
    commands_->Player();
    EXPECT_FALSE(commands_->Recording());
    const Steps expected = {"tip 1037 125", "images 1037 RECORD", "recorder stop", "player"};
    EXPECT_EQ(log_.steps, expected);
}

TEST_F(ToolbarTest, AShowStartingAndEndingRearrangesTheStripOnce)
{
    StartUp();
    commands_->SetTaskbar(4, kTaskbarAlwaysOnTop | kTaskbarAutoHide);
    show_.query = 5000;
    commands_->OnSlideShowPoll(5000);
    const Steps started = {"app bar removed", "span bottom", "fit show", "sync pages", "show flag 5000",
                           "taskbar state 1", "enable 1003", "enable 1004", "enable 1005"};
    EXPECT_EQ(log_.steps, started);
    log_.Clear();
    commands_->OnSlideShowPoll(5000);
    EXPECT_TRUE(log_.steps.empty());

    show_.query = 0;
    commands_->OnSlideShowPoll(0);
    EXPECT_EQ(log_.steps[0], "app bar docked");
    EXPECT_TRUE(log_.Has("fit work area"));
    EXPECT_TRUE(log_.Has("taskbar state 3"));
    EXPECT_TRUE(log_.Has("disable 1005"));
    EXPECT_TRUE(log_.Has("clear pages"));
    EXPECT_EQ(log_.steps.back(), "clear pages");
    EXPECT_EQ(commands_->SlideShowState(), 0);
}

struct TaskbarCase {
    const char* name;
    int osKind;
    int savedState;
    int query;
    int state;
    Steps expected;
};

class TaskbarHandling : public ToolbarTest, public ::testing::WithParamInterface<TaskbarCase> {};

TEST_P(TaskbarHandling, FollowsTheKindAndTheQuery)
{
    const TaskbarCase& c = GetParam();
    StartUp();
    commands_->SetTaskbar(c.osKind, c.savedState);
    show_.query = c.query;
    commands_->HandleTaskbar(c.state);
    EXPECT_EQ(log_.steps, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Toolbar, TaskbarHandling,
    ::testing::Values(
        TaskbarCase{"QueryBelow2560LeavesIt", 0, 2, 2559, 2559, {}},
        TaskbarCase{"QueryOneLeavesIt", 4, 2, 1, 1, {}},
        TaskbarCase{"Kind0Lowered", 0, 2, 2560, 2560, {"taskbar not topmost"}},
        TaskbarCase{"Kind3Hidden", 3, 2, 9000, 9000, {"taskbar hidden"}},
        TaskbarCase{"Kind4StateWithoutOnTop", 4, 3, 9000, 9000, {"taskbar state 1"}},
        TaskbarCase{"NotOnTopLeftAlone", 2, 1, 9000, 9000, {}},
        TaskbarCase{"EndKind1Topmost", 1, 0, 0, 0, {"taskbar topmost"}},
        TaskbarCase{"EndKind2Shown", 2, 0, 0, 0, {"taskbar shown"}},
        TaskbarCase{"EndKind4Saved", 4, 1, 0, 0, {"taskbar state 1"}}),
    [](const ::testing::TestParamInfo<TaskbarCase>& info) { return std::string(info.param.name); });

TEST_F(ToolbarTest, NoTaskbarMeansNothingToDo)
{
    StartUp();
    view_.taskbar = false;
    commands_->SetTaskbar(0, 2);
    commands_->HandleTaskbar(0);
    commands_->HandleTaskbar(9000);
    EXPECT_TRUE(log_.steps.empty());
}

TEST_F(ToolbarTest, DisplayChangeDuringAShowWaitsForThePen)
{
    StartUp();
    view_.registered = false;  // the show took the strip out of the app bar
    commands_->OnDisplayChange();
    EXPECT_TRUE(commands_->DisplayChanged());
    EXPECT_FALSE(log_.Has("timer 4 on"));
    EXPECT_TRUE(log_.Has("pointer 0"));  // the classic strip goes back to the arrow

    log_.Clear();
    commands_->RecoverDisplay(false);
    const Steps expected = {"app bar docked", "tablet close", "wait 1000", "tablet open", "fit work area"};
    EXPECT_EQ(log_.steps, expected);
    log_.Clear();
    commands_->RecoverDisplay(true);  // the timer finds nothing left to do
    EXPECT_EQ(log_.steps, Steps{"timer 4 off"});
}

TEST_F(ToolbarTest, DisplayChangeWhileDockedStartsTheRecoveryTimer)
{
    StartUp(kStyleLarge);
    commands_->OnDisplayChange();
    EXPECT_FALSE(log_.Has("pointer 0"));
    const Steps expected = {"app bar removed", "timer 4 on"};
    EXPECT_EQ(log_.steps, expected);
}

TEST(ToolbarRules, OsKinds)
{
    EXPECT_EQ(OsKindFrom(1, 4, 10), 0);
    EXPECT_EQ(OsKindFrom(1, 4, 90), 1);
    EXPECT_EQ(OsKindFrom(2, 4, 0), 3);
    EXPECT_EQ(OsKindFrom(2, 5, 0), 2);
    EXPECT_EQ(OsKindFrom(2, 10, 0), 2);
    EXPECT_EQ(OsKindFrom(2, 6, 1), 4);
    EXPECT_EQ(OsKindFrom(3, 10, 0), 0);
}

TEST(ToolbarRules, PageKeysAreTheCursorBlocksAndTheLetters)
{
    struct Case {
        unsigned vk;
        bool extended;
        ToolbarKey key;
    };
    const Case cases[] = {
        {0x21, true, ToolbarKey::kPreviousPage},  {0x26, true, ToolbarKey::kPreviousPage},
        {0x25, true, ToolbarKey::kPreviousPage},  {0x08, false, ToolbarKey::kPreviousPage},
        {'P', false, ToolbarKey::kPreviousPage},  {0x22, true, ToolbarKey::kNextPage},
        {0x28, true, ToolbarKey::kNextPage},      {0x27, true, ToolbarKey::kNextPage},
        {0x0D, false, ToolbarKey::kNextPage},     {0x20, false, ToolbarKey::kNextPage},
        {'N', false, ToolbarKey::kNextPage},      {0x1B, false, ToolbarKey::kEscape},
        {0x21, false, ToolbarKey::kNone},  // the number pad's 9
        {0x28, false, ToolbarKey::kNone},  // the number pad's 2
        {0x0D, true, ToolbarKey::kNone},   // the number pad's Enter
        {'A', false, ToolbarKey::kNone},          {0x70, false, ToolbarKey::kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToolbarKeyOf(c.vk, c.extended), c.key) << "vk " << c.vk << " extended " << c.extended;
    }
}

TEST(ToolbarRules, ColourButtonsSkipTheFocusSink)
{
    EXPECT_EQ(ColourButtonId(1), 1007);
    EXPECT_EQ(ColourButtonId(10), 1019);
    EXPECT_EQ(ColourButtonId(11), 1021);
    EXPECT_EQ(ColourButtonId(16), 0);
    EXPECT_EQ(ColourIndexOfButton(IDC_HID), 0);
    EXPECT_EQ(ColourIndexOfButton(1025), 15);
}

TEST(ToolbarRules, EveryVisibleButtonOfAStripHasItsOwnPlace)
{
    for (int style : {0, kStyleLarge}) {
        std::vector<ButtonPlace> places = ButtonPlaces(style);
        int visible = 0;
        for (size_t i = 0; i < places.size(); ++i) {
            if (places[i].y > 10) continue;
            ++visible;
            for (size_t j = i + 1; j < places.size(); ++j) {
                if (places[j].y > 10) continue;
                EXPECT_NE(places[i].x, places[j].x) << "style " << style << " ids " << places[i].id << " "
                                                    << places[j].id;
            }
        }
        EXPECT_EQ(visible, style == 0 ? 31 : 26);
    }
    EXPECT_STREQ(LargeFamilyOf(IDC_PEN), "PENCIL1");
    EXPECT_EQ(LargeFamilyOf(IDC_WIDTH_1), nullptr);
}

}  // namespace
