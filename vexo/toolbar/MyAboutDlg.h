#pragma once
// The picture box behind Ctrl+Shift+End on Exit: one of two pictures, a right
// click switches between them, a left click closes the box.
#include "Gdi.h"
#include "Window.h"

class CMyAboutDlg : public fw::CDialog {
public:
    CMyAboutDlg();

protected:
    BOOL OnInitDialog() override;
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM);
    LRESULT OnRightButtonDown(WPARAM, LPARAM);

    FW_DECLARE_MESSAGE_MAP()

private:
    fw::ScopedBitmap pictures_[2];
    int shown_ = 0;
};
