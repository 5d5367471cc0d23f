#include "SlideShowWnd_win.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "Gdi.h"

namespace {

static_assert(static_cast<int>(ShowScreen::Black) == slideshow::kScreenBlack &&
                  static_cast<int>(ShowScreen::White) == slideshow::kScreenWhite &&
                  static_cast<int>(ShowScreen::End) == slideshow::kScreenEnd,
              "screen codes are shared with the library");

constexpr int kPenWidth = 3;
constexpr int kEraserReach = 8;  // pixels around the pointer
const char kEndText[] = "End of slide show, click to exit.";

// Soft backgrounds so that neighbouring slides are told apart at a glance.
constexpr COLORREF kSlideColours[] = {RGB(225, 236, 250), RGB(250, 238, 220), RGB(226, 245, 228),
                                      RGB(245, 228, 245), RGB(240, 240, 224)};

fw::ScopedFont MakeFont(int height, int weight)
{
    return fw::ScopedFont(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_SWISS, "Arial"));
}

void DrawCentredText(HDC dc, const RECT& rc, const char* text, int height, COLORREF colour)
{
    fw::ScopedFont font = MakeFont(height, FW_BOLD);
    fw::ScopedSelect selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = rc;
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CSlideShowWnd, fw::CWindow)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    FW_ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    FW_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
    FW_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
    FW_ON_MESSAGE(WM_RBUTTONUP, OnRightButtonUp)
    FW_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
    FW_ON_MESSAGE(WM_CLOSE, OnClose)
    FW_ON_MESSAGE(WM_DESTROY, OnDestroy)
    FW_ON_MESSAGE(slideshow::kMsgQuery, OnQuery)
    FW_ON_MESSAGE(slideshow::kMsgCommand, OnCommand)
FW_END_MESSAGE_MAP()

CSlideShowWnd::CSlideShowWnd(int slideCount, int firstSlide) : state_(slideCount, firstSlide) {}

bool CSlideShowWnd::CreateFullScreen(HINSTANCE instance)
{
    if (!RegisterClass(instance, slideshow::kWindowClass, CS_DBLCLKS, nullptr, nullptr,
                       LoadIconA(nullptr, IDI_APPLICATION)))
        return false;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (!Create(slideshow::kWindowClass, "Slide Show", WS_POPUP | WS_VISIBLE, 0, 0, 0, width,
                height, nullptr, nullptr, instance))
        return false;
    SetPropA(m_hWnd, slideshow::kRunningProperty, reinterpret_cast<HANDLE>(1));
    SetForegroundWindow(m_hWnd);
    return true;
}

void CSlideShowWnd::WithdrawShow()
{
    RemovePropA(m_hWnd, slideshow::kRunningProperty);
}

LRESULT CSlideShowWnd::OnClose(WPARAM wParam, LPARAM lParam)
{
    state_.End();
    WithdrawShow();
    return DefaultProc(WM_CLOSE, wParam, lParam);
}

void CSlideShowWnd::Refresh()
{
    if (state_.Ended()) {
        WithdrawShow();
        DestroyWindow(m_hWnd);
        return;
    }
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CSlideShowWnd::TakesInk() const
{
    return state_.Screen() == ShowScreen::Slide &&
           (pointerType_ == slideshow::kPointerPen || pointerType_ == slideshow::kPointerEraser);
}

LRESULT CSlideShowWnd::OnEraseBackground(WPARAM, LPARAM)
{
    return 1;  // the paint covers every pixel
}

LRESULT CSlideShowWnd::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC paint(m_hWnd);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    fw::ScopedMemDC mem(paint);
    fw::ScopedBitmap bitmap(CreateCompatibleBitmap(paint, rc.right, rc.bottom));
    if (!mem || !bitmap) return 0;
    {
        fw::ScopedSelect selectBitmap(mem, bitmap);
        PaintSlide(mem, rc);
        BitBlt(paint, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
    }
    return 0;
}

void CSlideShowWnd::PaintSlide(HDC dc, const RECT& rc)
{
    const int height = rc.bottom - rc.top;
    switch (state_.Screen()) {
    case ShowScreen::Black:
        FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    case ShowScreen::White:
        FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    case ShowScreen::End: {
        FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        RECT top = {rc.left, rc.top, rc.right, rc.top + height / 8};
        DrawCentredText(dc, top, kEndText, height / 30 + 8, RGB(255, 255, 255));
        return;
    }
    case ShowScreen::Slide:
        break;
    }

    const int slide = state_.Slide();
    fw::ScopedBrush background(CreateSolidBrush(kSlideColours[(slide - 1) % 5]));
    FillRect(dc, &rc, background);

    char title[64];
    std::snprintf(title, sizeof title, "Slide %d of %d", slide, state_.SlideCount());
    RECT top = {rc.left, rc.top, rc.right, rc.top + height / 6};
    DrawCentredText(dc, top, title, height / 16 + 8, RGB(40, 60, 110));
    char number[16];
    std::snprintf(number, sizeof number, "%d", slide);
    DrawCentredText(dc, rc, number, height / 2, RGB(40, 60, 110));

    for (const PenStroke& stroke : ink_[slide]) {
        fw::ScopedPen pen(CreatePen(PS_SOLID, kPenWidth, stroke.colour));
        fw::ScopedSelect selectPen(dc, pen);
        if (stroke.points.size() == 1) {
            MoveToEx(dc, stroke.points[0].x, stroke.points[0].y, nullptr);
            LineTo(dc, stroke.points[0].x + 1, stroke.points[0].y);
        } else {
            Polyline(dc, stroke.points.data(), static_cast<int>(stroke.points.size()));
        }
    }
}

LRESULT CSlideShowWnd::OnKeyDown(WPARAM key, LPARAM)
{
    if (key >= '0' && key <= '9') {
        if (typedNumber_.size() < 6) typedNumber_ += static_cast<char>(key);
        return 0;
    }
    const std::string typed = std::exchange(typedNumber_, std::string());
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (key) {
    case VK_RETURN:
        if (!typed.empty()) state_.GoTo(std::atoi(typed.c_str()));
        else state_.Next();
        break;
    case VK_RIGHT: case VK_DOWN: case VK_NEXT: case VK_SPACE: case 'N':
        state_.Next();
        break;
    case VK_LEFT: case VK_UP: case VK_PRIOR: case VK_BACK:
        state_.Previous();
        break;
    case 'P':
        if (control) pointerType_ = slideshow::kPointerPen;
        else state_.Previous();
        break;
    case 'A':
        if (control) pointerType_ = slideshow::kPointerArrow;
        break;
    case VK_HOME:
        state_.GoTo(1);
        break;
    case VK_END:
        state_.GoTo(state_.SlideCount());
        break;
    case 'B': case VK_OEM_PERIOD:
        state_.ToggleScreen(ShowScreen::Black);
        break;
    case 'W': case VK_OEM_COMMA:
        state_.ToggleScreen(ShowScreen::White);
        break;
    case 'E':
        if (control) pointerType_ = slideshow::kPointerEraser;
        else SlideInk().clear();
        break;
    case VK_ESCAPE:
        state_.End();
        break;
    default:
        return 0;
    }
    Refresh();
    return 0;
}

LRESULT CSlideShowWnd::OnLeftButtonDown(WPARAM, LPARAM lParam)
{
    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!TakesInk()) {
        state_.Next();
        Refresh();
        return 0;
    }
    SetCapture(m_hWnd);
    tracking_ = true;
    if (pointerType_ == slideshow::kPointerPen) SlideInk().push_back(PenStroke{pointerColour_, {pt}});
    else EraseStrokesAt(pt);
    Refresh();
    return 0;
}

LRESULT CSlideShowWnd::OnMouseMove(WPARAM, LPARAM lParam)
{
    if (!tracking_) return 0;
    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    std::vector<PenStroke>& ink = SlideInk();
    if (pointerType_ == slideshow::kPointerPen && !ink.empty()) ink.back().points.push_back(pt);
    else if (pointerType_ == slideshow::kPointerEraser) EraseStrokesAt(pt);
    Refresh();
    return 0;
}

LRESULT CSlideShowWnd::OnLeftButtonUp(WPARAM, LPARAM)
{
    if (tracking_) {
        tracking_ = false;
        ReleaseCapture();
    }
    return 0;
}

LRESULT CSlideShowWnd::OnRightButtonUp(WPARAM, LPARAM)
{
    state_.Previous();
    Refresh();
    return 0;
}

void CSlideShowWnd::EraseStrokesAt(POINT pt)
{
    std::vector<PenStroke>& ink = SlideInk();
    for (size_t i = ink.size(); i-- > 0;) {
        for (const POINT& p : ink[i].points) {
            if (std::abs(p.x - pt.x) <= kEraserReach && std::abs(p.y - pt.y) <= kEraserReach) {
                ink.erase(ink.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
        }
    }
}

LRESULT CSlideShowWnd::OnSetCursor(WPARAM, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return DefaultProc(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hWnd), lParam);
    const char* cursor = IDC_ARROW;
    if (pointerType_ == slideshow::kPointerPen) cursor = IDC_CROSS;
    else if (pointerType_ == slideshow::kPointerEraser) cursor = IDC_HAND;
    SetCursor(LoadCursorA(nullptr, cursor));
    return TRUE;
}

LRESULT CSlideShowWnd::OnDestroy(WPARAM, LPARAM)
{
    PostQuitMessage(0);
    return 0;
}

LRESULT CSlideShowWnd::OnQuery(WPARAM query, LPARAM)
{
    switch (query) {
    case slideshow::kQuerySlide: return state_.Slide();
    case slideshow::kQuerySlideCount: return state_.SlideCount();
    case slideshow::kQueryScreen: return static_cast<LRESULT>(state_.Screen());
    case slideshow::kQueryPointerType: return pointerType_;
    case slideshow::kQueryPointerColour: return static_cast<LRESULT>(pointerColour_);
    default: return 0;
    }
}

LRESULT CSlideShowWnd::OnCommand(WPARAM command, LPARAM argument)
{
    const int value = static_cast<int>(argument);
    bool done = true;
    switch (command) {
    case slideshow::kCommandNext: state_.Next(); break;
    case slideshow::kCommandPrevious: state_.Previous(); break;
    case slideshow::kCommandGoTo: done = state_.GoTo(value); break;
    case slideshow::kCommandEnd: state_.End(); break;
    case slideshow::kCommandScreen:
        done = value >= slideshow::kScreenSlide && value <= slideshow::kScreenWhite &&
               state_.SetScreen(static_cast<ShowScreen>(value));
        break;
    case slideshow::kCommandPointerType: pointerType_ = value; break;
    case slideshow::kCommandPointerColour: pointerColour_ = static_cast<COLORREF>(value); break;
    default: done = false; break;
    }
    if (!done) return slideshow::kReplyRefused;
    // The caller goes on at once; by then an ended show is no longer found.
    if (state_.Ended()) WithdrawShow();
    ReplyMessage(slideshow::kReplyDone);
    Refresh();
    return slideshow::kReplyDone;
}
