#include "PageMenus_win.h"

#include <vector>

ScopedPopupMenu RealisePageMenu(const CPageMenu& menu)
{
    ScopedPopupMenu popup(CreatePopupMenu());
    if (!popup) return popup;
    for (const PageMenuItem& item : menu.Items()) {
        if (!AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.text.c_str()))
            return ScopedPopupMenu(nullptr);
    }
    return popup;
}

void ReadPageMenu(HMENU popup, CPageMenu& menu)
{
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        // First ask for the text's length, then read it.
        if (!GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info)) continue;
        if ((info.fType & MFT_SEPARATOR) || info.hSubMenu) continue;
        std::vector<char> text(info.cch + 1, '\0');
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        if (!GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info)) continue;
        menu.Append(static_cast<int>(info.wID), text.data());
    }
}

int CPopupPageMenuTracker::Track(const CPageMenu& menu, int x, int y)
{
    if (menu.Empty()) return 0;
    ScopedPopupMenu popup = RealisePageMenu(menu);
    if (!popup) return 0;
    return static_cast<int>(
        TrackPopupMenu(popup, TPM_CENTERALIGN | TPM_RETURNCMD, x, y, 0, owner_, nullptr));
}
