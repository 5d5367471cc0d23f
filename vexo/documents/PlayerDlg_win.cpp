#include "PlayerDlg_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

#include "DocumentMessages_win.h"
#include "FileDialog.h"
#include "InkOnDc.h"
#include "MyDrawWnd_win.h"
#include "PlaybackClock.h"
#include "RecDoc.h"
#include "Strings.h"
#include "Win32FileSystem.h"
#include "resource.h"

namespace {

constexpr int kCompactStyle = 1;

// The six image buttons: id, the compact style's family (with its disabled
// image or without), the tooltip.
struct PlayerButton {
    int id;
    const char* compactFamily;
    bool compactDisabledImage;
    UINT tipId;
};
constexpr PlayerButton kPlayerButtons[6] = {
    {IDC_PLAYER_PLAY, "UI1_PLAYER_PLAY", true, IDS_PLAY},
    {IDC_PLAYER_PAUSE, "UI1_PLAYER_PAUSE", true, IDS_PAUSE},
    {IDC_PLAYER_STOP, "UI1_PLAYER_STOP", true, IDS_STOP},
    {IDC_PLAYER_CLOSE, "EXIT_UI1", false, IDS_CLOSE},
    {IDC_PLAYER_OPEN, "UI1_PLAYER_OPEN", true, IDS_OPEN_FILE},
    {IDC_PLAYER_SAVE, "UI1_PLAYER_SAVE", true, IDS_SAVE_FILE},
};

constexpr char kFilter[] = "Lmz (*.Lmz)\0*.Lmz\0\0";
constexpr char kExtension[] = "Lmz";
constexpr char kRecordSection[] = "Record";
constexpr char kDefaultNameKey[] = "DefaultFileName";
constexpr DWORD kDefaultNameLength = 16;

constexpr char kTimeFont[] = "Times New Roman";
constexpr int kTimeFontHeight = 16;

// The window's title: it has no caption to show it, but other programs and
// the scenarios find the player by it.
constexpr char kPlayerTitle[] = "Lumora Player";

vexo::PlayerBox BoxOf(HWND control, HWND parent)
{
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Place(HWND control, const vexo::PlayerBox& box)
{
    if (control) SetWindowPos(control, nullptr, box.x, box.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The painter's surface: a device context of the player window used only on
// the painter thread. It never reaches below the top of the bottom bar,
// which the user-interface thread paints: the device context's clipping
// leaves the bar out, and pictures, which cover the whole page, are cut at
// the bar before they are copied.
class CPainterSurface : public vexo::CDcPlaybackSurface {
public:
    CPainterSurface(HWND window, HDC dc, const RECT& limit)
        : CDcPlaybackSurface(dc), window_(window), dc_(dc), limit_{limit.left, limit.top, limit.right, limit.bottom}
    {
    }
    ~CPainterSurface() override
    {
        Flush();
        ReleaseDC(window_, dc_);
    }
    void PutPicture(const vexo::IPicture& picture, const InkRect& rect, const InkRect& area) override
    {
        const InkRect part = {area.left > limit_.left ? area.left : limit_.left,
                              area.top > limit_.top ? area.top : limit_.top,
                              area.right < limit_.right ? area.right : limit_.right,
                              area.bottom < limit_.bottom ? area.bottom : limit_.bottom};
        if (part.left < part.right && part.top < part.bottom) CDcPlaybackSurface::PutPicture(picture, rect, part);
    }

private:
    HWND window_;
    HDC dc_;
    InkRect limit_;
};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CPlayerDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    FW_ON_MESSAGE(WM_HSCROLL, OnHScroll)
    FW_ON_MESSAGE(WM_CTLCOLORSTATIC, OnControlColour)
    FW_ON_MESSAGE(WM_CLOSE, OnClose)
    FW_ON_MESSAGE(WM_DESTROY, OnDestroyPlayer)
    FW_ON_MESSAGE(WM_PLAYER_STATE, OnPlayerState)
    FW_ON_MESSAGE(WM_PLAYER_TIME, OnPlayerTime)
    FW_ON_MESSAGE(WM_PLAYER_STARTUP, OnPlayerStartup)
    FW_ON_COMMAND(IDC_PLAYER_PLAY, OnPlay)
    FW_ON_COMMAND(IDC_PLAYER_PAUSE, OnPause)
    FW_ON_COMMAND(IDC_PLAYER_STOP, OnStop)
    FW_ON_COMMAND(IDC_PLAYER_CLOSE, OnCloseButton)
    FW_ON_COMMAND(IDC_PLAYER_OPEN, OnOpen)
    FW_ON_COMMAND(IDC_PLAYER_SAVE, OnSave)
FW_END_MESSAGE_MAP()

CPlayerDlg::CPlayerDlg(const PlayerSetup& setup, CMyDrawWnd* overlay)
    : fw::CDialog(IDD_PLAYER),
      setup_(setup),
      overlay_(overlay),
      recorder_(*this),
      engine_(recorder_.Recording(), *this),
      presence_(*this)
{
}

CPlayerDlg::~CPlayerDlg()
{
    engine_.EndPlaybackThreads();
    if (m_hWnd) DestroyWindow(m_hWnd);
}

bool CPlayerDlg::Create(HWND toolbar)
{
    toolbar_ = toolbar;
    uiThread_ = GetCurrentThreadId();
    return CreateModeless(toolbar, setup_.instance) != nullptr;
}

// ---- initialisation ----

BOOL CPlayerDlg::OnInitDialog()
{
    SetWindowTextA(m_hWnd, kPlayerTitle);
    SetPlaying(false);
    SetPlaybackPaused(false);
    recorder_.StopRecording();
    recorder_.ClearRecording();
    LoadButtons();
    SetFocus(Item(IDC_HID));
    CreateTooltips();
    slider_.Attach(Item(IDC_PLAYER_SLIDER));
    timeFont_.Reset(CreateFontA(kTimeFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kTimeFont));
    const bool compact = setup_.style == kCompactStyle;
    bar_.Reset(static_cast<HBITMAP>(LoadImageA(setup_.instance,
                                               MAKEINTRESOURCEA(compact ? IDB_PLAYER_BAR_COMPACT : IDB_PLAYER_BAR),
                                               IMAGE_BITMAP, 0, 0, 0)));
    // Without the compact bar the classic one serves.
    if (!bar_) {
        bar_.Reset(static_cast<HBITMAP>(
            LoadImageA(setup_.instance, MAKEINTRESOURCEA(IDB_PLAYER_BAR), IMAGE_BITMAP, 0, 0, 0)));
    }
    BITMAP info = {};
    if (bar_ && GetObjectA(bar_, sizeof info, &info)) {
        barWidth_ = info.bmWidth;
        barHeight_ = info.bmHeight;
    }
    LayOut();
    ApplyButtonStates(false);
    if (!setup_.startupRecording.empty()) PostMessageA(m_hWnd, WM_PLAYER_STARTUP, 0, 0);
    return FALSE;
}

void CPlayerDlg::LoadButtons()
{
    const bool compact = setup_.style == kCompactStyle;
    for (int i = 0; i < 6; ++i) {
        const PlayerButton& spec = kPlayerButtons[i];
        CBMPButton& button = buttons_[i];
        button.SetResourceModule(setup_.instance);
        button.AutoLoad(spec.id, m_hWnd);
        // The compact style's own images, where this build carries them;
        // otherwise the strip's stay.
        if (compact && button.LoadFamily(spec.compactFamily, spec.compactDisabledImage)) {
            button.SizeToContent();
        } else if (compact) {
            button.AutoLoad(spec.id, m_hWnd);
        }
    }
}

void CPlayerDlg::CreateTooltips()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, setup_.instance,
                               nullptr);
    if (!tooltip_) return;
    for (const PlayerButton& spec : kPlayerButtons) {
        std::string text = fw::LoadStr(spec.tipId, setup_.instance);
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        // The tooltip watches the button's mouse messages itself: the player
        // runs in the toolbar's message loop, which does not relay them.
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(Item(spec.id));
        tool.lpszText = &text[0];
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

void CPlayerDlg::LayOut()
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    MoveWindow(m_hWnd, 0, 0, width, height, FALSE);
    vexo::PlayerLayout sizes;
    sizes.close = BoxOf(Item(IDC_PLAYER_CLOSE), m_hWnd);
    sizes.slider = BoxOf(Item(IDC_PLAYER_SLIDER), m_hWnd);
    sizes.time = BoxOf(Item(IDC_PLAYER_TIME), m_hWnd);
    sizes.open = BoxOf(Item(IDC_PLAYER_OPEN), m_hWnd);
    sizes.save = BoxOf(Item(IDC_PLAYER_SAVE), m_hWnd);
    sizes.play = BoxOf(Item(IDC_PLAYER_PLAY), m_hWnd);
    sizes.pause = BoxOf(Item(IDC_PLAYER_PAUSE), m_hWnd);
    sizes.stop = BoxOf(Item(IDC_PLAYER_STOP), m_hWnd);
    const vexo::PlayerLayout at = vexo::LayOutPlayer(setup_.style, width, height, barHeight_, sizes);
    Place(Item(IDC_PLAYER_CLOSE), at.close);
    Place(Item(IDC_PLAYER_SLIDER), at.slider);
    Place(Item(IDC_PLAYER_TIME), at.time);
    Place(Item(IDC_PLAYER_OPEN), at.open);
    Place(Item(IDC_PLAYER_SAVE), at.save);
    Place(Item(IDC_PLAYER_PLAY), at.play);
    Place(Item(IDC_PLAYER_PAUSE), at.pause);
    Place(Item(IDC_PLAYER_STOP), at.stop);
    timeRect_ = {at.time.x, at.time.y, at.time.x + at.time.width, at.time.y + at.time.height};
    slider_.ForgetBackground();
}

// ---- the toolbar's commands and the overlay's reports ----

void CPlayerDlg::StartRecording()
{
    if (recorder_.IsRecording()) return;
    // A new recording deletes the layers: no painter may still be reading them.
    engine_.EndPlaybackThreads();
    recorder_.StartRecording();
}

void CPlayerDlg::StopRecording()
{
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    recorder_.StopRecording();
    SetCursor(old);
}

void CPlayerDlg::ShowPlayer() { presence_.Show(); }

void CPlayerDlg::BeginRecordedLine(ColourRef colour, uint16_t penKind) { recorder_.BeginRecordedLine(colour, penKind); }

void CPlayerDlg::AddRecordedPoint(int x, int y, int width, uint32_t time)
{
    recorder_.AddRecordedPoint(x, y, width, time);
}

void CPlayerDlg::RecordEraserStroke() { recorder_.RecordEraserStroke(); }

void CPlayerDlg::BeginPageLayer() { recorder_.BeginPageLayer(); }

void CPlayerDlg::RecordEraseAll() { recorder_.RecordEraseAll(); }

// ---- files ----

void CPlayerDlg::Serialize(fw::CArchive& ar)
{
    RecordingFiles files{fw::Files(), pictures_, setup_.tempPicturePath};
    recorder_.Serialize(ar, files);
    if (ar.IsLoading()) SetSliderRange();
}

void CPlayerDlg::OpenRecording(const std::string& path)
{
    if (IsPlaying()) return;
    const vexo::DocResult result = vexo::CRecDoc(fw::Files()).Open(path, *this);
    vexo::ReportDocumentFailure(m_hWnd, result, vexo::DocKind::kRecording, path);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CPlayerDlg::SaveRecording(const std::string& path)
{
    if (IsPlaying()) return false;
    const vexo::DocResult result = vexo::CRecDoc(fw::Files()).Save(path, *this);
    vexo::ReportDocumentFailure(m_hWnd, result, vexo::DocKind::kRecording, path);
    return result == vexo::DocResult::kOk;
}

std::string CPlayerDlg::ProposedName() const
{
    if (setup_.style != kCompactStyle) return std::string();
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    const std::string prefix = vexo::RecordingNamePrefix(today.wMonth, today.wDay, today.wYear);
    char stored[kDefaultNameLength] = "";
    const std::string fallback = prefix + "0";
    GetPrivateProfileStringA(kRecordSection, kDefaultNameKey, fallback.c_str(), stored, sizeof stored,
                             setup_.settingsPath.c_str());
    return vexo::ProposeRecordingName(prefix, stored);
}

void CPlayerDlg::OnOpen(UINT)
{
    std::string path;
    if (fw::AskOpenFileName(m_hWnd, kFilter, kExtension, path)) OpenRecording(path);
}

void CPlayerDlg::OnSave(UINT)
{
    const std::string proposal = ProposedName();
    std::string path = proposal;
    if (!fw::AskSaveFileName(m_hWnd, kFilter, kExtension, path)) return;
    if (!SaveRecording(path)) return;
    if (!proposal.empty() && vexo::FileTitleOf(path) == proposal) {
        WritePrivateProfileStringA(kRecordSection, kDefaultNameKey, proposal.c_str(), setup_.settingsPath.c_str());
    }
}

// ---- playback ----

void CPlayerDlg::OnPlay(UINT) { engine_.StartPlayback(); }

void CPlayerDlg::OnPause(UINT) { engine_.PausePlayback(); }

void CPlayerDlg::OnStop(UINT) { StopPlayback(); }

void CPlayerDlg::StopPlayback()
{
    engine_.StopPlayback();
    // The flag wakes every wait, so both workers end at once; nothing draws
    // on the window once the player is stopped or hidden.
    engine_.EndPlaybackThreads();
}

void CPlayerDlg::OnCloseButton(UINT) { ClosePlayer(); }

void CPlayerDlg::ClosePlayer()
{
    if (!toolbar_) {
        StopPlayback();
        PostQuitMessage(0);
        return;
    }
    presence_.Close();
}

void CPlayerDlg::OnCancel()
{
    engine_.EndPlaybackThreads();
    if (IsWindowVisible(m_hWnd)) ClosePlayer();
}

LRESULT CPlayerDlg::OnClose(WPARAM, LPARAM)
{
    OnCancel();
    return 0;
}

LRESULT CPlayerDlg::OnDestroyPlayer(WPARAM, LPARAM)
{
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    engine_.EndPlaybackThreads();
    recorder_.StopRecording();
    recorder_.ClearRecording();
    return 0;
}

LRESULT CPlayerDlg::OnPlayerStartup(WPARAM, LPARAM)
{
    ShowPlayer();
    const vexo::DocResult result = vexo::CRecDoc(fw::Files()).Open(setup_.startupRecording, *this);
    vexo::ReportDocumentFailure(m_hWnd, result, vexo::DocKind::kRecording, setup_.startupRecording);
    if (result == vexo::DocResult::kOk) engine_.StartPlayback();
    return 0;
}

// ---- painting ----

RECT CPlayerDlg::BarRect() const
{
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    return {0, client.bottom - barHeight_, barWidth_, client.bottom};
}

RECT CPlayerDlg::TimeRect() const { return timeRect_; }

void CPlayerDlg::PaintBehind(HDC dc, const RECT& area)
{
    // White everywhere, the bottom bar along the bottom edge.
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!bar_) return;
    const RECT bar = BarRect();
    fw::ScopedMemDC memory(dc);
    fw::ScopedSelect select(memory, bar_.Get());
    BitBlt(dc, bar.left, bar.top, barWidth_, barHeight_, memory, 0, 0, SRCCOPY);
}

LRESULT CPlayerDlg::OnEraseBackground(WPARAM, LPARAM) { return TRUE; }

LRESULT CPlayerDlg::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC dc(m_hWnd);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    if (!IsPlaying()) {
        PaintBehind(dc, client);
    } else if (bar_) {
        // While playing, everything above the bar is the painter's.
        const RECT bar = BarRect();
        fw::ScopedMemDC memory(dc);
        fw::ScopedSelect select(memory, bar_.Get());
        BitBlt(dc, bar.left, bar.top, barWidth_, barHeight_, memory, 0, 0, SRCCOPY);
    }
    DrawTime(dc, PlaybackClock());
    return 0;
}

void CPlayerDlg::DrawTime(HDC dc, uint32_t ms)
{
    const RECT r = TimeRect();
    // The bar under the time takes the earlier text away.
    if (bar_) {
        const RECT bar = BarRect();
        fw::ScopedMemDC memory(dc);
        fw::ScopedSelect select(memory, bar_.Get());
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left - bar.left, r.top - bar.top,
               SRCCOPY);
    }
    const std::string text = vexo::FormatPlaybackTime(ms);
    fw::ScopedSelect font(dc, timeFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, r.left, r.top, text.c_str(), static_cast<int>(text.size()));
}

void CPlayerDlg::ShowTimeNow(uint32_t ms)
{
    {
        fw::ScopedGetDC dc(m_hWnd);
        DrawTime(dc, ms);
    }
    slider_.SetPosition(ms);
}

LRESULT CPlayerDlg::OnControlColour(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) == slider_.m_hWnd) {
        if (HBRUSH brush = slider_.BackgroundBrush(reinterpret_cast<HDC>(wParam), m_hWnd, *this))
            return reinterpret_cast<LRESULT>(brush);
    }
    return DefWindowProcA(m_hWnd, WM_CTLCOLORSTATIC, wParam, lParam);
}

LRESULT CPlayerDlg::OnHScroll(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != slider_.m_hWnd || IsPlaying()) return 0;
    const uint32_t at = slider_.Position();
    SetPlaybackClock(at);
    fw::ScopedGetDC dc(m_hWnd);
    DrawTime(dc, at);
    return 0;
}

// ---- vexo::IPlaybackView ----

bool CPlayerDlg::OnOwnThread() const { return GetCurrentThreadId() == uiThread_; }

std::unique_ptr<vexo::IPlaybackSurface> CPlayerDlg::OpenSurface()
{
    HDC dc = GetDC(m_hWnd);
    if (!dc) return nullptr;
    // The bar and the time belong to the user-interface thread.
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const RECT bar = BarRect();
    if (barHeight_ > 0) {
        ExcludeClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
        client.bottom = bar.top;
    }
    return std::make_unique<CPainterSurface>(m_hWnd, dc, client);
}

void CPlayerDlg::ShowTime(uint32_t ms)
{
    // From the clock thread, which must never wait for this thread: the
    // window shows the newest time when it gets to it.
    clockShown_.store(ms);
    if (OnOwnThread()) {
        ShowTimeNow(ms);
    } else {
        PostMessageA(m_hWnd, WM_PLAYER_TIME, 0, 0);
    }
}

LRESULT CPlayerDlg::OnPlayerTime(WPARAM, LPARAM)
{
    ShowTimeNow(clockShown_.load());
    return 0;
}

void CPlayerDlg::PlayingChanged(bool playing)
{
    if (OnOwnThread()) {
        ApplyButtonStates(playing);
    } else {
        PostMessageA(m_hWnd, WM_PLAYER_STATE, playing ? 1 : 0, 0);
    }
}

LRESULT CPlayerDlg::OnPlayerState(WPARAM playing, LPARAM)
{
    // The flag, not the posted state: a state posted by the painter may
    // arrive after a newer playback started.
    (void)playing;
    ApplyButtonStates(IsPlaying());
    if (!IsPlaying()) engine_.EndPlaybackThreads();
    RepaintBottomBar();
    return 0;
}

void CPlayerDlg::RepaintBottomBar()
{
    // Off this thread the posted state that comes with it repaints the bar.
    if (!OnOwnThread()) return;
    const RECT bar = BarRect();
    InvalidateRect(m_hWnd, &bar, FALSE);
}

void CPlayerDlg::ApplyButtonStates(bool playing)
{
    const vexo::PlayerButtonStates states = vexo::PlayerButtonsFor(playing);
    EnableWindow(Item(IDC_PLAYER_PLAY), states.play);
    EnableWindow(Item(IDC_PLAYER_PAUSE), states.pause);
    EnableWindow(Item(IDC_PLAYER_STOP), states.stop);
    EnableWindow(Item(IDC_PLAYER_OPEN), states.open);
    EnableWindow(Item(IDC_PLAYER_SAVE), states.save);
    EnableWindow(Item(IDC_PLAYER_CLOSE), states.close);
}

// ---- vexo::IPlayerSurroundings ----

bool CPlayerDlg::OverlayVisible() const { return overlay_ && overlay_->IsShown(); }

void CPlayerDlg::ShowOverlay(bool show)
{
    if (overlay_) overlay_->Show(show);
}

void CPlayerDlg::EnableToolbar(bool enable)
{
    if (toolbar_) EnableWindow(toolbar_, enable ? TRUE : FALSE);
}

void CPlayerDlg::ShowPlayerWindow(bool show)
{
    if (show) {
        SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(m_hWnd);
        InvalidateRect(m_hWnd, nullptr, TRUE);
    } else {
        ShowWindow(m_hWnd, SW_HIDE);
    }
}

void CPlayerDlg::Wait(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

void CPlayerDlg::SetSliderRange()
{
    uint32_t end = 0;
    if (recorder_.Recording().SliderEnd(end)) slider_.SetRange(end);
}

// ---- vexo::IRecorderHost ----

int CPlayerDlg::CurrentPageCode() const { return overlay_ ? overlay_->CurrentPageCode() : 0; }

InkRect CPlayerDlg::OverlayClientRect() const
{
    RECT r = {};
    if (overlay_ && overlay_->m_hWnd) GetClientRect(overlay_->m_hWnd, &r);
    if (r.right <= r.left || r.bottom <= r.top) r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {r.left, r.top, r.right, r.bottom};
}

bool CPlayerDlg::TransparentDisplay() const { return overlay_ && overlay_->Transparent(); }

std::unique_ptr<vexo::IPicture> CPlayerDlg::CopyScreen(int width, int height)
{
    return vexo::CDibPicture::FromScreen(width, height);
}

std::unique_ptr<vexo::IPicture> CPlayerDlg::FilledPicture(int width, int height, ColourRef colour)
{
    return vexo::CDibPicture::Filled(width, height, colour);
}

void CPlayerDlg::DrawPageInk(vexo::IPicture& picture)
{
    if (!overlay_) return;
    DrawAll(static_cast<vexo::CDibPicture&>(picture).Dc(), overlay_->Pages().CurrentLines());
}

void CPlayerDlg::IndexAlreadySet(bool action) { vexo::ReportIndexAlreadySet(m_hWnd, action); }
