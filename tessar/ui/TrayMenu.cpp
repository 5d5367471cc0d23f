#include "TrayMenu.h"

namespace tessar {

namespace {

MenuChange Set(int position, int textId, int command) { return {MenuChange::Set, position, {textId, {}, command}}; }
MenuChange SetText(int position, const std::string& text, int command)
{
    return {MenuChange::Set, position, {0, text, command}};
}
MenuChange Delete(int position) { return {MenuChange::Delete, position, {}}; }

// String ids of the entries.
enum : int {
    kIdsAbout = 128, kIdsShow = 129, kIdsEnable = 130, kIdsSetting = 131, kIdsPenPad = 132,
    kIdsHelp = 133, kIdsDisable = 134, kIdsQuit = 145, kIdsExtra = 120, kIdsPenPadAmp = 141,
    kIdsHotkey = 142, kIdsAboutAmp = 113, kIdsShowOem5 = 153, kIdsTessar = 154, kIdsAboutOem3 = 155,
    kIdsTessarSettings = 156, kIdsMacroKeyTimer = 157, kIdsTabletPreferences = 158,
    kIdsOperatingInstructions = 159, kIdsExit = 160, kIdsResponseTime = 203, kIdsTabletAndPen = 204,
};

}  // namespace

std::vector<MenuEntry> ResourceTrayMenu()
{
    return {
        {0, "&About...", kCmdAbout}, {0, "&Show", kCmdShow},   {0, "&Enable", kCmdToggle},
        {0, "&Setting", kCmdSetting}, {0, "&Pen Pad...", kCmdPenPad}, {0, "&Help", kCmdHelp},
        {0, "Quit", kCmdQuit},
    };
}

std::vector<MenuChange> PlanTrayMenu(const TrayMenuInputs& in)
{
    std::vector<MenuChange> c;
    bool common = true;
    switch (in.oemId) {
    case 1:
        c = {Set(0, kIdsAbout, kCmdAbout), Set(1, kIdsTessar, kCmdShow), Set(3, kIdsResponseTime, kCmdSetting),
             Set(4, kIdsTabletAndPen, kCmdPenPad), Set(5, kIdsHelp, kCmdHelp), Set(6, kIdsQuit, kCmdQuit)};
        break;
    case 2:
        c = {Set(0, kIdsHotkey, kCmdShow), Set(1, kIdsPenPadAmp, kCmdPenPad), Set(2, kIdsExtra, kCmdSetting),
             Set(3, kIdsAboutAmp, kCmdAbout), Delete(5), Delete(4)};
        common = false;
        break;
    case 3:
        c = {Set(0, kIdsTabletPreferences, kCmdPenPad), Set(1, kIdsTessarSettings, kCmdShow),
             Set(2, kIdsMacroKeyTimer, kCmdSetting), Set(3, kIdsOperatingInstructions, kCmdHelp),
             Set(4, kIdsAboutOem3, kCmdAbout), Set(5, kIdsExit, kCmdQuit), Delete(6)};
        common = false;
        break;
    case 5:
        c = {Set(0, kIdsAbout, kCmdAbout), Set(1, kIdsShowOem5, kCmdShow), Set(3, kIdsSetting, kCmdSetting),
             SetText(4, "Brindle Tablet", kCmdPenPad), Set(5, kIdsHelp, kCmdHelp), Set(6, kIdsQuit, kCmdQuit)};
        break;
    case 7:
        c = {Set(0, kIdsAbout, kCmdAbout), Set(1, kIdsShow, kCmdShow), Set(3, kIdsSetting, kCmdSetting),
             Set(4, kIdsPenPad, kCmdPenPad), Set(5, kIdsQuit, kCmdQuit), Delete(6)};
        break;
    default:
        c = {Set(0, kIdsAbout, kCmdAbout), Set(1, kIdsShow, kCmdShow)};
        if (in.managerLocked) {
            c.insert(c.end(), {Delete(2), Set(2, kIdsSetting, kCmdSetting), Set(3, kIdsPenPad, kCmdPenPad),
                               Set(4, kIdsHelp, kCmdHelp), Set(5, kIdsQuit, kCmdQuit)});
        } else {
            c.insert(c.end(), {Set(3, kIdsSetting, kCmdSetting), Set(4, kIdsPenPad, kCmdPenPad),
                               Set(5, kIdsHelp, kCmdHelp), Set(6, kIdsQuit, kCmdQuit)});
        }
        break;
    }
    if (common && !in.managerLocked) {
        c.push_back(Set(2, in.useOrNot != 0 ? kIdsDisable : kIdsEnable, kCmdToggle));
        if (!in.penPadName.empty()) c.push_back(SetText(4, in.penPadName, kCmdPenPad));
    }
    return c;
}

std::vector<MenuEntry> ApplyMenuChanges(std::vector<MenuEntry> menu, const std::vector<MenuChange>& changes)
{
    for (const MenuChange& ch : changes) {
        if (ch.position < 0 || ch.position >= static_cast<int>(menu.size())) continue;
        if (ch.kind == MenuChange::Delete) menu.erase(menu.begin() + ch.position);
        else menu[static_cast<size_t>(ch.position)] = ch.entry;
    }
    return menu;
}

DoubleClickAction DoubleClickFor(int oemId)
{
    return oemId == 6 ? DoubleClickAction::OpenControlPanel : DoubleClickAction::ShowSettings;
}

ToggleResult ToggleManager(int useOrNot, int driverRun)
{
    return {useOrNot != 0 ? 0 : 1, driverRun != 0};
}

}  // namespace tessar
