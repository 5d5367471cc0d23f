// Times the overlay's two hot paths under Windows or Wine, with the
// performance counter (Google Benchmark is not available for the cross
// build):
//   - one tablet packet for the pen, the marker and the brush: the intake's
//     decisions plus the live segment drawn on a full-screen window, as the
//     overlay does for each WT_PACKET; median and 99th percentile;
//   - a full repaint of the opaque overlay: capture plus a page of 2,000
//     strokes composed in the kept 32-bit memory bitmap and copied to the
//     window.
//
//   overlay_timing [packets per tool] [repaints]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Gdi.h"
#include "InkBenchPage.h"
#include "Lines.h"
#include "OverlaySurface_win.h"
#include "PacketIntake.h"
#include "RasterDraw.h"

namespace {

double Now()
{
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

void Report(const char* name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t p99 = std::min(times.size() - 1, times.size() * 99 / 100);
    std::printf("%-34s median %7.3f ms   p99 %7.3f ms   max %7.3f ms   (%zu)\n", name, times[times.size() / 2],
                times[p99], times.back(), times.size());
}

class LiveHost : public IPenIntakeHost {
public:
    explicit LiveHost(HWND window) : live(window) {}
    CLines page;
    COverlayLiveInk live;
    CLines& CurrentPage() override { return page; }
    IInkCanvas* BeginLive(const InkRect& area) override { return live.Begin(area); }
    void EndLive() override { live.End(); }
    void InvalidateOverlay() override {}
    bool DisplayChanged() const override { return false; }
    void RecoverDisplay() override {}
};

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Packets of strokes of 100 packets across the screen, the pressure rising
// and falling, as a 133 Hz pen gives them.
std::vector<TabletPacket> Strokes(int count, int screenWidth, int screenHeight)
{
    std::vector<TabletPacket> packets;
    for (int i = 0; i < count; ++i) {
        const int s = i / 100;
        const int p = i % 100;
        TabletPacket k;
        k.cursor = kCursorPen;
        k.time = static_cast<uint32_t>(i * 7);
        const bool up = p == 99;
        k.buttons = up ? 0 : kButtonsTip;
        k.pressure = up ? 0 : static_cast<uint32_t>(260 + 240 * std::sin(p * 0.06));
        k.x = 40 + (s * 37) % (screenWidth - 500) + p * 4;
        k.y = 40 + (s * 53) % (screenHeight - 100) + static_cast<int>(20 * std::sin(p * 0.2));
        packets.push_back(k);
    }
    return packets;
}

// Pixels of the window that are no longer white: that the segments landed.
int InkedPixels(HWND window, int width, int height)
{
    fw::ScopedGetDC dc(window);
    void* bits = nullptr;
    fw::ScopedBitmap copy(fw::CreateDib32(dc, width, height, &bits));
    fw::ScopedMemDC copyDc(dc);
    fw::ScopedSelect select(copyDc, copy);
    BitBlt(copyDc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    int inked = 0;
    const auto* px = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) inked += (px[i] & 0xFFFFFF) != 0xFFFFFF;
    return inked;
}

}  // namespace

int main(int argc, char** argv)
{
    const int perTool = argc > 1 ? std::max(100, std::atoi(argv[1])) : 3000;
    const int repaints = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const HINSTANCE instance = GetModuleHandleA(nullptr);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "OverlayTiming";
    RegisterClassA(&wc);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                  height, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    {
        fw::ScopedGetDC dc(window);
        PatBlt(dc, 0, 0, width, height, WHITENESS);
    }
    PumpMessages();
    std::printf("screen %d x %d, %d packets per tool\n", width, height, perTool);

    const std::vector<TabletPacket> packets = Strokes(perTool, width, height);
    const struct {
        const char* name;
        int tool;
    } tools[] = {{"WT_PACKET pen (width 5)", kPenPen},
                 {"WT_PACKET marker (width 5)", kPenMarker},
                 {"WT_PACKET brush (width 5)", kPenBrush}};
    for (const auto& t : tools) {
        LiveHost host(window);
        IPenRecorder noRecording;
        CPenIntake intake(host, noRecording);
        intake.SetTool(t.tool);
        intake.SetWidthLevel(5);
        intake.SetColour(kColourTable[3]);
        intake.SetMaxPressure(511);
        intake.SetButtonDown(true);
        std::vector<double> times;
        times.reserve(packets.size());
        for (const TabletPacket& p : packets) {
            const double start = Now();
            intake.Packet(p);
            times.push_back(Now() - start);
        }
        PumpMessages();
        Report(t.name, times);
        std::printf("    %d pixels inked\n", InkedPixels(window, width, height));
        {
            fw::ScopedGetDC dc(window);
            PatBlt(dc, 0, 0, width, height, WHITENESS);
        }
        if (std::getenv("OVERLAY_TIMING_SLOW")) {
            for (size_t i = 0; i < times.size(); ++i)
                if (times[i] > 1.0) std::printf("    packet %zu (%d in its stroke): %.2f ms\n", i, int(i % 100), times[i]);
        }
    }

    // The repaint: a screen-sized capture and the benchmark page.
    const int paintWidth = 1920, paintHeight = 1080;
    fw::ScopedGetDC screen(nullptr);
    fw::ScopedMemDC captureDc(screen);
    fw::ScopedBitmap capture(CreateCompatibleBitmap(screen, paintWidth, paintHeight));
    fw::ScopedSelect selectCapture(captureDc, capture);
    BitBlt(captureDc, 0, 0, paintWidth, paintHeight, screen, 0, 0, SRCCOPY);
    CLines page;
    inkbench::FillPage(page);
    COverlayComposer composer;
    std::vector<double> times;
    for (int i = 0; i < repaints + 1; ++i) {
        fw::ScopedGetDC dc(window);
        const double start = Now();
        composer.Paint(dc, captureDc, page, paintWidth, paintHeight);
        GdiFlush();
        const double elapsed = Now() - start;
        if (i > 0) times.push_back(elapsed);  // the first one makes the bitmap
        PumpMessages();
    }
    Report("repaint, 2,000 strokes, 1920 x 1080", times);

    // Its parts: the capture copied in, the strokes, the frame copied out.
    void* bits = nullptr;
    fw::ScopedBitmap frame(fw::CreateDib32(screen, paintWidth, paintHeight, &bits));
    fw::ScopedMemDC frameDc(screen);
    fw::ScopedSelect selectFrame(frameDc, frame);
    std::vector<double> in, strokes, out;
    for (int i = 0; i < repaints; ++i) {
        fw::ScopedGetDC dc(window);
        double t = Now();
        BitBlt(frameDc, 0, 0, paintWidth, paintHeight, captureDc, 0, 0, SRCCOPY);
        GdiFlush();
        in.push_back(Now() - t);
        t = Now();
        DrawAll(frameDc, page);
        strokes.push_back(Now() - t);
        t = Now();
        BitBlt(dc, 0, 0, paintWidth, paintHeight, frameDc, 0, 0, SRCCOPY);
        GdiFlush();
        out.push_back(Now() - t);
        PumpMessages();
    }
    Report("  capture into the frame", in);
    Report("  DrawAll of the page", strokes);
    Report("  frame onto the window", out);

    // What the wait cursor shown around the drawing costs.
    std::vector<double> cursor;
    for (int i = 0; i < repaints; ++i) {
        const double t = Now();
        HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        SetCursor(old);
        cursor.push_back(Now() - t);
    }
    Report("  wait cursor on and off", cursor);
    // The strokes alone, drawn by the rasteriser without the wait cursor.
    std::vector<double> raster;
    for (int i = 0; i < repaints; ++i) {
        const double t = Now();
        {
            CInkOnDc ink(frameDc);
            if (const InkTarget* pixels = ink.Target()) RasterDraw(page.StrokesToDraw(), *pixels);
        }
        raster.push_back(Now() - t);
    }
    Report("  DrawAll without the wait cursor", raster);
    DestroyWindow(window);
    return 0;
}
