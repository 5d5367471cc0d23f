#include "PlaybackClock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

// Relaxed atomics: the writers and readers need no ordering beyond seeing the
// word change, which is what plain words gave on the original platform.
std::atomic<bool> g_playing{false};
std::atomic<uint32_t> g_clock{0};
std::atomic<PlaybackSleeper> g_sleeper{nullptr};

// Waits sleep on this, so that a stop or a resume reaches them at once. The
// flags are changed under the lock and the waits test them under it, so no
// wake-up falls between a test and a wait.
std::mutex g_waitLock;
std::condition_variable g_wake;
bool g_paused = false;

constexpr uint32_t kClockStep = 100;

void RealSleep(uint32_t ms) { PlaybackWait(ms); }

void WakeWaits()
{
    { std::lock_guard<std::mutex> lock(g_waitLock); }
    g_wake.notify_all();
}

}  // namespace

bool IsPlaying() { return g_playing.load(std::memory_order_relaxed); }
void SetPlaying(bool playing)
{
    g_playing.store(playing, std::memory_order_relaxed);
    if (!playing) WakeWaits();
}

uint32_t PlaybackClock() { return g_clock.load(std::memory_order_relaxed); }
void SetPlaybackClock(uint32_t ms) { g_clock.store(ms, std::memory_order_relaxed); }
void AdvancePlaybackClock(uint32_t ms) { g_clock.fetch_add(ms, std::memory_order_relaxed); }

void PlaybackSleep(uint32_t ms)
{
    PlaybackSleeper sleeper = g_sleeper.load();
    if (!sleeper) sleeper = RealSleep;
    while (ms > 0 && IsPlaying()) {
        const uint32_t slice = std::min(ms, kClockStep);
        sleeper(slice);
        ms -= slice;
    }
}

void SetPlaybackPaused(bool paused)
{
    {
        std::lock_guard<std::mutex> lock(g_waitLock);
        g_paused = paused;
    }
    g_wake.notify_all();
}

bool IsPlaybackPaused()
{
    std::lock_guard<std::mutex> lock(g_waitLock);
    return g_paused;
}

uint32_t PlaybackWait(uint32_t ms)
{
    using Clock = std::chrono::steady_clock;
    std::unique_lock<std::mutex> lock(g_waitLock);
    auto left = std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(ms));
    Clock::duration held{};
    while ((left > Clock::duration::zero() || g_paused) && IsPlaying()) {
        const auto from = Clock::now();
        if (g_paused) {
            g_wake.wait(lock);
            held += Clock::now() - from;
            continue;
        }
        g_wake.wait_for(lock, left);
        if (!g_paused) left -= Clock::now() - from;
    }
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(held).count());
}

void SetPlaybackSleeperForTesting(PlaybackSleeper sleeper) { g_sleeper.store(sleeper); }
