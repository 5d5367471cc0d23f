#include "Recorder.h"

#include "Archive.h"
#include "Clock.h"

namespace vexo {

namespace {

constexpr ColourRef kWhite = 0xFFFFFF;
constexpr ColourRef kBlack = 0x000000;

}  // namespace

void CRecorder::StartRecording()
{
    if (recording_) return;
    recording_ = true;
    startTick_ = fw::TickCount();
    ClearRecording();
    BeginPageLayer();
}

void CRecorder::ClearRecording()
{
    current_ = nullptr;
    layers_.Clear();
}

uint32_t CRecorder::Since(uint32_t tick) const
{
    const auto elapsed = static_cast<int32_t>(tick - startTick_);
    return elapsed < 0 ? 0 : static_cast<uint32_t>(elapsed);
}

uint32_t CRecorder::EraseMoment() const
{
    // An erase time of 0 means "never erased".
    const uint32_t t = Since(fw::TickCount());
    return t == 0 ? 1 : t;
}

void CRecorder::BeginPageLayer()
{
    if (!recording_) return;
    const int page = host_.CurrentPageCode();
    if (current_ && current_->pageId == page) return;

    // The newest layer of the page: a chain grows from its end.
    CLayer* found = nullptr;
    for (auto it = layers_.collections.rbegin(); !found && it != layers_.collections.rend(); ++it)
        if ((*it)->pageId == page) found = it->get();
    for (auto it = layers_.sections.rbegin(); !found && it != layers_.sections.rend(); ++it)
        if ((*it)->pageId == page) found = it->get();

    const uint32_t now = Since(fw::TickCount());
    if (found) {
        auto collection = std::make_unique<CCollection>();
        collection->startTime = now;
        collection->pageId = page;
        collection->SetParent(found);
        current_ = collection.get();
        layers_.collections.push_back(std::move(collection));
        layers_.actions.push_back(current_);
        if (!found->SetIndexOfCollection(static_cast<int32_t>(layers_.collections.size() - 1)))
            host_.IndexAlreadySet(false);
    } else {
        auto section = std::make_unique<CSection>();
        section->startTime = now;
        section->pageId = page;
        section->rect = host_.OverlayClientRect();
        section->SetPicture(PagePicture(page, section->rect));
        current_ = section.get();
        layers_.sections.push_back(std::move(section));
        layers_.actions.push_back(current_);
    }
    if (!current_->SetIndexOfAction(static_cast<int32_t>(layers_.actions.size() - 1))) host_.IndexAlreadySet(true);
}

std::unique_ptr<IPicture> CRecorder::PagePicture(int pageId, const InkRect& rect)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return nullptr;
    // A slide or the free screen as shown now; a board is its plain colour.
    std::unique_ptr<IPicture> picture =
        pageId >= 0 ? host_.CopyScreen(width, height)
                    : host_.FilledPicture(width, height, pageId % 2 == 0 ? kWhite : kBlack);
    if (picture && !host_.TransparentDisplay()) host_.DrawPageInk(*picture);
    return picture;
}

void CRecorder::BeginRecordedLine(ColourRef colour, uint16_t penKind)
{
    if (recording_ && current_) current_->Lines().AddStroke(colour, penKind);
}

void CRecorder::AddRecordedPoint(int x, int y, int width, uint32_t packetTime)
{
    if (recording_ && current_) current_->Lines().AddPoint(x, y, width, Since(packetTime));
}

void CRecorder::RecordEraserStroke()
{
    if (!recording_ || layers_.actions.empty()) return;
    layers_.actions.back()->EraseWithLastStroke(EraseMoment());
}

void CRecorder::RecordEraseAll()
{
    if (!recording_ || !current_) return;
    const uint32_t t0 = fw::TickCount();
    const uint32_t erased = EraseMoment();
    CLines& lines = current_->Lines();
    for (int i = 0; i < lines.Count(); ++i) lines.At(i).SetErased(erased);
    BeginRecordedLine(0, kPenEraseAll);
    AddRecordedPoint(0, 0, 0, t0);
}

void CRecorder::Serialize(fw::CArchive& ar, RecordingFiles& files)
{
    layers_.Serialize(ar, files);
    if (ar.IsLoading()) current_ = nullptr;
}

}  // namespace vexo
