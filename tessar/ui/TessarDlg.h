#pragma once
// Tessar's settings window: a dialog of class "Tessar" that runs, hidden, for
// the life of the program and owns the tray icon. The driver's messages reach
// the program through it.
#include <windows.h>

#include <memory>
#include <string>

#include "ActionPlatform_win.h"
#include "KeyActions.h"
#include "KeySequenceSender.h"
#include "KeyTip_win.h"
#include "LeftMouseDblClickMsgHandler.h"
#include "MacroKeyEvents.h"
#include "ProgramLookup_win.h"
#include "SendPlatform_win.h"
#include "ShutdownPrivilege_win.h"
#include "SlideShowBinding_win.h"
#include "ProfileStore.h"
#include "RightMouseClickMsgHandler.h"
#include "TrayIcon.h"
#include "TrayShell.h"
#include "TrayStartup.h"
#include "Win32TabletPlatform.h"
#include "Window.h"

class CTessarApp;

class CTessarDlg : public fw::CDialog,
                   public tessar::ITrayIconActions,
                   private tessar::IKeyEventHost {
public:
    explicit CTessarDlg(CTessarApp& app);
    ~CTessarDlg() override;

    // The tray icon's mouse actions (menu and double click).
    void OnTrayIconDoubleClick() override;
    void OnTrayIconRightClick() override;

    const CTrayIcon* TrayIcon() const { return trayIcon_.get(); }

    // The active profile: the profile combo box's selected entry.
    std::string ActiveProfile() override;
    // Makes the selected profile the active one (the key editor and key
    // buttons, when they are there, show it).
    void ReloadForProfileSelection();

protected:
    BOOL OnInitDialog() override;
    // OK and Cancel hide the window: the dialog never ends itself.
    void OnOK() override;
    void OnCancel() override;
    // The tablet driver's messages, ahead of the dialog's own processing.
    bool FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

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

    // Named timers of the settings window.
    enum TimerId : UINT_PTR { kKeyTipTimer = 5, kDriverStartedTimer = 9 };
    static constexpr UINT kDriverStartedDelayMs = 5000;

    LRESULT OnWindowPosChanging(WPARAM, LPARAM lParam);
    LRESULT OnTimer(WPARAM id, LPARAM);

    // The driver's messages (TessarDlgDriver_win.cpp).
    void OnPowerBroadcast(WPARAM event);
    void OnStrokeLink(WPARAM stroke);
    void OnShowExtraSettings();
    void OnReloadProfile();
    void OnDriverStopped();
    void OnMacroKeyEvent(WPARAM code, LPARAM press);
    void OnDriverStarted();
    void ShowManagerIcon(bool enabled, bool showTray);

    // The key event host (TessarDlgDriver_win.cpp).
    bool EnableChecked() override;
    bool DisplayTooltipsChecked() override;
    bool ScreenRectangle(tessar::ScreenRect& out) override;
    void StartTipTimer() override;
    void KillTipTimer() override;
    void ShowTip(const tessar::KeyTip& tip) override;
    void HideTip() override;
    bool IsClassInFront(const std::string& className) override;
    bool ClassWindowExists(const std::string& className) override;
    bool HasForegroundWindow() override;
    int Start(const std::string& path) override;
    bool AskRunProgram(bool hotspotWording) override;
    void ShowFileNotExist() override;
    void BringClassToFront(const std::string& className) override;
    void DebugOutput(const std::string& text) override;

    void FillProfileCombo();
    void SetUpMacroKeys();
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

    // Macro keys: the OEM id every message refreshes, the slide-show
    // library, the key sequence sender, the lookups and the key tip.
    int oemId_ = 0;
    tessar::CShutdownPrivilege shutdownPrivilege_;
    CSlideShowBinding slideShow_;
    tessar::CWin32SendPlatform sendPlatform_;
    tessar::CKeySequenceSender sender_{sendPlatform_};
    tessar::CWin32ActionPlatform actionPlatform_{slideShow_};
    tessar::CWin32ProgramLookup lookup_;
    std::unique_ptr<tessar::CKeyActionPerformer> performer_;
    std::unique_ptr<tessar::CMacroKeyEvents> keyEvents_;
    CKeyTip keyTip_;
    UINT_PTR tipTimer_ = 0;
    // The dialog manager shows a modal dialog once when it first goes idle;
    // the settings window starts hidden, so that show is refused.
    bool refuseFirstShow_ = true;

    FW_DECLARE_MESSAGE_MAP()
};
