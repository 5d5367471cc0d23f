#include "Playback.h"

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

}  // namespace vexo
