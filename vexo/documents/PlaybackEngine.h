#pragma once
// The player's two workers: the painter plays the time line on the player
// window, the clock thread advances the playback clock in 100 ms steps and
// shows it. Portable threads; the window side only supplies the view.
//
// Sharing: while the workers run, only the painter draws the recording's
// strokes (each stroke keeps its soft renderer's state), on a surface of its
// own; the player window paints only its bottom bar and time display while
// playing, and the layers are not changed (open, save and recording are off
// while the player plays, and ClearRecording comes after EndPlaybackThreads).
// Stopping clears the playing flag, which wakes every playback wait, so both
// threads end by themselves and are joined; none is ever terminated.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "Playback.h"
#include "PlaybackClock.h"

namespace vexo {

class IPlaybackView {
public:
    virtual ~IPlaybackView() = default;
    // The painter's drawing surface on the player window, made and used on
    // the painter thread; null when none can be made (nothing is drawn).
    virtual std::unique_ptr<IPlaybackSurface> OpenSurface() = 0;
    // From the clock thread: the time display and the slider show ms.
    virtual void ShowTime(uint32_t ms) = 0;
    // The buttons' playing or stopped state and the bottom bar's repaint.
    // May come from the painter thread when playback ends by itself: a
    // window must post this to its own thread, never send it, because that
    // thread may be waiting for the painter to end.
    virtual void PlayingChanged(bool playing) = 0;
    virtual void RepaintBottomBar() = 0;
};

class CPlaybackEngine {
public:
    CPlaybackEngine(CRecording& recording, IPlaybackView& view) : recording_(recording), view_(view) {}
    ~CPlaybackEngine() { EndPlaybackThreads(); }
    CPlaybackEngine(const CPlaybackEngine&) = delete;
    CPlaybackEngine& operator=(const CPlaybackEngine&) = delete;

    // The user-interface thread's operations.
    void StartPlayback();
    void PausePlayback();
    void StopPlayback();
    // Stops a playback and waits for both workers to end.
    void EndPlaybackThreads();

    bool IsPaused() const { return IsPlaybackPaused(); }
    int StartIndex() const;

private:
    void Painter();
    void ClockSteps();
    void JoinWorkers();

    CRecording& recording_;
    IPlaybackView& view_;
    std::thread painter_;
    std::thread clock_;
    std::mutex lock_;
    // The start event: the clock does not advance before the painter has
    // chosen where to start.
    std::condition_variable started_;
    bool startChosen_ = false;
    int startIndex_ = 0;
};

}  // namespace vexo
