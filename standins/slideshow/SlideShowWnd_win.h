#pragma once
// The show's full-screen window: paints the current slide (a large slide
// number), the black, white and end screens and the pen strokes drawn on
// each slide; pages by keyboard and mouse; answers the slide-show library.
#include <map>
#include <string>
#include <vector>

#include "ShowState.h"
#include "SlideShowProtocol.h"
#include "Window.h"

class CSlideShowWnd : public fw::CWindow {
public:
    CSlideShowWnd(int slideCount, int firstSlide);
    bool CreateFullScreen(HINSTANCE instance);

private:
    struct PenStroke {
        COLORREF colour;
        std::vector<POINT> points;
    };

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnLeftButtonUp(WPARAM, LPARAM);
    LRESULT OnRightButtonUp(WPARAM, LPARAM);
    LRESULT OnSetCursor(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnQuery(WPARAM, LPARAM);
    LRESULT OnCommand(WPARAM, LPARAM);

    void PaintSlide(HDC dc, const RECT& rc);
    // Repaints, or closes the window once the show has ended.
    void Refresh();
    // From now on the slide-show library no longer finds this show.
    void WithdrawShow();
    bool TakesInk() const;
    void EraseStrokesAt(POINT pt);
    std::vector<PenStroke>& SlideInk() { return ink_[state_.Slide()]; }

    CShowState state_;
    int pointerType_ = slideshow::kPointerArrow;
    COLORREF pointerColour_ = RGB(255, 0, 0);
    std::map<int, std::vector<PenStroke>> ink_;  // by slide number
    bool tracking_ = false;                      // left button held with pen or eraser
    std::string typedNumber_;                    // digits typed before Enter: go to that slide

    FW_DECLARE_MESSAGE_MAP()
};
