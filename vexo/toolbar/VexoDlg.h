#pragma once
// Vexo's main window: the toolbar strip docked at the bottom of the screen,
// run modally for the life of the program. It owns the overlay and turns
// button clicks, keys, wheel turns and the posted toolbar commands into
// CToolbarCommands operations; the decisions live there.
#include <windows.h>

#include <memory>

#include "AppBarDlg.h"
#include "BMPButton.h"
#include "MyDrawWnd_win.h"
#include "MyLinkBMPBtn.h"
#include "OverlayLink.h"
#include "PageExport_win.h"
#include "PlayerDlg_win.h"
#include "QuilletSlideShow_win.h"
#include "ToolbarCommands.h"

class CVexoApp;

// WM_TOOLBAR_COMMAND: wParam a command code, lParam ignored.
inline constexpr UINT WM_TOOLBAR_COMMAND = 0x464;

class CVexoDlg : public CAppBarDlg,
                 public vexo::IOverlayHost,
                 public vexo::IDocumentOwner,
                 protected IToolbarView {
public:
    CVexoDlg(CVexoApp& app, UINT templateId);
    ~CVexoDlg() override;

    // Runs the strip until the user leaves Vexo.
    INT_PTR Run();

    CMyDrawWnd& Overlay() { return overlay_; }
    CToolbarCommands& Commands() { return *commands_; }
    CPlayerDlg& Player() { return player_; }

    // vexo::IDocumentOwner: an annotation document is the current page's
    // strokes; a load repaints the overlay.
    void Serialize(fw::CArchive& ar) override;
    // Loads an annotation document onto the current page; a failure is told
    // in a message box and leaves the page as it was.
    void OpenDocument(const std::string& path);
    // Saves the current page's strokes as an annotation document; a failure
    // is told in a message box and leaves an earlier file as it was.
    bool SaveDocument(const std::string& path);

    // vexo::IOverlayHost
    int SlideShowState() const override;
    int ToolbarStyle() const override { return style_; }
    vexo::ScreenRect ToolbarRect() const override;
    void OnOverlayShown(bool shown) override;
    void OnUserIndicator(uintptr_t wParam, intptr_t lParam) override;
    bool DisplayChanged() const override;
    void RecoverDisplay() override;

    // The timers of the strip.
    static constexpr UINT_PTR TIMER_SLIDESHOW_POLL = 3;
    static constexpr UINT kSlideShowPollMs = 2000;
    static constexpr UINT_PTR TIMER_DISPLAY_RECOVERY = 4;
    static constexpr UINT kDisplayRecoveryMs = 4000;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool PreTranslateMessage(MSG& msg) override;

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnDestroyToolbar(WPARAM, LPARAM);
    LRESULT OnToolbarCommand(WPARAM code, LPARAM);
    LRESULT OnUserIndicatorMessage(WPARAM, LPARAM);
    LRESULT OnMouseWheel(WPARAM, LPARAM);
    LRESULT OnSysCommand(WPARAM, LPARAM);
    LRESULT OnDisplayChange(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnCommandButton(UINT id);
    void OnHelp(UINT id);
    void OnPageMenu(UINT id);
    void OnMyComputer(UINT id);
    void OnOpenDocument(UINT id);
    void OnWidthPopup(UINT id);
    void OnSaveJpg(UINT id);
    void OnMail(UINT id);

    FW_DECLARE_MESSAGE_MAP()

    // IToolbarView
    void SetButtonImages(int id, const char* family, ButtonLook look) override;
    void EnableButton(int id, bool enable) override;
    void SetButtonTip(int id, int stringId) override;
    void ShowWidthPopup(bool show) override;
    bool WidthPopupVisible() const override;
    void SetIndicator(int user, int bitmapId) override;
    void SetOverlayBackground(OverlayBackground background) override;
    void EnableOverlayWindow(bool enable) override;
    void InvalidateOverlay() override;
    bool PickColour(uint32_t& colour) override;
    void Wait(int milliseconds) override;
    bool SecretKeysDown() const override;
    void ShowPictureBox() override;
    bool ConfirmClose() override;
    void EndToolbar() override;
    void StartRecording() override;
    void StopRecording() override;
    void ShowPlayer() override;
    bool AppBarRegistered() const override;
    void LeaveAppBar() override;
    void RestoreAppBar() override;
    void SpanScreenBottom() override;
    void StartDisplayRecoveryTimer() override;
    void KillDisplayRecoveryTimer() override;
    bool TaskbarExists() const override;
    void SetTaskbarTopmost(bool topmost) override;
    void ShowTaskbar(bool show) override;
    void SetTaskbarState(int state) override;

private:
    void CreateStrip();
    void OpenHelpFile();
    void HideTip();
    void SetUpSystemMenu();
    void DetermineTaskbar();
    void LoadButtonImages();
    void CreateTooltips();
    void LayOutButtons();
    void ShowIndicators();
    void OpenCommandLineDocument();
    CBMPButton* Button(int id);
    bool Large() const;

    CVexoApp& app_;
    int style_;
    bool transparent_;
    CQuilletSlideShow slideShow_;
    CMyDrawWnd overlay_;
    // Created hidden at initialisation; records what the overlay reports.
    CPlayerDlg player_;
    std::unique_ptr<CToolbarCommands> commands_;
    CPageExport pageExport_;
    vexo::CExportFlow exportFlow_;
    CBMPButton buttons_[40];
    int buttonIds_[40] = {};
    CMyLinkBMPBtn link_;
    HWND tooltip_ = nullptr;
    HICON icon_ = nullptr;
    HBITMAP indicatorImages_[3] = {};
    // The colour dialog's custom colours, kept while Vexo runs.
    COLORREF customColours_[16] = {};
};
