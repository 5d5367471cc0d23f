#include "SetMacroDlg_win.h"

#include "SettingsRules.h"
#include "Strings.h"
#include "TessarDlg.h"
#include "TessarMessages.h"
#include "resource.h"

namespace {
void SetText(HWND dlg, int id, UINT textId)
{
    const std::string text = fw::LoadStr(textId);
    if (!text.empty()) SetDlgItemTextA(dlg, id, text.c_str());
}
}  // namespace

void PostToTabletDriver(UINT message, WPARAM wParam)
{
    if (const HWND driver = FindWindowA(nullptr, tessar::kDriverWindowTitle))
        PostMessageA(driver, message, wParam, 0);
}

FW_BEGIN_MESSAGE_MAP(CSetMacroDlg, fw::CDialog)
    FW_ON_NOTIFY_CODE(CBN_SELENDOK, IDC_RESPONSE_TIME, OnResponseTimeChosen)
    FW_ON_COMMAND(IDC_SOUND_BUTTON, OnSoundClicked)
FW_END_MESSAGE_MAP()

CSetMacroDlg::CSetMacroDlg(CTessarDlg& parent) : fw::CDialog(IDD_SET_MACRO), parent_(parent) {}

BOOL CSetMacroDlg::OnInitDialog()
{
    tessar::ProfileStore& store = parent_.Store();
    const int oemId = store.OemId();
    const tessar::ExtraSettingsTexts texts = tessar::ExtraSettingsTextsFor(oemId);
    SetText(m_hWnd, IDC_RESPONSE_LABEL, static_cast<UINT>(texts.responseLabelId));
    SetText(m_hWnd, IDC_SOUND_LABEL, static_cast<UINT>(texts.soundLabelId));
    SetText(m_hWnd, IDOK, IDS_OK);
    const std::string caption = fw::LoadStr(static_cast<UINT>(texts.captionId));
    if (!caption.empty()) SetWindowTextA(m_hWnd, caption.c_str());

    const HWND combo = Item(IDC_RESPONSE_TIME);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < tessar::DelayEntryCount(oemId); ++i)
        SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(tessar::DelayEntryText(i)));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(tessar::DelayIndexFor(store.MacroKeyDelayText())), 0);

    sound_ = store.TipClickSound() == 1 ? 1 : 0;
    nextSound_ = 1 - sound_;
    ShowSoundState();
    return TRUE;
}

void CSetMacroDlg::ShowSoundState() { SetText(m_hWnd, IDC_SOUND_BUTTON, sound_ ? IDS_ON : IDS_OFF); }

void CSetMacroDlg::OnResponseTimeChosen(UINT)
{
    const int index = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_RESPONSE_TIME, CB_GETCURSEL, 0, 0));
    const int ms = tessar::DelayMsForIndex(index);
    if (ms < 0) fw::MsgBoxText(m_hWnd, tessar::kTimerOverRangeText, tessar::kMessageCaption, MB_OK);
    else parent_.Store().WriteMacroKeyDelayTime(ms);
    PostToTabletDriver(tessar::WM_DRIVER_RESPONSE_TIME, 0);
}

void CSetMacroDlg::OnSoundClicked(UINT)
{
    sound_ = nextSound_;
    nextSound_ = 1 - sound_;
    ShowSoundState();
    PostToTabletDriver(tessar::WM_DRIVER_POINTING_SOUND, static_cast<WPARAM>(sound_));
    parent_.Store().WriteTipClickSound(sound_);
}
