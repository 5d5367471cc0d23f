#include "RasterDraw.h"

#include <algorithm>
#include <cstdlib>

#include "InkWorkers.h"
#include "Line.h"
#include "RasterInkCanvas.h"
#include "SMLine.h"

namespace {

constexpr int kMaxBands = 4;
// Below this many rows a band costs more to start than it saves.
constexpr int kMinBandRows = 64;

// The surface pixels a stroke's ink can reach: its points, widened by what
// its widest segment or nib reaches beyond them, a soft dot's radius and a
// pixel of smooth edge. A soft stroke's first point makes only a dot. Taken
// from the points, not the stored bounds, which a file could get wrong.
InkBox InkReach(const CLine& stroke, const InkTarget& target)
{
    const std::vector<PointRecord>& points = stroke.Points();
    if (points.empty()) return {};
    const bool soft = stroke.PenKind() != kPenPen && stroke.PenKind() != kPenMarker;
    int left = points[0].x, top = points[0].y, right = left, bottom = top, widest = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const PointRecord& p = points[i];
        left = std::min<int>(left, p.x);
        right = std::max<int>(right, p.x);
        top = std::min<int>(top, p.y);
        bottom = std::max<int>(bottom, p.y);
        if (soft && i == 0) continue;
        const int width = soft ? CSMLine::SegmentWidth(p.width, stroke.MaxPressure()) : p.width;
        widest = std::max(widest, std::abs(width));
    }
    // A marker's slanted nib reaches four half-widths up or down, and a
    // mitred corner between the pieces of a curve up to a sixth more.
    const int half = (widest + 1) / 2;
    const int reach = std::max(stroke.PenKind() == kPenMarker ? 5 * half : half, CSMLine::kMaxDotRadius) + 2;
    return {left + target.offsetX - reach, top + target.offsetY - reach, right + target.offsetX + reach + 1,
            bottom + target.offsetY + reach + 1};
}

// Each stroke is blended on its own, so that a band leaving out the strokes
// it cannot see still draws its pixels exactly as the other bands do.
void DrawBand(const std::vector<const CLine*>& strokes, const InkTarget& target, const InkBox& band)
{
    CRasterInkCanvas canvas(target.surface, band, target.offsetX, target.offsetY);
    CSMLine softRenderer;
    for (const CLine* stroke : strokes) {
        if (InkReach(*stroke, target).Intersect(band).Empty()) continue;
        stroke->DrawWith(canvas, softRenderer);
        canvas.Flush();
    }
}

}  // namespace

void RasterDraw(const std::vector<const CLine*>& strokes, const InkTarget& target, int maxBands)
{
    const InkBox clip = target.clip.Intersect({0, 0, target.surface.width, target.surface.height});
    if (clip.Empty() || strokes.empty()) return;
    const int rows = clip.bottom - clip.top;
    CInkWorkers& workers = CInkWorkers::Shared();
    const int most = maxBands > 0 ? std::min(maxBands, kMaxBands) : kMaxBands;
    const int bands = std::max(1, std::min({workers.Width(), most, rows / kMinBandRows + 1}));
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
