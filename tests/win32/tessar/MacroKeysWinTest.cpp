// The macro keys' Windows side: keys injected into a window in front, the
// process list on this system, App Paths, the key tip window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeySequenceSender.h"
#include "KeyTip_win.h"
#include "ProgramLookup_win.h"
#include "SendPlatform_win.h"
#include "ShutdownPrivilege_win.h"
#include "WinTestHelpers.h"

namespace {

// A visible window in front that writes down the keys it receives.
class CKeyWindow {
public:
    CKeyWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CKeyWindow::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LumoraKeyProbe";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST, "LumoraKeyProbe", "Key probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                50, 50, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(hwnd_);
        SetFocus(hwnd_);
        wintest::Pump(200);
    }
    ~CKeyWindow() { DestroyWindow(hwnd_); }
    HWND Hwnd() const { return hwnd_; }
    std::vector<std::string> keys;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<CKeyWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP)) {
            const bool up = msg == WM_KEYUP || msg == WM_SYSKEYUP;
            char name[16];
            wsprintfA(name, "%02X%s", static_cast<unsigned>(wParam), up ? "-" : "+");
            self->keys.push_back(name);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

TEST(MacroKeysWin, SequencesArriveAtTheWindowInFrontKeyByKey)
{
    CKeyWindow window;
    ASSERT_EQ(GetForegroundWindow(), window.Hwnd());
    tessar::CWin32SendPlatform platform;
    tessar::CKeySequenceSender sender(platform);
    ASSERT_TRUE(sender.SendKeySequence("^a$B{ESC}~"));
    wintest::PumpUntil([&] { return window.keys.size() >= 14; }, 3000);
    EXPECT_EQ(window.keys, (std::vector<std::string>{"11+", "41+", "41-", "11-", "10+", "10+", "42+", "42-",
                                                     "10-", "10-", "1B+", "1B-", "0D+", "0D-"}));
    // Nothing stays down in the system's view either.
    for (int vk : std::initializer_list<int>{VK_CONTROL, VK_SHIFT, 'A', 'B', VK_ESCAPE, VK_RETURN, VK_BACK, VK_SPACE})
        EXPECT_EQ(GetAsyncKeyState(vk) & 0x8000, 0) << vk;
    window.keys.clear();
    sender.SendKeySequence("#_");
    wintest::PumpUntil([&] { return window.keys.size() >= 4; }, 3000);
    EXPECT_EQ(window.keys, (std::vector<std::string>{"08+", "20+", "08-", "20-"}));
}

TEST(MacroKeysWin, TheLayoutTypesUsLettersWithShiftForCapitals)
{
    tessar::CWin32SendPlatform platform;
    EXPECT_EQ(platform.KeyForChar('a'), 0x41);
    EXPECT_EQ(platform.KeyForChar('A'), 0x141);
    EXPECT_NE(platform.ScanCode(0x41), 0u);
}

TEST(MacroKeysWin, FindProcessesFindsThisProgramOnThisSystem)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    name = name.substr(0, name.rfind('.'));
    tessar::CWin32ProgramLookup lookup;
    const std::vector<std::uint32_t> ids = lookup.FindProcesses(name);
    EXPECT_NE(std::find(ids.begin(), ids.end(), GetCurrentProcessId()), ids.end()) << name;
    EXPECT_TRUE(lookup.FindProcesses("no-such-program-here").empty());
    EXPECT_TRUE(lookup.FindProcesses("").empty());
}

TEST(MacroKeysWin, FindAppPathReadsTheAppPathsKey)
{
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\LumoraProbe.exe";
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    const char value[] = "C:\\Probe\\LumoraProbe.exe";
    RegSetValueExA(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(h);
    tessar::CWin32ProgramLookup lookup;
    EXPECT_EQ(lookup.FindAppPath("lumoraprobe.EXE"), std::optional<std::string>(value));
    EXPECT_EQ(lookup.FindAppPath("NoSuchProgram.exe"), std::nullopt);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
}

bool ShutdownPrivilegeEnabled()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    PRIVILEGE_SET set = {};
    set.PrivilegeCount = 1;
    LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &set.Privilege[0].Luid);
    BOOL enabled = FALSE;
    PrivilegeCheck(token, &set, &enabled);
    CloseHandle(token);
    return enabled != FALSE;
}

TEST(MacroKeysWin, ShutdownPrivilegeIsHeldForTheHoldersLifetime)
{
    {
        tessar::CShutdownPrivilege holder;
        EXPECT_TRUE(holder.Held());
        EXPECT_TRUE(ShutdownPrivilegeEnabled());
    }
    EXPECT_FALSE(ShutdownPrivilegeEnabled());
}

TEST(MacroKeysWin, KeyTipIsATrackingBalloonShownAndHidden)
{
    CKeyTip tip;
    ASSERT_TRUE(tip.Create(GetModuleHandleA(nullptr)));
    char cls[64] = "";
    GetClassNameA(tip.Window(), cls, sizeof cls);
    EXPECT_STREQ(cls, "tooltips_class32");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(tip.Window(), GWL_STYLE)) & 0x73u, 0x73u);
    EXPECT_EQ(SendMessageA(tip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1);
    tip.Show(320, 0, "K3:Cut", RGB(0, 0, 0), 0xB4FFFF);
    tip.Show(330, 0, "K3:Cut", RGB(0, 0, 0), 0xB4FFFF);
    EXPECT_EQ(SendMessageA(tip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1);
    wintest::Pump(100);
    EXPECT_TRUE(IsWindowVisible(tip.Window()));
    char text[64] = "";
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.lpszText = text;
    SendMessageA(tip.Window(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "K3:Cut");
    EXPECT_EQ(SendMessageA(tip.Window(), TTM_GETTIPBKCOLOR, 0, 0), 0xB4FFFF);
    tip.Hide();
    wintest::Pump(100);
    EXPECT_FALSE(IsWindowVisible(tip.Window()));
}

}  // namespace
