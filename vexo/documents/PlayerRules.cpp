#include "PlayerRules.h"

#include <cstdio>

namespace vexo {

namespace {

constexpr int kCompactStyle = 1;

// Gaps and offsets of the strip layouts, in pixels.
constexpr int kGap = 10;
constexpr int kCloseLeft = 10;
constexpr int kCloseAboveBottom = 3;
constexpr int kSliderBelowClose = 5;
constexpr int kButtonsAboveTime = 5;
// The compact layout's fixed columns.
constexpr int kCompactSliderLeft = 90;
constexpr int kCompactSliderDrop = 3;
constexpr int kCompactPlay = 597, kCompactPause = 636, kCompactStop = 675, kCompactSave = 714, kCompactOpen = 753;

PlayerBox At(const PlayerBox& size, int x, int y) { return {x, y, size.width, size.height}; }

}  // namespace

PlayerButtonStates PlayerButtonsFor(bool playing)
{
    if (playing) return {false, true, true, false, false, true};
    return {true, false, false, true, true, true};
}

PlayerLayout LayOutPlayer(int style, int screenWidth, int screenHeight, int barHeight, const PlayerLayout& s)
{
    (void)screenWidth;
    PlayerLayout out;
    if (style == kCompactStyle) {
        out.close = At(s.close, 0, screenHeight - s.close.height);
        out.slider = At(s.slider, kCompactSliderLeft, screenHeight - s.slider.height + kCompactSliderDrop);
        out.time = At(s.time, out.slider.x + out.slider.width + kGap, out.slider.y);
        const int top = screenHeight - barHeight;
        out.play = At(s.play, kCompactPlay, top);
        out.pause = At(s.pause, kCompactPause, top);
        out.stop = At(s.stop, kCompactStop, top);
        out.save = At(s.save, kCompactSave, top);
        out.open = At(s.open, kCompactOpen, top);
        return out;
    }
    out.close = At(s.close, kCloseLeft, screenHeight - kCloseAboveBottom - s.close.height);
    out.slider = At(s.slider, out.close.x + out.close.width + kGap, out.close.y + kSliderBelowClose);
    out.time = At(s.time, out.slider.x + out.slider.width + kGap, out.slider.y);
    const int top = out.time.y - kButtonsAboveTime;
    out.open = At(s.open, out.time.x + out.time.width + kGap, top);
    out.save = At(s.save, out.open.x + out.open.width + kGap, top);
    out.play = At(s.play, out.save.x + out.save.width + kGap, top);
    out.pause = At(s.pause, out.play.x + out.play.width + kGap, top);
    out.stop = At(s.stop, out.pause.x + out.pause.width + kGap, top);
    return out;
}

std::string RecordingNamePrefix(int month, int day, int year)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%d-", month, day, year);
    return text;
}

std::string ProposeRecordingName(const std::string& prefix, const std::string& stored)
{
    if (stored.find(prefix) == std::string::npos || stored.empty()) return prefix + "1";
    // Only the last character counts: after 9 comes 10, after 10 comes 1.
    const char last = stored.back();
    const int n = last >= '0' && last <= '9' ? last - '0' : 0;
    return prefix + std::to_string(n + 1);
}

std::string FileTitleOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

void CPlayerPresence::Show()
{
    overlayWasVisible_ = around_.OverlayVisible();
    around_.ShowOverlay(false);
    around_.EnableToolbar(false);
    around_.ShowPlayerWindow(true);
    around_.SetSliderRange();
}

void CPlayerPresence::Close()
{
    around_.ShowPlayerWindow(false);
    around_.Wait(100);
    if (overlayWasVisible_) around_.ShowOverlay(true);
    around_.EnableToolbar(true);
    around_.StopPlayback();
}

}  // namespace vexo
