// The slide-show library stand-in driving SlideShow.exe, through the same
// calls Vexo makes (load-time linked quillet.dll) and Vexo's page model.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Handle.h"
#include "IniStore.h"
#include "PageMenus_win.h"
#include "PowerLines.h"
#include "QuilletApi.h"
#include "QuilletSlideShow_win.h"
#include "SlideShowProtocol.h"

namespace {

std::string BesideThisProgram(const char* name)
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

// Polls until done() holds, for up to timeoutMs; pumps this thread's messages.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
}

HWND ShowWindowHandle()
{
    return slideshow::FindRunningShow();
}

int AskShow(slideshow::Query query)
{
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(ShowWindowHandle(), slideshow::kMsgQuery, query, 0, SMTO_ABORTIFHUNG, 5000,
                        &reply);
    return static_cast<int>(reply);
}

// SlideShow.exe with the given arguments, ended and waited for on scope exit.
class RunningShow {
public:
    explicit RunningShow(const char* arguments)
    {
        std::string commandLine = "\"" + BesideThisProgram("SlideShow.exe") + "\" " + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &si, &pi)) {
            process_.Reset(pi.hProcess);
            CloseHandle(pi.hThread);
        }
        started_ = process_ && WaitFor([] { return ShowWindowHandle() != nullptr; });
    }
    ~RunningShow()
    {
        if (!process_) return;
        if (HWND show = ShowWindowHandle())
            PostMessageA(show, WM_KEYDOWN, VK_ESCAPE, 0);
        if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
    }
    bool Started() const { return started_; }
    bool Exited(DWORD timeoutMs) const { return WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0; }

private:
    fw::ScopedHandle process_;
    bool started_ = false;
};

class QuilletStandin : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A show left over from an earlier run would answer for ours.
        if (HWND stale = ShowWindowHandle()) PostMessageA(stale, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(WaitFor([] { return ShowWindowHandle() == nullptr; }));
    }
};

TEST_F(QuilletStandin, WithoutAShowEveryCallAnswersAtOnceWithNothing)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(Quillet_PP_Action(kSlideShowQuery), 0);
    for (int code : {0, 1, 3, 4, 5, 6, 7, -2}) EXPECT_EQ(Quillet_PP_Action(code), 0) << code;
    EXPECT_EQ(Quillet_PP_GetSlideShowActive(), 0);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 0);
    EXPECT_EQ(Quillet_PP_SlideGoto(2), 0);
    EXPECT_EQ(Quillet_PP_SetPointerType(3), 0);
    EXPECT_EQ(Quillet_PP_SetPointerColor(RGB(1, 2, 3)), 0);

    ScopedPopupMenu menu(CreatePopupMenu());
    EXPECT_EQ(Quillet_PP_SlideGotoMenu(menu, kSlideMenuBaseId), 0);
    EXPECT_EQ(GetMenuItemCount(menu), 0);
    EXPECT_EQ(Quillet_PP_SlideGotoMenu(nullptr, kSlideMenuBaseId), 0);
    Quillet_PP_EndOle();
    EXPECT_LT(GetTickCount() - start, 2000u);
}

TEST_F(QuilletStandin, PagesTheShowAndReportsItsState)
{
    RunningShow show("/slides:4");
    ASSERT_TRUE(show.Started());

    const int first = Quillet_PP_Action(kSlideShowQuery);
    EXPECT_GE(first, kSlideShowQueryTaskbarFloor);  // full screen: the taskbar makes way
    EXPECT_EQ(Quillet_PP_GetSlideShowActive(), 1);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 1);

    EXPECT_EQ(Quillet_PP_Action(kSlideNext), 1);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 2);
    // Each slide gives another query value, so that pollers see the change.
    EXPECT_NE(Quillet_PP_Action(kSlideShowQuery), first);
    EXPECT_EQ(Quillet_PP_Action(kSlidePrevious), 1);
    EXPECT_EQ(Quillet_PP_Action(kSlidePrevious), 1);  // stays on the first slide
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 1);
    EXPECT_EQ(Quillet_PP_Action(kSlideShowQuery), first);

    EXPECT_EQ(Quillet_PP_SlideGoto(4), 1);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 4);
    EXPECT_EQ(Quillet_PP_SlideGoto(9), 0);  // no such slide
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 4);

    // Black and white screens cover the slide without changing the query.
    const int onFour = Quillet_PP_Action(kSlideShowQuery);
    Quillet_PP_Action(kSlideBlackScreen);
    EXPECT_EQ(AskShow(slideshow::kQueryScreen), slideshow::kScreenBlack);
    Quillet_PP_Action(kSlideWhiteScreen);
    EXPECT_EQ(AskShow(slideshow::kQueryScreen), slideshow::kScreenWhite);
    EXPECT_EQ(Quillet_PP_Action(kSlideShowQuery), onFour);
    Quillet_PP_Action(kSlideScreen);
    EXPECT_EQ(AskShow(slideshow::kQueryScreen), slideshow::kScreenSlide);
    Quillet_PP_Action(kSlideWhiteScreen);
    Quillet_PP_Action(kSlideNext);  // leaves the white screen, stays on the slide
    EXPECT_EQ(AskShow(slideshow::kQueryScreen), slideshow::kScreenSlide);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 4);

    // Past the last slide: the end screen, still running, still slide 4.
    Quillet_PP_Action(kSlideNext);
    EXPECT_EQ(AskShow(slideshow::kQueryScreen), slideshow::kScreenEnd);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 4);
    EXPECT_NE(Quillet_PP_Action(kSlideShowQuery), 0);

    EXPECT_EQ(Quillet_PP_Action(kSlideShowEnd), 1);
    EXPECT_EQ(Quillet_PP_Action(kSlideShowQuery), 0);
    EXPECT_EQ(Quillet_PP_GetSlideShowActive(), 0);
    EXPECT_TRUE(show.Exited(10000));
}

TEST_F(QuilletStandin, KeyboardPagesAndEndsTheShow)
{
    RunningShow show("/slides:3 /start:2");
    ASSERT_TRUE(show.Started());
    HWND window = ShowWindowHandle();
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 2);

    PostMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(WaitFor([] { return Quillet_PP_GetCurrentPage() == 3; }));
    PostMessageA(window, WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_TRUE(WaitFor([] { return Quillet_PP_GetCurrentPage() == 2; }));
    PostMessageA(window, WM_KEYDOWN, 'B', 0);
    EXPECT_TRUE(WaitFor([] { return AskShow(slideshow::kQueryScreen) == slideshow::kScreenBlack; }));
    PostMessageA(window, WM_KEYDOWN, 'B', 0);
    EXPECT_TRUE(WaitFor([] { return AskShow(slideshow::kQueryScreen) == slideshow::kScreenSlide; }));
    PostMessageA(window, WM_KEYDOWN, 'W', 0);
    EXPECT_TRUE(WaitFor([] { return AskShow(slideshow::kQueryScreen) == slideshow::kScreenWhite; }));
    PostMessageA(window, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(WaitFor([] { return Quillet_PP_GetCurrentPage() == 1; }));
    PostMessageA(window, WM_KEYDOWN, '3', 0);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitFor([] { return Quillet_PP_GetCurrentPage() == 3; }));

    // Paging on from the end screen ends the show.
    PostMessageA(window, WM_KEYDOWN, VK_NEXT, 0);
    PostMessageA(window, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_TRUE(show.Exited(10000));
    EXPECT_EQ(Quillet_PP_Action(kSlideShowQuery), 0);
}

TEST_F(QuilletStandin, PointerTypeAndColourReachTheShowUntilEndOle)
{
    RunningShow show("/slides:2");
    ASSERT_TRUE(show.Started());
    EXPECT_EQ(Quillet_PP_SetPointerColor(RGB(100, 155, 155)), 1);
    EXPECT_EQ(Quillet_PP_SetPointerType(3), 1);
    EXPECT_EQ(AskShow(slideshow::kQueryPointerType), 3);
    EXPECT_EQ(static_cast<COLORREF>(AskShow(slideshow::kQueryPointerColour)), RGB(100, 155, 155));

    // The library's session ends: the show gets its arrow back.
    Quillet_PP_EndOle();
    EXPECT_EQ(AskShow(slideshow::kQueryPointerType), slideshow::kPointerArrow);
    EXPECT_EQ(Quillet_PP_GetSlideShowActive(), 1);  // the show itself goes on
}

class ChosenItem : public IPageMenuTracker {
public:
    int id = 0;
    int Track(const CPageMenu&, int, int) override { return id; }
};

TEST_F(QuilletStandin, PagesFollowTheShowAndItsSlideMenu)
{
    RunningShow show("/slides:3");
    ASSERT_TRUE(show.Started());

    fw::MemoryFileSystem fs;
    fw::TextIniStore ini(fs);
    CQuilletSlideShow library;
    ChosenItem tracker;
    CPowerLines pages(ini, library, tracker, BoardNames{"Black Screen", "White Screen"});

    pages.BuildSlideMenu();
    EXPECT_EQ(pages.SlideMenu().Items(),
              (std::vector<PageMenuItem>{{1225, "Slide 1"}, {1226, "Slide 2"}, {1227, "Slide 3"}}));
    pages.GoToPage(kPageRequestCurrentSlide);
    EXPECT_EQ(pages.CurrentCode(), 1);

    // The page menu's choice moves the show, and the page follows it.
    tracker.id = kSlideMenuBaseId + 3;
    EXPECT_EQ(pages.TrackPageMenu(100, 100), 3);
    EXPECT_EQ(Quillet_PP_GetCurrentPage(), 3);
    pages.GoToPage(kPageRequestCurrentSlide);
    EXPECT_EQ(pages.CurrentCode(), 3);

    library.Action(kSlideShowEnd);
    pages.BuildSlideMenu();
    EXPECT_TRUE(pages.SlideMenu().Empty());
    EXPECT_TRUE(pages.GoToPage(kPageRequestCurrentSlide));
    EXPECT_EQ(pages.CurrentCode(), 0);
}

TEST(PageMenusWin, PopupMenuCarriesTheItemsBothWays)
{
    CPageMenu menu;
    menu.Append(1525, "1. Black Screen");
    menu.Append(1526, "2. Black Screen");
    ScopedPopupMenu popup = RealisePageMenu(menu);
    ASSERT_TRUE(popup);
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(GetMenuItemID(popup, 1), 1526u);

    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING, 1300, std::string(300, 'x').c_str());
    CPageMenu back;
    ReadPageMenu(popup, back);
    ASSERT_EQ(back.Count(), 3u);  // the separator is no page
    EXPECT_EQ(back.At(0), menu.At(0));
    EXPECT_EQ(back.At(1), menu.At(1));
    EXPECT_EQ(back.At(2).text.size(), 300u);
}

}  // namespace

namespace {

TEST(PageMenusWin, TrackedMenuReturnsTheChosenCommand)
{
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    SetForegroundWindow(owner);
    CPageMenu menu;
    menu.Append(1225, "Slide 1");
    menu.Append(1226, "Slide 2");
    CPopupPageMenuTracker tracker(owner);

    // Keys already waiting when the menu opens: select the second item, choose it.
    PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(tracker.Track(menu, 200, 200), 1226);

    PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(tracker.Track(menu, 200, 200), 0);
    EXPECT_EQ(tracker.Track(CPageMenu(), 200, 200), 0);  // nothing to show
    DestroyWindow(owner);
}

}  // namespace
