#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppBar.h"

namespace {

constexpr int kScreenW = 1280;
constexpr int kScreenH = 1024;
constexpr int kTaskbarH = 30;  // the taskbar, itself an app bar, at the bottom

// The shell and the window as a fake: the shell keeps registered bars clear
// of a bottom taskbar (it leaves an unregistered bar's rectangle alone, as
// SHAppBarMessage does), and moving the window sends the window's move and
// size notices back into the bar the way the window procedure does.
class CFakeShell : public IAppBarShell {
public:
    std::vector<std::string> calls;
    AppBarRect window{200, 300, 200 + 1040, 300 + 40};
    bool acceptsNew = true;
    bool acceptsRemove = true;
    bool registered = false;
    CAppBar* bar = nullptr;

    bool New(unsigned callbackMessage) override
    {
        calls.push_back("new " + std::to_string(callbackMessage));
        registered = acceptsNew;
        return acceptsNew;
    }
    bool Remove() override
    {
        calls.push_back("remove");
        if (acceptsRemove) registered = false;
        return acceptsRemove;
    }
    void QueryPos(int edge, AppBarRect& rect) override
    {
        calls.push_back("query " + std::to_string(edge));
        KeepClearOfTaskbar(edge, rect);
    }
    void SetPos(int edge, AppBarRect& rect) override
    {
        calls.push_back("set " + std::to_string(edge));
        KeepClearOfTaskbar(edge, rect);
    }
    void WindowPosChanged() override { calls.push_back("poschanged"); }
    int ScreenWidth() const override { return kScreenW; }
    int ScreenHeight() const override { return kScreenH; }
    AppBarRect WindowRect() const override { return window; }
    void MoveWindow(const AppBarRect& rect) override
    {
        calls.push_back("move");
        MoveBy(rect);
    }

    // Someone else (the user, another program) moves or sizes the window.
    void MoveBy(const AppBarRect& rect)
    {
        ASSERT_LT(depth_, 8) << "moving the window never settles";
        const AppBarRect old = window;
        window = rect;
        ++depth_;
        if (bar && (old.left != rect.left || old.top != rect.top)) bar->OnMoved(false);
        if (bar && (old.Width() != rect.Width() || old.Height() != rect.Height())) bar->OnResized(false);
        --depth_;
    }

private:
    void KeepClearOfTaskbar(int edge, AppBarRect& rect) const
    {
        if (registered && edge == kEdgeBottom && rect.bottom > kScreenH - kTaskbarH)
            rect.bottom = kScreenH - kTaskbarH;
    }
    int depth_ = 0;
};

class AppBarTest : public testing::Test {
protected:
    CFakeShell shell;
    CAppBar bar{shell, AppBarOptionsFor(8, 16, 0)};
    void SetUp() override { shell.bar = &bar; }

    AppBarRect Band(int thickness) const
    {
        return {0, kScreenH - kTaskbarH - thickness, kScreenW, kScreenH - kTaskbarH};
    }
};

TEST(AppBarThickness, ComesFromTheDialogBaseUnitsAndStyle)
{
    struct Case { int unitX, unitY, style, vertical, horizontal; };
    const Case cases[] = {
        {8, 16, 0, 28, 56}, {8, 16, 2, 34, 56}, {8, 16, 1, 46, 56}, {8, 16, 7, 28, 56},
        {7, 15, 0, 26, 49}, {7, 15, 2, 31, 49}, {7, 15, 1, 43, 49},  // eighths round down
    };
    for (const Case& c : cases) {
        const AppBarOptions o = AppBarOptionsFor(c.unitX, c.unitY, c.style);
        EXPECT_EQ(o.edge, kEdgeBottom);
        EXPECT_EQ(o.verticalThickness, c.vertical) << c.unitY << " style " << c.style;
        EXPECT_EQ(o.horizontalThickness, c.horizontal) << c.unitX;
    }
}

TEST_F(AppBarTest, DocksFullWidthDirectlyAboveTheTaskbar)
{
    bar.Register();
    bar.SetEdge(kEdgeBottom);
    EXPECT_TRUE(bar.IsRegistered());
    EXPECT_EQ(shell.window, Band(28));
    EXPECT_EQ(bar.DockedRect(), Band(28));
    // Registered with the callback message before the shell is asked for
    // room; the window moves only after the band is set.
    ASSERT_GE(shell.calls.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(shell.calls.begin(), shell.calls.begin() + 4),
              (std::vector<std::string>{"new 2034", "query 3", "set 3", "move"}));
}

TEST_F(AppBarTest, AMovedWindowSnapsBackAndAResizeKeepsItsNewThickness)
{
    bar.Register();
    bar.SetEdge(kEdgeBottom);

    shell.MoveBy({100, 100, 100 + 600, 100 + 28});
    EXPECT_EQ(shell.window, Band(28));

    shell.MoveBy({0, 500, kScreenW, 540});  // 40 high
    EXPECT_EQ(shell.window, Band(40));
    EXPECT_EQ(bar.Options().verticalThickness, 40);
    shell.MoveBy({10, 10, 10 + 300, 10 + 40});
    EXPECT_EQ(shell.window, Band(40));
}

TEST_F(AppBarTest, SideEdgesUseTheHorizontalThicknessAndAResizeChangesIt)
{
    bar.Register();
    bar.SetEdge(kEdgeRight);
    EXPECT_EQ(bar.Edge(), kEdgeRight);
    EXPECT_EQ(shell.window, (AppBarRect{kScreenW - 56, 0, kScreenW, kScreenH}));

    shell.MoveBy({500, 0, 500 + 80, kScreenH});
    EXPECT_EQ(shell.window, (AppBarRect{kScreenW - 80, 0, kScreenW, kScreenH}));

    bar.SetEdge(kEdgeLeft);
    EXPECT_EQ(shell.window, (AppBarRect{0, 0, 80, kScreenH}));
    bar.SetEdge(kEdgeTop);
    EXPECT_EQ(shell.window, (AppBarRect{0, 0, kScreenW, 28}));
}

TEST_F(AppBarTest, UnregisteredItStillDocksOnceButNeverSnapsBack)
{
    shell.acceptsNew = false;
    bar.Register();
    EXPECT_FALSE(bar.IsRegistered());
    bar.SetEdge(kEdgeBottom);
    // The shell made no room: the screen's own bottom band.
    EXPECT_EQ(shell.window, (AppBarRect{0, kScreenH - 28, kScreenW, kScreenH}));

    const AppBarRect elsewhere{100, 100, 700, 140};
    shell.MoveBy(elsewhere);
    EXPECT_EQ(shell.window, elsewhere);
    EXPECT_EQ(bar.Options().verticalThickness, 28);
}

TEST_F(AppBarTest, LeavingAndTakingTheBandAgain)
{
    bar.Register();
    bar.SetEdge(kEdgeBottom);

    // A slide show: the bar leaves the shell and the toolbar spans the
    // screen bottom on its own, its client area high.
    bar.Remove();
    EXPECT_FALSE(bar.IsRegistered());
    const AppBarRect show{0, kScreenH - 22, kScreenW, kScreenH};
    shell.MoveBy(show);
    EXPECT_EQ(shell.window, show);

    // The show ended: registered again and docked at the stored edge, at the
    // thickness it had before.
    bar.Register();
    bar.SetEdge(bar.Edge());
    EXPECT_TRUE(bar.IsRegistered());
    EXPECT_EQ(shell.window, Band(28));

    // A shell that refuses to let go keeps the bar registered.
    shell.acceptsRemove = false;
    bar.Remove();
    EXPECT_TRUE(bar.IsRegistered());
}

TEST_F(AppBarTest, AMinimizedWindowIsLeftAlone)
{
    bar.Register();
    bar.SetEdge(kEdgeBottom);
    shell.calls.clear();
    shell.window = {-32000, -32000, -32000 + 160, -32000 + 24};
    bar.OnMoved(true);
    bar.OnResized(true);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(bar.Options().verticalThickness, 28);

    bar.OnWindowPosChanged();
    EXPECT_EQ(shell.calls, std::vector<std::string>{"poschanged"});
}

}  // namespace
