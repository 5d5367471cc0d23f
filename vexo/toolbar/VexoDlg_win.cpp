#include "VexoDlg.h"

#include "VexoApp.h"
#include "resource.h"

FW_BEGIN_MESSAGE_MAP(CVexoDlg, fw::CDialog)
    FW_ON_COMMAND(ID_HELP_COMMAND, OnHelp)
    FW_ON_MESSAGE(WM_TOOLBAR_COMMAND, OnToolbarCommand)
FW_END_MESSAGE_MAP()

CVexoDlg::CVexoDlg(CVexoApp& app, UINT templateId) : fw::CDialog(templateId), app_(app) {}

BOOL CVexoDlg::OnInitDialog()
{
    SetWindowTextA(m_hWnd, app_.Title().c_str());
    HICON icon = LoadIconA(app_.Instance(), MAKEINTRESOURCEA(IDI_VEXO));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    overlay_.Create(app_.Instance(), m_hWnd, app_.Settings().style, app_.Settings().transparent != 0);
    return TRUE;
}

void CVexoDlg::OnHelp(UINT) { app_.OnHelp(); }

LRESULT CVexoDlg::OnToolbarCommand(WPARAM code, LPARAM)
{
    overlay_.OnToolbarCommand(static_cast<int>(code));
    return 0;
}
