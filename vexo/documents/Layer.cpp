#include "Layer.h"

#include <algorithm>

#include "Archive.h"
#include "EraserMask.h"
#include "InkArea.h"
#include "PlaybackClock.h"
#include "Section.h"

namespace {

vexo::IPlaybackSurface* PictureSurface(IInkCanvas& canvas)
{
    return dynamic_cast<vexo::IPlaybackSurface*>(&canvas);
}

// Waits on the playback clock until time; nothing when it has passed.
void WaitFor(uint32_t time)
{
    const int64_t wait = int64_t{time} - int64_t{PlaybackClock()};
    if (wait > 0) PlaybackSleep(static_cast<uint32_t>(wait));
}

}  // namespace

CLayer::CLayer() { lines_.SetOwner(this); }

bool CLayer::SetIndexOfAction(int32_t i)
{
    if (m_IndexOfAction != -1) return false;
    m_IndexOfAction = i;
    return true;
}

bool CLayer::SetIndexOfCollection(int32_t i)
{
    if (m_IndexOfCollection != -1) return false;
    m_IndexOfCollection = i;
    return true;
}

CSection* CLayer::Root()
{
    CLayer* layer = this;
    while (CLayer* parent = layer->Parent()) layer = parent;
    return dynamic_cast<CSection*>(layer);
}

std::vector<CLayer*> CLayer::Earlier()
{
    std::vector<CLayer*> chain;
    for (CLayer* layer = Parent(); layer; layer = layer->Parent()) chain.push_back(layer);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

InkRect CLayer::GetTouchedArea(const CEraserMask& eraser)
{
    InkRect touched;
    for (CLayer* layer : Earlier()) touched = UnionArea(touched, layer->lines_.EraseTouched(eraser, 0));
    return touched;
}

InkRect CLayer::EraseTouched(const CEraserMask& eraser, uint32_t time)
{
    InkRect touched;
    for (CLayer* layer : Earlier()) touched = UnionArea(touched, layer->lines_.EraseTouched(eraser, time));
    return UnionArea(touched, lines_.EraseTouched(eraser, time));
}

InkRect CLayer::EraseWithLastStroke(uint32_t time)
{
    if (lines_.Count() == 0 || lines_.At(lines_.Count() - 1).PenKind() != kPenEraser) return {};
    const CEraserMask eraser = lines_.At(lines_.Count() - 1).BuildEraserMask();
    InkRect touched = lines_.EraseWithLastStroke(false, time);
    for (CLayer* layer : Earlier()) touched = UnionArea(touched, layer->lines_.EraseTouched(eraser, time));
    return touched;
}

void CLayer::DrawPicture(vexo::IPlaybackSurface& surface)
{
    CSection* root = Root();
    if (root && root->Picture()) surface.PutPicture(*root->Picture(), root->rect, root->rect);
}

void CLayer::RestorePicture(IInkCanvas& canvas)
{
    CSection* root = Root();
    if (!root) return;
    WaitFor(root->startTime);
    if (vexo::IPlaybackSurface* surface = PictureSurface(canvas)) DrawPicture(*surface);
}

void CLayer::RepaintArea(IInkCanvas& canvas, const InkRect& area, int count)
{
    CSection* root = Root();
    vexo::IPlaybackSurface* surface = PictureSurface(canvas);
    if (surface && root && root->Picture()) surface->PutPicture(*root->Picture(), root->rect, area);
    for (CLayer* layer : Earlier()) layer->lines_.DrawInArea(canvas, area, 0);
    // count is how many of this layer's strokes come before the eraser that
    // asks; an eraser that is the layer's first stroke has none to redraw
    // (0 would mean all of them, strokes the player has not reached yet).
    lines_.DrawInArea(canvas, area, count == 0 ? -1 : count);
}

uint32_t CLayer::GetEndTime() const { return lines_.GetEndTime(); }

void CLayer::Play(vexo::IPlaybackSurface& surface, bool timed)
{
    if (!IsPlaying()) return;
    if (timed) {
        WaitFor(startTime);
        if (!IsPlaying()) return;
    }
    DrawPicture(surface);
    for (CLayer* layer : Earlier()) layer->lines_.DrawAll(surface);
    if (timed) {
        lines_.DrawTimed(surface, this);
    } else {
        lines_.DrawAll(surface);
    }
    surface.Flush();
}

void CLayer::SerializeLayer(fw::CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << pageId << startTime << m_IndexOfCollection << m_IndexOfAction;
    } else {
        ar >> pageId >> startTime >> m_IndexOfCollection >> m_IndexOfAction;
    }
    lines_.Serialize(ar);
}
