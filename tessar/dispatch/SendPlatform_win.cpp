#include "SendPlatform_win.h"

namespace tessar {

namespace {

// WM_KEYDOWN to WM_SYSDEADCHAR.
constexpr UINT kFirstKeyMessage = 0x100;
constexpr UINT kLastKeyMessage = 0x108;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    auto* list = reinterpret_cast<std::vector<std::pair<WindowRef, std::string>>*>(lParam);
    char title[512] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    list->emplace_back(reinterpret_cast<WindowRef>(hwnd), title);
    return TRUE;
}

}  // namespace

void CWin32SendPlatform::SendKey(unsigned vk, unsigned scan, unsigned flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
    input.ki.wScan = static_cast<WORD>(scan);
    input.ki.dwFlags = ((flags & kKeyExtended) ? KEYEVENTF_EXTENDEDKEY : 0) |
                       ((flags & kKeyUp) ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof input);
}

unsigned CWin32SendPlatform::ScanCode(unsigned vk) { return MapVirtualKeyA(vk, MAPVK_VK_TO_VSC); }

int CWin32SendPlatform::KeyForChar(char c)
{
    const SHORT code = VkKeyScanA(c);
    return code == -1 ? -1 : static_cast<int>(static_cast<unsigned short>(code));
}

void CWin32SendPlatform::Beep(unsigned frequency, unsigned durationMs)
{
    ::Beep(frequency, durationMs);
}

void CWin32SendPlatform::Sleep(unsigned ms) { ::Sleep(ms); }

void CWin32SendPlatform::PumpKeyboardMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, kFirstKeyMessage, kLastKeyMessage, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

WindowRef CWin32SendPlatform::FindWindowByTitle(const std::string& title)
{
    return reinterpret_cast<WindowRef>(FindWindowA(nullptr, title.c_str()));
}

std::vector<std::pair<WindowRef, std::string>> CWin32SendPlatform::TopLevelWindows()
{
    std::vector<std::pair<WindowRef, std::string>> list;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

void CWin32SendPlatform::ActivateWindow(WindowRef window)
{
    const HWND hwnd = reinterpret_cast<HWND>(window);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_HOTKEY, reinterpret_cast<LPARAM>(hwnd));
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, reinterpret_cast<LPARAM>(hwnd));
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
}

}  // namespace tessar
