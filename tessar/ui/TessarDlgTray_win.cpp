// The tray icon's mouse actions, its menu and the window commands.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include "AboutDlg_win.h"
#include "Strings.h"
#include "TessarApp.h"
#include "TessarDlg.h"
#include "TessarMessages.h"
#include "TrayMenu.h"
#include "resource.h"

namespace {
struct ScopedMenu {
    HMENU menu;
    ~ScopedMenu()
    {
        if (menu) DestroyMenu(menu);
    }
};
}  // namespace

void CTessarDlg::OnTrayIconDoubleClick()
{
    if (tessar::DoubleClickFor(store_->OemId()) == tessar::DoubleClickAction::OpenControlPanel)
        WinExec(tessar::kControlPanelCommand, SW_SHOWNORMAL);
    else
        ShowWindow(app_.MainWindow(), SW_SHOW);
}

void CTessarDlg::OnTrayIconRightClick()
{
    ScopedMenu menu{LoadMenuA(app_.Instance(), MAKEINTRESOURCEA(IDR_TRAY_MENU))};
    if (!menu.menu) return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    tessar::TrayMenuInputs in;
    in.oemId = store_->OemId();
    in.managerLocked = store_->ManagerLocked();
    in.useOrNot = store_->UseORNot();
    in.penPadName = store_->PenPadName();

    const HMENU popup = GetSubMenu(menu.menu, 0);
    for (const tessar::MenuChange& change : tessar::PlanTrayMenu(in)) {
        const UINT position = static_cast<UINT>(change.position);
        if (change.kind == tessar::MenuChange::Delete) {
            DeleteMenu(popup, position, MF_BYPOSITION);
            continue;
        }
        std::string text = change.entry.textId ? fw::LoadStr(static_cast<UINT>(change.entry.textId))
                                               : change.entry.text;
        if (text.empty()) {
            // A missing string keeps the entry's resource text.
            char current[128] = "";
            GetMenuStringA(popup, position, current, sizeof current, MF_BYPOSITION);
            text = current;
        }
        ModifyMenuA(popup, position, MF_BYPOSITION | MF_STRING, static_cast<UINT_PTR>(change.entry.command),
                    text.c_str());
    }
    SetForegroundWindow(FindWindowA(tessar::kTessarClass, nullptr));
    TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, app_.MainWindow(), nullptr);
    // Lets the menu close when the user clicks elsewhere.
    PostMessageA(app_.MainWindow(), WM_NULL, 0, 0);
}

void CTessarDlg::RunAbout()
{
    CAboutDlg about;
    about.DoModal(m_hWnd, app_.Instance());
}

void CTessarDlg::RunExtraSettings() { setMacroDlg_.DoModal(m_hWnd, app_.Instance()); }

void CTessarDlg::OnTrayAbout(UINT) { RunAbout(); }

void CTessarDlg::OnTrayShow(UINT)
{
    ShowWindow(m_hWnd, SW_SHOW);
    EnableConfirm(false);
}

void CTessarDlg::OnTrayToggle(UINT)
{
    const tessar::ToggleResult r = tessar::ToggleManager(store_->UseORNot(), store_->DriverRun());
    managerOn_ = r.managerOn;
    CheckDlgButton(m_hWnd, IDC_ENABLE, managerOn_ ? BST_CHECKED : BST_UNCHECKED);
    SetManagerIcons(managerOn_ != 0, r.changeIcons);
    store_->WriteUseORNot(managerOn_);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTessarDlg::OnTraySetting(UINT) { RunExtraSettings(); }

void CTessarDlg::OnTrayPenPad(UINT) { WinExec(tessar::kControlPanelCommand, SW_SHOWNORMAL); }

void CTessarDlg::OnTrayHelp(UINT)
{
    ShellExecuteA(nullptr, nullptr, store_->HelpPath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CTessarDlg::OnTrayQuit(UINT)
{
    trayIcon_.reset();
    doubleClickHandler_.reset();
    rightClickHandler_.reset();
    ExitProcess(0);
}
