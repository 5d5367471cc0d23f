#pragma once
// The about box of the strip's system menu: the title and version.
#include "Window.h"

// The about and picture boxes capture the mouse and end at a left click
// inside their client area; true when the click (client coordinates in
// lParam) ended the dialog.
bool EndOnClickInside(fw::CDialog& dialog, LPARAM point);

class CAboutDlg : public fw::CDialog {
public:
    explicit CAboutDlg(HWND toolbar);

protected:
    BOOL OnInitDialog() override;
    LRESULT OnLeftButtonDown(WPARAM, LPARAM);

    FW_DECLARE_MESSAGE_MAP()

private:
    HWND toolbar_;
};
