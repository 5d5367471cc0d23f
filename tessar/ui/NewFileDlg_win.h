#pragma once
// New profile: a name checked against the profile list and, picked from the
// installed programs, the program the profile belongs to. OK adds the name to
// the settings window's profile list, selects it and writes the new file.
#include <windows.h>

#include <string>

#include "Window.h"

class CTessarDlg;

class CNewFileDlg : public fw::CDialog {
public:
    explicit CNewFileDlg(CTessarDlg& parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnBrowse(UINT);

    CTessarDlg& parent_;
    std::string programPath_;
    std::string programName_;

    FW_DECLARE_MESSAGE_MAP()
};
