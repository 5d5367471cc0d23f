#include "TessarDlg.h"

#include <cstring>

#include "FileSystem.h"
#include "PrivateProfileIni.h"
#include "TessarApp.h"
#include "TessarMessages.h"
#include "Win32FileSystem.h"
#include "resource.h"

FW_BEGIN_MESSAGE_MAP(CTessarDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
    FW_ON_MESSAGE(WM_TIMER, OnTimer)
    FW_ON_REGISTERED_MESSAGE(&tessar::g_notifyIconMessage, OnNotifyIcon)
    FW_ON_REGISTERED_MESSAGE(&tessar::g_taskbarCreatedMessage, OnTaskbarCreated)
FW_END_MESSAGE_MAP()

void CTessarDlg::COwnedIcon::Reset(HICON icon, bool owned)
{
    if (icon_ && owned_) DestroyIcon(icon_);
    icon_ = icon;
    owned_ = owned;
}

CTessarDlg::CTessarDlg(CTessarApp& app) : fw::CDialog(IDD_TESSAR_DIALOG), app_(app)
{
    enabledIcon_.Reset(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_ENABLED)), false);
    disabledIcon_.Reset(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_DISABLED)), false);
}

CTessarDlg::~CTessarDlg()
{
    // The icon goes before the handlers it lists.
    trayIcon_.reset();
}

BOOL CTessarDlg::OnInitDialog()
{
    platform_.notice.SetOwner(m_hWnd);
    store_ = std::make_unique<tessar::ProfileStore>(fw::Ini(), fw::Files(), platform_.Get());
    store_->InitTabletFolder();
    SetWindowIcons(enabledIcon_.Get());
    SetUpTrayIcon();
    store_->ApplyFirstRunDefault(store_->GetWindowsKind());
    FillProfileCombo();
    SetUpMacroKeys();
    return TRUE;
}

void CTessarDlg::FillProfileCombo()
{
    const HWND combo = Item(IDC_PROFILE_COMBO);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const tessar::ProfileList list = store_->ListProfiles();
    for (const std::string& name : list.names)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
}

void CTessarDlg::SetUpMacroKeys()
{
    slideShow_.Bind();
    store_->LoadKeyCounts();
    actionPlatform_.SetOwner(m_hWnd);
    performer_ = std::make_unique<tessar::CKeyActionPerformer>(*store_, actionPlatform_, lookup_,
                                                                sender_, sendPlatform_);
    keyEvents_ = std::make_unique<tessar::CMacroKeyEvents>(
        *store_, static_cast<tessar::IKeyEventHost&>(*this), lookup_, *performer_);
    keyTip_.Create(app_.Instance());
}

std::string CTessarDlg::ActiveProfile()
{
    const HWND combo = Item(IDC_PROFILE_COMBO);
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return {};
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR || length <= 0) return {};
    std::string name(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(std::strlen(name.c_str()));
    return name;
}

void CTessarDlg::ReloadForProfileSelection()
{
    if (store_) store_->LoadKeyCounts();
}

void CTessarDlg::SetUpTrayIcon()
{
    const tessar::TrayStartupPlan plan =
        tessar::PlanTrayStartup(fw::Ini(), store_->TabletTablePath(), store_->ManagerPath());

    std::strncpy(trayTip_, plan.tip.c_str(), sizeof trayTip_ - 1);
    trayTip_[sizeof trayTip_ - 1] = '\0';

    doubleClickHandler_ = std::make_unique<CLeftMouseDblClickMsgHandler>(*this);
    rightClickHandler_ = std::make_unique<CRightMouseClickMsgHandler>(*this);
    CheckDlgButton(m_hWnd, IDC_DISPLAY_TOOLTIPS, static_cast<UINT>(plan.displayTooltips));

    LoadIconPair(plan);
    CheckDlgButton(m_hWnd, IDC_ENABLE, plan.enableChecked ? BST_CHECKED : BST_UNCHECKED);

    const HICON picture =
        plan.picture == tessar::TrayPicture::Enabled ? enabledIcon_.Get() : disabledIcon_.Get();
    CTrayIconMouseMsgHandler* handlers[] = {doubleClickHandler_.get(), rightClickHandler_.get()};
    trayIcon_ = std::make_unique<CTrayIcon>(trayShell_, m_hWnd, 0, picture, trayTip_, handlers, 2);
    if (plan.showTray) trayIcon_->Show();
    SetWindowIcons(picture);
}

void CTessarDlg::LoadIconPair(const tessar::TrayStartupPlan& plan)
{
    const HINSTANCE instance = app_.Instance();
    enabledIcon_.Reset(LoadIconA(instance, MAKEINTRESOURCEA(plan.icons.enabled)), false);
    disabledIcon_.Reset(LoadIconA(instance, MAKEINTRESOURCEA(plan.icons.disabled)), false);

    // Replacement pictures from the system folder. One that cannot be loaded
    // keeps the built-in picture: a tray icon without a picture cannot be found.
    const std::string systemFolder = platform_.folders.SystemFolder();
    auto loadFile = [&](const std::string& name, COwnedIcon& icon) {
        if (name.empty()) return;
        const std::string path = fw::JoinPath(systemFolder, name);
        const HICON loaded = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0,
                       LR_LOADFROMFILE | LR_LOADTRANSPARENT | LR_CREATEDIBSECTION));
        if (loaded) icon.Reset(loaded, true);
    };
    loadFile(plan.enabledIconFile, enabledIcon_);
    loadFile(plan.disabledIconFile, disabledIcon_);
}

void CTessarDlg::SetWindowIcons(HICON icon)
{
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

LRESULT CTessarDlg::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (refuseFirstShow_ && (pos->flags & SWP_SHOWWINDOW)) {
        refuseFirstShow_ = false;
        pos->flags &= ~SWP_SHOWWINDOW;
    }
    return 0;
}

LRESULT CTessarDlg::OnTimer(WPARAM id, LPARAM)
{
    switch (id) {
    case kKeyTipTimer:
        if (tipTimer_ && keyEvents_) keyEvents_->OnTipTimer();
        break;
    case kDriverStartedTimer:
        KillTimer(m_hWnd, kDriverStartedTimer);
        ShowManagerIcon(true, true);
        break;
    }
    return 0;
}

LRESULT CTessarDlg::OnNotifyIcon(WPARAM, LPARAM lParam)
{
    if (trayIcon_) trayIcon_->Dispatch(static_cast<unsigned>(lParam));
    return 0;
}

LRESULT CTessarDlg::OnTaskbarCreated(WPARAM, LPARAM)
{
    // A restarted shell has forgotten our icon.
    if (trayIcon_) trayIcon_->ShowAgain();
    return 0;
}

void CTessarDlg::OnTrayIconDoubleClick()
{
    // Opening the settings window (or the control panel) comes with the tray menu.
}

void CTessarDlg::OnTrayIconRightClick()
{
    // The tray menu comes with its own handler.
}

void CTessarDlg::OnOK() { ShowWindow(m_hWnd, SW_HIDE); }

void CTessarDlg::OnCancel() { ShowWindow(m_hWnd, SW_HIDE); }
