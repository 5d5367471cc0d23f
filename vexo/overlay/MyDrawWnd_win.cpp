#include "MyDrawWnd_win.h"

#include <windowsx.h>

#include "Gdi.h"
#include "InkOnDc.h"
#include "PressureRange.h"
#include "PrivateProfileIni.h"
#include "SlideShow.h"
#include "Strings.h"
#include "resource.h"

namespace {

BoardNames LoadBoardNames(HINSTANCE instance)
{
    return {fw::LoadStr(IDS_BLACK_SCREEN, instance), fw::LoadStr(IDS_WHITE_SCREEN, instance)};
}

// The class procedure of the cover window: it only ever appears and goes.
WNDPROC UserDefWindowProc()
{
    HMODULE user32 = GetModuleHandleA("USER32.DLL");
    return user32 ? reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(GetProcAddress(user32, "DefWindowProcA")))
                  : nullptr;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CMyDrawWnd, fw::CWindow)
    FW_ON_MESSAGE(WM_CREATE, OnCreate)
    FW_ON_MESSAGE(WM_DESTROY, OnDestroy)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_SHOWWINDOW, OnShowWindow)
    FW_ON_MESSAGE(WM_SIZE, OnSize)
    FW_ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    FW_ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDown)
    FW_ON_MESSAGE(WM_LBUTTONUP, OnLButtonUp)
    FW_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
    FW_ON_MESSAGE(WM_USER_INDICATOR, OnUserIndicator)
    FW_ON_MESSAGE(wintab::WT_PACKET, OnPacket)
    FW_ON_MESSAGE(wintab::WT_PROXIMITY, OnProximity)
FW_END_MESSAGE_MAP()

CMyDrawWnd::CMyDrawWnd(HINSTANCE instance, bool transparent, vexo::IOverlayHost& host,
                       ISlideShow& slideShow)
    : instance_(instance),
      host_(host),
      pages_(fw::Ini(), slideShow, menuTracker_, LoadBoardNames(instance)),
      intake_(*this, noRecording_),
      flow_(transparent, pages_, slideShow, host, *this, noRecording_)
{
}

CMyDrawWnd::~CMyDrawWnd()
{
    Destroy();
    ReleaseBackground();
}

bool CMyDrawWnd::RegisterOverlayClass(HINSTANCE instance)
{
    return RegisterClass(instance, kClassName, 0, nullptr, nullptr,
                         LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEXO)));
}

bool CMyDrawWnd::CreateOverlay(HWND toolbar)
{
    menuTracker_.SetOwner(toolbar);
    const DWORD exStyle = flow_.Transparent() ? WS_EX_TRANSPARENT : WS_EX_TOPMOST;
    return Create(kClassName, "", WS_POPUP, exStyle, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, toolbar,
                  nullptr, instance_) != nullptr;
}

void CMyDrawWnd::SetRecorder(IInkRecorder& recorder)
{
    intake_.SetRecorder(recorder);
    flow_.SetRecorder(recorder);
}

// ---- operations of the toolbar ----

void CMyDrawWnd::SetTool(int tool)
{
    intake_.SetTool(tool);
    if (!IsShown()) Show(true);
}

void CMyDrawWnd::SetPenWidth(int level) { intake_.SetWidthLevel(level); }

void CMyDrawWnd::SetPenColour(uint32_t colour) { intake_.SetColour(colour); }

void CMyDrawWnd::EnableTablet(bool enable) { tablet_.EnableTablet(enable); }

void CMyDrawWnd::ReopenTablet(bool open) { tablet_.ReopenTablet(open); }

void CMyDrawWnd::Show(bool show)
{
    if (m_hWnd) ::ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

bool CMyDrawWnd::IsShown() const { return m_hWnd && IsWindowVisible(m_hWnd); }

// ---- messages ----

LRESULT CMyDrawWnd::OnCreate(WPARAM wParam, LPARAM lParam)
{
    if (DefaultProc(WM_CREATE, wParam, lParam) == -1) return -1;
    tablet_.SetOwner(m_hWnd);
    live_.SetWindow(m_hWnd);
    tablet_.LoadWinTab(true);
    intake_.ResetPenState();
    intake_.SetColour(0);
    intake_.SetTool(kPenBrush);
    tablet_.SetMaxPressure(kDefaultMaxPressure);
    tablet_.ReopenTablet(true);
    CreateCoverWindow();
    flow_.FitOverlay(false);
    tablet_.NormalisePressure();
    intake_.SetMaxPressure(tablet_.MaxPressure());
    return 0;
}

LRESULT CMyDrawWnd::OnDestroy(WPARAM wParam, LPARAM lParam)
{
    DefaultProc(WM_DESTROY, wParam, lParam);
    live_.End();
    tablet_.ReopenTablet(false);
    ReleaseBackground();
    tablet_.LoadWinTab(false);
    if (cover_) {
        DestroyWindow(cover_);
        cover_ = nullptr;
    }
    return 0;
}

void CMyDrawWnd::CreateCoverWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = UserDefWindowProc();
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorA(nullptr, IDC_WAIT);
    wc.lpszClassName = kCoverClassName;
    WNDCLASSA existing;
    const bool registered = GetClassInfoA(instance_, kCoverClassName, &existing) ||
                            (wc.lpfnWndProc && ::RegisterClassA(&wc));
    if (!registered) return;
    cover_ = CreateWindowExA(WS_EX_TOOLWINDOW, kCoverClassName, kCoverClassName, WS_POPUP, 0, 0, 0, 0,
                             nullptr, nullptr, instance_, nullptr);
}

LRESULT CMyDrawWnd::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC paint(m_hWnd);
    if (flow_.Transparent()) {
        DrawAll(paint, pages_.CurrentLines());
        return 0;
    }
    const vexo::ScreenRect& r = flow_.OverlayRect();
    composer_.Paint(paint, captureDc_, pages_.CurrentLines(), r.right - r.left, r.bottom - r.top);
    return 0;
}

LRESULT CMyDrawWnd::OnShowWindow(WPARAM wParam, LPARAM lParam)
{
    DefaultProc(WM_SHOWWINDOW, wParam, lParam);
    flow_.OnShown(wParam != 0);
    return 0;
}

LRESULT CMyDrawWnd::OnSize(WPARAM wParam, LPARAM lParam)
{
    DefaultProc(WM_SIZE, wParam, lParam);
    flow_.FitOverlay(flow_.FitMode() != 0);
    return 0;
}

LRESULT CMyDrawWnd::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (!intake_.ButtonDown()) {
        SetCapture(m_hWnd);
        intake_.SetButtonDown(true);
    }
    return DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CMyDrawWnd::OnLButtonUp(WPARAM wParam, LPARAM lParam)
{
    // The overlay holds the mouse, so a release anywhere arrives here.
    if (intake_.ButtonDown()) {
        ReleaseCapture();
        intake_.SetButtonDown(false);
    }
    return DefaultProc(WM_LBUTTONUP, wParam, lParam);
}

LRESULT CMyDrawWnd::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    const int id = OverlayCursorId(intake_.Tool(), intake_.WidthLevel());
    if (id) {
        HCURSOR cursor = LoadCursorA(instance_, MAKEINTRESOURCEA(id));
        SetCursor(cursor ? cursor : LoadCursorA(nullptr, IDC_CROSS));
    }
    return DefaultProc(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT CMyDrawWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    flow_.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return DefaultProc(WM_MOUSEWHEEL, wParam, lParam);
}

LRESULT CMyDrawWnd::OnUserIndicator(WPARAM wParam, LPARAM lParam)
{
    host_.OnUserIndicator(wParam, lParam);
    return 0;
}

LRESULT CMyDrawWnd::OnPacket(WPARAM wParam, LPARAM lParam)
{
    wintab::PACKET packet;
    if (!tablet_.ReadPacket(wParam, lParam, packet)) return 0;
    TabletPacket in;
    in.time = packet.pkTime;
    in.cursor = packet.pkCursor;
    in.buttons = packet.pkButtons;
    in.x = packet.pkX;
    in.y = packet.pkY;
    in.pressure = packet.pkNormalPressure;
    // The display recovery reopens the context and with it the scale.
    intake_.SetMaxPressure(tablet_.MaxPressure());
    RECT window;
    GetWindowRect(m_hWnd, &window);
    live_.SetOrigin(window.left, window.top);
    intake_.Packet(in);
    return 0;
}

LRESULT CMyDrawWnd::OnProximity(WPARAM, LPARAM) { return 0; }

// ---- the window's own steps ----

bool CMyDrawWnd::Visible() const { return IsShown(); }

void CMyDrawWnd::ShowWindow(bool show) { Show(show); }

void CMyDrawWnd::ReleaseBackground()
{
    if (captureDc_) {
        SelectObject(captureDc_, oldCapture_);
        DeleteDC(captureDc_);
    }
    if (capture_) DeleteObject(capture_);
    captureDc_ = nullptr;
    capture_ = nullptr;
    oldCapture_ = nullptr;
}

void CMyDrawWnd::PrepareBackground()
{
    if (flow_.Transparent()) return;
    const vexo::ScreenRect& r = flow_.OverlayRect();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    fw::ScopedGetDC screen(nullptr);
    if (!captureDc_) {
        captureDc_ = CreateCompatibleDC(screen);
        if (!captureDc_) return;
    }
    if (capture_) {
        SelectObject(captureDc_, oldCapture_);
        DeleteObject(capture_);
        capture_ = nullptr;
    }
    capture_ = CreateCompatibleBitmap(screen, width, height);
    if (!capture_) return;
    oldCapture_ = SelectObject(captureDc_, capture_);
    switch (BackgroundFor(pages_.CurrentCode())) {
    case BackgroundFill::kScreen:
        BitBlt(captureDc_, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        break;
    case BackgroundFill::kBlack:
        PatBlt(captureDc_, 0, 0, width, height, BLACKNESS);
        InvalidateErased();
        break;
    case BackgroundFill::kWhite:
        PatBlt(captureDc_, 0, 0, width, height, WHITENESS);
        InvalidateErased();
        break;
    }
}

void CMyDrawWnd::InvalidateErased()
{
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CMyDrawWnd::InvalidateOverlay()
{
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMyDrawWnd::FlashCover()
{
    if (!cover_) return;
    const vexo::ScreenRect& r = flow_.OverlayRect();
    SetWindowPos(cover_, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::ShowWindow(cover_, SW_HIDE);
}

void CMyDrawWnd::Wait(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

void CMyDrawWnd::DrawPageNow()
{
    if (!m_hWnd) return;
    fw::ScopedGetDC dc(m_hWnd);
    DrawAll(dc, pages_.CurrentLines());
}

vexo::ScreenRect CMyDrawWnd::WorkArea() const
{
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

void CMyDrawWnd::MoveTo(const vexo::ScreenRect& r)
{
    if (m_hWnd) MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void CMyDrawWnd::EnableToolbarWindow(bool enable)
{
    if (HWND toolbar = m_hWnd ? GetWindow(m_hWnd, GW_OWNER) : nullptr) EnableWindow(toolbar, enable);
}

void CMyDrawWnd::EnableOverlayWindow(bool enable)
{
    if (m_hWnd) EnableWindow(m_hWnd, enable);
}

void CMyDrawWnd::Activate()
{
    if (m_hWnd) SetActiveWindow(m_hWnd);
}

bool CMyDrawWnd::Ask(UINT textId, UINT captionId)
{
    const std::string caption = fw::LoadStr(captionId, instance_);
    return fw::MsgBox(m_hWnd, textId, caption.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CMyDrawWnd::ConfirmEraseAll() { return Ask(IDS_ERASE_ALL_CONFIRM, IDS_ERASE_ALL); }

bool CMyDrawWnd::ConfirmEndShow() { return Ask(IDS_ARE_YOU_SURE, IDS_END_SLIDE_SHOW); }
