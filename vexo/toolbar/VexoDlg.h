#pragma once
// Vexo's main window: the toolbar strip, run modally for the life of the
// program. Its buttons and commands are added with the toolbar.
#include "OverlayGlue_win.h"
#include "Window.h"

class CVexoApp;

class CVexoDlg : public fw::CDialog {
public:
    CVexoDlg(CVexoApp& app, UINT templateId);

protected:
    BOOL OnInitDialog() override;
    void OnHelp(UINT id);
    LRESULT OnToolbarCommand(WPARAM code, LPARAM);

    CVexoApp& app_;
    COverlayGlue overlay_;

    FW_DECLARE_MESSAGE_MAP()
};
