#pragma once
// The tray icon's menu per OEM id, and what the double click and the
// Enable/Disable entry do.
#include <string>
#include <vector>

namespace tessar {

// Command ids of the tray menu (menu resource 130).
inline constexpr int kCmdAbout = 32771;
inline constexpr int kCmdShow = 32772;
inline constexpr int kCmdQuit = 32773;
inline constexpr int kCmdToggle = 32774;
inline constexpr int kCmdSetting = 32778;
inline constexpr int kCmdPenPad = 32779;
inline constexpr int kCmdHelp = 32780;

struct MenuEntry {
    int textId = 0;       // string table id, 0 for a fixed text
    std::string text;     // the fixed text, or the resource's text when textId is 0
    int command = 0;
};

// The resource menu's seven entries: About, Show, Enable, Setting, Pen Pad, Help, Quit.
std::vector<MenuEntry> ResourceTrayMenu();

struct MenuChange {
    enum Kind { Set, Delete } kind = Set;
    int position = 0;
    MenuEntry entry;  // Set only
};

struct TrayMenuInputs {
    int oemId = 0;
    bool managerLocked = false;  // [Info] Tsq_DisableEnable non-zero
    int useOrNot = 2;            // [LastSetting] UseORNot
    std::string penPadName;      // [Info] PenPadName
};

// The changes made to the resource menu, in order, by position.
std::vector<MenuChange> PlanTrayMenu(const TrayMenuInputs& in);
// The changes applied to a menu (the window applies them to the real one).
std::vector<MenuEntry> ApplyMenuChanges(std::vector<MenuEntry> menu, const std::vector<MenuChange>& changes);

enum class DoubleClickAction { ShowSettings, OpenControlPanel };
DoubleClickAction DoubleClickFor(int oemId);

struct ToggleResult {
    int managerOn = 0;          // written to UseORNot and shown by Enable
    bool changeIcons = false;   // only while the driver runs
};
ToggleResult ToggleManager(int useOrNot, int driverRun);

inline constexpr char kControlPanelCommand[] = "control.exe TABLET.CPL";

}  // namespace tessar
