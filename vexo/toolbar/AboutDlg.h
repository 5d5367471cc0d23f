#pragma once
// The about box of the strip's system menu: the title and version.
#include "Window.h"

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
