// Time from a macro key press posted to Tessar (WM_MACROKEY_EVENT, 0x533) to
// the first key event of a HotKey key arriving at the window in front, with
// the real Tessar.exe of the installation under Wine; INI reads of the event
// included. Run by hand after the Wine prefix is set up, with no Tessar
// running:
//   tools/wine-run build/win/tests/win32/macrokey_timing.exe [presses] [notip]
// ("notip": with Display Tooltips off, to see what the key tip costs).
// Prints the median and the 99th percentile. The manager file is saved and
// put back; the timing profile is removed again.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kMacroKeyEvent = 0x533;
constexpr UINT kQuitManager = 0x534;
constexpr WPARAM kKey1Top = 1 | (1 << 8);  // side 1, raw index 1: key 1
constexpr char kProfileName[] = "MacroKeyTiming";

LARGE_INTEGER g_frequency;
LONGLONG g_firstKeyAt = 0;
bool g_keyUp = false;

LONGLONG Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && g_firstKeyAt == 0) g_firstKeyAt = Now();
    if (msg == WM_KEYUP) g_keyUp = true;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::string ShellFolder(int csidl)
{
    char buf[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, buf, csidl, TRUE);
    return buf;
}

void Write(const std::string& file, const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, file.c_str());
}

bool PumpUntil(bool (*done)(), DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const int presses = argc > 1 ? std::max(10, std::atoi(argv[1])) : 500;
    QueryPerformanceFrequency(&g_frequency);
    if (FindWindowA("Tessar", nullptr)) {
        std::fprintf(stderr, "a Tessar is running; end it first\n");
        return 2;
    }
    const std::string tablet = ShellFolder(CSIDL_COMMON_APPDATA) + "\\Tablet";
    const std::string manager = tablet + "\\MKProfile.ini";
    const std::string saved = manager + ".timing";
    const std::string profile = tablet + "\\" + kProfileName + ".ini";
    CreateDirectoryA(tablet.c_str(), nullptr);
    const bool hadManager = CopyFileA(manager.c_str(), saved.c_str(), FALSE) != 0;

    Write(manager, "Info", "OemID", "0");
    Write(manager, "Info", "FileCount", "1");
    Write(manager, "CollectFile", "0", kProfileName);
    Write(manager, "LastSetting", "FileName", kProfileName);
    Write(manager, "LastSetting", "FileIndex", "0");
    Write(manager, "LastSetting", "UseORNot", "1");
    const bool tip = !(argc > 2 && std::string(argv[2]) == "notip");
    Write(manager, "LastSetting", "DisplayORNot", tip ? "1" : "0");
    Write(profile, "MacroKey_0034_0", "MacroKey1", "a");
    Write(profile, "MacroKey_0034_0", "MacroKeyMode1", "1");
    Write(profile, "MacroKey_0034_0", "MacroKeyName1", "Timing");

    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MacroKeyTiming";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "MacroKeyTiming", "Macro key timing",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 200, 300, 200, nullptr, nullptr,
                                  wc.hInstance, nullptr);

    const std::string tessarExe = ShellFolder(CSIDL_PROGRAM_FILES) + "\\Lumora\\Tessar.exe";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + tessarExe + "\"";
    if (!CreateProcessA(tessarExe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::fprintf(stderr, "cannot start %s\n", tessarExe.c_str());
        return 1;
    }
    HWND tessar = nullptr;
    for (int i = 0; i < 400 && !tessar; ++i) {
        Sleep(50);
        tessar = FindWindowA("Tessar", nullptr);
    }
    std::vector<double> ms;
    if (tessar) {
        Sleep(1000);
        SetForegroundWindow(window);
        SetFocus(window);
        for (int i = 0; i < presses; ++i) {
            g_firstKeyAt = 0;
            g_keyUp = false;
            const LONGLONG posted = Now();
            PostMessageA(tessar, kMacroKeyEvent, kKey1Top, 1);
            if (!PumpUntil([] { return g_firstKeyAt != 0 && g_keyUp; }, 5000)) {
                std::fprintf(stderr, "press %d: no key arrived\n", i);
                break;
            }
            ms.push_back(static_cast<double>(g_firstKeyAt - posted) * 1000.0 /
                         static_cast<double>(g_frequency.QuadPart));
            PostMessageA(tessar, kMacroKeyEvent, kKey1Top, 0);
            Sleep(2);
        }
        PostMessageA(tessar, kQuitManager, 0, 0);
    } else {
        std::fprintf(stderr, "no Tessar window\n");
    }
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    DestroyWindow(window);
    if (hadManager) MoveFileExA(saved.c_str(), manager.c_str(), MOVEFILE_REPLACE_EXISTING);
    else DeleteFileA(manager.c_str());
    DeleteFileA(profile.c_str());
    if (ms.empty()) return 1;

    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    std::printf("presses %zu  median %.3f ms  p99 %.3f ms  max %.3f ms\n", ms.size(), median, p99, ms.back());
    return 0;
}
