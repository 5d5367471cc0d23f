#pragma once
// The layers of a recording: sections and collections own them, the time
// line (actions) lists every layer in the order it became active. Files hold
// the first two; the time line and the parent links come back from the
// indices each layer carries.
#include <cstdint>
#include <memory>
#include <vector>

#include "Collection.h"
#include "Section.h"

class CRecording {
public:
    std::vector<std::unique_ptr<CSection>> sections;
    std::vector<std::unique_ptr<CCollection>> collections;
    std::vector<CLayer*> actions;

    void Clear();
    void Swap(CRecording& other);

    // The recording file's content. Loading reads into a fresh recording and
    // takes its place only when all of it was read and linked, so a failure
    // leaves this one as it was. Throws fw::ArchiveError when the data ends
    // early (before allocating for a count or a picture the rest cannot
    // hold) or has bytes after the last layer, vexo::RecordingLinkError when
    // the time line or the parent links do not hold, vexo::SaveError when a
    // picture cannot be stored.
    void Serialize(fw::CArchive& ar, RecordingFiles& files);

    // Rebuilds the time line and the parent links from the layers' indices.
    // A recording made by Vexo places every layer at its own position and
    // names every collection from exactly one earlier layer; anything else
    // (a position or index outside its list, a gap, a collection without a
    // parent or with two, a parent later than its collection) is refused,
    // because the player must never play an empty position or a chain that
    // does not end at a section.
    void Link();

    // The time-line position active at t: the first i below the last with
    // startTime[i] <= t < startTime[i + 1], else the last (0 when there are
    // fewer than two).
    int FindActionAt(uint32_t t) const;
    // The slider's range ends at the last action's end time; false (the
    // range left alone) without actions.
    bool SliderEnd(uint32_t& end) const;
};
