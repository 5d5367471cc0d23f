// The settings window's side of the tablet driver: its messages, the key
// tip and what the key event handling asks of the desktop.
#include <windows.h>

#include <shellapi.h>

#include "Strings.h"
#include "TessarApp.h"
#include "TessarDlg.h"
#include "TessarMessages.h"
#include "resource.h"

bool CTessarDlg::FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT&)
{
    if (!store_) return false;
    // The OEM id can change under us (the control panel writes it): every
    // message reads it afresh.
    oemId_ = store_->OemId();
    switch (msg) {
    case WM_POWERBROADCAST: OnPowerBroadcast(wParam); break;
    case tessar::WM_STROKE_LINK: OnStrokeLink(wParam); break;
    case tessar::WM_SHOW_EXTRA_SETTINGS: OnShowExtraSettings(); break;
    case tessar::WM_RELOAD_PROFILE: OnReloadProfile(); break;
    case tessar::WM_DRIVER_STOPPED: OnDriverStopped(); break;
    case tessar::WM_MACROKEY_EVENT: OnMacroKeyEvent(wParam, lParam); break;
    case tessar::WM_QUIT_MANAGER: ExitProcess(0);
    case tessar::WM_DRIVER_STARTED: OnDriverStarted(); break;
    default: break;
    }
    // Every message goes on to the dialog's own processing.
    return false;
}

void CTessarDlg::OnPowerBroadcast(WPARAM event)
{
    if (event == tessar::kSuspendRequest) SetSystemPowerState(TRUE, FALSE);
}

void CTessarDlg::OnStrokeLink(WPARAM stroke)
{
    const std::string link = store_->StrokeLink(static_cast<int>(stroke));
    ShellExecuteA(nullptr, nullptr, link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CTessarDlg::OnShowExtraSettings()
{
    // Posted, so the dialog runs from the message loop, not inside the filter.
    RunExtraSettings();
}

void CTessarDlg::OnReloadProfile()
{
    const HWND combo = Item(IDC_PROFILE_COMBO);
    const int current = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    const int wanted = tessar::ProfileToSelectOnReload(*store_, current);
    // The key buttons take the font again (the driver may have a new tablet).
    keyButtonFont_.Reset();
    if (wanted >= 0) {
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(wanted), 0);
        ReloadForProfileSelection();
    }
    store_->LoadKeyCounts();
    ShowManagerIcon(store_->UseORNot() == 1, true);
}

void CTessarDlg::OnDriverStopped() { ShowManagerIcon(false, oemId_ != 2); }

void CTessarDlg::OnDriverStarted() { SetTimer(m_hWnd, kDriverStartedTimer, kDriverStartedDelayMs, nullptr); }

void CTessarDlg::ShowManagerIcon(bool enabled, bool showTray)
{
    const HICON icon = enabled ? enabledIcon_.Get() : disabledIcon_.Get();
    if (trayIcon_) {
        trayIcon_->Remove();
        trayIcon_->SetIcon(m_hWnd, 0, icon, trayTip_);
        if (showTray) trayIcon_->Show();
    }
    SetWindowIcons(icon);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTessarDlg::OnMacroKeyEvent(WPARAM code, LPARAM press)
{
    if (keyEvents_) keyEvents_->OnKeyEvent(static_cast<std::uint64_t>(code), press != 0, oemId_);
}

// ---- the key event host ----

bool CTessarDlg::EnableChecked() { return IsDlgButtonChecked(m_hWnd, IDC_ENABLE) == BST_CHECKED; }

bool CTessarDlg::DisplayTooltipsChecked()
{
    return IsDlgButtonChecked(m_hWnd, IDC_DISPLAY_TOOLTIPS) == BST_CHECKED;
}

bool CTessarDlg::ScreenRectangle(tessar::ScreenRect& out)
{
    RECT r;
    if (!GetWindowRect(GetDesktopWindow(), &r)) return false;
    out = {r.left, r.top, r.right, r.bottom};
    return true;
}

void CTessarDlg::StartTipTimer() { tipTimer_ = SetTimer(m_hWnd, kKeyTipTimer, tessar::kKeyTipTimerMs, nullptr); }

void CTessarDlg::KillTipTimer()
{
    tipTimer_ = 0;
    KillTimer(m_hWnd, kKeyTipTimer);
}

void CTessarDlg::ShowTip(const tessar::KeyTip& tip)
{
    keyTip_.Show(tip.place.x, tip.place.y, tip.label, tip.textColour, tip.backColour);
    SetCursorPos(tip.place.cursorX, tip.place.cursorY);
}

void CTessarDlg::HideTip() { keyTip_.Hide(); }

bool CTessarDlg::IsClassInFront(const std::string& className)
{
    return actionPlatform_.IsClassInFront(className);
}

bool CTessarDlg::ClassWindowExists(const std::string& className)
{
    return FindWindowA(className.c_str(), nullptr) != nullptr;
}

bool CTessarDlg::HasForegroundWindow() { return GetForegroundWindow() != nullptr; }

int CTessarDlg::Start(const std::string& path) { return tessar::CWin32ActionPlatform::ShellStart(path); }

bool CTessarDlg::AskRunProgram(bool hotspotWording)
{
    const UINT text = hotspotWording ? IDS_ASK_RUN_HOTSPOT_PROGRAM : IDS_ASK_RUN_PROFILE_PROGRAM;
    return app_.MessageBoxFromTable(m_hWnd, text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void CTessarDlg::ShowFileNotExist()
{
    fw::MsgBox(m_hWnd, IDS_FILE_NOT_EXIST, tessar::kMessageCaption, MB_OK);
}

void CTessarDlg::BringClassToFront(const std::string& className)
{
    const HWND window = FindWindowA(className.c_str(), nullptr);
    // Windows refuses to hand the foreground to another program while its
    // lock time-out runs; the user's setting is cleared for good, as the
    // pen software has always done.
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    SetForegroundWindow(window);
    SwitchToThisWindow(window, TRUE);
    SetFocus(window);
}

void CTessarDlg::DebugOutput(const std::string& text) { OutputDebugStringA(text.c_str()); }
