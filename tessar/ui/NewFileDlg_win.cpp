#include "NewFileDlg_win.h"

#include <shlobj.h>

#include <algorithm>

#include "Dlg_win.h"
#include "ProfileName.h"
#include "SettingsRules.h"
#include "Strings.h"
#include "TessarApp.h"
#include "TessarDlg.h"
#include "resource.h"

namespace {
constexpr int kMaxNameLength = 128;

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE);
    return path;
}

std::string WindowsFolder()
{
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, sizeof path);
    return path;
}

void SetText(HWND dlg, int id, UINT textId)
{
    const std::string text = fw::LoadStr(textId);
    if (!text.empty()) SetDlgItemTextA(dlg, id, text.c_str());
}
}  // namespace

FW_BEGIN_MESSAGE_MAP(CNewFileDlg, fw::CDialog)
    FW_ON_COMMAND(IDC_NEW_BROWSE, OnBrowse)
FW_END_MESSAGE_MAP()

CNewFileDlg::CNewFileDlg(CTessarDlg& parent) : fw::CDialog(IDD_NEW_FILE), parent_(parent) {}

BOOL CNewFileDlg::OnInitDialog()
{
    SendDlgItemMessageA(m_hWnd, IDC_NEW_NAME, EM_LIMITTEXT, kMaxNameLength, 0);
    SetText(m_hWnd, IDC_NEW_NAME_LABEL, IDS_FILE_NAME);
    SetText(m_hWnd, IDC_NEW_PROGRAM_LABEL, IDS_OPEN_EXE);
    SetText(m_hWnd, IDOK, IDS_OK);
    SetText(m_hWnd, IDCANCEL, IDS_CANCEL);
    const std::string caption = fw::LoadStr(IDS_NEW);
    if (!caption.empty()) SetWindowTextA(m_hWnd, caption.c_str());
    // A program picked in an earlier run is not offered again: the field
    // shows empty, so nothing unseen is stored with the new profile.
    programPath_.clear();
    programName_.clear();
    return TRUE;
}

void CNewFileDlg::OnBrowse(UINT)
{
    CDlg picker;
    if (picker.DoModal(m_hWnd, parent_.Instance()) != IDOK) {
        programPath_.clear();
        programName_.clear();
        return;
    }
    programPath_ = tessar::ExpandProgramPlaceholders(picker.PickedPath(), SpecialFolder(CSIDL_PROGRAM_FILES),
                                                     WindowsFolder(), SpecialFolder(CSIDL_PROGRAM_FILES_COMMON));
    programName_ = picker.PickedName();
    SetDlgItemTextA(m_hWnd, IDC_NEW_PROGRAM, programPath_.c_str());
}

void CNewFileDlg::OnOK()
{
    char buffer[261] = "";
    GetDlgItemTextA(m_hWnd, IDC_NEW_NAME, buffer, sizeof buffer);
    const std::string name = buffer;
    switch (tessar::CheckNewProfileName(name, parent_.ProfileNamesForNew())) {
    case tessar::NewNameCheck::Empty:
        TheTessarApp().MessageBoxFromTable(m_hWnd, IDS_FILE_NAME_EMPTY, MB_OK);
        return;
    case tessar::NewNameCheck::BadName:
        TheTessarApp().MessageBoxFromTable(m_hWnd, IDS_BAD_PROFILE_NAME, MB_OK | MB_ICONEXCLAMATION);
        return;
    case tessar::NewNameCheck::Used:
        fw::MsgBoxText(m_hWnd, tessar::kNameUsedText, tessar::kNameUsedCaption, MB_OK);
        return;
    case tessar::NewNameCheck::Ok:
        break;
    }
    if (!parent_.AddNewProfile(name, programPath_, programName_)) return;
    SetDlgItemTextA(m_hWnd, IDC_NEW_NAME, "");
    EndDialog(IDOK);
}
