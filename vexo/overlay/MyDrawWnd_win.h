#pragma once
// CMyDrawWnd: the full-screen window the pen draws on, over the live screen
// or a black or white board, one page of ink at a time. It owns the tablet
// context and the pages; the toolbar drives it through vexo::IOverlay.
#include <windows.h>

#include <string>

#include "OverlayFlow.h"
#include "OverlayLink.h"
#include "OverlaySurface_win.h"
#include "PacketIntake.h"
#include "PageMenus_win.h"
#include "PowerLines.h"
#include "Window.h"
#include "WintabBinding.h"

class ISlideShow;

// WM_USER_INDICATOR: from the tablet driver's side, passed on to the toolbar.
inline constexpr UINT WM_USER_INDICATOR = 0x590;

class CMyDrawWnd : public fw::CWindow,
                   public vexo::IOverlay,
                   private IOverlayWindow,
                   private IPenIntakeHost {
public:
    static constexpr const char kClassName[] = "MyWnd";
    static constexpr const char kCoverClassName[] = "OrvikWordPen";

    CMyDrawWnd(HINSTANCE instance, bool transparent, vexo::IOverlayHost& host, ISlideShow& slideShow);
    ~CMyDrawWnd() override;

    // "MyWnd", registered by the toolbar before it creates the overlay.
    static bool RegisterOverlayClass(HINSTANCE instance);
    // The hidden pop-up owned by the toolbar window.
    bool CreateOverlay(HWND toolbar);

    void SetRecorder(IInkRecorder& recorder);

    // vexo::IOverlay
    void SetTool(int tool) override;
    void SetPenWidth(int level) override;
    void SetPenColour(uint32_t colour) override;
    bool ShowPage(int code, bool force) override { return flow_.ShowPage(code, force); }
    void FitOverlay(bool active) override { flow_.FitOverlay(active); }
    void SyncPages() override { flow_.SyncPages(); }
    void ShowPageMenu(int x, int y) override { flow_.ShowPageMenu(x, y); }
    void ClearPages() override { flow_.ClearPages(); }
    void EraseAll() override { flow_.EraseAll(); }
    bool ConfirmEndSlideShow() override { return flow_.ConfirmEndSlideShow(); }
    void EnableTablet(bool enable) override;
    void ReopenTablet(bool open) override;
    void Show(bool show) override;
    bool IsShown() const override;
    int CurrentPageCode() const override { return pages_.CurrentCode(); }
    void SetSlideShowFlag(int running) override { flow_.SetSlideShowFlag(running); }
    void SetSlideModeFlag(int slideScreen) override { flow_.SetSlideModeFlag(slideScreen); }

    CPowerLines& Pages() { return pages_; }
    CPenIntake& Intake() { return intake_; }
    vexo::CWintabBinding& Tablet() { return tablet_; }
    bool Transparent() const { return flow_.Transparent(); }

protected:
    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnShowWindow(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseWheel(WPARAM, LPARAM);
    LRESULT OnUserIndicator(WPARAM, LPARAM);
    LRESULT OnPacket(WPARAM, LPARAM);
    LRESULT OnProximity(WPARAM, LPARAM);

    FW_DECLARE_MESSAGE_MAP()

private:
    // IOverlayWindow
    bool Visible() const override;
    void ShowWindow(bool show) override;
    void PrepareBackground() override;
    void InvalidateErased() override;
    void FlashCover() override;
    void Wait(int milliseconds) override;
    void DrawPageNow() override;
    vexo::ScreenRect WorkArea() const override;
    void MoveTo(const vexo::ScreenRect& rect) override;
    void EnableToolbarWindow(bool enable) override;
    void EnableOverlayWindow(bool enable) override;
    void Activate() override;
    bool ConfirmEraseAll() override;
    bool ConfirmEndShow() override;

    // IPenIntakeHost
    CLines& CurrentPage() override { return pages_.CurrentLines(); }
    IInkCanvas* BeginLive(const InkRect& area) override { return live_.Begin(area); }
    void EndLive() override { live_.End(); }
    void InvalidateOverlay() override;
    bool DisplayChanged() const override { return host_.DisplayChanged(); }
    void RecoverDisplay() override { host_.RecoverDisplay(); }

    void CreateCoverWindow();
    // Deletes the capture bitmap and its memory DC.
    void ReleaseBackground();
    bool Ask(UINT textId, UINT captionId);

    HINSTANCE instance_;
    vexo::IOverlayHost& host_;
    IInkRecorder noRecording_;
    CPopupPageMenuTracker menuTracker_;
    CPowerLines pages_;
    CPenIntake intake_;
    COverlayFlow flow_;
    vexo::CWintabBinding tablet_;
    COverlayLiveInk live_;
    COverlayComposer composer_;

    HDC captureDc_ = nullptr;
    HBITMAP capture_ = nullptr;
    HGDIOBJ oldCapture_ = nullptr;
    int captureWidth_ = 0;
    int captureHeight_ = 0;
    HWND cover_ = nullptr;
};
