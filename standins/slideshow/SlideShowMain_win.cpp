// SlideShow.exe [/slides:N] [/start:K]: runs a full-screen show of N numbered
// slides (5 unless given) from slide K. One show at a time: a second start
// brings the running show to the front.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "SlideShowWnd_win.h"

namespace {

constexpr int kDefaultSlideCount = 5;
constexpr int kMaxSlideCount = 999;

struct ShowOptions {
    int slideCount = kDefaultSlideCount;
    int firstSlide = 1;
};

// Reads "/name:value" (or "-name:value") switches, ignoring case.
ShowOptions ParseOptions(const char* commandLine)
{
    ShowOptions options;
    for (const char* p = commandLine; *p;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p != '/' && *p != '-') {
            while (*p && *p != ' ' && *p != '\t') ++p;
            continue;
        }
        ++p;
        if (_strnicmp(p, "slides:", 7) == 0) options.slideCount = std::atoi(p + 7);
        else if (_strnicmp(p, "start:", 6) == 0) options.firstSlide = std::atoi(p + 6);
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    if (options.slideCount < 1) options.slideCount = 1;
    if (options.slideCount > kMaxSlideCount) options.slideCount = kMaxSlideCount;
    return options;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (HWND running = slideshow::FindRunningShow()) {
        SetForegroundWindow(running);
        return 0;
    }
    const ShowOptions options = ParseOptions(commandLine ? commandLine : "");
    CSlideShowWnd show(options.slideCount, options.firstSlide);
    if (!show.CreateFullScreen(instance)) return 1;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
