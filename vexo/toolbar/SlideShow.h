#pragma once
// What Vexo asks of the slide-show control library ("quillet.dll"): paging,
// the show's state, its slide menu and the end of the show. The toolbar and
// the page collection talk to this interface; the Win32 side forwards to the
// library (CQuilletSlideShow) and tests use a fake.

class CPageMenu;

// Codes of the library's action call.
enum SlideShowAction : int {
    kSlideShowQuery = -1,   // 0: no show runs; non-zero: a show runs
    kSlideNext = 0,
    kSlidePrevious = 1,
    kSlideShowEnd = 3,
    kSlideScreen = 4,       // back from a black or white screen to the slide
    kSlideBlackScreen = 5,
    kSlideWhiteScreen = 6,
};

// The query value from which the taskbar is moved out of the show's way.
inline constexpr int kSlideShowQueryTaskbarFloor = 2560;

// Pointer type that gives the show its plain arrow back.
inline constexpr int kSlidePointerArrow = 0;

class ISlideShow {
public:
    virtual ~ISlideShow() = default;

    virtual int Action(int code) = 0;
    virtual int SetPointerType(int type) = 0;
    // The current slide's number; page codes of slide pages are these numbers.
    virtual int GetCurrentPage() = 0;
    // Adds one item per slide to the (emptied) menu; the item of slide n has
    // the id baseId + n, so that id - baseId is the slide's number.
    virtual void SlideGotoMenu(CPageMenu& menu, int baseId) = 0;
    virtual int SlideGoto(int slideNumber) = 0;
    // Ends the session with the library; called once when the toolbar goes.
    virtual void EndOle() = 0;
};
