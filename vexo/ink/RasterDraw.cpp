#include "RasterDraw.h"

#include <algorithm>

#include "InkWorkers.h"
#include "Line.h"
#include "RasterInkCanvas.h"

namespace {

constexpr int kMaxBands = 4;
// Below this many rows a band costs more to start than it saves.
constexpr int kMinBandRows = 64;

void DrawBand(const std::vector<const CLine*>& strokes, const InkTarget& target, const InkBox& band)
{
    CRasterInkCanvas canvas(target.surface, band, target.offsetX, target.offsetY);
    CSMLine softRenderer;
    for (const CLine* stroke : strokes) stroke->DrawWith(canvas, softRenderer);
    canvas.Flush();
}

}  // namespace

void RasterDraw(const std::vector<const CLine*>& strokes, const InkTarget& target)
{
    const InkBox clip = target.clip.Intersect({0, 0, target.surface.width, target.surface.height});
    if (clip.Empty() || strokes.empty()) return;
    const int rows = clip.bottom - clip.top;
    CInkWorkers& workers = CInkWorkers::Shared();
    const int bands = std::max(1, std::min({workers.Width(), kMaxBands, rows / kMinBandRows + 1}));
    if (bands == 1) {
        DrawBand(strokes, target, clip);
        return;
    }
    workers.Run(bands, [&](int b) {
        InkBox band = clip;
        band.top = clip.top + rows * b / bands;
        band.bottom = clip.top + rows * (b + 1) / bands;
        DrawBand(strokes, target, band);
    });
}
