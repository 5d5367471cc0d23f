#include "Recording.h"

#include "Archive.h"
#include "DocumentFile.h"

void CRecording::Clear()
{
    actions.clear();
    collections.clear();
    sections.clear();
}

void CRecording::Swap(CRecording& other)
{
    sections.swap(other.sections);
    collections.swap(other.collections);
    actions.swap(other.actions);
}

void CRecording::Serialize(fw::CArchive& ar, RecordingFiles& files)
{
    if (ar.IsStoring()) {
        ar << static_cast<uint32_t>(sections.size()) << static_cast<uint32_t>(collections.size());
        for (auto& section : sections) section->Serialize(ar, files);
        for (auto& collection : collections) collection->Serialize(ar);
        return;
    }

    int32_t ns = 0, nc = 0;
    ar >> ns >> nc;
    // Every record takes at least its fixed fields and a stroke count.
    constexpr size_t kLeast = CLayer::kStoredHeaderSize + CLines::kStoredHeaderSize;
    ar.RequireRecords(ns, CSection::kStoredHeaderSize + kLeast);
    ar.RequireRecords(nc, kLeast);
    if (static_cast<uint64_t>(ns) * (CSection::kStoredHeaderSize + kLeast) +
            static_cast<uint64_t>(nc) * kLeast > ar.Remaining())
        throw fw::ArchiveError(fw::ArchiveError::Kind::EndOfFile, "recording ends early");

    CRecording loaded;
    loaded.sections.reserve(static_cast<size_t>(ns));
    for (int32_t i = 0; i < ns; ++i) {
        loaded.sections.push_back(std::make_unique<CSection>());
        loaded.sections.back()->Serialize(ar, files);
    }
    loaded.collections.reserve(static_cast<size_t>(nc));
    for (int32_t j = 0; j < nc; ++j) {
        loaded.collections.push_back(std::make_unique<CCollection>());
        loaded.collections.back()->Serialize(ar);
    }
    if (ar.Remaining() != 0)
        throw fw::ArchiveError(fw::ArchiveError::Kind::BadFormat, "bytes after the last layer");
    loaded.Link();
    Swap(loaded);
}

void CRecording::Link()
{
    const size_t positions = sections.size() + collections.size();
    std::vector<CLayer*> timeLine(positions, nullptr);
    std::vector<int> namings(collections.size(), 0);
    auto link = [&](CLayer& layer) {
        const int32_t a = layer.GetIndexOfAction();
        const int32_t c = layer.GetIndexOfCollection();
        if (a >= 0) {
            if (static_cast<size_t>(a) >= positions)
                throw vexo::RecordingLinkError("time-line position outside the time line");
            timeLine[static_cast<size_t>(a)] = &layer;
        }
        if (c >= 0) {
            if (static_cast<size_t>(c) >= collections.size())
                throw vexo::RecordingLinkError("collection index outside the collections");
            collections[static_cast<size_t>(c)]->SetParent(&layer);
            ++namings[static_cast<size_t>(c)];
        }
    };
    for (auto& section : sections) link(*section);
    for (auto& collection : collections) link(*collection);

    // Every layer placed once fills every position.
    for (size_t i = 0; i < positions; ++i)
        if (!timeLine[i] || timeLine[i]->GetIndexOfAction() != static_cast<int32_t>(i))
            throw vexo::RecordingLinkError("a gap in the time line");
    for (size_t j = 0; j < collections.size(); ++j) {
        const CCollection& collection = *collections[j];
        if (namings[j] != 1)
            throw vexo::RecordingLinkError("a collection without a single parent");
        // Parents come earlier, so every chain ends at a section.
        if (collection.Parent()->GetIndexOfAction() >= collection.GetIndexOfAction())
            throw vexo::RecordingLinkError("a collection continues a later layer");
    }
    actions = std::move(timeLine);
}

int CRecording::FindActionAt(uint32_t t) const
{
    if (actions.size() < 2) return 0;
    for (size_t i = 0; i + 1 < actions.size(); ++i)
        if (actions[i]->startTime <= t && t < actions[i + 1]->startTime) return static_cast<int>(i);
    return static_cast<int>(actions.size() - 1);
}

bool CRecording::SliderEnd(uint32_t& end) const
{
    if (actions.empty()) return false;
    end = actions.back()->GetEndTime();
    return true;
}
