#include "AboutDlg_win.h"

#include "SettingsRules.h"
#include "Strings.h"
#include "TessarApp.h"
#include "TessarDlg.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : fw::CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog()
{
    tessar::ProfileStore& store = TheTessarApp().MainDialog()->Store();
    const int oemId = store.OemId();
    const std::string tip = store.TipText();
    const std::string version = store.DriverVersionText();
    const int firmware = store.FirmwareVersion();

    auto line = [&](int id, UINT textId, const std::string& value) {
        SetDlgItemTextA(m_hWnd, id, (fw::LoadStr(textId) + " " + value).c_str());
    };
    line(IDC_ABOUT_DRIVER, IDS_DRIVER_VERSION, version);
    line(IDC_ABOUT_SOFTWARE, IDS_SOFTWARE_VERSION, tessar::kSoftwareVersion);
    line(IDC_ABOUT_FIRMWARE, IDS_FIRMWARE_VERSION, tessar::FirmwareVersionText(firmware));
    SetDlgItemTextA(m_hWnd, IDOK, fw::LoadStr(IDS_OK).c_str());
    SetWindowTextA(m_hWnd, (fw::LoadStr(IDS_MENU_ABOUT) + " " + tip).c_str());

    if (oemId == 8) {
        LayOutOem8();
    } else {
        const HICON icon = LoadIconA(TheTessarApp().Instance(),
                                     MAKEINTRESOURCEA(oemId == 3 ? IDI_ENABLED : tessar::OemIconFor(oemId)));
        SendDlgItemMessageA(m_hWnd, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    return TRUE;
}

void CAboutDlg::LayOutOem8()
{
    ShowWindow(Item(IDC_ABOUT_ICON), SW_HIDE);
    RECT w;
    GetWindowRect(m_hWnd, &w);
    SetWindowPos(m_hWnd, nullptr, 0, 0, w.right - w.left - 20, w.bottom - w.top + 260,
                 SWP_NOMOVE | SWP_NOZORDER);

    auto clientRect = [&](int id) {
        RECT r;
        GetWindowRect(Item(id), &r);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const RECT icon = clientRect(IDC_ABOUT_ICON);
    const RECT software = clientRect(IDC_ABOUT_SOFTWARE);
    const int sw = software.right - software.left, sh = software.bottom - software.top;

    const HWND picture = Item(IDC_ABOUT_PICTURE);
    MoveWindow(picture, icon.left, icon.top, icon.right - icon.left + 100, icon.bottom - icon.top + 100, TRUE);
    const HANDLE bitmap = LoadImageA(TheTessarApp().Instance(), MAKEINTRESOURCEA(IDB_ABOUT_OEM8), IMAGE_BITMAP,
                                     0, 0, LR_DEFAULTCOLOR);
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    ShowWindow(picture, SW_SHOW);

    MoveWindow(Item(IDC_ABOUT_SOFTWARE), icon.left, icon.bottom + 120, sw, sh, TRUE);
    MoveWindow(Item(IDC_ABOUT_DRIVER), icon.left, icon.bottom + 140, sw, sh, TRUE);
    MoveWindow(Item(IDC_ABOUT_FIRMWARE), icon.left, icon.bottom + 160, sw, sh, TRUE);
    const HWND notice = Item(IDC_ABOUT_NOTICE);
    MoveWindow(notice, icon.left, icon.bottom + 180, sw + 120, sh + 50, TRUE);
    SetWindowTextA(notice, fw::LoadStr(IDS_OEM8_NOTICE).c_str());
    ShowWindow(notice, SW_SHOW);

    const RECT ok = clientRect(IDOK);
    SetWindowPos(Item(IDOK), nullptr, ok.left - 20, ok.bottom + 280, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
