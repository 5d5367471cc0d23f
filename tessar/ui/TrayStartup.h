#pragma once
// How the settings window sets up its tray icon at start-up: which pictures,
// which of them the tray shows, whether it shows one at all, and the Enable
// and Display Tooltips switches, from the tablet table and the manager file.
#include <string>

#include "IniStore.h"

namespace tessar {

// Built-in icon resources, enabled and disabled, per OEM id.
struct IconPair {
    int enabled;
    int disabled;
};
IconPair IconPairForOem(int oemId);

enum class TrayPicture { Enabled, Disabled };

struct TrayStartupPlan {
    IconPair icons{};
    std::string tip;                // [Info] TsqTipShow, at most 99 characters
    bool enableChecked = false;     // [LastSetting] UseORNot is 1
    int displayTooltips = 1;        // [LastSetting] DisplayORNot, as the check box state
    // Icon files relative to the system folder that replace the built-in pair;
    // empty when not set or when the manager does not start enabled.
    std::string enabledIconFile;
    std::string disabledIconFile;
    TrayPicture picture = TrayPicture::Disabled;  // for the tray and the window
    bool showTray = true;
};

TrayStartupPlan PlanTrayStartup(fw::IIniStore& ini, const std::string& tabletTablePath,
                                const std::string& managerPath);


}  // namespace tessar
