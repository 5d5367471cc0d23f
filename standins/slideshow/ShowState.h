#pragma once
// Where a running show stands: the slide, the screen over it (slide, black,
// white, or the end screen after the last slide) and whether it has ended.
// Paging follows the usual presentation keys: leaving a black or white screen
// comes back to the same slide, paging past the last slide shows the end
// screen, and paging on from there ends the show.

enum class ShowScreen : int { Slide = 0, Black = 1, White = 2, End = 3 };

class CShowState {
public:
    // slideCount is at least 1; firstSlide is clamped into the show.
    CShowState(int slideCount, int firstSlide);

    int Slide() const { return slide_; }
    int SlideCount() const { return slideCount_; }
    ShowScreen Screen() const { return screen_; }
    bool Ended() const { return ended_; }

    void Next();
    void Previous();
    // Slide n (1-based); false and no change for a slide the show lacks.
    bool GoTo(int n);
    // Black, white or the slide; the end screen is reached only by paging.
    bool SetScreen(ShowScreen screen);
    // B and W keys: a second press returns to the slide.
    void ToggleScreen(ShowScreen screen);
    void End() { ended_ = true; }

private:
    int slideCount_;
    int slide_;
    ShowScreen screen_ = ShowScreen::Slide;
    bool ended_ = false;
};
