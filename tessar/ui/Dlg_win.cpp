#include "Dlg_win.h"

#include "Gdi.h"
#include "PrivateProfileIni.h"
#include "SettingsRules.h"
#include "Strings.h"
#include "TessarApp.h"
#include "TessarDlg.h"
#include "resource.h"

FW_BEGIN_MESSAGE_MAP(CDlg, fw::CDialog)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_NOTIFY_CODE(LBN_DBLCLK, IDC_PICKER_LIST, OnListDoubleClick)
FW_END_MESSAGE_MAP()

CDlg::CDlg() : fw::CDialog(IDD_PROGRAM_PICKER) {}

std::vector<std::pair<std::string, std::string>> CDlg::ReadAppPaths()
{
    std::vector<std::pair<std::string, std::string>> pairs;
    HKEY root = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths", 0,
                      KEY_READ, &root) != ERROR_SUCCESS)
        return pairs;
    for (DWORD i = 0;; ++i) {
        char name[260] = "";
        DWORD nameLength = sizeof name - 1;
        const LONG r = RegEnumKeyExA(root, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS) continue;
        HKEY sub = nullptr;
        if (RegOpenKeyExA(root, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
        char value[260] = "";
        DWORD size = sizeof value - 1;
        DWORD type = 0;
        const LONG q = RegQueryValueExA(sub, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(sub);
        if (q != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) continue;
        value[size < sizeof value ? size : sizeof value - 1] = '\0';
        pairs.emplace_back(name, value);
    }
    RegCloseKey(root);
    return pairs;
}

BOOL CDlg::OnInitDialog()
{
    SetDlgItemTextA(m_hWnd, IDOK, fw::LoadStr(IDS_OK).c_str());
    SetDlgItemTextA(m_hWnd, IDCANCEL, fw::LoadStr(IDS_CANCEL).c_str());
    SetWindowTextA(m_hWnd, fw::LoadStr(IDS_OPEN).c_str());
    const int oemId = TheTessarApp().MainDialog() ? TheTessarApp().MainDialog()->Store().OemId() : 0;
    icon_ = LoadIconA(TheTessarApp().Instance(), MAKEINTRESOURCEA(tessar::OemIconFor(oemId)));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    // The same About item as the settings window's; the picker has nothing to say with it.
    if (const HMENU menu = GetSystemMenu(m_hWnd, FALSE)) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, fw::LoadStr(IDS_MENU_ABOUT).c_str());
    }

    const HWND list = Item(IDC_PICKER_LIST);
    for (const auto& entry : ReadAppPaths())
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.first.c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return TRUE;
}

void CDlg::OnOK()
{
    const HWND list = Item(IDC_PICKER_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;  // nothing to pick: the picker stays open
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == LB_ERR) return;
    std::string name(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(static_cast<size_t>(length));
    for (const auto& entry : ReadAppPaths()) {
        if (entry.first != name) continue;
        pickedPath_ = tessar::UnquoteAppPath(entry.second);
        pickedName_ = entry.first;
        EndDialog(IDOK);
        return;
    }
}

void CDlg::OnListDoubleClick(UINT) { OnOK(); }

LRESULT CDlg::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC dc(m_hWnd);
    if (IsIconic(m_hWnd)) {
        RECT r;
        GetClientRect(m_hWnd, &r);
        DrawIcon(dc, (r.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
                 (r.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, icon_);
    }
    return 0;
}
