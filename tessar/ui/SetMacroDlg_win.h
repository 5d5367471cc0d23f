#pragma once
// Extra settings: the macro key response time and the pointing sound, stored
// in the manager file and announced to the tablet driver's window at once.
#include <windows.h>

#include "Window.h"

class CTessarDlg;

class CSetMacroDlg : public fw::CDialog {
public:
    explicit CSetMacroDlg(CTessarDlg& parent);

protected:
    BOOL OnInitDialog() override;

private:
    void OnResponseTimeChosen(UINT);
    void OnSoundClicked(UINT);
    void ShowSoundState();

    CTessarDlg& parent_;
    int sound_ = 0;       // 0 off, 1 on
    int nextSound_ = 1;   // what the next click switches to

    FW_DECLARE_MESSAGE_MAP()
};

// Posts a notice to the tablet driver's window ("OrvikUSBTablet") if it runs.
void PostToTabletDriver(UINT message, WPARAM wParam);
