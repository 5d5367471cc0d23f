#pragma once
// The player's decisions that need no window: which buttons a playback state
// enables, where each control goes for a toolbar style, the name proposed for
// a new recording file, and what showing and closing the player do to the
// overlay and the toolbar.
#include <cstdint>
#include <string>

namespace vexo {

// Enabled buttons in the stopped and playing states.
struct PlayerButtonStates {
    bool play, pause, stop, open, save, close;
};
PlayerButtonStates PlayerButtonsFor(bool playing);

struct PlayerBox {
    int x = 0, y = 0, width = 0, height = 0;
};

// Sizes in, places out: every control keeps its own size.
struct PlayerLayout {
    PlayerBox close, slider, time, open, save, play, pause, stop;
};

// The whole screen is the player's; barHeight is the compact style's bottom
// bar, which aligns the compact layout.
PlayerLayout LayOutPlayer(int style, int screenWidth, int screenHeight, int barHeight, const PlayerLayout& sizes);

// The compact style's recording names: "MMDDYYYY-" and a counter read from
// the last character of the stored name.
std::string RecordingNamePrefix(int month, int day, int year);
std::string ProposeRecordingName(const std::string& prefix, const std::string& stored);
// The file title (name without folder and extension) of a chosen path.
std::string FileTitleOf(const std::string& path);

// What showing and closing the player do around it.
class IPlayerSurroundings {
public:
    virtual ~IPlayerSurroundings() = default;
    virtual bool OverlayVisible() const = 0;
    virtual void ShowOverlay(bool show) = 0;
    virtual void EnableToolbar(bool enable) = 0;
    virtual void ShowPlayerWindow(bool show) = 0;
    virtual void Wait(int milliseconds) = 0;
    virtual void SetSliderRange() = 0;
    virtual void StopPlayback() = 0;
};

// The overlay comes back on close only when it was visible when the player
// was shown.
class CPlayerPresence {
public:
    explicit CPlayerPresence(IPlayerSurroundings& around) : around_(around) {}
    void Show();
    void Close();
    bool OverlayWasVisible() const { return overlayWasVisible_; }

private:
    IPlayerSurroundings& around_;
    bool overlayWasVisible_ = false;
};

}  // namespace vexo
