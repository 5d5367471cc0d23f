#include "PlaybackEngine.h"

#include <chrono>

#include "PlaybackClock.h"

namespace vexo {

namespace {

constexpr uint32_t kClockStep = 100;

}  // namespace

void CPlaybackEngine::StartPlayback()
{
    if (IsPlaying()) return;
    // Workers of a playback that ended by itself are done; collect them.
    JoinWorkers();
    {
        std::lock_guard<std::mutex> guard(lock_);
        startChosen_ = false;
    }
    SetPlaybackPaused(false);
    view_.PlayingChanged(true);
    SetPlaying(true);
    painter_ = std::thread(&CPlaybackEngine::Painter, this);
    clock_ = std::thread(&CPlaybackEngine::ClockSteps, this);
}

void CPlaybackEngine::PausePlayback()
{
    if (!IsPlaying() || !painter_.joinable() || !clock_.joinable()) return;
    SetPlaybackPaused(!IsPlaybackPaused());
    view_.RepaintBottomBar();
}

void CPlaybackEngine::StopPlayback()
{
    if (!IsPlaying()) return;
    SetPlaybackPaused(false);
    SetPlaying(false);
    view_.PlayingChanged(false);
    view_.RepaintBottomBar();
}

void CPlaybackEngine::EndPlaybackThreads()
{
    SetPlaybackPaused(false);
    SetPlaying(false);
    {
        // Wakes a clock thread still waiting for the painter's choice.
        std::lock_guard<std::mutex> guard(lock_);
    }
    started_.notify_all();
    JoinWorkers();
}

int CPlaybackEngine::StartIndex() const { return startIndex_; }

void CPlaybackEngine::JoinWorkers()
{
    if (painter_.joinable()) painter_.join();
    if (clock_.joinable()) clock_.join();
}

void CPlaybackEngine::Painter()
{
    std::unique_ptr<IPlaybackSurface> surface = view_.OpenSurface();
    const int start = PlaybackStartIndex(recording_, PlaybackClock());
    {
        std::lock_guard<std::mutex> guard(lock_);
        startIndex_ = start;
        startChosen_ = true;
    }
    started_.notify_all();
    if (surface && PlayActions(recording_, *surface, start)) StopPlayback();
    if (!surface) StopPlayback();
}

void CPlaybackEngine::ClockSteps()
{
    {
        std::unique_lock<std::mutex> guard(lock_);
        started_.wait(guard, [this] { return startChosen_ || !IsPlaying(); });
    }
    // Steps keep to a fixed beat from the start (shifted by pauses), so the
    // time a step takes beyond 100 ms does not add up over a long playback.
    using Clock = std::chrono::steady_clock;
    auto next = Clock::now();
    while (IsPlaying()) {
        next += std::chrono::milliseconds(kClockStep);
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
        next += std::chrono::milliseconds(PlaybackWait(wait > 0 ? static_cast<uint32_t>(wait) : 0));
        if (!IsPlaying()) break;
        AdvancePlaybackClock(kClockStep);
        view_.ShowTime(PlaybackClock());
    }
    SetPlaybackClock(0);
    view_.ShowTime(0);
}

}  // namespace vexo
