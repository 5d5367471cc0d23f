#pragma once
// One icon in the notification area. The icon hands its record to the shell
// through ITrayShell, so what it asks for can be checked without a desktop.
#include <cstddef>
#include <vector>

class CTrayIconMouseMsgHandler;

namespace tessar {

using WindowHandle = void*;
using IconHandle = void*;

// NIF_MESSAGE | NIF_ICON | NIF_TIP: every Show carries all three.
constexpr unsigned kTrayFlagMessage = 0x1;
constexpr unsigned kTrayFlagIcon = 0x2;
constexpr unsigned kTrayFlagTip = 0x4;
constexpr unsigned kTrayFlagsShown = kTrayFlagMessage | kTrayFlagIcon | kTrayFlagTip;

// The shell's tip field: 127 characters and the terminator.
constexpr size_t kTrayTipSize = 128;

// What the shell receives for one icon.
struct TrayIconRecord {
    WindowHandle owner = nullptr;
    unsigned id = 0;
    unsigned flags = 0;
    unsigned callbackMessage = 0;
    IconHandle icon = nullptr;
    char tip[kTrayTipSize] = {};
};

enum class TrayAction { Add, Delete };

class ITrayShell {
public:
    virtual ~ITrayShell() = default;
    // The message the owner receives for the icon's mouse events.
    virtual unsigned CallbackMessage() const = 0;
    virtual bool NotifyIcon(TrayAction action, const TrayIconRecord& record) = 0;
};

// Copies tip into the shell's field, cut to 127 characters; null gives "".
void CopyTrayTip(const char* tip, char (&out)[kTrayTipSize]);

}  // namespace tessar

class CTrayIcon {
public:
    // Stores the values and shows nothing. tip is not copied: it must outlive
    // the icon. The handlers are listed, not owned.
    CTrayIcon(tessar::ITrayShell& shell, tessar::WindowHandle owner, unsigned id,
              tessar::IconHandle icon, const char* tip,
              CTrayIconMouseMsgHandler* const* handlers, int count);
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Replaces the first four values; shows nothing.
    void SetIcon(tessar::WindowHandle owner, unsigned id, tessar::IconHandle icon, const char* tip);
    // Adds the icon to the notification area; false when the shell refused.
    bool Show();
    void Remove();
    // Adds the icon again after the shell recreated the notification area
    // ("TaskbarCreated"), when it was shown and not removed since.
    bool ShowAgain();
    bool IsShown() const { return shown_; }
    // Hands a mouse message of the icon's notification to every handler in order.
    void Dispatch(unsigned mouseMessage);

    // The record Show hands to the shell.
    tessar::TrayIconRecord ShownRecord() const;

    tessar::WindowHandle Owner() const { return owner_; }
    unsigned Id() const { return id_; }
    tessar::IconHandle Icon() const { return icon_; }
    const char* Tip() const { return tip_; }

private:
    tessar::ITrayShell& shell_;
    tessar::WindowHandle owner_;
    unsigned id_;
    tessar::IconHandle icon_;
    const char* tip_;
    std::vector<CTrayIconMouseMsgHandler*> handlers_;
    bool shown_ = false;
};
