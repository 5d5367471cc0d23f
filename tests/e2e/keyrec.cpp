// A window that comes to the front and writes down every key it receives,
// one line a key event ("41+" down, "41-" up, the virtual-key code in hex),
// for the scenarios that check what a macro key types.
//
//   keyrec <log file>
#include <windows.h>

#include <cstdio>

namespace {

const char* g_log = nullptr;

void Record(WPARAM vk, bool up)
{
    FILE* f = std::fopen(g_log, "a");
    if (!f) return;
    std::fprintf(f, "%02X%s\n", static_cast<unsigned>(vk), up ? "-" : "+");
    std::fclose(f);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: Record(wParam, false); return 0;
    case WM_KEYUP: case WM_SYSKEYUP: Record(wParam, true); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (!commandLine || !*commandLine) return 2;
    g_log = commandLine;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "KeyRecorder";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "KeyRecorder", "Key recorder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300,
                                300, 200, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
