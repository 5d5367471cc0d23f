#include "AboutDlg.h"

#include <cstdio>

#include "resource.h"

namespace {
constexpr char kVersion[] = " 2.59";
}

FW_BEGIN_MESSAGE_MAP(CAboutDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
FW_END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(HWND toolbar) : fw::CDialog(IDD_ABOUT), toolbar_(toolbar) {}

BOOL CAboutDlg::OnInitDialog()
{
    char title[64] = "";
    GetWindowTextA(toolbar_, title, sizeof title);
    char text[160] = "";
    std::snprintf(text, sizeof text, "About %s", title);
    SetWindowTextA(m_hWnd, text);
    std::snprintf(text, sizeof text, "%s\nVersion %s", title, kVersion);
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_TEXT, text);
    SetCapture(m_hWnd);
    return TRUE;
}

bool EndOnClickInside(fw::CDialog& dialog, LPARAM point)
{
    RECT r;
    GetClientRect(dialog.m_hWnd, &r);
    const POINT at = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (!PtInRect(&r, at)) return false;
    ReleaseCapture();
    dialog.EndDialog(IDOK);
    return true;
}

LRESULT CAboutDlg::OnLeftButtonDown(WPARAM, LPARAM lParam)
{
    EndOnClickInside(*this, lParam);
    return 0;
}
