// A loaded page drawn and erased: the page is drawn by the rasteriser onto a
// small screen (every changed pixel must lie within the drawn stroke's
// reach, which band drawing and repaint areas rely on), then its last
// stroke erases as the overlay's pen-up does, and the area it reports holds
// every stroke it erased.
#include <cstdint>
#include <vector>

#include "Archive.h"
#include "EraserMask.h"
#include "FuzzCheck.h"
#include "InkArea.h"
#include "Lines.h"
#include "RasterDraw.h"

namespace {

constexpr int kScreenW = 160;
constexpr int kScreenH = 120;
constexpr uint32_t kPaper = 0x00FFFFFF;
// Strokes drawn one by one for the reach check (the rest only in the page).
constexpr int kReachChecked = 8;

bool Within(const InkRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CLines page;
    try {
        fw::CArchive in(std::vector<uint8_t>(data, data + size));
        page.Serialize(in);
    } catch (const fw::ArchiveError&) {
        return 0;
    }

    std::vector<uint32_t> pixels(static_cast<size_t>(kScreenW) * kScreenH, kPaper);
    // Points at (-20, -20) land on the screen's corner, so strokes around
    // the origin with negative coordinates are drawn too.
    const InkTarget target{{pixels.data(), kScreenW, kScreenW, kScreenH}, {0, 0, kScreenW, kScreenH}, 20, 20};
    const std::vector<const CLine*> visible = page.StrokesToDraw();
    for (size_t i = 0; i < visible.size() && i < kReachChecked; ++i) {
        std::fill(pixels.begin(), pixels.end(), kPaper);
        RasterDraw({visible[i]}, target, 1);
        const InkRect reach = visible[i]->Reach();
        for (int y = 0; y < kScreenH; ++y)
            for (int x = 0; x < kScreenW; ++x)
                if (pixels[static_cast<size_t>(y) * kScreenW + static_cast<size_t>(x)] != kPaper)
                    FUZZ_CHECK(Within(reach, x - 20, y - 20));
    }
    std::fill(pixels.begin(), pixels.end(), kPaper);
    RasterDraw(visible, target, 2);

    const int count = page.Count();
    if (count == 0 || page.At(count - 1).PenKind() != kPenEraser) {
        FUZZ_CHECK(IsEmptyArea(page.EraseWithLastStroke(false, 1)));
        return 0;
    }
    // What each stroke's own hit test says, before anything is erased.
    const CEraserMask mask = page.At(count - 1).BuildEraserMask();
    InkRect expected;
    int hits = 0;
    for (int i = 0; i < count - 1; ++i) {
        const InkRect hit = page.At(i).HitTest(mask);
        if (IsEmptyArea(hit)) continue;
        ++hits;
        expected = UnionArea(expected, hit);
        // Hit somewhere on its ink: the area it reports and its reach meet.
        FUZZ_CHECK(AreasMeet(hit, page.At(i).Reach()));
    }
    const InkRect touched = page.EraseWithLastStroke(false, 1);
    FUZZ_CHECK(touched.left == expected.left && touched.top == expected.top && touched.right == expected.right &&
               touched.bottom == expected.bottom);
    // The deleting variant removes exactly the strokes hit, and the eraser.
    CLines again;
    fw::CArchive in(std::vector<uint8_t>(data, data + size));
    again.Serialize(in);
    again.EraseWithLastStroke(true, 0);
    FUZZ_CHECK(again.Count() == count - 1 - hits);
    return 0;
}
