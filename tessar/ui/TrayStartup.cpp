#include "TrayStartup.h"


namespace tessar {

namespace {
// Tablet table (orvtbl.ini) and manager file (MKProfile.ini) keys.
constexpr const char kControlPanel[] = "ControlPanel";
constexpr const char kPid[] = "PID";
constexpr const char kOption[] = "Option";
constexpr const char kDriverRun[] = "DriverRun";
constexpr const char kInfo[] = "Info";
constexpr const char kOemId[] = "OemID";
constexpr const char kTipShow[] = "TsqTipShow";
constexpr const char kIconEnable[] = "TsqIconEnable";
constexpr const char kIconDisable[] = "TsqIconDisable";
constexpr const char kLastSetting[] = "LastSetting";
constexpr const char kUseOrNot[] = "UseORNot";
constexpr const char kDisplayOrNot[] = "DisplayORNot";

constexpr size_t kTipBuffer = 100;
constexpr size_t kFileNameBuffer = 260;
}  // namespace

IconPair IconPairForOem(int oemId)
{
    switch (oemId) {
    case 2: return {183, 185};
    case 3: return {192, 204};
    case 5: return {199, 200};
    case 6: return {201, 202};
    default: return {128, 175};
    }
}

TrayStartupPlan PlanTrayStartup(fw::IIniStore& ini, const std::string& tabletTablePath,
                                const std::string& managerPath)
{
    TrayStartupPlan plan;
    const int oemId = ini.GetInt(managerPath, kInfo, kOemId, 0);
    plan.icons = IconPairForOem(oemId);
    plan.tip = ini.GetString(managerPath, kInfo, kTipShow, "", kTipBuffer);

    const int driverRun = ini.GetInt(tabletTablePath, kOption, kDriverRun, 0);
    const int rawPid = ini.GetInt(tabletTablePath, kControlPanel, kPid, 0);
    const int useOrNot = ini.GetInt(managerPath, kLastSetting, kUseOrNot, 2);
    plan.displayTooltips = ini.GetInt(managerPath, kLastSetting, kDisplayOrNot, 1);

    if (useOrNot != 1) {
        plan.enableChecked = false;
        plan.picture = TrayPicture::Disabled;
        plan.showTray = true;
        return plan;
    }
    plan.enableChecked = true;
    plan.enabledIconFile = ini.GetString(managerPath, kInfo, kIconEnable, "", kFileNameBuffer);
    plan.disabledIconFile = ini.GetString(managerPath, kInfo, kIconDisable, "", kFileNameBuffer);
    if (driverRun != 0 && rawPid != 0) {
        plan.picture = TrayPicture::Enabled;
        plan.showTray = true;
    } else {
        plan.picture = TrayPicture::Disabled;
        plan.showTray = oemId != 2;
    }
    return plan;
}

}  // namespace tessar
