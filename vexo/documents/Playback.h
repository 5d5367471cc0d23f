#pragma once
// The painter's part of playback, without its thread: where to start and the
// time line played against the playback clock.
#include <cstdint>
#include <string>

#include "Recording.h"

namespace vexo {

// Playing starts with the action active at the clock's position; a clock of
// at most 200 ms starts from the beginning.
int PlaybackStartIndex(const CRecording& recording, uint32_t clock);

// Plays the time line from position start while the playing flag is set.
// True when every position was played (the flag never cleared), which ends
// the playback.
bool PlayActions(CRecording& recording, IPlaybackSurface& surface, int start);

// The time display: "%02d:%02d:%02d.%d", hours, minutes, seconds, tenths.
std::string FormatPlaybackTime(uint32_t ms);

}  // namespace vexo
