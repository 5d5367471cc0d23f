// Looks at and pokes top-level windows by their Win32 class and title, for
// the end-to-end scripts (X tools only see Wine's X11 names).
//
//   winprobe find <class|-> <title|-> [timeout ms]   prints the title; exit 1 if not found
//   winprobe gone <class|-> <title|-> [timeout ms]   exit 0 once no such window exists
//   winprobe count <class>                           prints the number of top-level windows
//   winprobe visible <class> [title]                 exit 0 if such a window is visible
//   winprobe post <class|-> <title|-> <msg> <wParam> <lParam>   numbers in C notation
//   winprobe send <class|-> <title|-> <msg> <wParam> <lParam>   prints the answer
//   winprobe settext <class|-> <title|-> <control id> <text>   sets a dialog control's text
//   winprobe close <class|-> <title|->               posts WM_CLOSE
//   winprobe answer <title> <button id> [timeout ms] waits for a message box with
//                                                    that caption, prints its text and
//                                                    presses the button (IDYES 6, IDNO 7)
//   winprobe rect <class|-> <title|>                 prints the window's "left top right bottom"
//   winprobe enabled <class|-> <title|-> <control id> exit 0 if the dialog control is enabled
//   winprobe key <class|-> <title|-> <virtual key>   brings the window to the front and
//                                                    types the key there (down and up)
//   winprobe origin <class|-> <title|>               prints the screen position of the
//                                                    client area's top left corner
//   winprobe itemtext <class|-> <title|-> <control id>  prints a dialog control's text
//   winprobe itemsend <class|-> <title|-> <control id> <msg> <wParam> <lParam>
//                                                    sends to a dialog control, prints the answer
// A <msg> that is not a number is a registered message's name ("NotifyIcon").
//   winprobe type <class|-> <title|-> <text>         brings the window to the front and
//                                                    types the text there, shifted where
//                                                    the keyboard needs it
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* Arg(const char* s) { return std::strcmp(s, "-") == 0 ? nullptr : s; }

UINT MessageArg(const char* s)
{
    char* end = nullptr;
    const unsigned long number = std::strtoul(s, &end, 0);
    return end != s ? static_cast<UINT>(number) : RegisterWindowMessageA(s);
}

HWND FindWithin(const char* cls, const char* title, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindWindowA(Arg(cls), Arg(title));
        if (hwnd || GetTickCount() - start >= timeoutMs) return hwnd;
        Sleep(50);
    }
}

struct CountData {
    const char* cls;
    int count;
};

BOOL CALLBACK CountProc(HWND hwnd, LPARAM lParam)
{
    auto* data = reinterpret_cast<CountData*>(lParam);
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, data->cls) == 0) ++data->count;
    return TRUE;
}

int Usage()
{
    std::fprintf(stderr, "usage: winprobe find|gone|count|visible|post|close|answer ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return Usage();
    const std::string cmd = argv[1];
    if (cmd == "count") {
        CountData data = {argv[2], 0};
        EnumWindows(CountProc, reinterpret_cast<LPARAM>(&data));
        std::printf("%d\n", data.count);
        return 0;
    }
    if (cmd == "visible") {
        HWND hwnd = FindWindowA(argv[2], argc > 3 ? Arg(argv[3]) : nullptr);
        return hwnd && IsWindowVisible(hwnd) ? 0 : 1;
    }
    if (argc < 4) return Usage();
    if (cmd == "rect") {
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd) return 1;
        RECT r = {};
        GetWindowRect(hwnd, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (cmd == "origin") {
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd) return 1;
        POINT p = {0, 0};
        ClientToScreen(hwnd, &p);
        std::printf("%ld %ld\n", static_cast<long>(p.x), static_cast<long>(p.y));
        return 0;
    }
    if (cmd == "itemtext" || cmd == "itemsend") {
        if (argc < 5) return Usage();
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        HWND control = hwnd ? GetDlgItem(hwnd, static_cast<int>(std::strtol(argv[4], nullptr, 0))) : nullptr;
        if (!control) return 1;
        if (cmd == "itemtext") {
            // WM_GETTEXT itself: GetWindowText does not ask another process's edit controls.
            char text[512] = "";
            DWORD_PTR copied = 0;
            SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                                5000, &copied);
            std::printf("%s\n", text);
            return 0;
        }
        if (argc < 8) return Usage();
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(control, MessageArg(argv[5]), static_cast<WPARAM>(std::strtoull(argv[6], nullptr, 0)),
                                 static_cast<LPARAM>(std::strtoll(argv[7], nullptr, 0)), SMTO_ABORTIFHUNG, 5000,
                                 &answer))
            return 1;
        std::printf("%lld\n", static_cast<long long>(answer));
        return 0;
    }
    if (cmd == "enabled" || cmd == "key") {
        if (argc < 5) return Usage();
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd) return 1;
        const int number = static_cast<int>(std::strtol(argv[4], nullptr, 0));
        if (cmd == "enabled") {
            HWND control = GetDlgItem(hwnd, number);
            return control && IsWindowEnabled(control) ? 0 : 1;
        }
        SetForegroundWindow(hwnd);
        Sleep(100);
        INPUT keys[2] = {};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = static_cast<WORD>(number);
            key.ki.wScan = static_cast<WORD>(MapVirtualKeyA(static_cast<UINT>(number), MAPVK_VK_TO_VSC));
        }
        // The cursor block and the navigation keys are extended keys, as a
        // real keyboard sends them.
        if ((number >= VK_PRIOR && number <= VK_DOWN) || number == VK_INSERT || number == VK_DELETE) {
            keys[0].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
        }
        keys[1].ki.dwFlags = keys[0].ki.dwFlags | KEYEVENTF_KEYUP;
        return SendInput(2, keys, sizeof(INPUT)) == 2 ? 0 : 1;
    }
    if (cmd == "type") {
        if (argc < 5) return Usage();
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd) return 1;
        SetForegroundWindow(hwnd);
        Sleep(100);
        for (const char* c = argv[4]; *c; ++c) {
            const SHORT scan = VkKeyScanA(*c);
            if (scan == -1) return 1;
            const WORD vk = LOBYTE(scan);
            const bool shift = (HIBYTE(scan) & 1) != 0;
            INPUT keys[4] = {};
            int n = 0;
            auto add = [&](WORD key, DWORD flags) {
                keys[n].type = INPUT_KEYBOARD;
                keys[n].ki.wVk = key;
                keys[n].ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
                keys[n].ki.dwFlags = flags;
                ++n;
            };
            if (shift) add(VK_SHIFT, 0);
            add(vk, 0);
            add(vk, KEYEVENTF_KEYUP);
            if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
            if (SendInput(static_cast<UINT>(n), keys, sizeof(INPUT)) != static_cast<UINT>(n)) return 1;
            Sleep(20);
        }
        return 0;
    }
    const DWORD timeout = argc > 4 ? static_cast<DWORD>(std::strtoul(argv[4], nullptr, 0)) : 0;
    if (cmd == "find") {
        HWND hwnd = FindWithin(argv[2], argv[3], timeout);
        if (!hwnd) return 1;
        char title[256] = "";
        GetWindowTextA(hwnd, title, sizeof title);
        std::printf("%s\n", title);
        return 0;
    }
    if (cmd == "gone") {
        const DWORD start = GetTickCount();
        while (FindWindowA(Arg(argv[2]), Arg(argv[3]))) {
            if (GetTickCount() - start >= timeout) return 1;
            Sleep(50);
        }
        return 0;
    }
    if (cmd == "answer") {
        HWND box = FindWithin("#32770", argv[2], timeout);
        if (!box) return 1;
        const int id = static_cast<int>(std::strtol(argv[3], nullptr, 0));
        HWND button = GetDlgItem(box, id);
        if (!button) return 1;
        // The message box's text is its static control 0xFFFF.
        char text[512] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        std::printf("%s\n", text);
        return PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) ? 0 : 1;
    }
    if (cmd == "settext") {
        if (argc < 6) return Usage();
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd) return 1;
        HWND control = GetDlgItem(hwnd, static_cast<int>(std::strtol(argv[4], nullptr, 0)));
        return control && SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[5])) ? 0 : 1;
    }
    if (cmd == "send") {
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd || argc < 7) return 1;
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(hwnd, MessageArg(argv[4]),
                                 static_cast<WPARAM>(std::strtoull(argv[5], nullptr, 0)),
                                 static_cast<LPARAM>(std::strtoll(argv[6], nullptr, 0)), SMTO_ABORTIFHUNG, 5000,
                                 &answer))
            return 1;
        std::printf("%lld\n", static_cast<long long>(answer));
        return 0;
    }
    if (cmd == "close" || cmd == "post") {
        HWND hwnd = FindWindowA(Arg(argv[2]), Arg(argv[3]));
        if (!hwnd) return 1;
        if (cmd == "close") return PostMessageA(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
        if (argc < 7) return Usage();
        const UINT msg = MessageArg(argv[4]);
        const WPARAM wParam = static_cast<WPARAM>(std::strtoull(argv[5], nullptr, 0));
        const LPARAM lParam = static_cast<LPARAM>(std::strtoll(argv[6], nullptr, 0));
        return PostMessageA(hwnd, msg, wParam, lParam) ? 0 : 1;
    }
    return Usage();
}
