#include "AppBarDlg.h"

#include "AppBar_win.h"

FW_BEGIN_MESSAGE_MAP(CAppBarDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_MOVE, OnMove)
    FW_ON_MESSAGE(WM_SIZE, OnSize)
    FW_ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
    FW_ON_MESSAGE(WM_DESTROY, OnDestroy)
    FW_ON_MESSAGE(WM_ACTIVATE, OnActivate)
FW_END_MESSAGE_MAP()

CAppBarDlg::CAppBarDlg(UINT templateId) : fw::CDialog(templateId) {}

// A dialog object that outlives its window already gave the band back in
// WM_DESTROY; one destroyed with its window still up gives it back here.
CAppBarDlg::~CAppBarDlg() { DestroyAppBar(); }

void CAppBarDlg::CreateAppBar(int style)
{
    DestroyAppBar();
    const LONG units = GetDialogBaseUnits();
    shell_ = std::make_unique<CShellAppBar>(m_hWnd);
    appBar_ = std::make_unique<CAppBar>(*shell_, AppBarOptionsFor(LOWORD(units), HIWORD(units), style));
    appBar_->Register();
    appBar_->SetEdge(kEdgeBottom);
    GetWindowRect(m_hWnd, &creationRect_);
}

void CAppBarDlg::DestroyAppBar()
{
    if (appBar_ && appBar_->IsRegistered()) appBar_->Remove();
    appBar_.reset();
    shell_.reset();
}

bool CAppBarDlg::IsAppBarRegistered() const { return appBar_ && appBar_->IsRegistered(); }

void CAppBarDlg::RegisterAppBar()
{
    if (!appBar_) return;
    appBar_->Register();
    appBar_->SetEdge(appBar_->Edge());
}

void CAppBarDlg::RemoveAppBar()
{
    if (appBar_) appBar_->Remove();
}

void CAppBarDlg::SetAppBarEdge(int edge)
{
    if (appBar_) appBar_->SetEdge(edge);
}

void CAppBarDlg::ReDockAppBar()
{
    if (appBar_) appBar_->ReDock();
}

int CAppBarDlg::AppBarEdge() const { return appBar_ ? appBar_->Edge() : kEdgeBottom; }

// The dialog manager's own handling of these is the plain window handling;
// it runs first so that the shell and the band see the window where it is.
LRESULT CAppBarDlg::OnMove(WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(m_hWnd, WM_MOVE, wParam, lParam);
    if (appBar_) appBar_->OnMoved(IsIconic(m_hWnd) != FALSE);
    return 0;
}

LRESULT CAppBarDlg::OnSize(WPARAM sizeType, LPARAM lParam)
{
    DefWindowProcA(m_hWnd, WM_SIZE, sizeType, lParam);
    if (appBar_) appBar_->OnResized(sizeType == SIZE_MINIMIZED);
    return 0;
}

LRESULT CAppBarDlg::OnWindowPosChanged(WPARAM wParam, LPARAM lParam)
{
    // Sends WM_MOVE and WM_SIZE.
    DefWindowProcA(m_hWnd, WM_WINDOWPOSCHANGED, wParam, lParam);
    if (appBar_) appBar_->OnWindowPosChanged();
    return 0;
}

LRESULT CAppBarDlg::OnDestroy(WPARAM wParam, LPARAM lParam)
{
    DestroyAppBar();
    return DefWindowProcA(m_hWnd, WM_DESTROY, wParam, lParam);
}
