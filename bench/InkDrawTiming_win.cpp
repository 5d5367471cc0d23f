// Times DrawAll of the benchmark page onto a 1920 x 1080 memory bitmap through
// GDI+ and GDI, and the page eraser, under Windows or Wine. Google Benchmark
// is not available for the cross build, so this measures with the
// performance counter and prints the best and the median of a few runs.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <vector>

#include "Gdi.h"
#include "GdiInkCanvas.h"
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
    fw::ScopedBitmap bitmap(CreateCompatibleBitmap(screen, 1920, 1080));
    if (!dc || !bitmap) return 1;
    fw::ScopedSelect select(dc, bitmap);
    RECT all = {0, 0, 1920, 1080};

    CLines page;
    inkbench::FillPage(page);
    std::vector<double> draw;
    for (int i = 0; i < runs; ++i) {
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        draw.push_back(Milliseconds([&] { DrawAll(dc, page); }));
    }
    Report("DrawAll (GDI+, 2000 x 100)", draw);

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
    std::printf("strokes left after erasing: %d of %d\n", left, inkbench::kStrokes);
    return 0;
}
