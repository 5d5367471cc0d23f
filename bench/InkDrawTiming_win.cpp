// Times DrawAll of the benchmark page onto a 1920 x 1080 memory bitmap through
// GDI+ and GDI, and the page eraser, under Windows or Wine. Google Benchmark
// is not available for the cross build, so this measures with the
// performance counter and prints the best and the median of a few runs,
// for the whole page and for each pen kind on its own.
//
//   ink_draw_timing [runs] [pixels.raw]
//
// With a file name it also writes the drawn page's pixels there (32-bit BGRX
// rows, top row first) for comparing the output of two builds.
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
    fw::ScopedBitmap bitmap(CreateCompatibleBitmap(screen, 1920, 1080));
    if (!dc || !bitmap) return 1;
    fw::ScopedSelect select(dc, bitmap);
    RECT all = {0, 0, 1920, 1080};

    auto timeDrawAll = [&](const char* name, CLines& page) {
        std::vector<double> draw;
        for (int i = 0; i < runs; ++i) {
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            draw.push_back(Milliseconds([&] { DrawAll(dc, page); }));
        }
        Report(name, draw);
    };
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
    timeDrawAll("DrawAll (GDI+, 2000 x 100)", page);
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
    std::printf("strokes left after erasing: %d of %d\n", left, inkbench::kStrokes);
    return 0;
}
