#include "TessarDlg.h"

#include <commctrl.h>

#include <cstring>

#include <algorithm>

#include "FileSystem.h"
#include "KeyButtonLayout.h"
#include "SettingsRules.h"
#include "Strings.h"
#include "PrivateProfileIni.h"
#include "TessarApp.h"
#include "TessarMessages.h"
#include "Win32FileSystem.h"
#include "resource.h"

FW_BEGIN_MESSAGE_MAP(CTessarDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
    FW_ON_MESSAGE(WM_TIMER, OnTimer)
    FW_ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    FW_ON_NOTIFY_CODE(CBN_SELENDOK, IDC_PROFILE_COMBO, OnProfileSelected)
    FW_ON_COMMAND(IDC_NEW, OnNew)
    FW_ON_COMMAND(IDC_DELETE, OnDelete)
    FW_ON_COMMAND(IDC_DEFAULT, OnDefault)
    FW_ON_COMMAND(IDC_ENABLE, OnEnableClicked)
    FW_ON_COMMAND(IDC_DISPLAY_TOOLTIPS, OnDisplayTooltipsClicked)
    FW_ON_NOTIFY_CODE(CBN_SELENDOK, IDC_KEY_LIST, OnKeySelected)
    FW_ON_COMMAND(IDC_SETTING, OnSettingClicked)
    FW_ON_COMMAND(IDC_USE_HOTKEY, OnHotKeyClicked)
    FW_ON_COMMAND(IDC_LINKING, OnLinkingClicked)
    FW_ON_NOTIFY_CODE(EN_CHANGE, IDC_HINT, OnEditChanged)
    FW_ON_NOTIFY_CODE(EN_CHANGE, IDC_PROGRAM_PATH, OnEditChanged)
    FW_ON_NOTIFY_CODE(CBN_SELENDOK, IDC_KEY_COMBO, OnEditChanged)
    FW_ON_COMMAND(IDC_CTRL, OnEditChanged)
    FW_ON_COMMAND(IDC_SHIFT, OnEditChanged)
    FW_ON_COMMAND(IDC_ALT, OnEditChanged)
    FW_ON_COMMAND(IDC_TAB, OnEditChanged)
    FW_ON_COMMAND(IDC_BROWSE, OnBrowse)
    FW_ON_COMMAND(IDC_CONFIRM, OnConfirm)
    FW_ON_COMMAND_RANGE(tessar::kTopButtonBase, tessar::kTopButtonBase + tessar::kMaxKeysPerSide - 1, OnKeyButton)
    FW_ON_COMMAND_RANGE(tessar::kBottomButtonBase, tessar::kBottomButtonBase + tessar::kMaxKeysPerSide - 1, OnKeyButton)
    FW_ON_COMMAND_RANGE(tessar::kLeftButtonBase, tessar::kLeftButtonBase + tessar::kMaxKeysPerSide - 1, OnKeyButton)
    FW_ON_COMMAND_RANGE(tessar::kRightButtonBase, tessar::kRightButtonBase + tessar::kMaxKeysPerSide - 1, OnKeyButton)
    FW_ON_COMMAND(ID_TRAY_ABOUT, OnTrayAbout)
    FW_ON_COMMAND(ID_TRAY_SHOW, OnTrayShow)
    FW_ON_COMMAND(ID_TRAY_TOGGLE, OnTrayToggle)
    FW_ON_COMMAND(ID_TRAY_SETTING, OnTraySetting)
    FW_ON_COMMAND(ID_TRAY_PEN_PAD, OnTrayPenPad)
    FW_ON_COMMAND(ID_TRAY_HELP, OnTrayHelp)
    FW_ON_COMMAND(ID_TRAY_QUIT, OnTrayQuit)
    FW_ON_REGISTERED_MESSAGE(&tessar::g_notifyIconMessage, OnNotifyIcon)
    FW_ON_REGISTERED_MESSAGE(&tessar::g_taskbarCreatedMessage, OnTaskbarCreated)
FW_END_MESSAGE_MAP()

void CTessarDlg::COwnedIcon::Reset(HICON icon, bool owned)
{
    if (icon_ && owned_) DestroyIcon(icon_);
    icon_ = icon;
    owned_ = owned;
}

CTessarDlg::CTessarDlg(CTessarApp& app)
    : fw::CDialog(IDD_TESSAR_DIALOG), app_(app), newFileDlg_(*this), setMacroDlg_(*this)
{
    enabledIcon_.Reset(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_ENABLED)), false);
    disabledIcon_.Reset(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_DISABLED)), false);
}

CTessarDlg::~CTessarDlg()
{
    // The icon goes before the handlers it lists.
    trayIcon_.reset();
}

HINSTANCE CTessarDlg::Instance() const { return app_.Instance(); }

BOOL CTessarDlg::OnInitDialog()
{
    platform_.notice.SetOwner(m_hWnd);
    store_ = std::make_unique<tessar::ProfileStore>(fw::Ini(), fw::Files(), platform_.Get());
    store_->InitTabletFolder();
    oemId_ = store_->OemId();
    AddAboutToSystemMenu();
    SetWindowIcons(enabledIcon_.Get());
    if (oemId_ == 0) ShowWindow(Item(IDC_TAB), SW_HIDE);
    LayOutControls();
    SetControlTexts();
    SetUpTrayIcon();
    // The caption: the product's tip text, or a fixed title for one OEM.
    const int captionId = tessar::CaptionTextIdFor(oemId_);
    const std::string caption = captionId ? fw::LoadStr(static_cast<UINT>(captionId)) : std::string(trayTip_);
    SetWindowTextA(m_hWnd, caption.c_str());
    managerOn_ = IsDlgButtonChecked(m_hWnd, IDC_ENABLE) == BST_CHECKED ? 1 : 0;

    store_->ApplyFirstRunDefault(store_->GetWindowsKind());
    FillProfileCombo();
    profileCount_ = static_cast<int>(SendMessageA(Item(IDC_PROFILE_COMBO), CB_GETCOUNT, 0, 0));
    comboDropWidth_ = static_cast<unsigned>(SendMessageA(Item(IDC_PROFILE_COMBO), CB_GETDROPPEDWIDTH, 0, 0));
    SetUpMacroKeys();
    RebuildKeyLists();

    CheckRadioButton(m_hWnd, IDC_USE_HOTKEY, IDC_LINKING, IDC_USE_HOTKEY);
    EnableWindow(Item(IDC_PROGRAM_PATH), FALSE);
    EnableWindow(Item(IDC_BROWSE), FALSE);
    CheckDlgButton(m_hWnd, IDC_SETTING, BST_CHECKED);
    ShowKey(1);

    keyFrameFont_.Reset(CreateFontA(8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial"));
    SendMessageA(Item(IDC_KEY_FRAME), WM_SETFONT, reinterpret_cast<WPARAM>(keyFrameFont_.Get()), FALSE);

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tooltips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, m_hWnd, nullptr, app_.Instance(), nullptr);
    RefreshKeyTooltips();
    EnableConfirm(false);

    NotifyDriverOfSound();
    ApplyStartupVisibility();
    ShowKey(SelectedKeyNumber());
    return TRUE;
}

void CTessarDlg::AddAboutToSystemMenu()
{
    const tessar::AboutItemText item = tessar::AboutItemFor(oemId_);
    const std::string text = fw::LoadStr(static_cast<UINT>(item.textId)) + item.suffix;
    const HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu || text.empty()) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void CTessarDlg::LayOutControls()
{
    // Client pixels, as the tablet picture and the key buttons are placed.
    static const struct {
        int id, x, y, w, h;
    } places[] = {
        // Drop-down lists get room for their lists; their fields keep the font's height.
        {IDC_PROFILE_COMBO, 30, 25, 180, 200}, {IDC_NEW, 240, 25, 85, 25}, {IDC_DELETE, 340, 25, 85, 25},
        {IDC_DEFAULT, 440, 25, 120, 25}, {IDC_KEY_FRAME, 25, 50, 540, 105}, {IDC_KEY_LIST, 30, 50, 60, 200},
        {IDC_SETTING, 30, 75, 80, 20}, {IDC_HINT_LABEL, 120, 75, 70, 20}, {IDC_HINT, 210, 70, 245, 20},
        {IDC_CONFIRM, 465, 70, 70, 20}, {IDC_USE_HOTKEY, 115, 98, 159, 20}, {IDC_CTRL, 275, 98, 45, 20},
        {IDC_SHIFT, 320, 98, 45, 20}, {IDC_ALT, 370, 98, 35, 20}, {IDC_TAB, 410, 98, 45, 20},
        {IDC_KEY_COMBO, 465, 98, 90, 300}, {IDC_LINKING, 115, 125, 90, 20}, {IDC_PROGRAM_PATH, 210, 125, 210, 20},
        {IDC_BROWSE, 430, 125, 20, 20}, {IDC_MODEL_LABEL, 3, 160, 155, 20}, {IDC_MODEL_NAME, 160, 158, 140, 20},
        {IDC_TABLET_FRAME, 5, 170, 585, 350}, {IDC_ENABLE, 30, 540, 370, 15},
        {IDC_DISPLAY_TOOLTIPS, 30, 565, 370, 15}, {IDOK, 430, 550, 75, 25}, {IDCANCEL, 515, 550, 75, 25},
    };
    MoveWindow(m_hWnd, 160, 80, 600, 625, FALSE);
    for (const auto& p : places) MoveWindow(Item(p.id), p.x, p.y, p.w, p.h, FALSE);
    // The tablet frame's top line runs under the model name, not through it.
    SetWindowPos(Item(IDC_TABLET_FRAME), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CTessarDlg::SetControlTexts()
{
    for (const tessar::ControlText& t : tessar::SettingsControlTexts(oemId_)) {
        const std::string text = t.textId ? fw::LoadStr(static_cast<UINT>(t.textId)) : std::string(t.text);
        // A missing string leaves the template's text.
        if (!text.empty()) SetDlgItemTextA(m_hWnd, t.controlId, text.c_str());
    }
}

void CTessarDlg::NotifyDriverOfSound()
{
    PostToTabletDriver(tessar::WM_DRIVER_POINTING_SOUND, static_cast<WPARAM>(store_->TipClickSound()));
}

void CTessarDlg::ApplyStartupVisibility()
{
    if (oemId_ == 2) {
        ShowWindow(Item(IDC_ENABLE), SW_HIDE);
    } else {
        ShowWindow(Item(IDC_DEFAULT), SW_HIDE);
        ShowWindow(Item(IDC_DISPLAY_TOOLTIPS), SW_HIDE);
    }
    if (store_->ManagerLocked()) {
        EnableWindow(Item(IDC_ENABLE), FALSE);
        ShowWindow(Item(IDC_NEW), SW_HIDE);
        ShowWindow(Item(IDC_DELETE), SW_HIDE);
    }
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
    if (!store_) return;
    profilePath_ = store_->ProfilePath(ActiveProfile());
    SendMessageA(Item(IDC_KEY_LIST), CB_RESETCONTENT, 0, 0);
    SendMessageA(Item(IDC_KEY_COMBO), CB_RESETCONTENT, 0, 0);
    store_->LoadKeyCounts();
    RebuildKeyLists();
    ShowKey1AndSelect();
    RefreshKeyTooltips();
    EnableConfirm(false);
    EnableWindow(Item(IDC_SETTING), TRUE);
    LockKeyEditorForKey(1);
}

void CTessarDlg::ShowKey1AndSelect()
{
    SendMessageA(Item(IDC_KEY_LIST), CB_SETCURSEL, 0, 0);
    ShowKey(1);
}

std::vector<std::string> CTessarDlg::ProfileNames() const
{
    std::vector<std::string> names;
    const HWND combo = Item(IDC_PROFILE_COMBO);
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR) continue;
        std::string name(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&name[0]));
        name.resize(static_cast<size_t>(length));
        names.push_back(name);
    }
    return names;
}

void CTessarDlg::FitProfileDropWidth(bool onlyWiden)
{
    const HWND combo = Item(IDC_PROFILE_COMBO);
    fw::ScopedGetDC dc(combo);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0));
    fw::ScopedSelect selectFont(dc, font);
    int widest = 0;
    for (const std::string& name : ProfileNames()) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    const int current = static_cast<int>(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0));
    const int wanted = widest + 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL);
    int width = std::max(wanted, current);
    if (!onlyWiden && widest <= static_cast<int>(comboDropWidth_)) {
        RECT r;
        GetWindowRect(combo, &r);
        width = r.right - r.left;
    }
    SendMessageA(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

void CTessarDlg::OnProfileSelected(UINT) { ReloadForProfileSelection(); }

bool CTessarDlg::AddNewProfile(const std::string& name, const std::string& exePath, const std::string& exeName)
{
    // The file first: a name the folder cannot take never reaches the list.
    if (!store_->CreateProfile(name, exePath, exeName)) {
        app_.MessageBoxFromTable(m_hWnd, IDS_BAD_PROFILE_NAME, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const HWND combo = Item(IDC_PROFILE_COMBO);
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    const int at = std::min(std::max(profileCount_, 0), count);
    const LRESULT index = SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(at),
                                       reinterpret_cast<LPARAM>(name.c_str()));
    FitProfileDropWidth(true);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(Item(IDC_KEY_LIST), CB_SETCURSEL, 0, 0);
    SendMessageA(Item(IDC_KEY_COMBO), CB_SETCURSEL, 0, 0);
    EnableWindow(Item(IDC_SETTING), TRUE);
    profileCount_ = at + 1;
    return true;
}

void CTessarDlg::OnNew(UINT)
{
    if (newFileDlg_.DoModal(m_hWnd, app_.Instance()) != IDOK) return;
    profilePath_ = store_->ProfilePath(ActiveProfile());
    tessar::EditorState s = ReadEditor();
    s.setting = false;
    s.mods = {};
    tessar::LockKeyEditor(s);
    // Setting stays available: the new profile's keys are set up from here.
    s.settingOn = true;
    s.keyCombo = 0;
    s.path.clear();
    s.hint.clear();
    s.confirmOn = false;
    ApplyEditor(s);
    SendMessageA(Item(IDC_KEY_LIST), CB_RESETCONTENT, 0, 0);
    SendMessageA(Item(IDC_KEY_COMBO), CB_RESETCONTENT, 0, 0);
    store_->LoadKeyCounts();
    RebuildKeyLists();
    SendMessageA(Item(IDC_KEY_LIST), CB_SETCURSEL, 0, 0);
    EnableConfirm(false);
    RefreshKeyTooltips();
}

void CTessarDlg::OnDelete(UINT)
{
    const HWND combo = Item(IDC_PROFILE_COMBO);
    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (selected < 0) return;
    if (store_->IsDefaultProfile(selected)) {
        app_.MessageBoxFromTable(m_hWnd, static_cast<UINT>(tessar::DefaultProfileRefusalId(store_->OemId())),
                                 MB_ICONQUESTION);
        return;
    }
    if (app_.MessageBoxFromTable(m_hWnd, IDS_ASK_DELETE_PROFILE, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    std::vector<std::string> names = ProfileNames();
    const tessar::DeleteResult result = store_->DeleteProfile(names, selected, store_->GetWindowsKind());
    if (result.outcome != tessar::DeleteOutcome::Deleted) return;
    SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(result.selected), 0);
    profilePath_ = store_->ProfilePath(ActiveProfile());

    SendMessageA(Item(IDC_KEY_LIST), CB_RESETCONTENT, 0, 0);
    SendMessageA(Item(IDC_KEY_COMBO), CB_RESETCONTENT, 0, 0);
    store_->LoadKeyCounts();
    RebuildKeyLists();
    ShowKey1AndSelect();
    SendMessageA(Item(IDC_KEY_COMBO), CB_SETCURSEL, 0, 0);
    LockKeyEditorForKey(SelectedKeyNumber());
    RefreshKeyTooltips();
    --profileCount_;
    FitProfileDropWidth(false);
    EnableConfirm(false);
}

void CTessarDlg::OnDefault(UINT)
{
    const int entry = store_->RestoreDefaultProfiles(store_->GetWindowsKind());
    SendMessageA(Item(IDC_PROFILE_COMBO), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    ReloadForProfileSelection();
}

void CTessarDlg::OnEnableClicked(UINT)
{
    const bool checked = IsDlgButtonChecked(m_hWnd, IDC_ENABLE) == BST_CHECKED;
    managerOn_ = checked ? 1 : 0;
    SetManagerIcons(checked, store_->DriverRun() != 0);
    store_->WriteUseORNot(managerOn_);
}

void CTessarDlg::OnDisplayTooltipsClicked(UINT)
{
    store_->WriteDisplayORNot(IsDlgButtonChecked(m_hWnd, IDC_DISPLAY_TOOLTIPS) == BST_CHECKED);
}

void CTessarDlg::SetManagerIcons(bool enabled, bool changeIcons)
{
    if (!trayIcon_) return;
    trayIcon_->Remove();
    if (changeIcons) {
        const HICON icon = enabled ? enabledIcon_.Get() : disabledIcon_.Get();
        trayIcon_->SetIcon(m_hWnd, 0, icon, trayTip_);
        SetWindowIcons(icon);
    }
    trayIcon_->Show();
}

LRESULT CTessarDlg::OnSysCommand(WPARAM id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        RunAbout();
        return 0;
    }
    return DefWindowProcA(m_hWnd, WM_SYSCOMMAND, id, lParam);
}

LRESULT CTessarDlg::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC dc(m_hWnd);
    if (IsIconic(m_hWnd)) {
        RECT r;
        GetClientRect(m_hWnd, &r);
        DrawIcon(dc, (r.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
                 (r.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, enabledIcon_.Get());
        return 0;
    }
    const int picture = tessar::TabletPictureFor(store_ ? store_->OemId() : 0, store_ ? store_->ModelId() : 0);
    fw::ScopedBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(app_.Instance(), MAKEINTRESOURCEA(picture), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!bitmap.Get()) return 0;
    BITMAP info = {};
    GetObjectA(bitmap.Get(), sizeof info, &info);
    fw::ScopedMemDC mem(dc);
    fw::ScopedSelect select(mem, bitmap.Get());
    StretchBlt(dc, 5, 180, info.bmWidth, info.bmHeight, mem, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return 0;
}

LRESULT CTessarDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(enabledIcon_.Get()); }

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

void CTessarDlg::OnOK()
{
    const tessar::OkDecision d =
        tessar::DecideOK(ConfirmEnabled(), ActiveProfile(), store_->SavedProfileName(), store_->OemId());
    switch (d.step) {
    case tessar::OkStep::AskToConfirmEdit:
        if (d.textId) app_.MessageBoxFromTable(m_hWnd, static_cast<UINT>(d.textId), MB_ICONQUESTION);
        else fw::MsgBoxText(m_hWnd, tessar::kConfirmEditText, tessar::kConfirmEditCaption, MB_OK);
        return;
    case tessar::OkStep::Hide:
        ShowWindow(m_hWnd, SW_HIDE);
        return;
    case tessar::OkStep::AskToSaveList:
        if (app_.MessageBoxFromTable(m_hWnd, IDS_ASK_SAVE_PROFILE_LIST, MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
            const int selected = static_cast<int>(SendMessageA(Item(IDC_PROFILE_COMBO), CB_GETCURSEL, 0, 0));
            store_->SaveProfileList(ProfileNames(), selected);
            ShowWindow(m_hWnd, SW_HIDE);
        }
        managerOn_ = IsDlgButtonChecked(m_hWnd, IDC_ENABLE) == BST_CHECKED ? 1 : 0;
        store_->WriteUseORNot(managerOn_);
        return;
    }
}

void CTessarDlg::OnCancel()
{
    constexpr int kSavedIndexWhenMissing = 2;
    const int savedIndex = store_->SavedProfileIndex(kSavedIndexWhenMissing);
    profilePath_ = store_->ProfilePath(store_->SavedProfileName());
    const HWND combo = Item(IDC_PROFILE_COMBO);
    if (static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)) != savedIndex) {
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(savedIndex), 0);
        SendMessageA(Item(IDC_KEY_LIST), CB_RESETCONTENT, 0, 0);
        store_->LoadKeyCounts();
        RebuildKeyLists();
        ShowKey1AndSelect();
        EnableConfirm(false);
    }
    const int n = SelectedKeyNumber();
    const tessar::KeyRecord key = store_->ReadKey(ActiveProfile(), n, tessar::KeyTextUse::Editing);
    tessar::EditorState s = ReadEditor();
    tessar::RestoreKeyOnCancel(s, key, SelectedKeyCommand());
    ApplyEditor(s);
    CheckDlgButton(m_hWnd, IDC_ENABLE, store_->UseORNot() == 1 ? BST_CHECKED : BST_UNCHECKED);
    RefreshKeyTooltips();
    ShowWindow(m_hWnd, SW_HIDE);
}
