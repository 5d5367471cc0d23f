#include "PlaybackClock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Relaxed atomics: the writers and readers need no ordering beyond seeing the
// word change, which is what plain words gave on the original platform.
std::atomic<bool> g_playing{false};
std::atomic<uint32_t> g_clock{0};
std::atomic<PlaybackSleeper> g_sleeper{nullptr};

constexpr uint32_t kClockStep = 100;

void RealSleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

bool IsPlaying() { return g_playing.load(std::memory_order_relaxed); }
void SetPlaying(bool playing) { g_playing.store(playing, std::memory_order_relaxed); }

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

void SetPlaybackSleeperForTesting(PlaybackSleeper sleeper) { g_sleeper.store(sleeper); }
