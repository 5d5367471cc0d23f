// Slide-show control library stand-in: drives the show of SlideShow.exe,
// found by its window class and commanded with sent messages that time out,
// so no call blocks for long or fails hard when no show runs.
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "SlideShowProtocol.h"

#define QUILLET_API
#include "QuilletApi.h"
#include "SlideShow.h"

namespace {

// The query's answer while a show runs: this flag plus the current slide, so
// that every slide change is a change of the answer and its callers follow
// the show. It lies above 2559: the show covers the whole screen, and the
// taskbar is to make way for it.
constexpr int kShowRunning = 0x10000;
static_assert(kShowRunning >= kSlideShowQueryTaskbarFloor, "a running show moves the taskbar");

// Set when this process changed the show's pointer; EndOle gives the arrow back.
std::atomic<bool> pointerChanged{false};

HWND FindShow()
{
    return slideshow::FindRunningShow();
}

bool Send(HWND show, UINT message, WPARAM what, LPARAM argument, LRESULT& reply)
{
    DWORD_PTR result = 0;
    if (!show || !SendMessageTimeoutA(show, message, what, argument, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                      slideshow::kReplyTimeoutMs, &result))
        return false;
    reply = static_cast<LRESULT>(result);
    return true;
}

// The show's answer, or fallback when no show answers.
int Ask(HWND show, slideshow::Query query, int fallback)
{
    LRESULT reply = 0;
    return Send(show, slideshow::kMsgQuery, query, 0, reply) ? static_cast<int>(reply) : fallback;
}

int Command(slideshow::Command command, int argument = 0)
{
    LRESULT reply = slideshow::kReplyRefused;
    return Send(FindShow(), slideshow::kMsgCommand, command, argument, reply) &&
                   reply != slideshow::kReplyRefused
               ? 1
               : 0;
}

}  // namespace

extern "C" int WINAPI Quillet_PP_Action(int code)
{
    switch (code) {
    case kSlideShowQuery: {
        HWND show = FindShow();
        if (!show) return 0;
        // A show that does not answer still runs.
        const int slide = Ask(show, slideshow::kQuerySlide, 0);
        return kShowRunning + (slide > 0 && slide < kShowRunning ? slide : 0);
    }
    case kSlideNext: return Command(slideshow::kCommandNext);
    case kSlidePrevious: return Command(slideshow::kCommandPrevious);
    case kSlideShowEnd: return Command(slideshow::kCommandEnd);
    case kSlideScreen: return Command(slideshow::kCommandScreen, slideshow::kScreenSlide);
    case kSlideBlackScreen: return Command(slideshow::kCommandScreen, slideshow::kScreenBlack);
    case kSlideWhiteScreen: return Command(slideshow::kCommandScreen, slideshow::kScreenWhite);
    default: return 0;
    }
}

extern "C" int WINAPI Quillet_PP_SetPointerType(int type)
{
    const int done = Command(slideshow::kCommandPointerType, type);
    if (done) pointerChanged = type != slideshow::kPointerArrow;
    return done;
}

extern "C" int WINAPI Quillet_PP_SetPointerColor(int colour)
{
    return Command(slideshow::kCommandPointerColour, colour);
}

extern "C" int WINAPI Quillet_PP_GetSlideShowActive()
{
    return FindShow() ? 1 : 0;
}

extern "C" int WINAPI Quillet_PP_GetCurrentPage()
{
    HWND show = FindShow();
    return show ? Ask(show, slideshow::kQuerySlide, 0) : 0;
}

extern "C" int WINAPI Quillet_PP_SlideGotoMenu(HMENU menu, int baseId)
{
    HWND show = FindShow();
    if (!show || !IsMenu(menu)) return 0;
    const int count = Ask(show, slideshow::kQuerySlideCount, 0);
    int added = 0;
    for (int n = 1; n <= count; ++n) {
        const long long id = static_cast<long long>(baseId) + n;
        if (id <= 0 || id > 0xFFFF) break;  // beyond what a menu command can carry
        char text[32];
        std::snprintf(text, sizeof text, "Slide %d", n);
        if (!AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), text)) break;
        ++added;
    }
    return added;
}

extern "C" int WINAPI Quillet_PP_SlideGoto(int slideNumber)
{
    return Command(slideshow::kCommandGoTo, slideNumber);
}

extern "C" int WINAPI Quillet_PP_EndOle()
{
    // The session ends: a pen or eraser this process chose must not outlive it.
    if (pointerChanged.exchange(false)) Command(slideshow::kCommandPointerType, slideshow::kPointerArrow);
    return 1;
}
