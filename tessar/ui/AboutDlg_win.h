#pragma once
// About: the driver, software and firmware versions, and the OEM's picture.
#include <windows.h>

#include "Window.h"

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;

private:
    void LayOutOem8();
};
