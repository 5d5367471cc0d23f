#include "MyAboutDlg.h"

#include "AboutDlg.h"

#include "resource.h"

namespace {
// The box is as high as its picture plus this much.
constexpr int kExtraHeight = 4;
}

FW_BEGIN_MESSAGE_MAP(CMyAboutDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
    FW_ON_MESSAGE(WM_RBUTTONDOWN, OnRightButtonDown)
FW_END_MESSAGE_MAP()

CMyAboutDlg::CMyAboutDlg() : fw::CDialog(IDD_PICTURE_BOX) {}

BOOL CMyAboutDlg::OnInitDialog()
{
    const HINSTANCE module = GetModuleHandleA(nullptr);
    pictures_[0].Reset(static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(IDB_PICTURE_1), IMAGE_BITMAP, 0, 0, 0)));
    pictures_[1].Reset(static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(IDB_PICTURE_2), IMAGE_BITMAP, 0, 0, 0)));
    if (pictures_[0]) {
        BITMAP info = {};
        GetObjectA(pictures_[0].Get(), sizeof info, &info);
        RECT r = {0, 0, info.bmWidth, info.bmHeight + kExtraHeight};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        SetWindowPos(m_hWnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, SWP_NOZORDER);
    }
    SetCapture(m_hWnd);
    return TRUE;
}

LRESULT CMyAboutDlg::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC dc(m_hWnd);
    if (HBITMAP picture = pictures_[shown_].Get()) {
        BITMAP info = {};
        GetObjectA(picture, sizeof info, &info);
        fw::ScopedMemDC memory(dc);
        fw::ScopedSelect select(memory, picture);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    }
    return 0;
}

LRESULT CMyAboutDlg::OnLeftButtonDown(WPARAM, LPARAM lParam)
{
    EndOnClickInside(*this, lParam);
    return 0;
}

LRESULT CMyAboutDlg::OnRightButtonDown(WPARAM, LPARAM)
{
    shown_ = 1 - shown_;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}
