// Times DrawAll of the benchmark page onto a 1920 x 1080 memory bitmap, and
// the page eraser, under Windows or Wine. Google Benchmark is not available
// for the cross build, so this measures with the performance counter and
// prints the best and the median of a few runs: on a 32-bit DIB section (drawn
// in place), for the whole page and each pen kind on its own; on a
// screen-compatible bitmap (drawn through a copy); and, for comparison, the
// whole page through the GDI+ canvas.
//
//   ink_draw_timing [runs] [pixels.raw]
//
// With a file name it also writes the page's pixels as drawn on the
// compatible bitmap there (32-bit BGRX rows, top row first) for comparing the
// output of two builds.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <vector>

#include "Gdi.h"
#include "GdiInkCanvas.h"
#include "InkOnDc.h"
#include "InkBenchPage.h"

namespace {

double Milliseconds(const std::function<void()>& run)
{
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    run();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The strokes of one pen kind from the benchmark page.
void FillPageOfKind(CLines& page, uint16_t kind)
{
    CLines all;
    inkbench::FillPage(all);
    for (int i = 0; i < all.Count(); ++i) {
        const CLine& from = all.At(i);
        if (from.PenKind() != kind) continue;
        page.AddStroke(from.Colour(), kind);
        for (const PointRecord& p : from.Points()) page.AddPoint(p.x, p.y, p.width, p.time);
    }
}

bool SavePixels(HDC dc, HBITMAP bitmap, int width, int height, const char* path)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<unsigned char> bits(static_cast<size_t>(width) * height * 4);
    if (GetDIBits(dc, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS) != height) return false;
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bits.data(), 1, bits.size(), f) == bits.size();
    return std::fclose(f) == 0 && ok;
}

void Report(const char* name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-28s best %8.2f ms   median %8.2f ms   (%zu runs)\n", name, times.front(),
                times[times.size() / 2], times.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    fw::ScopedGdiplus gdiplus;
    if (!gdiplus.Ok()) return 1;
    fw::ScopedGetDC screen(nullptr);
    fw::ScopedMemDC dc(screen);
    fw::ScopedMemDC dibDc(screen);
    fw::ScopedBitmap bitmap(CreateCompatibleBitmap(screen, 1920, 1080));
    void* bits = nullptr;
    fw::ScopedBitmap dib(fw::CreateDib32(screen, 1920, 1080, &bits, true));
    if (!dc || !dibDc || !bitmap || !dib) return 1;
    fw::ScopedSelect select(dc, bitmap);
    fw::ScopedSelect selectDib(dibDc, dib);
    RECT all = {0, 0, 1920, 1080};

    auto timeOn = [&](HDC target, const char* name, CLines& page, int times,
                      const std::function<void(HDC, CLines&)>& draw) {
        std::vector<double> ms;
        for (int i = 0; i < times; ++i) {
            FillRect(target, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            GdiFlush();
            ms.push_back(Milliseconds([&] { draw(target, page); }));
        }
        Report(name, ms);
    };
    const auto drawAll = [](HDC target, CLines& page) { DrawAll(target, page); };
    auto timeDrawAll = [&](const char* name, CLines& page) { timeOn(dibDc, name, page, runs, drawAll); };
    const struct {
        uint16_t kind;
        const char* name;
    } kinds[] = {{kPenPen, "  pen strokes only"}, {kPenMarker, "  marker strokes only"},
                 {kPenBrush, "  brush strokes only"}};
    for (const auto& k : kinds) {
        CLines page;
        FillPageOfKind(page, k.kind);
        timeDrawAll(k.name, page);
    }
    CLines page;
    inkbench::FillPage(page);
    timeDrawAll("DrawAll (DIB section)", page);
    {
        // The drawing alone, on plain memory, in one band and in bands.
        std::vector<uint32_t> pixels(1920 * 1080);
        const InkTarget target{{pixels.data(), 1920, 1920, 1080}, {0, 0, 1920, 1080}};
        std::vector<double> one, bands;
        for (int i = 0; i < runs; ++i) {
            std::fill(pixels.begin(), pixels.end(), 0xFFFFFF);
            one.push_back(Milliseconds([&] {
                CRasterInkCanvas canvas(target.surface, target.clip);
                page.DrawAll(canvas);
            }));
            std::fill(pixels.begin(), pixels.end(), 0xFFFFFF);
            bands.push_back(Milliseconds([&] { RasterDraw(page.StrokesToDraw(), target); }));
        }
        Report("  rasteriser, one pass", one);
        Report("  rasteriser, in bands", bands);
    }
    timeOn(dc, "DrawAll (compatible bitmap)", page, runs, drawAll);
    if (argc > 2 && !SavePixels(screen, bitmap, 1920, 1080, argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }

    // A fresh page for every run, so that each eraser finds its 10 strokes.
    std::vector<double> erase;
    int left = 0;
    for (int i = 0; i < runs; ++i) {
        CLines fresh;
        inkbench::FillPage(fresh);
        inkbench::AddEraser(fresh);
        erase.push_back(Milliseconds([&] { fresh.EraseWithLastStroke(true, 0); }));
        left = fresh.Count();
    }
    Report("EraseWithLastStroke", erase);

    // The GDI+ canvas takes seconds under Wine: one run.
    timeOn(dc, "DrawAll (GDI+ canvas)", page, 1, [](HDC target, CLines& lines) {
        CGdiInkCanvas canvas(target);
        lines.DrawAll(canvas);
    });
    std::printf("strokes left after erasing: %d of %d\n", left, inkbench::kStrokes);
    return 0;
}
