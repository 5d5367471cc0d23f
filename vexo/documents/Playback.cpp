#include "Playback.h"

#include <cstdio>

#include "PlaybackClock.h"

namespace vexo {

int PlaybackStartIndex(const CRecording& recording, uint32_t clock)
{
    return clock > 200 ? recording.FindActionAt(clock) : 0;
}

bool PlayActions(CRecording& recording, IPlaybackSurface& surface, int start)
{
    for (size_t i = start < 0 ? 0 : static_cast<size_t>(start); i < recording.actions.size(); ++i) {
        if (!IsPlaying()) return false;
        recording.actions[i]->Play(surface, true);
    }
    return IsPlaying();
}

std::string FormatPlaybackTime(uint32_t ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%u", ms / 3600000, ms % 3600000 / 60000, ms % 60000 / 1000,
                  ms % 1000 / 100);
    return text;
}

}  // namespace vexo
