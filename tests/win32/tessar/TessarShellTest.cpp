// Tessar's start-up, hand-over and tray icon, with the real Tessar.exe and the
// shell of the running system.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TessarMessages.h"
#include "TrayIcon.h"
#include "TrayShell.h"
#include "WinTestHelpers.h"

namespace {

std::string TessarExe() { return wintest::ExeFolder() + "\\..\\..\\tessar\\" TESSAR_EXE_NAME; }

// Asks the shell whether it knows the icon (owner, 0) without changing it.
bool TrayHasIcon(HWND owner)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V3_SIZE;
    data.hWnd = owner;
    data.uID = 0;
    data.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void DeleteTrayIcon(HWND owner)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V3_SIZE;
    data.hWnd = owner;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

TEST(TessarTrayShell, RecordHasTheVersion3LayoutOfThisArchitecture)
{
    tessar::TrayIconRecord record;
    record.owner = reinterpret_cast<void*>(0x1234);
    record.id = 0;
    record.flags = tessar::kTrayFlagsShown;
    record.callbackMessage = tessar::g_notifyIconMessage;
    record.icon = reinterpret_cast<void*>(0x5678);
    tessar::CopyTrayTip(std::string(300, 'z').c_str(), record.tip);

    NOTIFYICONDATAA data;
    std::memset(&data, 0xCC, sizeof data);
    tessar::FillNotifyIconData(record, data);
    EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 520u : 504u);
    EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(data.uCallbackMessage, tessar::g_notifyIconMessage);
    EXPECT_EQ(data.hIcon, reinterpret_cast<HICON>(0x5678));
    EXPECT_EQ(std::string(data.szTip), std::string(127, 'z'));
    EXPECT_EQ(data.szInfo[0], '\0');  // nothing else is asked for
}

TEST(TessarTrayShell, RegisteredMessagesExist)
{
    EXPECT_GE(tessar::g_notifyIconMessage, 0xC000u);
    EXPECT_EQ(tessar::g_taskbarCreatedMessage, RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_NE(tessar::g_notifyIconMessage, tessar::g_taskbarCreatedMessage);
}

TEST(TessarTrayShell, ShellAddsReplacesAndRemovesTheIcon)
{
    wintest::CRecorderWindow owner("TessarTrayTestOwner");
    ASSERT_TRUE(owner.Hwnd());
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    const HICON other = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
    tessar::CShellTray shell;
    const char tip[] = "Tessar test";
    {
        CTrayIcon tray(shell, owner.Hwnd(), 0, icon, tip, nullptr, 0);
        EXPECT_FALSE(TrayHasIcon(owner.Hwnd()));
        ASSERT_TRUE(tray.Show());
        EXPECT_TRUE(TrayHasIcon(owner.Hwnd()));

        tray.Remove();
        EXPECT_FALSE(TrayHasIcon(owner.Hwnd()));
        tray.SetIcon(owner.Hwnd(), 0, other, tip);
        EXPECT_TRUE(tray.Show());
        EXPECT_TRUE(TrayHasIcon(owner.Hwnd()));
    }
    EXPECT_FALSE(TrayHasIcon(owner.Hwnd()));
}

// The start flag only works when every process of the executable maps one
// copy of its section.
TEST(TessarStart, StartFlagLivesInASharedWritableSection)
{
    std::ifstream file(TessarExe(), std::ios::binary);
    ASSERT_TRUE(file);
    const std::vector<char> image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
    IMAGE_DOS_HEADER dos;
    std::memcpy(&dos, image.data(), sizeof dos);
    ASSERT_LT(static_cast<size_t>(dos.e_lfanew) + sizeof(IMAGE_NT_HEADERS), image.size());
    IMAGE_NT_HEADERS nt;
    std::memcpy(&nt, image.data() + dos.e_lfanew, sizeof nt);
    const size_t first = static_cast<size_t>(dos.e_lfanew) + offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
                         nt.FileHeader.SizeOfOptionalHeader;
    bool found = false;
    for (int i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section;
        ASSERT_LE(first + (i + 1) * sizeof section, image.size());
        std::memcpy(&section, image.data() + first + i * sizeof section, sizeof section);
        const char* name = reinterpret_cast<const char*>(section.Name);
        if (std::string(name, strnlen(name, sizeof section.Name)) != "KEYSHARE") continue;
        found = true;
        const DWORD wanted = IMAGE_SCN_MEM_SHARED | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
        EXPECT_EQ(section.Characteristics & wanted, wanted);
        EXPECT_GE(section.Misc.VirtualSize, 4u);
    }
    EXPECT_TRUE(found) << "no KEYSHARE section";
}

// A second start finds a window of class "Tessar" (here one of the test's
// own) and hands over to it.
TEST(TessarStart, SecondStartHandsOverToTheRunningWindow)
{
    struct Case {
        const char* args;
        bool postsExtraSettings;
    };
    const Case cases[] = {{"-s", true}, {"", false}, {"-S", false}, {"\"-s \"", false}, {"-s x", false}};
    for (const Case& c : cases) {
        wintest::CRecorderWindow running(tessar::kTessarClass);
        ASSERT_TRUE(running.Hwnd());
        ASSERT_FALSE(IsWindowVisible(running.Hwnd()));

        EXPECT_EQ(wintest::Run(TessarExe(), c.args), 0) << c.args;
        wintest::Pump(200);

        EXPECT_EQ(running.Received(tessar::WM_SHOW_EXTRA_SETTINGS), c.postsExtraSettings) << c.args;
        EXPECT_EQ(IsWindowVisible(running.Hwnd()) != FALSE, !c.postsExtraSettings) << c.args;
        // The second start never makes a window of its own.
        EXPECT_EQ(wintest::WindowsOfClass(tessar::kTessarClass).size(), 1u) << c.args;
    }
}

// The manager switch decides the tray picture; the test pins it so that the
// icon is shown whatever an earlier test left in the shared files.
class TessarRunning : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[MAX_PATH] = "";
        ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE));
        const std::string tablet = std::string(folder) + "\\Tablet";
        CreateDirectoryA(tablet.c_str(), nullptr);
        manager_ = tablet + "\\MKProfile.ini";
        // A manager file made here would keep Tessar's seeding from copying
        // the shipped one for the tests that come after.
        createdManager_ = GetFileAttributesA(manager_.c_str()) == INVALID_FILE_ATTRIBUTES;
        char old[32] = "";
        hadUseOrNot_ = GetPrivateProfileStringA("LastSetting", "UseORNot", "\x01", old, sizeof old,
                                                manager_.c_str()) > 0 &&
                       old[0] != '\x01';
        oldUseOrNot_ = old;
        WritePrivateProfileStringA("LastSetting", "UseORNot", "0", manager_.c_str());

        ASSERT_TRUE(wintest::WindowsOfClass(tessar::kTessarClass).empty())
            << "a Tessar is already running";
        ASSERT_TRUE(tessar_.Start(TessarExe(), ""));
        ASSERT_TRUE(wintest::PumpUntil([this] { return Window() != nullptr; }, 20000));
        // Let its dialog manager go idle (the moment a modal dialog would show).
        wintest::Pump(500);
    }
    void TearDown() override
    {
        const HWND window = Window();
        tessar_.Terminate();
        if (window) DeleteTrayIcon(window);
        if (createdManager_) {
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, manager_.c_str());  // flush the cache
            DeleteFileA(manager_.c_str());
        } else {
            WritePrivateProfileStringA("LastSetting", "UseORNot",
                                       hadUseOrNot_ ? oldUseOrNot_.c_str() : nullptr, manager_.c_str());
        }
    }
    static HWND Window() { return FindWindowA(tessar::kTessarClass, nullptr); }

    wintest::CChildProcess tessar_;
    std::string manager_;
    bool createdManager_ = false;
    bool hadUseOrNot_ = false;
    std::string oldUseOrNot_;
};

TEST_F(TessarRunning, StartsHiddenWithOneWindowAndATrayIcon)
{
    const HWND window = Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(wintest::WindowsOfClass(tessar::kTessarClass).size(), 1u);
    EXPECT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 5000));
    EXPECT_TRUE(tessar_.Running());
}

TEST_F(TessarRunning, SecondStartShowsTheRunningWindow)
{
    const HWND window = Window();
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(IsWindowVisible(window));

    EXPECT_EQ(wintest::Run(TessarExe(), ""), 0);
    EXPECT_TRUE(wintest::PumpUntil([window] { return IsWindowVisible(window) != FALSE; }, 5000));
    EXPECT_EQ(wintest::WindowsOfClass(tessar::kTessarClass).size(), 1u);
    EXPECT_TRUE(tessar_.Running());

    // Cancel hides it again; the program goes on.
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(wintest::PumpUntil([window] { return !IsWindowVisible(window); }, 5000));
    EXPECT_TRUE(tessar_.Running());
}

TEST_F(TessarRunning, IconComesBackWhenTheShellRecreatesTheTray)
{
    const HWND window = Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 5000));

    // What a restarted shell looks like to Tessar: its icon is gone, then
    // "TaskbarCreated" arrives.
    DeleteTrayIcon(window);
    ASSERT_FALSE(TrayHasIcon(window));
    PostMessageA(window, tessar::g_taskbarCreatedMessage, 0, 0);
    EXPECT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 5000));
}

// The driver's state messages put the tray icon up again with the matching
// picture: stopped at once, started five seconds later (timer 9), a reload
// at once. (Which picture cannot be read back: Wine keeps no icon for a
// dialog, WM_GETICON answers null even after WM_SETICON.)
TEST_F(TessarRunning, DriverStateMessagesShowTheTrayIconAgain)
{
    const HWND window = Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 5000));

    DeleteTrayIcon(window);
    PostMessageA(window, tessar::WM_DRIVER_STOPPED, 0, 0);
    EXPECT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 5000));

    DeleteTrayIcon(window);
    PostMessageA(window, tessar::WM_DRIVER_STARTED, 0, 0);
    wintest::Pump(2500);
    EXPECT_FALSE(TrayHasIcon(window)) << "the started picture came before its timer";
    EXPECT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 8000));

    DeleteTrayIcon(window);
    PostMessageA(window, tessar::WM_RELOAD_PROFILE, 0, 0);
    EXPECT_TRUE(wintest::PumpUntil([window] { return TrayHasIcon(window); }, 5000));
    EXPECT_TRUE(tessar_.Running());
}

}  // namespace
