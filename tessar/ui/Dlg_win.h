#pragma once
// The program picker of the new-profile dialog: the programs registered
// under App Paths, sorted by name.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "Window.h"

class CDlg : public fw::CDialog {
public:
    CDlg();

    const std::string& PickedPath() const { return pickedPath_; }
    const std::string& PickedName() const { return pickedName_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    void OnListDoubleClick(UINT);
    // (key name, default value) of every readable App Paths entry.
    static std::vector<std::pair<std::string, std::string>> ReadAppPaths();

    std::string pickedPath_;
    std::string pickedName_;
    HICON icon_ = nullptr;

    FW_DECLARE_MESSAGE_MAP()
};
