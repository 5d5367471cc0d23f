#include "TrayStartup.h"

#include "ProfileKeys.h"

namespace tessar {

using namespace tessar_ini;

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
    const int oemId = ini.GetInt(managerPath, kSecInfo, kKeyOemId, 0);
    plan.icons = IconPairForOem(oemId);
    plan.tip = ini.GetString(managerPath, kSecInfo, kKeyTsqTipShow, "", kTsqTipShowBufSize);

    const int driverRun = ini.GetInt(tabletTablePath, kSecOption, kKeyDriverRun, 0);
    const int rawPid = ini.GetInt(tabletTablePath, kSecControlPanel, kKeyPid, 0);
    const int useOrNot = ini.GetInt(managerPath, kSecLastSetting, kKeyUseORNot, kDefaultUseORNot);
    plan.displayTooltips = ini.GetInt(managerPath, kSecLastSetting, kKeyDisplayORNot, kDefaultDisplayORNot);

    if (useOrNot != 1) {
        plan.enableChecked = false;
        plan.picture = TrayPicture::Disabled;
        plan.showTray = true;
        return plan;
    }
    plan.enableChecked = true;
    plan.enabledIconFile = ini.GetString(managerPath, kSecInfo, kKeyTsqIconEnable, "", kIconFileBufSize);
    plan.disabledIconFile = ini.GetString(managerPath, kSecInfo, kKeyTsqIconDisable, "", kIconFileBufSize);
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
