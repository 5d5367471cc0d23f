#pragma once
// Tessar's settings window: a dialog of class "Tessar" that runs, hidden, for
// the life of the program and owns the tray icon. The driver's messages reach
// the program through it.
#include <windows.h>

#include <memory>
#include <string>

#include "LeftMouseDblClickMsgHandler.h"
#include "ProfileStore.h"
#include "RightMouseClickMsgHandler.h"
#include "TrayIcon.h"
#include "TrayShell.h"
#include "TrayStartup.h"
#include "Win32TabletPlatform.h"
#include "Window.h"

class CTessarApp;

class CTessarDlg : public fw::CDialog, public tessar::ITrayIconActions {
public:
    explicit CTessarDlg(CTessarApp& app);
    ~CTessarDlg() override;

    // The tray icon's mouse actions (menu and double click).
    void OnTrayIconDoubleClick() override;
    void OnTrayIconRightClick() override;

    const CTrayIcon* TrayIcon() const { return trayIcon_.get(); }

protected:
    BOOL OnInitDialog() override;
    // OK and Cancel hide the window: the dialog never ends itself.
    void OnOK() override;
    void OnCancel() override;

private:
    // An icon loaded from a file, or a shared resource icon (not destroyed).
    class COwnedIcon {
    public:
        COwnedIcon() = default;
        ~COwnedIcon() { Reset(nullptr, false); }
        COwnedIcon(const COwnedIcon&) = delete;
        COwnedIcon& operator=(const COwnedIcon&) = delete;
        void Reset(HICON icon, bool owned);
        HICON Get() const { return icon_; }

    private:
        HICON icon_ = nullptr;
        bool owned_ = false;
    };

    LRESULT OnWindowPosChanging(WPARAM, LPARAM lParam);
    LRESULT OnNotifyIcon(WPARAM, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM, LPARAM);

    void SetUpTrayIcon();
    void LoadIconPair(const tessar::TrayStartupPlan& plan);
    void SetWindowIcons(HICON icon);

    CTessarApp& app_;
    COwnedIcon enabledIcon_;
    COwnedIcon disabledIcon_;
    char trayTip_[100] = {};
    tessar::CShellTray trayShell_;
    tessar::Win32TabletPlatform platform_;
    std::unique_ptr<tessar::ProfileStore> store_;
    std::unique_ptr<CLeftMouseDblClickMsgHandler> doubleClickHandler_;
    std::unique_ptr<CRightMouseClickMsgHandler> rightClickHandler_;
    std::unique_ptr<CTrayIcon> trayIcon_;
    // The dialog manager shows a modal dialog once when it first goes idle;
    // the settings window starts hidden, so that show is refused.
    bool refuseFirstShow_ = true;

    FW_DECLARE_MESSAGE_MAP()
};
