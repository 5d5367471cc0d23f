#pragma once
// CPlayerDlg: the full-screen window a recording plays on, with its buttons,
// slider and time display, and the owner of the recorder and its layers. The
// toolbar creates it hidden and shows it with the play-back command; the
// overlay reports every page switch, stroke and erase to it while a
// recording runs.
//
// Sharing the window between threads: the painter draws the recording on a
// device context of its own whose clipping leaves out the bottom bar and the
// controls (the window clips its children, and the painter excludes the bar);
// the user-interface thread paints only the bottom bar, the time and the
// controls. The clock thread never draws: it posts the time to the window.
// Only the painter touches the recording's strokes (and their renderer's
// per-stroke state) while playing: recording and loading are stopped, and a
// new recording ends the playback threads first.
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "BMPButton.h"
#include "DocumentFile.h"
#include "Gdi.h"
#include "MySliderControl_win.h"
#include "OverlayFlow.h"
#include "PlaybackEngine.h"
#include "PlayerRules.h"
#include "Recorder.h"
#include "TolvanePictures_win.h"
#include "Window.h"

class CMyDrawWnd;

// What the player needs from the program around it.
struct PlayerSetup {
    HINSTANCE instance = nullptr;
    int style = 0;                     // [UI] Style
    std::string settingsPath;          // Vexo.ini, for the compact style's names
    std::string tempPicturePath;       // the common application data folder + "\temp.JPG"
    std::string startupRecording;      // a recording named on the command line, or empty
};

class CPlayerDlg : public fw::CDialog,
                   public IInkRecorder,
                   public vexo::IDocumentOwner,
                   private vexo::IRecorderHost,
                   private vexo::IPlaybackView,
                   private vexo::IPlayerSurroundings,
                   private CMySliderControl::IBackdrop {
public:
    // overlay: the page source of the recorder; may be null (no recorder pages).
    CPlayerDlg(const PlayerSetup& setup, CMyDrawWnd* overlay);
    ~CPlayerDlg() override;

    // Creates the window hidden, owned by the toolbar.
    bool Create(HWND toolbar);

    // The toolbar's record and play-back commands.
    void StartRecording();
    void StopRecording();
    void ShowPlayer();
    bool Recording() const { return recorder_.IsRecording(); }

    // IInkRecorder: the overlay's reports.
    void BeginRecordedLine(ColourRef colour, uint16_t penKind) override;
    void AddRecordedPoint(int x, int y, int width, uint32_t time) override;
    void RecordEraserStroke() override;
    void BeginPageLayer() override;
    void RecordEraseAll() override;

    // IDocumentOwner: the recording file's content.
    void Serialize(fw::CArchive& ar) override;

    // The player's operations, by the buttons.
    void OpenRecording(const std::string& path);
    bool SaveRecording(const std::string& path);
    void StartPlayback() { engine_.StartPlayback(); }
    void StopPlayback() override;
    void ClosePlayer();

    vexo::CRecorder& Recorder() { return recorder_; }
    bool OverlayWasVisible() const { return presence_.OverlayWasVisible(); }

    // Private messages: the buttons' state after a change of the playing
    // flag (wParam 1 playing), the time the clock thread reached, the
    // recording of the command line.
    static constexpr UINT WM_PLAYER_STATE = WM_APP + 0x60;
    static constexpr UINT WM_PLAYER_TIME = WM_APP + 0x61;
    static constexpr UINT WM_PLAYER_STARTUP = WM_APP + 0x62;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    // Esc and the system's close: the playback ends and the player goes the
    // way the close button takes it.
    void OnCancel() override;

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM);
    LRESULT OnHScroll(WPARAM, LPARAM);
    LRESULT OnControlColour(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnDestroyPlayer(WPARAM, LPARAM);
    LRESULT OnPlayerState(WPARAM, LPARAM);
    LRESULT OnPlayerTime(WPARAM, LPARAM);
    LRESULT OnPlayerStartup(WPARAM, LPARAM);
    void OnPlay(UINT);
    void OnPause(UINT);
    void OnStop(UINT);
    void OnCloseButton(UINT);
    void OnOpen(UINT);
    void OnSave(UINT);

    FW_DECLARE_MESSAGE_MAP()

private:
    // vexo::IRecorderHost
    int CurrentPageCode() const override;
    InkRect OverlayClientRect() const override;
    bool TransparentDisplay() const override;
    std::unique_ptr<vexo::IPicture> CopyScreen(int width, int height) override;
    std::unique_ptr<vexo::IPicture> FilledPicture(int width, int height, ColourRef colour) override;
    void DrawPageInk(vexo::IPicture& picture) override;
    void IndexAlreadySet(bool action) override;

    // vexo::IPlaybackView
    std::unique_ptr<vexo::IPlaybackSurface> OpenSurface() override;
    void ShowTime(uint32_t ms) override;
    void PlayingChanged(bool playing) override;
    void RepaintBottomBar() override;

    // vexo::IPlayerSurroundings
    bool OverlayVisible() const override;
    void ShowOverlay(bool show) override;
    void EnableToolbar(bool enable) override;
    void ShowPlayerWindow(bool show) override;
    void Wait(int milliseconds) override;
    void SetSliderRange() override;

    // CMySliderControl::IBackdrop
    void PaintBehind(HDC dc, const RECT& clientArea) override;

    void LoadButtons();
    void CreateTooltips();
    void LayOut();
    void ApplyButtonStates(bool playing);
    void DrawTime(HDC dc, uint32_t ms);
    void ShowTimeNow(uint32_t ms);
    RECT BarRect() const;
    RECT TimeRect() const;
    bool OnOwnThread() const;
    std::string ProposedName() const;

    PlayerSetup setup_;
    CMyDrawWnd* overlay_;
    HWND toolbar_ = nullptr;
    DWORD uiThread_ = 0;
    vexo::CTolvanePictures pictures_;
    vexo::CRecorder recorder_;
    vexo::CPlaybackEngine engine_;
    vexo::CPlayerPresence presence_;
    CBMPButton buttons_[6];
    CMySliderControl slider_;
    HWND tooltip_ = nullptr;
    fw::ScopedBitmap bar_;
    int barWidth_ = 0;
    int barHeight_ = 0;
    RECT timeRect_ = {};
    fw::ScopedFont timeFont_;
    std::atomic<uint32_t> clockShown_{0};
};
