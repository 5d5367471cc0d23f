// The playback clock against real time: plays a recording for a given number
// of seconds (60 by default) and prints how far the clock is behind or ahead
// of the time that really passed. Goal: within one 100 ms step.
//   tools/wine-run build/win/tests/win32/playback_drift_timing.exe [seconds]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "PlaybackEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

struct NoSurface : vexo::IPlaybackSurface {
    void PutPicture(const vexo::IPicture&, const InkRect&, const InkRect&) override {}
    void SolidLine(InkPoint, InkPoint, int, ColourRef) override {}
    void MarkerCurve(const InkPoint (&)[4], int, ColourRef) override {}
    void SoftSegment(InkPoint, InkPoint, int, ColourRef) override {}
    ColourRef GetPixel(int, int) override { return 0; }
    void SetPixel(int, int, ColourRef) override {}
};

class DriftView : public vexo::IPlaybackView {
public:
    Clock::time_point start;
    std::atomic<long> worst{0};
    std::atomic<long> last{0};
    std::atomic<uint32_t> shown{0};

    std::unique_ptr<vexo::IPlaybackSurface> OpenSurface() override { return std::make_unique<NoSurface>(); }
    void ShowTime(uint32_t ms) override
    {
        if (ms == 0) return;
        const long real = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
        const long drift = real - static_cast<long>(ms);
        last = drift;
        if (std::labs(drift) > std::labs(worst.load())) worst = drift;
        shown = ms;
    }
    void PlayingChanged(bool) override {}
    void RepaintBottomBar() override {}
};

}  // namespace

int main(int argc, char** argv)
{
    const uint32_t seconds = argc > 1 ? static_cast<uint32_t>(std::atoi(argv[1])) : 60;
    CRecording recording;
    recording.sections.push_back(std::make_unique<CSection>());
    CSection& section = *recording.sections.back();
    section.SetIndexOfAction(0);
    CLine& stroke = section.Lines().AddStroke(0, kPenPen);
    for (uint32_t t = 0; t <= (seconds + 5) * 1000; t += 1000) stroke.AddPoint(10, 10, 1, t);
    recording.Link();

    DriftView view;
    vexo::CPlaybackEngine engine(recording, view);
    view.start = Clock::now();
    engine.StartPlayback();
    while (view.shown < seconds * 1000) Sleep(50);
    engine.EndPlaybackThreads();
    std::printf("after %u s of playback the clock is %ld ms behind real time (largest: %ld ms)\n", seconds,
                view.last.load(), view.worst.load());
    return 0;
}
