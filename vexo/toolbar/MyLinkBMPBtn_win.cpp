#include "MyLinkBMPBtn.h"

FW_BEGIN_MESSAGE_MAP(CMyLinkBMPBtn, CBMPButton)
    FW_ON_MESSAGE(WM_RBUTTONDOWN, OnRightButtonDown)
FW_END_MESSAGE_MAP()

LRESULT CMyLinkBMPBtn::OnRightButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (runLinkDialog_) runLinkDialog_(m_hWnd);
    // The dialog may have closed the toolbar with the button.
    return m_hWnd ? DefaultProc(WM_RBUTTONDOWN, wParam, lParam) : 0;
}
