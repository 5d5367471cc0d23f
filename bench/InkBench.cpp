// The portable part of drawing and erasing a full page: the rendering
// decisions onto a plain 1920 x 1080 raster, and the eraser's hit test.
#include <benchmark/benchmark.h>

#include <vector>

#include "EraserMask.h"
#include "HostilePages.h"
#include "InkBenchPage.h"
#include "RasterDraw.h"
#include "RasterInkCanvas.h"

namespace {

class RasterCanvas : public IInkCanvas {
public:
    RasterCanvas() : pixels_(1920 * 1080, 0xFFFFFF) {}
    void SolidLine(InkPoint, InkPoint to, int, ColourRef colour) override { Mark(to, colour); }
    void MarkerCurve(const InkPoint (&p)[4], int, ColourRef colour) override { Mark(p[3], colour); }
    void SoftSegment(InkPoint, InkPoint to, int, ColourRef colour) override { Mark(to, colour); }
    ColourRef GetPixel(int x, int y) override { return Inside(x, y) ? pixels_[Index(x, y)] : kInvalidPixel; }
    void SetPixel(int x, int y, ColourRef colour) override
    {
        if (Inside(x, y)) pixels_[Index(x, y)] = colour;
    }

private:
    void Mark(InkPoint p, ColourRef colour) { SetPixel(p.x, p.y, colour); }
    static bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < 1920 && y < 1080; }
    static size_t Index(int x, int y) { return static_cast<size_t>(y) * 1920 + static_cast<size_t>(x); }
    std::vector<ColourRef> pixels_;
};

void BM_DrawAllDecisions(benchmark::State& state)
{
    CLines page;
    inkbench::FillPage(page);
    RasterCanvas canvas;
    for (auto _ : state) {
        page.DrawAll(canvas);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawAllDecisions)->Unit(benchmark::kMillisecond);

// The whole drawing: our rasteriser onto a 1920 x 1080 32-bit buffer, for
// the page and for each pen kind's strokes on their own (argument: the pen
// kind, 0 for all).
void BM_DrawAllRaster(benchmark::State& state)
{
    CLines page;
    inkbench::FillPage(page, static_cast<uint16_t>(state.range(0)));
    std::vector<uint32_t> pixels(1920 * 1080);
    const InkSurface surface{pixels.data(), 1920, 1920, 1080};
    for (auto _ : state) {
        std::fill(pixels.begin(), pixels.end(), 0xFFFFFF);
        CRasterInkCanvas canvas(surface, {0, 0, 1920, 1080});
        page.DrawAll(canvas);
        canvas.Flush();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawAllRaster)->Arg(0)->Arg(kPenPen)->Arg(kPenMarker)->Arg(kPenBrush)->Unit(benchmark::kMillisecond);

// The same on all cores, in bands, as DrawAll on a device context does it.
void BM_DrawAllRasterBands(benchmark::State& state)
{
    CLines page;
    inkbench::FillPage(page, static_cast<uint16_t>(state.range(0)));
    std::vector<uint32_t> pixels(1920 * 1080);
    const InkTarget target{{pixels.data(), 1920, 1920, 1080}, {0, 0, 1920, 1080}};
    for (auto _ : state) {
        std::fill(pixels.begin(), pixels.end(), 0xFFFFFF);
        RasterDraw(page.StrokesToDraw(), target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawAllRasterBands)->Arg(0)->Arg(kPenPen)->Arg(kPenMarker)->Arg(kPenBrush)->Unit(benchmark::kMillisecond)->UseRealTime();

// The recording's variant (marking, not deleting) keeps the page the same
// from one iteration to the next; it tests the same strokes.
void BM_EraseWithLastStroke(benchmark::State& state)
{
    CLines page;
    inkbench::FillPage(page);
    inkbench::AddEraser(page);
    int hits = 0;
    for (auto _ : state) {
        const InkRect touched = page.EraseWithLastStroke(false, 1);
        benchmark::DoNotOptimize(touched);
    }
    for (int i = 0; i < page.Count(); ++i) hits += page.At(i).EraseTime() != 0;
    state.counters["strokes_hit"] = hits;
}
BENCHMARK(BM_EraseWithLastStroke)->Unit(benchmark::kMillisecond);

}  // namespace

// Hostile pages (tests/shared/HostilePages.h): one eraser pass each, on a
// fresh copy of the loaded page. Goal: within a 60 Hz frame, 16.7 ms.
namespace {

void LongLinesPage(CLines& page) { hostile::LongLinesThroughAZigzag(page); }

template <void (*Build)(CLines&)>
void BM_EraseHostilePage(benchmark::State& state)
{
    CLines page;
    Build(page);
    for (auto _ : state) {
        const InkRect touched = page.EraseWithLastStroke(false, 1);
        benchmark::DoNotOptimize(touched);
    }
}
BENCHMARK_TEMPLATE(BM_EraseHostilePage, hostile::WideLyingMarkers)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_EraseHostilePage, hostile::LyingBoundsAndScreenWideEraser)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_EraseHostilePage, LongLinesPage)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_EraseHostilePage, hostile::ScreenInsideAHugeLoop)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_EraseHostilePage, hostile::LongestEraserPath)->Unit(benchmark::kMillisecond);

}  // namespace
