// The tablet driver stand-in as scripts and Tessar meet it: command-line posts,
// the hidden driver window, the tablet table and the virtual tablet's keys.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "WinTestHelpers.h"

namespace {

std::string DriverExe()
{
    return wintest::ExeFolder() + "\\..\\..\\standins\\tabletdriver\\" TABLETDRIVER_EXE_NAME;
}

std::string TabletFile(const char* name)
{
    char folder[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE);
    return std::string(folder) + "\\Tablet\\" + name;
}

std::string ReadIni(const std::string& file, const char* section, const char* key)
{
    char value[256] = "";
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
}

std::string ChildText(HWND parent, int id)
{
    char text[256] = "";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(parent, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
    return text;
}

struct Expected {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

void ExpectMessages(const wintest::CRecorderWindow& window, const std::vector<Expected>& expected,
                    const std::string& what)
{
    const auto& got = window.Messages();
    ASSERT_EQ(got.size(), expected.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].msg, expected[i].msg) << what << " #" << i;
        EXPECT_EQ(got[i].wParam, expected[i].wParam) << what << " #" << i;
        EXPECT_EQ(got[i].lParam, expected[i].lParam) << what << " #" << i;
    }
}

TEST(TabletDriverStandin, CommandLinePostsReachTheTessarWindow)
{
    struct Case {
        const char* args;
        std::vector<Expected> messages;
    };
    const Case cases[] = {
        {"press bottom 3", {{0x533, 0x300, 1}}},
        {"release top 12", {{0x533, 0xC01, 0}}},
        {"click right 2", {{0x533, 0x203, 1}, {0x533, 0x203, 0}}},
        {"stroke 3", {{0x4C8, 3, 0}}},
        {"reload", {{0x531, 0, 0}}},
        {"settings", {{0x530, 0, 0}}},
        {"quit", {{0x534, 0, 0}}},
        {"suspend", {{0x218, 2, 0}}},
        {"started", {{0x535, 0, 0}}},
        {"stopped", {{0x532, 0, 0}}},
    };
    wintest::CRecorderWindow tessar("Tessar");
    ASSERT_TRUE(tessar.Hwnd());
    for (const Case& c : cases) {
        tessar.Clear();
        EXPECT_EQ(wintest::Run(DriverExe(), c.args), 0) << c.args;
        wintest::Pump(100);
        ExpectMessages(tessar, c.messages, c.args);
    }
}

TEST(TabletDriverStandin, IndicatorGoesToTheOverlay)
{
    wintest::CRecorderWindow overlay("MyWnd");
    wintest::CRecorderWindow tessar("Tessar");
    EXPECT_EQ(wintest::Run(DriverExe(), "indicator 3 6"), 0);
    wintest::Pump(100);
    ExpectMessages(overlay, {{0x590, 3, 6}}, "indicator");
    EXPECT_TRUE(tessar.Messages().empty());
}

TEST(TabletDriverStandin, ExitCodeTellsWhyNothingWasPosted)
{
    ASSERT_EQ(FindWindowA("Tessar", nullptr), nullptr);
    EXPECT_EQ(wintest::Run(DriverExe(), "reload"), 1);          // no Tessar window
    EXPECT_EQ(wintest::Run(DriverExe(), "press middle 1"), 2);  // bad command line
    EXPECT_EQ(wintest::Run(DriverExe(), "jump"), 2);
}

class RunningDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(FindWindowA(nullptr, "OrvikUSBTablet"), nullptr) << "a driver is already running";
        ASSERT_TRUE(tessar_.Hwnd());
        // The driver writes the model's name into the manager file; one it
        // creates here would keep Tessar from seeding the shipped one later.
        createdManager_ = GetFileAttributesA(TabletFile("MKProfile.ini").c_str()) == INVALID_FILE_ATTRIBUTES;
        ASSERT_TRUE(driver_.Start(DriverExe(), "run --model wide"));
        ASSERT_TRUE(wintest::PumpUntil(
            [] { return FindWindowA(nullptr, "OrvikUSBTablet") && FindWindowA("LumoraVirtualTablet", nullptr); },
            20000));
        ASSERT_TRUE(wintest::PumpUntil([this] { return tessar_.Received(0x535); }, 5000));
        tablet_ = FindWindowA("LumoraVirtualTablet", nullptr);
    }
    void TearDown() override
    {
        driver_.Terminate();
        if (createdManager_) {
            const std::string manager = TabletFile("MKProfile.ini");
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, manager.c_str());  // flush the cache
            DeleteFileA(manager.c_str());
        }
    }

    bool createdManager_ = false;
    wintest::CRecorderWindow tessar_{"Tessar"};
    wintest::CChildProcess driver_;
    HWND tablet_ = nullptr;
};

TEST_F(RunningDriver, WritesTheTableAndReportsStartAndStop)
{
    const std::string table = TabletFile("orvtbl.ini");
    EXPECT_EQ(ReadIni(table, "ControlPanel", "PID"), "52");
    EXPECT_EQ(ReadIni(table, "MacroKey", "MacroSideOpen_0034"), "3");
    EXPECT_EQ(ReadIni(table, "MacroKey", "MacroMax0034_BOTTOM"), "4");
    EXPECT_EQ(ReadIni(table, "MacroKey", "MacroMax0034_UP"), "6");
    EXPECT_EQ(ReadIni(table, "Option", "DriverRun"), "1");
    EXPECT_TRUE(IsWindowVisible(tablet_));
    EXPECT_FALSE(IsWindowVisible(FindWindowA(nullptr, "OrvikUSBTablet")));

    tessar_.Clear();
    EXPECT_EQ(wintest::Run(DriverExe(), "stop"), 0);
    EXPECT_EQ(driver_.Wait(10000), 0);
    wintest::Pump(100);
    ExpectMessages(tessar_, {{0x532, 0, 0}}, "stop");
    EXPECT_EQ(ReadIni(table, "Option", "DriverRun"), "0");
    EXPECT_EQ(FindWindowA(nullptr, "OrvikUSBTablet"), nullptr);
}

TEST_F(RunningDriver, KeyClickSendsPressAndReleaseOfThatKey)
{
    // Six top keys, then four bottom keys: K8 is the second bottom key, which
    // the default map reports as raw index 3.
    const int k8 = 100 + 8 - 1;
    const HWND button = GetDlgItem(tablet_, k8);
    ASSERT_TRUE(button);
    char label[16] = "";
    SendMessageTimeoutA(button, WM_GETTEXT, sizeof label, reinterpret_cast<LPARAM>(label), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    EXPECT_STREQ(label, "K8");

    tessar_.Clear();
    PostMessageA(tablet_, WM_COMMAND, MAKEWPARAM(k8, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    ASSERT_TRUE(wintest::PumpUntil([this] { return tessar_.Messages().size() >= 2; }, 5000));
    ExpectMessages(tessar_, {{0x533, 0x300, 1}, {0x533, 0x300, 0}}, "K8");
}

TEST_F(RunningDriver, ReReadsSettingsWhenTessarChangesThem)
{
    const std::string manager = TabletFile("MKProfile.ini");
    const HWND driverWindow = FindWindowA(nullptr, "OrvikUSBTablet");
    ASSERT_TRUE(driverWindow);

    WritePrivateProfileStringA("MacroKey", "MacroKeyDelayTime", "2000", manager.c_str());
    WritePrivateProfileStringA("Option", "TipClickSound", "0", manager.c_str());
    PostMessageA(driverWindow, 0x46A, 0, 0);
    EXPECT_TRUE(wintest::PumpUntil(
        [this] { return ChildText(tablet_, 10) == "Response time: 2000 ms, pointing sound: off"; }, 5000))
        << ChildText(tablet_, 10);

    // The new sound state arrives before Tessar has written it.
    PostMessageA(driverWindow, 0x46B, 1, 0);
    EXPECT_TRUE(wintest::PumpUntil(
        [this] { return ChildText(tablet_, 10) == "Response time: 2000 ms, pointing sound: on"; }, 5000))
        << ChildText(tablet_, 10);

    WritePrivateProfileStringA("MacroKey", "MacroKeyDelayTime", nullptr, manager.c_str());
    WritePrivateProfileStringA("Option", "TipClickSound", nullptr, manager.c_str());
}

}  // namespace
