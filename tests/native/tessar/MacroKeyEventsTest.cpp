// The settings window's handling of the driver's key events: which key, the
// key tip, whether and where the key acts.
#include <gtest/gtest.h>

#include "DispatchFakes.h"
#include "MacroKeyEvents.h"

namespace {

using tessar_test::DispatchTest;
using Calls = std::vector<std::string>;

struct FakeHost : tessar::IKeyEventHost {
    bool enable = true;
    bool tooltips = true;
    std::string profile = "Test";
    bool haveScreen = true;
    tessar::ScreenRect screen{0, 0, 1024, 768};
    std::set<std::string> inFront;
    std::set<std::string> windows;
    bool foreground = true;
    bool answerOk = true;
    std::map<std::string, int> startResults;
    Calls calls;
    std::vector<tessar::KeyTip> tips;

    bool EnableChecked() override { return enable; }
    bool DisplayTooltipsChecked() override { return tooltips; }
    std::string ActiveProfile() override { return profile; }
    bool ScreenRectangle(tessar::ScreenRect& out) override
    {
        out = screen;
        return haveScreen;
    }
    void StartTipTimer() override { calls.push_back("timer"); }
    void KillTipTimer() override { calls.push_back("kill timer"); }
    void ShowTip(const tessar::KeyTip& tip) override
    {
        tips.push_back(tip);
        calls.push_back("tip " + tip.label);
    }
    void HideTip() override { calls.push_back("hide tip"); }
    bool IsClassInFront(const std::string& cls) override { return inFront.count(cls) > 0; }
    bool ClassWindowExists(const std::string& cls) override { return windows.count(cls) > 0; }
    bool HasForegroundWindow() override { return foreground; }
    int Start(const std::string& path) override
    {
        calls.push_back("start " + path);
        auto it = startResults.find(path);
        return it == startResults.end() ? 42 : it->second;
    }
    bool AskRunProgram(bool hotspot) override
    {
        calls.push_back(hotspot ? "ask 148" : "ask 115");
        return answerOk;
    }
    void ShowFileNotExist() override { calls.push_back("box File not exit"); }
    void BringClassToFront(const std::string& cls) override { calls.push_back("front " + cls); }
    void DebugOutput(const std::string& text) override { calls.push_back("debug " + text); }
};

class MacroKeyEventsTest : public DispatchTest {
protected:
    MacroKeyEventsTest()
    {
        Key(3, "x", 1, 23, "Cut");
        Key(4, "notepad.exe", 2, 0, "Notes");
    }
    static std::uint64_t Top(int rawIndex) { return 1u | static_cast<unsigned>(rawIndex) << 8; }
    void Press(std::uint64_t code, int oem = 0) { events.OnKeyEvent(code, true, oem); }
    void Release(std::uint64_t code, int oem = 0) { events.OnKeyEvent(code, false, oem); }
    // Key actions as typed keys and started programs, host calls aside.
    Calls Typed() { return kb.trace; }

    FakeHost host;
    tessar::CMacroKeyEvents events{store, host, lookup, performer};
};

TEST(PlaceKeyTip, EachSidePutsTheTipInTheMiddleOfItsKeysSlice)
{
    tessar::KeyCounts counts;
    counts.top = 8;
    counts.bottom = 4;
    counts.left = 3;
    counts.right = 2;
    const tessar::ScreenRect screen{0, 0, 1024, 768};
    struct Case {
        int side, n, x, y, cx, cy;
    } cases[] = {
        {1, 3, 320, 0, 320, 0},     // 1024 / 8 = 128: 128 * 2 + 64
        {0, 10, 384, 768, 384, 768},  // bottom key 2 of 4: 256 + 128
        {2, 14, 0, 384, 0, 384},    // left key 2 of 3: 256 + 128
        {3, 16, 1024, 192, 1014, 195},  // right key 1 of 2: the cursor stays on screen
    };
    for (const Case& c : cases) {
        const tessar::TipPlacement p = tessar::PlaceKeyTip(screen, c.side, c.n, counts);
        EXPECT_TRUE(p.valid);
        EXPECT_EQ(p.x, c.x) << c.side;
        EXPECT_EQ(p.y, c.y) << c.side;
        EXPECT_EQ(p.cursorX, c.cx) << c.side;
        EXPECT_EQ(p.cursorY, c.cy) << c.side;
    }
    counts.left = 0;
    EXPECT_FALSE(tessar::PlaceKeyTip(screen, 2, 13, counts).valid);
    EXPECT_FALSE(tessar::PlaceKeyTip(screen, 4, 1, counts).valid);
}

TEST(KeyTipLabel, FormatsTheNumberAndAppendsTheHintOfKeysThatAct)
{
    EXPECT_EQ(tessar::KeyTipLabel(0, "K%d:", 3, 1, "Cut"), "K3:Cut");
    EXPECT_EQ(tessar::KeyTipLabel(0, "K%d:", 3, 0, "Cut"), "K3:");
    EXPECT_EQ(tessar::KeyTipLabel(2, "K%d:", 3, 2, "Notes"), "03:Notes");
    EXPECT_EQ(tessar::KeyTipLabel(2, "K%d:", 12, 0, ""), "12:");
    EXPECT_EQ(tessar::KeyTipLabel(1, "%s%n%d", 5, 0, ""), "%s%n5");
}

TEST_F(MacroKeyEventsTest, PressAndReleaseWithOneCodeActOnceAndKeepTheTipAlive)
{
    Press(Top(5));  // raw 5 of the default map: key 3
    EXPECT_EQ(events.KeyNumber(), 3);
    EXPECT_TRUE(events.PressLatch());
    EXPECT_EQ(host.calls, (Calls{"kill timer", "timer", "tip K3:Cut"}));
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].place.x, 320);
    EXPECT_EQ(host.tips[0].place.y, 0);
    EXPECT_EQ(host.tips[0].backColour, 0xB4FFFFu);
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
    host.calls.clear();
    Release(Top(5));
    EXPECT_FALSE(events.PressLatch());
    EXPECT_EQ(host.calls, (Calls{"timer"}));
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
    // The timer then takes the tip away once.
    host.calls.clear();
    events.OnTipTimer();
    events.OnTipTimer();
    EXPECT_EQ(host.calls, (Calls{"kill timer", "hide tip"}));
}

TEST_F(MacroKeyEventsTest, TwoPressesWithoutAReleaseActOnce)
{
    Press(Top(5));
    Press(Top(6));  // the driver's other code for key 3
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
    Release(Top(6));
    Press(Top(6));
    EXPECT_EQ(Typed(), (Calls{"X+", "X-", "X+", "X-"}));
}

TEST_F(MacroKeyEventsTest, WithTooltipsOffTheKeyActsWithoutATip)
{
    host.tooltips = false;
    Press(Top(5));
    EXPECT_EQ(host.calls, (Calls{"kill timer"}));
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
}

TEST_F(MacroKeyEventsTest, WithEnableOffNothingActsAndATipLeftWithoutItsTimerGoes)
{
    Press(Top(5));
    Release(Top(5));
    host.enable = false;
    host.calls.clear();
    // The same code keeps the timer, which takes the tip away.
    Press(Top(5));
    EXPECT_TRUE(host.calls.empty());
    // A new code stops the timer: the tip goes at once.
    Press(Top(7));
    Release(Top(7));
    EXPECT_EQ(host.calls, (Calls{"kill timer", "hide tip"}));
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
    EXPECT_FALSE(events.TipTimerActive());
}

TEST_F(MacroKeyEventsTest, ModelId86NeverShowsATip)
{
    ini.WriteInt(store.TabletTablePath(), "ControlPanel", "PID", 86);
    ini.WriteInt(store.TabletTablePath(), "MacroKey", "MacroSideOpen_0056", 2);
    ini.WriteInt(store.TabletTablePath(), "MacroKey", "MacroMax0056_UP", 8);
    store.LoadKeyCounts();
    ini.WriteString(store.ProfilePath(kProfile), store.KeySection(), "MacroKey3", "x");
    ini.WriteInt(store.ProfilePath(kProfile), store.KeySection(), "MacroKeyMode3", 1);
    Press(Top(5));
    EXPECT_TRUE(host.tips.empty());
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
}

TEST_F(MacroKeyEventsTest, ASideWithoutKeysEndsTheEventWhenTheTipIsShown)
{
    Press(2u | 1u << 8);  // left side: this tablet has none
    EXPECT_TRUE(host.tips.empty());
    EXPECT_FALSE(events.PressLatch());
    EXPECT_TRUE(Typed().empty());
}

TEST_F(MacroKeyEventsTest, UnmappedEventsActAsKeyZero)
{
    Key(0, "z", 1);
    Press(Top(0));
    EXPECT_EQ(events.KeyNumber(), 0);
    EXPECT_EQ(host.calls, (Calls{"kill timer", "hide tip"}));
    EXPECT_EQ(Typed(), (Calls{"Z+", "Z-"}));
}

TEST_F(MacroKeyEventsTest, Oem7ActsOnlyWhileTheProfilesProcessRuns)
{
    ini.WriteString(store.ManagerPath(), "Info", "OemID", "7");
    Info("ExeFileName", "Keyrec.exe");
    store.WriteKey(kProfile, 3, "x", 1, "Cut", 23);
    Press(Top(5), 7);
    Release(Top(5), 7);
    EXPECT_TRUE(Typed().empty());
    EXPECT_FALSE(events.MayAct());
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "debug NameStr.GetLength = 6"),
              host.calls.end());
    lookup.processes["Keyrec"] = {77};
    Press(Top(5), 7);
    EXPECT_EQ(Typed(), (Calls{"X+", "X-"}));
    // No program named: always acts.
    Release(Top(5), 7);
    Info("ExeFileName", "");
    lookup.processes.clear();
    Press(Top(5), 7);
    EXPECT_EQ(Typed(), (Calls{"X+", "X-", "X+", "X-"}));
}

TEST_F(MacroKeyEventsTest, PresenterProfileHandsTheKeyToVexo)
{
    Info("ClassName", "LUMORA");
    Key(3, "Presenter.Marker", 5, 41);
    platform.presenterRunning = true;
    Press(Top(5));
    EXPECT_EQ(platform.calls, (Calls{"debug Lumora", "post 41"}));
}

TEST_F(MacroKeyEventsTest, ProfileWindowInFrontActsAndAnUnknownClassActsOnWhatIsInFront)
{
    Info("ClassName", "OpusApp");
    host.inFront = {"OpusApp"};
    Press(Top(5));
    Release(Top(5));
    host.inFront.clear();
    Press(Top(5));
    EXPECT_EQ(Typed(), (Calls{"X+", "X-", "X+", "X-"}));
    EXPECT_EQ(std::count_if(host.calls.begin(), host.calls.end(),
                            [](const std::string& c) { return c.rfind("ask", 0) == 0; }),
              0);
}

struct KnownCase {
    const char* className;
    bool located;
    bool ok;
    int oem;
    Calls hostCalls;  // starts, questions and boxes
    bool acts;
};

class KnownProgramTest : public MacroKeyEventsTest, public ::testing::WithParamInterface<KnownCase> {};

TEST_P(KnownProgramTest, AsksToStartTheProfilesProgram)
{
    const KnownCase& c = GetParam();
    Info("ClassName", c.className);
    host.answerOk = c.ok;
    host.startResults["Photoshop.exe"] = 2;
    if (c.located) {
        lookup.appPaths["mspaint.exe"] = "C:\\Windows\\mspaint.exe";
        lookup.appPaths["PhotoshopElementsEditor.exe"] = "D:\\PSE\\Editor.exe";
        lookup.installPath = "D:\\Strala\\";
    }
    ini.WriteString(store.ManagerPath(), "Info", "OemID", std::to_string(c.oem));
    store.WriteKey(kProfile, 3, "x", 1, "Cut", 23);
    Press(Top(5), c.oem);
    Calls interesting;
    for (const std::string& call : host.calls)
        if (call.rfind("start", 0) == 0 || call.rfind("ask", 0) == 0 || call.rfind("box", 0) == 0 ||
            call.rfind("front", 0) == 0)
            interesting.push_back(call);
    EXPECT_EQ(interesting, c.hostCalls);
    EXPECT_EQ(!Typed().empty(), c.acts);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, KnownProgramTest,
    ::testing::Values(
        KnownCase{"MSPaintApp", true, true, 0, {"ask 115", "start C:\\Windows\\mspaint.exe"}, true},
        KnownCase{"MSPaintApp", true, false, 5, {"ask 148"}, true},
        KnownCase{"MSPaintApp", false, true, 0, {"ask 115", "start mspaint.exe"}, true},
        KnownCase{"PhotoshopElements", true, true, 0, {"ask 115", "start D:\\PSE\\Editor.exe"}, false},
        KnownCase{"PhotoshopElements", false, true, 0,
                  {"ask 115", "start Photoshop.exe", "box File not exit"}, true},
        KnownCase{"DRAVIK_CLASS", true, true, 0, {"ask 115", "start Dravik.exe"}, true},
        KnownCase{"TStralaWin.UnicodeClass", true, true, 0, {"ask 115", "start D:\\Strala\\Strala.exe"}, false},
        KnownCase{"SomethingElse", true, true, 0, {}, true}));

TEST_F(MacroKeyEventsTest, StralaKeyOneStartsWithoutAskingAndTheWindowComesForward)
{
    Info("ClassName", "TStralaWin.UnicodeClass");
    Info("ExeFileName", "Strala.exe");
    Key(1, "a", 1);
    Press(Top(1));
    EXPECT_EQ(host.calls.back(), "start Strala.exe");
    EXPECT_EQ(Typed(), (Calls{"A+", "A-"}));
    // Its window there but not in front: no question, brought forward.
    Release(Top(1));
    host.windows = {"TStralaWin.UnicodeClass"};
    host.calls.clear();
    Press(Top(1));
    EXPECT_EQ(host.calls.back(), "front TStralaWin.UnicodeClass");
}

TEST_F(MacroKeyEventsTest, NoClassStartsTheProgramWhenItsProcessIsNotRunning)
{
    Info("ExeFilePath", "C:\\Apps\\Keyrec.exe");
    Info("ExeFileName", "Keyrec.exe");
    Press(Top(5));
    Release(Top(5));
    lookup.processes["Keyrec"] = {5};
    Press(Top(5));
    Release(Top(5));
    // Its process gone again and nothing in front: started, no action.
    lookup.processes.clear();
    host.foreground = false;
    Press(Top(5));
    Calls starts;
    for (const std::string& call : host.calls)
        if (call.rfind("start", 0) == 0) starts.push_back(call);
    EXPECT_EQ(starts, (Calls{"start C:\\Apps\\Keyrec.exe", "start C:\\Apps\\Keyrec.exe"}));
    EXPECT_EQ(Typed(), (Calls{"X+", "X-", "X+", "X-"}));
}

TEST_F(MacroKeyEventsTest, ReloadSelectsTheSavedProfileOrTheWhiteboardOne)
{
    ini.WriteInt(store.ManagerPath(), "LastSetting", "FileIndex", 2);
    EXPECT_EQ(tessar::ProfileToSelectOnReload(store, 0), 2);
    EXPECT_EQ(tessar::ProfileToSelectOnReload(store, 2), -1);
    ini.WriteInt(store.TabletTablePath(), "ControlPanel", "PID", 86);
    EXPECT_EQ(tessar::ProfileToSelectOnReload(store, 0), -1);  // WhiteboardIndex 1000
    ini.WriteInt(store.ManagerPath(), "Info", "WhiteboardIndex", 3);
    EXPECT_EQ(tessar::ProfileToSelectOnReload(store, 0), 3);
}

}  // namespace
