#pragma once
// How the slide-show library finds and drives a running show: the show's
// full-screen window has this class, and the library sends it these
// messages (integers only, so they work across processes). A reply of 0 from
// SendMessageTimeout means the show did not answer.
#include <windows.h>

namespace slideshow {

inline constexpr char kWindowClass[] = "SlideShowScreen";

// wParam: a Query, lParam unused. Result: the answer.
inline constexpr UINT kMsgQuery = WM_APP + 0x151;
// wParam: a Command, lParam its argument. Result: a CommandReply.
inline constexpr UINT kMsgCommand = WM_APP + 0x152;

enum CommandReply : LRESULT {
    kReplyRefused = 0,
    kReplyDone = 1,
};

// Set on the show's window while the show runs. A show that has ended drops
// it at once, even though closing its window can take a moment longer.
inline constexpr char kRunningProperty[] = "SlideShowRunning";

// The window of the running show, or null.
inline HWND FindRunningShow()
{
    for (HWND w = FindWindowExA(nullptr, nullptr, kWindowClass, nullptr); w;
         w = FindWindowExA(nullptr, w, kWindowClass, nullptr)) {
        if (GetPropA(w, kRunningProperty)) return w;
    }
    return nullptr;
}

enum Query : WPARAM {
    kQuerySlide = 1,        // the current slide, 1-based
    kQuerySlideCount = 2,
    kQueryScreen = 3,       // a Screen
    kQueryPointerType = 4,
    kQueryPointerColour = 5,
};

enum Command : WPARAM {
    kCommandNext = 1,
    kCommandPrevious = 2,
    kCommandGoTo = 3,           // lParam: slide number
    kCommandEnd = 4,
    kCommandScreen = 5,         // lParam: a Screen other than kScreenEnd
    kCommandPointerType = 6,    // lParam: a PointerType value
    kCommandPointerColour = 7,  // lParam: COLORREF
};

enum Screen : int {
    kScreenSlide = 0,
    kScreenBlack = 1,
    kScreenWhite = 2,
    kScreenEnd = 3,  // "End of slide show" after the last slide
};

// Pointer types the show knows; any other value gives the arrow.
enum PointerType : int {
    kPointerArrow = 0,
    kPointerPen = 3,     // the left button draws in the pointer colour
    kPointerEraser = 5,  // the left button wipes the pen strokes it touches
};

// How long the library waits for the show to answer.
inline constexpr UINT kReplyTimeoutMs = 2000;

}  // namespace slideshow
