#pragma once
// The settings window's handling of a macro key event from the tablet
// driver: decode the key, show the key tip at the key's edge, decide whether
// the key may act and where (the presenter, the profile's program in front,
// a known program to start first), then hand it to the action performer.
// Everything the window shows or asks goes through IKeyEventHost.
#include <cstdint>
#include <optional>
#include <string>

#include "KeyActions.h"
#include "ProfileStore.h"

namespace tessar {

inline constexpr int kKeyTipTimerMs = 1000;
inline constexpr int kNoTipModelId = 86;
inline constexpr int kWhiteboardPid = 86;
inline constexpr int kOemShortLabels = 2;
inline constexpr int kOemHotspotTexts = 5;
inline constexpr int kOemProcessGate = 7;

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct TipPlacement {
    bool valid = false;  // false: the side has no keys, or is no side
    int x = 0, y = 0;              // the tip's point
    int cursorX = 0, cursorY = 0;  // where the mouse cursor goes
};

// The tip's point at key n's edge of the screen.
TipPlacement PlaceKeyTip(const ScreenRect& screen, int side, int keyNumber, const KeyCounts& counts);

// "K3:" (the tablet table's format) or, for OEM id 2, "03:", followed by the
// key's hint when the key does something.
std::string KeyTipLabel(int oemId, const std::string& format, int keyNumber, int mode,
                        const std::string& hint);

struct KeyTip {
    TipPlacement place;
    std::string label;
    std::uint32_t textColour = 0;
    std::uint32_t backColour = 0;
};

class IKeyEventHost {
public:
    virtual ~IKeyEventHost() = default;
    // The settings window's switches and its profile selection.
    virtual bool EnableChecked() = 0;
    virtual bool DisplayTooltipsChecked() = 0;
    virtual std::string ActiveProfile() = 0;
    virtual bool ScreenRectangle(ScreenRect& out) = 0;
    // Key tip and its one-second timer.
    virtual void StartTipTimer() = 0;
    virtual void KillTipTimer() = 0;
    virtual void ShowTip(const KeyTip& tip) = 0;
    virtual void HideTip() = 0;
    // The desktop.
    virtual bool IsClassInFront(const std::string& className) = 0;
    virtual bool ClassWindowExists(const std::string& className) = 0;
    virtual bool HasForegroundWindow() = 0;
    // The shell's result (above 32: started).
    virtual int Start(const std::string& path) = 0;
    // OK/Cancel: run the profile's program? (the Hotspot wording for OEM id 5)
    virtual bool AskRunProgram(bool hotspotWording) = 0;
    virtual void ShowFileNotExist() = 0;
    // Makes the window of that class the foreground window with the focus.
    virtual void BringClassToFront(const std::string& className) = 0;
    virtual void DebugOutput(const std::string& text) = 0;
};

class CMacroKeyEvents {
public:
    CMacroKeyEvents(ProfileStore& store, IKeyEventHost& host, IProgramLookup& lookup,
                    CKeyActionPerformer& performer);

    // WM_MACROKEY_EVENT: wParam the event code, press non-zero lParam; the
    // OEM id as the message filter read it for this message.
    void OnKeyEvent(std::uint64_t eventCode, bool press, int oemId);
    // Timer 5.
    void OnTipTimer();

    std::uint64_t LastEventCode() const { return lastEventCode_; }
    int KeyNumber() const { return keyNumber_; }
    bool PressLatch() const { return pressLatch_; }
    bool TipTimerActive() const { return tipTimerActive_; }
    bool MayAct() const { return mayAct_; }

private:
    // False when the side has no keys: the event ends there.
    bool ShowKeyTip(const ScreenRect& screen, int side, int oemId);
    void HideTip();
    void KnownProgramCheck(const ProfileInfo& info, const std::string& profile, int oemId);
    bool ProcessRunning(const std::string& name);

    ProfileStore& store_;
    IKeyEventHost& host_;
    IProgramLookup& lookup_;
    CKeyActionPerformer& performer_;

    std::uint64_t lastEventCode_ = 0;
    int keyNumber_ = 0;
    bool pressLatch_ = false;
    bool tipTimerActive_ = false;
    bool tipVisible_ = false;
    bool mayAct_ = true;
};

// The profile the reload message selects, or -1 to keep the current one.
int ProfileToSelectOnReload(ProfileStore& store, int currentSelection);

}  // namespace tessar
