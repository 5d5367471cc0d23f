#include "AppBar_win.h"

#include <shellapi.h>

namespace {
RECT ToRect(const AppBarRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
AppBarRect FromRect(const RECT& r) { return AppBarRect{r.left, r.top, r.right, r.bottom}; }

APPBARDATA DataFor(HWND window)
{
    APPBARDATA data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    return data;
}
}  // namespace

bool CShellAppBar::New(unsigned callbackMessage)
{
    APPBARDATA data = DataFor(window_);
    data.uCallbackMessage = callbackMessage;
    return SHAppBarMessage(ABM_NEW, &data) != 0;
}

bool CShellAppBar::Remove()
{
    APPBARDATA data = DataFor(window_);
    return SHAppBarMessage(ABM_REMOVE, &data) != 0;
}

void CShellAppBar::QueryPos(int edge, AppBarRect& rect)
{
    APPBARDATA data = DataFor(window_);
    data.uEdge = static_cast<UINT>(edge);
    data.rc = ToRect(rect);
    SHAppBarMessage(ABM_QUERYPOS, &data);

    rect = FromRect(data.rc);
}

void CShellAppBar::SetPos(int edge, AppBarRect& rect)
{
    APPBARDATA data = DataFor(window_);
    data.uEdge = static_cast<UINT>(edge);
    data.rc = ToRect(rect);
    SHAppBarMessage(ABM_SETPOS, &data);
    rect = FromRect(data.rc);
}

void CShellAppBar::WindowPosChanged()
{
    APPBARDATA data = DataFor(window_);
    SHAppBarMessage(ABM_WINDOWPOSCHANGED, &data);
}

int CShellAppBar::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN); }

int CShellAppBar::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

AppBarRect CShellAppBar::WindowRect() const
{
    RECT r = {};
    GetWindowRect(window_, &r);
    return FromRect(r);
}

void CShellAppBar::MoveWindow(const AppBarRect& rect)
{
    ::MoveWindow(window_, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}
