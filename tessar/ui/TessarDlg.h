#pragma once
// Tessar's settings window: a dialog of class "Tessar" that runs, hidden, for
// the life of the program and owns the tray icon. The driver's messages reach
// the program through it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AboutDlg_win.h"
#include "ActionPlatform_win.h"
#include "Gdi.h"
#include "KeyEditor.h"
#include "NewFileDlg_win.h"
#include "SetMacroDlg_win.h"
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
    // Makes the selected profile the active one: the key editor and the key
    // buttons show its keys.
    void ReloadForProfileSelection();
    // Shows key n of the active profile in the key editor.
    void ShowKey(int keyNumber);
    // Fills the key list, the model name, the key buttons and the key combo.
    void RebuildKeyLists();
    // Gives every key button its hint as tooltip.
    void RefreshKeyTooltips();

    // The profile count at which the new-profile dialog inserts its entry.
    int ProfileCount() const { return profileCount_; }
    void SetProfileCount(int count) { profileCount_ = count; }
    tessar::ProfileStore& Store() { return *store_; }
    // The new-profile dialog's side: the listed names, and adding one (the
    // entry, its file and the key editor reset for it).
    std::vector<std::string> ProfileNamesForNew() const { return ProfileNames(); }
    bool AddNewProfile(const std::string& name, const std::string& exePath, const std::string& exeName);
    // Runs the extra settings dialog (tray menu, message 0x530, "Tessar -s").
    void RunExtraSettings();
    void RunAbout();
    HINSTANCE Instance() const;

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
    LRESULT OnSysCommand(WPARAM id, LPARAM lParam);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);

    // Start-up (TessarDlg_win.cpp).
    void AddAboutToSystemMenu();
    void LayOutControls();
    void SetControlTexts();
    void NotifyDriverOfSound();
    void ApplyStartupVisibility();

    // The profile commands (TessarDlg_win.cpp).
    void OnProfileSelected(UINT);
    void OnNew(UINT);
    void OnDelete(UINT);
    void OnDefault(UINT);
    void OnEnableClicked(UINT);
    void OnDisplayTooltipsClicked(UINT);
    std::vector<std::string> ProfileNames() const;
    void FitProfileDropWidth(bool onlyWiden);
    void ShowKey1AndSelect();

    // The key editor and the key buttons (TessarDlgKeys_win.cpp).
    tessar::EditorState ReadEditor() const;
    void ApplyEditor(const tessar::EditorState& s);
    std::string SelectedKeyCommand();
    int SelectedKeyNumber() const;
    void BuildKeyButtons();
    void DestroyKeyButtons();
    void OnKeySelected(UINT);
    void OnSettingClicked(UINT);
    void OnHotKeyClicked(UINT);
    void OnLinkingClicked(UINT);
    void OnEditChanged(UINT);
    void OnBrowse(UINT);
    void OnConfirm(UINT);
    void OnKeyButton(UINT id);
    void EnableConfirm(bool on);
    bool ConfirmEnabled() const;
    void LockKeyEditorForKey(int keyNumber);

    // The tray menu and its commands (TessarDlgTray_win.cpp).
    void OnTrayAbout(UINT);
    void OnTrayShow(UINT);
    void OnTrayToggle(UINT);
    void OnTraySetting(UINT);
    void OnTrayPenPad(UINT);
    void OnTrayHelp(UINT);
    void OnTrayQuit(UINT);
    void SetManagerIcons(bool enabled, bool changeIcons);

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
    std::string profilePath_;
    std::string browseResult_;
    CNewFileDlg newFileDlg_;
    CSetMacroDlg setMacroDlg_;
    // The key buttons on the tablet picture, made at run time.
    std::vector<HWND> keyButtons_;
    fw::ScopedFont keyButtonFont_;
    fw::ScopedFont keyFrameFont_;
    HWND tooltips_ = nullptr;
    unsigned comboDropWidth_ = 0;
    int profileCount_ = 0;
    int managerOn_ = 0;
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
