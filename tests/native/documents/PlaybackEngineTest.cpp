// The painter and clock threads on the real clock, with short recordings:
// playback ends by itself, pausing holds the clock, and stopping or closing
// ends both threads however long the recording is.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "DocumentFakes.h"
#include "PlaybackEngine.h"

namespace {

class View : public vexo::IPlaybackView {
public:
    std::unique_ptr<vexo::IPlaybackSurface> OpenSurface() override
    {
        return std::make_unique<Forward>(surface);
    }
    void ShowTime(uint32_t ms) override
    {
        std::lock_guard<std::mutex> guard(lock);
        shown.push_back(ms);
    }
    void PlayingChanged(bool playing) override
    {
        std::lock_guard<std::mutex> guard(lock);
        states.push_back(playing);
        changed.notify_all();
    }
    void RepaintBottomBar() override {}

    // Waits (without a time limit) until playback reports it stopped.
    void WaitForStop()
    {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [this] { return !states.empty() && !states.back(); });
    }
    std::vector<uint32_t> Shown()
    {
        std::lock_guard<std::mutex> guard(lock);
        return shown;
    }

    // The painter's surface hands everything to one log the test reads after
    // the threads have ended.
    struct Forward : vexo::IPlaybackSurface {
        explicit Forward(docfake::LoggingSurface& to) : to_(to) {}
        void PutPicture(const vexo::IPicture& p, const InkRect& r, const InkRect& a) override { to_.PutPicture(p, r, a); }
        void SolidLine(InkPoint f, InkPoint t, int w, ColourRef c) override { to_.SolidLine(f, t, w, c); }
        void MarkerCurve(const InkPoint (&p)[4], int w, ColourRef c) override { to_.MarkerCurve(p, w, c); }
        void SoftSegment(InkPoint f, InkPoint t, int w, ColourRef c) override { to_.SoftSegment(f, t, w, c); }
        ColourRef GetPixel(int, int) override { return 0xFFFFFF; }
        void SetPixel(int, int, ColourRef) override {}
        docfake::LoggingSurface& to_;
    };

    docfake::LoggingSurface surface;
    std::mutex lock;
    std::condition_variable changed;
    std::vector<uint32_t> shown;
    std::vector<bool> states;
};

class PlaybackEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetPlaying(false);
        SetPlaybackClock(0);
        rec.sections.push_back(std::make_unique<CSection>());
        CSection& s = *rec.sections.back();
        s.rect = {0, 0, 100, 100};
        s.SetPicture(std::make_unique<docfake::FakePicture>(100, 100, 1));
        s.SetIndexOfAction(0);
        rec.Link();
    }
    void TearDown() override { engine.EndPlaybackThreads(); }

    void PenStroke(uint32_t lastTime)
    {
        CLine& line = rec.sections[0]->Lines().AddStroke(0xFF, kPenPen);
        for (int i = 0; i < 6; ++i) line.AddPoint(10 + 10 * i, 20, 1, lastTime / 5 * i);
    }

    CRecording rec;
    View view;
    vexo::CPlaybackEngine engine{rec, view};
};

TEST_F(PlaybackEngine, APlaybackEndsByItselfWithTheClockBackAtZero)
{
    PenStroke(300);
    engine.StartPlayback();
    view.WaitForStop();
    engine.EndPlaybackThreads();
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(PlaybackClock(), 0u);
    const auto shown = view.Shown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), 0u);
    EXPECT_EQ(view.states, (std::vector<bool>{true, false}));
    const auto segments = view.surface.Of(docfake::Drawn::kSolid, 0xFF);
    ASSERT_EQ(segments.size(), 4u) << "the whole stroke";
    EXPECT_GE(segments.back().clock, 200u) << "its last point waited for the clock";
}

TEST_F(PlaybackEngine, PauseHoldsTheClockAndStopAfterPauseEndsBothThreads)
{
    PenStroke(60000);
    engine.StartPlayback();
    while (PlaybackClock() < 200) PlaybackWait(10);
    engine.PausePlayback();
    ASSERT_TRUE(engine.IsPaused());
    // A step already under way when the pause came may still land.
    const uint32_t held = PlaybackClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_LE(PlaybackClock(), held + 100);
    engine.StopPlayback();
    EXPECT_FALSE(engine.IsPaused());
    engine.EndPlaybackThreads();  // returns: both threads ended
    EXPECT_EQ(PlaybackClock(), 0u);
}

TEST_F(PlaybackEngine, ClosingDuringALongWaitEndsTheThreads)
{
    PenStroke(3600000);  // the next point an hour away
    SetPlaybackClock(0);
    engine.StartPlayback();
    while (PlaybackClock() < 200) PlaybackWait(5);
    engine.EndPlaybackThreads();
    EXPECT_FALSE(IsPlaying());
    // A second playback starts afresh from the beginning.
    engine.StartPlayback();
    engine.StopPlayback();
    engine.EndPlaybackThreads();
}

}  // namespace
