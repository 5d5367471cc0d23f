#pragma once
// The process-wide playing flag and playback clock. The player's clock thread
// advances the clock while its painter thread draws strokes against it; both
// are single words read without locks, and the flag is the only way to stop
// timed drawing early.
#include <cstdint>

bool IsPlaying();
void SetPlaying(bool playing);

// Playback position in milliseconds.
uint32_t PlaybackClock();
void SetPlaybackClock(uint32_t ms);
void AdvancePlaybackClock(uint32_t ms);

// Waits ms milliseconds for timed drawing, in slices short enough to notice
// a cleared playing flag within one clock step; returns at once when the flag
// clears.
void PlaybackSleep(uint32_t ms);

// Pausing holds every playback wait where it is, and the time spent paused
// does not count; clearing the playing flag wakes every wait at once, so the
// player's threads end within one drawing step of a stop.
void SetPlaybackPaused(bool paused);
bool IsPlaybackPaused();
// The real wait behind PlaybackSleep, for the clock thread's steps: ms of
// unpaused time, or less when the playing flag clears. Returns how long a
// pause held it, in ms.
uint32_t PlaybackWait(uint32_t ms);

// Tests replace the slice sleeper (ms is at most one clock step); nullptr
// restores the real one.
using PlaybackSleeper = void (*)(uint32_t ms);
void SetPlaybackSleeperForTesting(PlaybackSleeper sleeper);
