// What each kind of macro key does.
#include <gtest/gtest.h>

#include "DispatchFakes.h"

namespace {

using tessar_test::DispatchTest;
using Calls = std::vector<std::string>;

using KeyActionsTest = DispatchTest;

TEST_F(KeyActionsTest, HotKeyLowersLettersFromTheKeyListAndSendsOtherKeysAsStored)
{
    Key(1, "^$S", 1, 18);
    Key(2, "{F5}", 1, 40);
    Key(3, "^$S", 1, -1);
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_EQ(kb.trace, (Calls{"Ctrl+", "Shift+", "S+", "S-", "Shift-", "Ctrl-"}));
    kb.trace.clear();
    performer.PerformKeyAction(kProfile, 2);
    EXPECT_EQ(kb.trace, (Calls{"F5+", "F5-"}));
    kb.trace.clear();
    // Typed as stored: the capital comes with Shift.
    performer.PerformKeyAction(kProfile, 3);
    EXPECT_EQ(kb.trace, (Calls{"Ctrl+", "Shift+", "Shift+", "S+", "S-", "Shift-", "Shift-", "Ctrl-"}));
}

TEST_F(KeyActionsTest, OffUnknownAndMissingKeysDoNothing)
{
    Key(1, "^a", 0);
    Key(2, "^a", 8);
    Key(3, "^a", -1);
    for (int n : {0, 1, 2, 3, 9}) performer.PerformKeyAction(kProfile, n);
    EXPECT_TRUE(kb.trace.empty());
    EXPECT_TRUE(platform.calls.empty());
}

struct RunCase {
    const char* command;
    const char* appPath;  // App Paths entry for the command, or null
    const char* started;  // what is started, or "show settings"
};

class RunProgramTest : public DispatchTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunProgramTest, StartsWhatTheNameSays)
{
    if (GetParam().appPath) lookup.appPaths[GetParam().command] = GetParam().appPath;
    Key(4, GetParam().command, 2);
    performer.PerformKeyAction(kProfile, 4);
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0], GetParam().started);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RunProgramTest,
    ::testing::Values(
        RunCase{"Klavrun.exe", nullptr, "show settings"},
        RunCase{"wincal.exe", "D:\\cal.exe", "start C:\\Program Files\\Windows Calendar\\wincal.exe"},
        RunCase{"Journal.exe", "D:\\Other\\Journal.exe",
                "start C:\\Program Files\\Windows Journal\\Journal.exe"},
        RunCase{"wmplayer.exe", nullptr, "start C:\\Program Files\\Windows Media Player\\wmplayer.exe"},
        RunCase{"WindowsPhotoGallery.exe", nullptr,
                "start C:\\Program Files\\Windows Photo Gallery\\WindowsPhotoGallery.exe"},
        RunCase{"mspaint.exe", "C:\\Windows\\system32\\mspaint.exe", "start C:\\Windows\\system32\\mspaint.exe"},
        RunCase{"SnippingTool.exe", nullptr, "start C:\\Windows\\System32\\SnippingTool.exe"},
        RunCase{"StikyNot.exe", "E:\\Notes.exe", "start E:\\Notes.exe"},
        RunCase{"notes.txt", nullptr, "start notes.txt"},
        // Exact names only: another case is an ordinary name.
        RunCase{"journal.exe", nullptr, "start journal.exe"}));

TEST(NativeProgramFiles, DropsTheX86Ending)
{
    EXPECT_EQ(tessar::NativeProgramFiles("C:\\Program Files (x86)"), "C:\\Program Files");
    EXPECT_EQ(tessar::NativeProgramFiles("C:\\Program Files"), "C:\\Program Files");
    EXPECT_EQ(tessar::NativeProgramFiles("C:\\Apps(x86)"), "C:\\Apps");
    EXPECT_EQ(tessar::NativeProgramFiles(""), "");
}

TEST_F(KeyActionsTest, JournalUsesTheNativeProgramFolderUnderA32BitProgramFolder)
{
    platform.folders[38] = "C:\\Program Files (x86)";
    Key(1, "Journal.exe", 2);
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_EQ(platform.calls, (Calls{"start C:\\Program Files\\Windows Journal\\Journal.exe"}));
}

TEST_F(KeyActionsTest, PresenterPointerCommands)
{
    Key(1, "1", 3);
    Key(2, "2", 3);
    Key(3, "3", 3);
    Key(4, "4", 3);
    performer.PerformKeyAction(kProfile, 1);  // no slide show: only the question
    platform.slideShowActive = 1;
    for (int n = 1; n <= 4; ++n) performer.PerformKeyAction(kProfile, n);
    EXPECT_EQ(platform.calls, (Calls{"slide show active?", "slide show active?",
                                     "pointer colour " + std::to_string(0x009B9B64), "pointer type 3",
                                     "pointer type 5", "pointer type 0"}));
    platform.calls.clear();
    platform.bound = false;
    performer.PerformKeyAction(kProfile, 2);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(KeyActionsTest, OfficeInkTypesTheRibbonKeysIntoTheFirstOfficeWindowInFront)
{
    Key(1, "1", 4);
    Key(2, "2", 4);
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_TRUE(kb.trace.empty());
    platform.inFront = {"rctrl_renwnd32"};
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_EQ(kb.trace, (Calls{"Alt+", "H+", "H-", "Alt-", "K+", "K-"}));
    kb.trace.clear();
    platform.inFront = {"XLMAIN"};
    performer.PerformKeyAction(kProfile, 2);
    EXPECT_TRUE(kb.trace.empty());
    // The settings window's default delay does not reach it.
    sender.SendKeySequence("{DELAY=50}");
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_EQ(kb.trace, (Calls{"Alt+", "R+", "R-", "Alt-", "K+", "K-"}));
}

void RecordCall(std::uintptr_t window, int code, int arg, std::uint32_t parameter);
std::vector<std::string> g_namedCalls;
void RecordCall(std::uintptr_t window, int code, int arg, std::uint32_t parameter)
{
    g_namedCalls.push_back(std::to_string(window) + "," + std::to_string(code) + "," +
                           std::to_string(arg) + "," + std::to_string(parameter));
}

TEST_F(KeyActionsTest, NamedHandlersMatchExactlyAndTheTableStartsEmpty)
{
    g_namedCalls.clear();
    Key(1, "Presenter.Pen", 5);
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_TRUE(g_namedCalls.empty());
    ASSERT_TRUE(performer.AddNamedHandler({"presenter.pen", &RecordCall, 1}));
    ASSERT_TRUE(performer.AddNamedHandler({"Presenter.Pen", &RecordCall, 7}));
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_EQ(g_namedCalls, (Calls{std::to_string(0x1234) + ",5,0,7"}));
    for (std::size_t i = 2; i < tessar::kMaxNamedHandlers; ++i)
        EXPECT_TRUE(performer.AddNamedHandler({"x", nullptr, 0}));
    EXPECT_FALSE(performer.AddNamedHandler({"y", nullptr, 0}));
}

TEST_F(KeyActionsTest, OpenFolderFallsBackToTheOtherShellCallThenUnderDocuments)
{
    Key(1, "38", 6);
    Key(2, "20", 6);
    Key(3, "13", 6);
    Key(4, "39", 6);
    Key(5, "nonsense", 6);
    platform.otherFolders[20] = "C:\\Windows\\Fonts";
    for (int n = 1; n <= 5; ++n) performer.PerformKeyAction(kProfile, n);
    EXPECT_EQ(platform.calls, (Calls{"folder C:\\Program Files", "folder C:\\Windows\\Fonts",
                                     "mkdir C:\\Users\\u\\Documents\\My Music",
                                     "folder C:\\Users\\u\\Documents\\My Music",
                                     "mkdir C:\\Users\\u\\Documents\\My Pictures",
                                     "folder C:\\Users\\u\\Documents\\My Pictures", "folder "}));
}

TEST_F(KeyActionsTest, QuickLaunchStartsTheShortcut)
{
    Key(1, "Show Desktop.scf", 7);
    performer.PerformKeyAction(kProfile, 1);
    EXPECT_EQ(platform.calls,
              (Calls{"start C:\\Users\\u\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick "
                     "Launch\\Show Desktop.scf"}));
}

TEST_F(KeyActionsTest, PresenterKeysPostTheirCodeToARunningPresenter)
{
    Key(3, "Presenter.Marker", 5, 41);
    platform.presenterRunning = true;
    performer.HandPresenterKey(kProfile, 3);
    performer.HandPresenterKey(kProfile, 0);  // no such key: -1, which Vexo ignores
    EXPECT_EQ(platform.calls, (Calls{"debug Lumora", "post 41", "debug Lumora", "post -1"}));
}

TEST_F(KeyActionsTest, PresenterNotRunningIsStartedAndGetsTheBrushOnly)
{
    Key(5, "Presenter.Arrow", 5, 44);
    platform.presenterAppearsAfterStarts = 1;
    performer.HandPresenterKey(kProfile, 5);
    EXPECT_EQ(platform.calls, (Calls{"debug Lumora", "start C:\\Program Files\\Lumora\\Vexo.exe",
                                     "debug Execute Lumora and Send Hotkey x86", "post 40"}));
}

TEST_F(KeyActionsTest, PresenterKeys16And32NeverStartIt)
{
    performer.HandPresenterKey(kProfile, 16);
    performer.HandPresenterKey(kProfile, 32);
    EXPECT_EQ(platform.calls, (Calls{"debug Lumora", "debug Lumora"}));
}

TEST_F(KeyActionsTest, PresenterStartFallsBackToThe32BitFolderThenTellsTheUser)
{
    platform.startResults["C:\\Program Files\\Lumora\\Vexo.exe"] = 2;
    platform.startResults["C:\\Program Files (x86)\\Lumora\\Vexo.exe"] = 31;
    performer.HandPresenterKey(kProfile, 1);
    EXPECT_EQ(platform.calls, (Calls{"debug Lumora", "start C:\\Program Files\\Lumora\\Vexo.exe",
                                     "start C:\\Program Files (x86)\\Lumora\\Vexo.exe",
                                     "box Lumora not exist"}));
}

TEST_F(KeyActionsTest, PresenterThatNeverShowsUpIsWaitedForFifteenTimes)
{
    performer.HandPresenterKey(kProfile, 1);
    ASSERT_EQ(platform.calls.size(), 2u + 15u);
    EXPECT_EQ(platform.calls.back(), "sleep 500");
}

TEST(MatchAppPath, ComparesNamesWithoutRegardToCase)
{
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"IEXPLORE.EXE", "C:\\ie.exe"}, {"mspaint.exe", "C:\\paint.exe"}, {"MSPaint.exe", "C:\\second.exe"}};
    EXPECT_EQ(tessar::MatchAppPath("MSPAINT.EXE", entries), std::optional<std::string>("C:\\paint.exe"));
    EXPECT_EQ(tessar::MatchAppPath("paint.exe", entries), std::nullopt);
}

}  // namespace
