#include "ShowState.h"

CShowState::CShowState(int slideCount, int firstSlide)
    : slideCount_(slideCount < 1 ? 1 : slideCount), slide_(firstSlide)
{
    if (slide_ < 1) slide_ = 1;
    if (slide_ > slideCount_) slide_ = slideCount_;
}

void CShowState::Next()
{
    switch (screen_) {
    case ShowScreen::Black:
    case ShowScreen::White:
        screen_ = ShowScreen::Slide;
        break;
    case ShowScreen::End:
        ended_ = true;
        break;
    case ShowScreen::Slide:
        if (slide_ < slideCount_) ++slide_;
        else screen_ = ShowScreen::End;
        break;
    }
}

void CShowState::Previous()
{
    if (screen_ != ShowScreen::Slide) {
        screen_ = ShowScreen::Slide;
        return;
    }
    if (slide_ > 1) --slide_;
}

bool CShowState::GoTo(int n)
{
    if (n < 1 || n > slideCount_) return false;
    slide_ = n;
    screen_ = ShowScreen::Slide;
    return true;
}

bool CShowState::SetScreen(ShowScreen screen)
{
    if (screen == ShowScreen::End) return false;
    screen_ = screen;
    return true;
}

void CShowState::ToggleScreen(ShowScreen screen)
{
    SetScreen(screen_ == screen ? ShowScreen::Slide : screen);
}
