#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "IniStore.h"
#include "OverlayFlow.h"
#include "PowerLines.h"
#include "SlideShow.h"

namespace {

using Steps = std::vector<std::string>;

// Every fake writes what it is asked to do into one list of steps.
struct StepLog {
    Steps steps;
    void Add(std::string s) { steps.push_back(std::move(s)); }
};

class FakeShow : public ISlideShow {
public:
    explicit FakeShow(StepLog& log) : log_(log) {}
    int slide = 0;
    int Action(int code) override
    {
        log_.Add("action " + std::to_string(code));
        if (code == kSlideNext) ++slide;
        if (code == kSlidePrevious) --slide;
        return 0;
    }
    int SetPointerType(int) override { return 0; }
    int GetCurrentPage() override { return slide; }
    void SlideGotoMenu(CPageMenu& menu, int baseId) override
    {
        for (int n = 1; n <= 3; ++n) menu.Append(baseId + n, "Slide");
    }
    int SlideGoto(int n) override
    {
        slide = n;
        return 1;
    }
    void EndOle() override {}

private:
    StepLog& log_;
};

class FakeTracker : public IPageMenuTracker {
public:
    int answer = 0;
    int Track(const CPageMenu&, int, int) override { return answer; }
};

class FakeHost : public vexo::IOverlayHost {
public:
    explicit FakeHost(StepLog& log) : log_(log) {}
    int slideShowState = 0;
    int style = 0;
    int SlideShowState() const override { return slideShowState; }
    int ToolbarStyle() const override { return style; }
    vexo::ScreenRect ToolbarRect() const override { return {0, 990, 1280, 1024}; }
    void OnOverlayShown(bool shown) override { log_.Add(shown ? "told shown" : "told hidden"); }
    void OnUserIndicator(uintptr_t, intptr_t) override {}
    bool DisplayChanged() const override { return false; }
    void RecoverDisplay() override {}

private:
    StepLog& log_;
};

class FakeRecorder : public IInkRecorder {
public:
    explicit FakeRecorder(StepLog& log) : log_(log) {}
    void BeginPageLayer() override { log_.Add("layer"); }
    void RecordEraseAll() override { log_.Add("record erase-all"); }

private:
    StepLog& log_;
};

class FakeWindow : public IOverlayWindow {
public:
    explicit FakeWindow(StepLog& log) : log_(log) {}
    COverlayFlow* flow = nullptr;
    bool visible = false;
    bool answerYes = true;
    vexo::ScreenRect movedTo;

    bool Visible() const override { return visible; }
    void ShowWindow(bool show) override
    {
        log_.Add(show ? "show" : "hide");
        visible = show;
        flow->OnShown(show);  // as WM_SHOWWINDOW does
    }
    void PrepareBackground() override { log_.Add("capture"); }
    void InvalidateErased() override { log_.Add("invalidate"); }
    void FlashCover() override { log_.Add("flash"); }
    void Wait(int ms) override { log_.Add("wait " + std::to_string(ms)); }
    void DrawPageNow() override { log_.Add("draw"); }
    void EnableTablet(bool enable) override { log_.Add(enable ? "tablet on" : "tablet off"); }
    vexo::ScreenRect workArea{0, 0, 1280, 990};
    vexo::ScreenRect WorkArea() const override { return workArea; }
    void MoveTo(const vexo::ScreenRect& r) override
    {
        movedTo = r;
        log_.Add("move");
    }
    void EnableToolbarWindow(bool enable) override { log_.Add(enable ? "toolbar on" : "toolbar off"); }
    void EnableOverlayWindow(bool enable) override { log_.Add(enable ? "overlay on" : "overlay off"); }
    void Activate() override { log_.Add("activate"); }
    bool ConfirmEraseAll() override
    {
        log_.Add("ask erase-all");
        return answerYes;
    }
    bool ConfirmEndShow() override
    {
        log_.Add("ask end show");
        return answerYes;
    }

private:
    StepLog& log_;
};

class OverlayFlowTest : public ::testing::Test {
protected:
    COverlayFlow& Flow(bool transparent)
    {
        flow = std::make_unique<COverlayFlow>(transparent, pages, show, host, window, recorder);
        window.flow = flow.get();
        return *flow;
    }
    void Ink()
    {
        pages.CurrentLines().AddStroke(0xFF, kPenPen);
        pages.CurrentLines().AddPoint(10, 10, 1, 0);
    }
    Steps Take()
    {
        Steps s = log.steps;
        log.steps.clear();
        return s;
    }

    StepLog log;
    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
    FakeShow show{log};
    FakeTracker tracker;
    CPowerLines pages{ini, show, tracker, BoardNames{"Black Screen", "White Screen"}};
    FakeHost host{log};
    FakeRecorder recorder{log};
    FakeWindow window{log};
    std::unique_ptr<COverlayFlow> flow;
};

TEST_F(OverlayFlowTest, ShowPageWithTheTransparentWindow)
{
    COverlayFlow& f = Flow(true);
    // A new slide page without force: nothing is wiped or redrawn.
    show.slide = 2;
    EXPECT_FALSE(f.ShowPage(2, false));
    EXPECT_EQ(Take(), (Steps{"layer"}));

    // Back to a page with ink while no show runs: wipe, then its strokes.
    Ink();
    show.slide = 3;
    f.ShowPage(3, false);
    Take();
    EXPECT_TRUE(f.ShowPage(2, false));
    EXPECT_EQ(Take(), (Steps{"flash", "wait 10", "draw", "layer"}));

    // While a show runs it repaints its slide itself, unless forced.
    host.slideShowState = 1;
    EXPECT_TRUE(f.ShowPage(3, false));
    EXPECT_EQ(Take(), (Steps{"draw", "layer"}));
    f.ShowPage(2, true);
    EXPECT_EQ(Take(), (Steps{"flash", "wait 10", "draw", "layer"}));

    // A board paints its background.
    f.ShowPage(kPageRequestLastWhiteBoard, false);
    EXPECT_EQ(Take(), (Steps{"invalidate", "layer"}));
    EXPECT_EQ(pages.CurrentCode(), -2);
}

TEST_F(OverlayFlowTest, ShowPageWithTheTopmostWindowTakesACapture)
{
    COverlayFlow& f = Flow(false);
    f.ShowPage(kPageRequestLastBlackBoard, false);
    f.ShowPage(0, true);
    EXPECT_EQ(Take(), (Steps{"capture", "layer", "capture", "layer"}));
    EXPECT_EQ(BackgroundFor(-1), BackgroundFill::kBlack);
    EXPECT_EQ(BackgroundFor(-4), BackgroundFill::kWhite);
    EXPECT_EQ(BackgroundFor(0), BackgroundFill::kScreen);
    EXPECT_EQ(BackgroundFor(7), BackgroundFill::kScreen);
}

TEST_F(OverlayFlowTest, ShowingTheOverlayShowsTheBoardItWasOn)
{
    COverlayFlow& f = Flow(false);
    f.ShowPage(kPageRequestLastBlackBoard, false);
    f.ShowPage(kPageRequestNextBoard, false);  // black board 2
    Ink();
    Take();
    window.ShowWindow(true);
    EXPECT_EQ(Take(), (Steps{"show", "told shown", "capture", "layer", "tablet on"}));
    EXPECT_EQ(pages.CurrentCode(), -3);
    EXPECT_EQ(pages.CurrentLines().Count(), 1);
    window.ShowWindow(false);
    EXPECT_EQ(Take(), (Steps{"hide", "told hidden"}));

    // The compact toolbar goes back to the slide.
    host.style = kStyleCompact;
    window.ShowWindow(true);
    EXPECT_EQ(Take(), (Steps{"show", "capture", "layer", "told shown", "tablet on"}));
    EXPECT_EQ(pages.CurrentCode(), 0);
}

struct WheelCase {
    const char* name;
    bool transparent;
    int slideMode;
    int slideShow;
    bool visible;
    int delta;
    Steps steps;
    int code;  // the page code afterwards
};

class WheelPaging : public OverlayFlowTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelPaging, PagesTheShowOrTheBoards)
{
    const WheelCase& c = GetParam();
    COverlayFlow& f = Flow(c.transparent);
    if (!c.slideMode) {
        f.ShowPage(kPageRequestLastWhiteBoard, false);
        Ink();
    } else if (c.slideShow) {
        show.slide = 4;
        f.ShowPage(0, false);
    }
    f.SetSlideModeFlag(c.slideMode);
    f.SetSlideShowFlag(c.slideShow);
    window.visible = c.visible;
    Take();
    f.OnWheel(c.delta);
    EXPECT_EQ(Take(), c.steps);
    EXPECT_EQ(pages.CurrentCode(), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Overlay, WheelPaging,
    ::testing::Values(
        WheelCase{"TransparentSlideForward", true, 1, 1, true, -120, {"action 0", "layer"}, 5},
        WheelCase{"TransparentSlideBack", true, 1, 1, true, 120, {"action 1", "layer"}, 3},
        WheelCase{"TransparentBoardForward", true, 0, 0, true, -120, {"invalidate", "layer"}, -4},
        WheelCase{"TopmostBoardForward", false, 0, 0, true, -120, {"capture", "layer"}, -4},
        WheelCase{"TopmostBoardBackStaysOnFirst", false, 0, 0, true, 120, {"capture", "layer"}, -2},
        WheelCase{"TopmostSlideWithoutShowDoesNothing", false, 1, 0, true, -120, {}, 0},
        WheelCase{"TopmostSlideVisibleTakesNewCapture", false, 1, 1, true, -120,
                  {"hide", "told hidden", "action 0", "show", "told shown", "capture", "layer", "tablet on"}, 5},
        WheelCase{"TopmostSlideHidden", false, 1, 1, false, 120, {"action 1", "capture", "layer"}, 3}),
    [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });

TEST_F(OverlayFlowTest, EraseAllAsksFirstAndOnlyWhenThereIsInk)
{
    COverlayFlow& f = Flow(true);
    window.visible = true;
    f.EraseAll();  // empty page
    Ink();
    window.visible = false;
    f.EraseAll();  // hidden
    EXPECT_EQ(Take(), Steps{});

    window.visible = true;
    window.answerYes = false;
    f.EraseAll();
    EXPECT_EQ(Take(), (Steps{"toolbar off", "activate", "ask erase-all", "invalidate", "toolbar on"}));
    EXPECT_EQ(pages.CurrentLines().Count(), 1);

    window.answerYes = true;
    host.style = kStyleLarge;
    f.EraseAll();
    EXPECT_EQ(Take(), (Steps{"toolbar off", "overlay off", "ask erase-all", "overlay on", "flash",
                             "record erase-all", "invalidate", "toolbar on"}));
    EXPECT_EQ(pages.CurrentLines().Count(), 0);
}

TEST_F(OverlayFlowTest, EndOfShowIsConfirmedWithTheToolbarDisabled)
{
    COverlayFlow& f = Flow(false);
    window.answerYes = false;
    EXPECT_FALSE(f.ConfirmEndSlideShow());
    EXPECT_EQ(Take(), (Steps{"toolbar off", "activate", "ask end show", "toolbar on"}));
    window.answerYes = true;
    host.style = kStyleLarge;
    EXPECT_TRUE(f.ConfirmEndSlideShow());
    EXPECT_EQ(Take(), (Steps{"toolbar off", "overlay off", "ask end show", "overlay on", "toolbar on"}));
}

TEST_F(OverlayFlowTest, PageMenuChoiceOnAVisibleSlideRecapturesBeneathTheOverlay)
{
    COverlayFlow& f = Flow(false);
    show.slide = 1;
    f.ShowPage(0, false);
    window.visible = true;
    f.SyncPages();
    Take();
    tracker.answer = kSlideMenuBaseId + 3;
    f.ShowPageMenu(100, 900);
    EXPECT_EQ(Take(), (Steps{"hide", "told hidden", "capture", "layer", "show", "told shown", "capture",
                             "layer", "tablet on"}));
    EXPECT_EQ(pages.CurrentCode(), 3);

    tracker.answer = 0;
    f.ShowPageMenu(100, 900);
    EXPECT_EQ(Take(), Steps{});
}

TEST_F(OverlayFlowTest, FitOverlayCoversWorkAreaOrTheScreenAboveTheToolbar)
{
    COverlayFlow& f = Flow(false);
    f.FitOverlay(false);
    EXPECT_EQ(window.movedTo.right, 1280);
    EXPECT_EQ(window.movedTo.bottom, 990);
    f.FitOverlay(true);
    EXPECT_EQ(window.movedTo.bottom, 990);  // the toolbar's top edge
    EXPECT_EQ(f.FitMode(), 1);
    EXPECT_EQ(Take(), (Steps{"wait 10", "move", "wait 10", "move"}));
}

TEST_F(OverlayFlowTest, FitOverlayStopsAboveTheStripWhereTheWorkAreaStillHoldsIt)
{
    COverlayFlow& f = Flow(false);
    window.workArea = {0, 0, 1280, 1024};  // a shell that does not shrink the work area
    f.FitOverlay(false);
    EXPECT_EQ(window.movedTo.bottom, 990);
    host.style = kStyleCompact;  // the compact toolbar floats: the work area it is
    f.FitOverlay(false);
    EXPECT_EQ(window.movedTo.bottom, 1024);
}

TEST(OverlayCursor, OneCursorPerToolAndWidth)
{
    EXPECT_EQ(OverlayCursorId(kPenPen, 1), 241);
    EXPECT_EQ(OverlayCursorId(kPenPen, 3), 235);
    EXPECT_EQ(OverlayCursorId(kPenBrush, 5), 244);
    EXPECT_EQ(OverlayCursorId(kPenMarker, 1), 237);
    EXPECT_EQ(OverlayCursorId(kPenEraser, 5), 236);
    EXPECT_EQ(OverlayCursorId(kPenArrow, 1), 0);
    EXPECT_EQ(OverlayCursorId(kPenPen, 2), 0);
}

}  // namespace
