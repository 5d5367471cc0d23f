// The settings window's key editor, key list and key combo, and the key
// buttons on the tablet picture.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include "KeyButtonLayout.h"
#include "KeyList.h"
#include "TessarApp.h"
#include "TessarDlg.h"
#include "resource.h"

namespace {

constexpr size_t kEditorTextSize = 1000;

std::string ItemText(HWND item)
{
    std::string text(kEditorTextSize + 1, '\0');
    const int length = GetWindowTextA(item, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

void SetItemText(HWND item, const std::string& text)
{
    // Unchanged texts are left alone: a change notice counts as an edit.
    if (ItemText(item) != text) SetWindowTextA(item, text.c_str());
}

bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
void Check(HWND dlg, int id, bool on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }

}  // namespace

tessar::EditorState CTessarDlg::ReadEditor() const
{
    tessar::EditorState s;
    const HWND d = m_hWnd;
    s.setting = Checked(d, IDC_SETTING);
    s.hotKey = Checked(d, IDC_USE_HOTKEY);
    s.linking = Checked(d, IDC_LINKING);
    s.mods = {Checked(d, IDC_CTRL), Checked(d, IDC_SHIFT), Checked(d, IDC_ALT), Checked(d, IDC_TAB)};
    s.settingOn = IsWindowEnabled(Item(IDC_SETTING)) != FALSE;
    s.hotKeyOn = IsWindowEnabled(Item(IDC_USE_HOTKEY)) != FALSE;
    s.linkingOn = IsWindowEnabled(Item(IDC_LINKING)) != FALSE;
    s.ctrlOn = IsWindowEnabled(Item(IDC_CTRL)) != FALSE;
    s.shiftOn = IsWindowEnabled(Item(IDC_SHIFT)) != FALSE;
    s.altOn = IsWindowEnabled(Item(IDC_ALT)) != FALSE;
    s.tabOn = IsWindowEnabled(Item(IDC_TAB)) != FALSE;
    s.keyComboOn = IsWindowEnabled(Item(IDC_KEY_COMBO)) != FALSE;
    s.pathOn = IsWindowEnabled(Item(IDC_PROGRAM_PATH)) != FALSE;
    s.browseOn = IsWindowEnabled(Item(IDC_BROWSE)) != FALSE;
    s.hintLabelOn = IsWindowEnabled(Item(IDC_HINT_LABEL)) != FALSE;
    s.hintOn = IsWindowEnabled(Item(IDC_HINT)) != FALSE;
    s.confirmOn = ConfirmEnabled();
    s.hint = ItemText(Item(IDC_HINT));
    s.path = ItemText(Item(IDC_PROGRAM_PATH));
    s.keyCombo = static_cast<int>(SendMessageA(Item(IDC_KEY_COMBO), CB_GETCURSEL, 0, 0));
    return s;
}

void CTessarDlg::ApplyEditor(const tessar::EditorState& s)
{
    const HWND d = m_hWnd;
    Check(d, IDC_SETTING, s.setting);
    Check(d, IDC_USE_HOTKEY, s.hotKey);
    Check(d, IDC_LINKING, s.linking);
    Check(d, IDC_CTRL, s.mods.ctrl);
    Check(d, IDC_SHIFT, s.mods.shift);
    Check(d, IDC_ALT, s.mods.alt);
    Check(d, IDC_TAB, s.mods.tab);
    const struct {
        int id;
        bool on;
    } enables[] = {
        {IDC_SETTING, s.settingOn}, {IDC_USE_HOTKEY, s.hotKeyOn}, {IDC_LINKING, s.linkingOn},
        {IDC_CTRL, s.ctrlOn},       {IDC_SHIFT, s.shiftOn},       {IDC_ALT, s.altOn},
        {IDC_TAB, s.tabOn},         {IDC_KEY_COMBO, s.keyComboOn}, {IDC_PROGRAM_PATH, s.pathOn},
        {IDC_BROWSE, s.browseOn},   {IDC_HINT_LABEL, s.hintLabelOn}, {IDC_HINT, s.hintOn},
    };
    for (const auto& e : enables) EnableWindow(Item(e.id), e.on ? TRUE : FALSE);
    SetItemText(Item(IDC_HINT), s.hint);
    SetItemText(Item(IDC_PROGRAM_PATH), s.path);
    SendMessageA(Item(IDC_KEY_COMBO), CB_SETCURSEL, static_cast<WPARAM>(s.keyCombo), 0);
    EnableConfirm(s.confirmOn);
}

void CTessarDlg::EnableConfirm(bool on) { EnableWindow(Item(IDC_CONFIRM), on ? TRUE : FALSE); }

bool CTessarDlg::ConfirmEnabled() const { return IsWindowEnabled(Item(IDC_CONFIRM)) != FALSE; }

int CTessarDlg::SelectedKeyNumber() const
{
    const LRESULT selected = SendMessageA(Item(IDC_KEY_LIST), CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? 1 : static_cast<int>(selected) + 1;
}

std::string CTessarDlg::SelectedKeyCommand()
{
    return store_->ReadKey(ActiveProfile(), SelectedKeyNumber(), tessar::KeyTextUse::Editing).command;
}

void CTessarDlg::ShowKey(int keyNumber)
{
    if (!store_) return;
    oemId_ = store_->OemId();
    const tessar::KeyRecord key = store_->ReadKey(ActiveProfile(), keyNumber, tessar::KeyTextUse::Editing);
    tessar::EditorState s = ReadEditor();
    tessar::ShowKeyInEditor(s, key, SelectedKeyCommand());
    ApplyEditor(s);
}

void CTessarDlg::LockKeyEditorForKey(int keyNumber)
{
    if (!store_->ReadKey(ActiveProfile(), keyNumber, tessar::KeyTextUse::Editing).locked) return;
    tessar::EditorState s = ReadEditor();
    tessar::LockKeyEditor(s);
    ApplyEditor(s);
}

void CTessarDlg::RebuildKeyLists()
{
    const HWND model = Item(IDC_MODEL_NAME);
    MoveWindow(model, 160, 158, 140, 20, TRUE);
    SetWindowTextA(model, store_->ModelName().c_str());

    oemId_ = store_->OemId();
    const HWND keyList = Item(IDC_KEY_LIST);
    SendMessageA(keyList, CB_RESETCONTENT, 0, 0);
    const int total = store_->Counts().total;
    for (int n = 1; n <= total; ++n)
        SendMessageA(keyList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tessar::KeyLabel(n, oemId_).c_str()));
    if (!keyButtonFont_.Get()) SendMessageA(keyList, CB_SETCURSEL, 0, 0);

    BuildKeyButtons();

    const HWND keyCombo = Item(IDC_KEY_COMBO);
    SendMessageA(keyCombo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < tessar::kKeyListSize; ++i)
        SendMessageA(keyCombo, CB_INSERTSTRING, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(tessar::KeyListText(i).c_str()));
    SendMessageA(keyCombo, CB_SETCURSEL, 0, 0);
}

void CTessarDlg::DestroyKeyButtons()
{
    for (HWND button : keyButtons_) {
        if (tooltips_) {
            TOOLINFOA tool = {};
            tool.cbSize = sizeof tool;
            tool.hwnd = m_hWnd;
            tool.uId = reinterpret_cast<UINT_PTR>(button);
            SendMessageA(tooltips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
        DestroyWindow(button);
    }
    keyButtons_.clear();
}

void CTessarDlg::BuildKeyButtons()
{
    const std::string profile = ActiveProfile();
    profilePath_ = store_->ProfilePath(profile);
    oemId_ = store_->OemId();
    const tessar::KeyButtonLayout layout = tessar::LayOutKeyButtons(store_->ModelId(), oemId_, store_->Counts());
    if (!keyButtonFont_.Get())
        keyButtonFont_.Reset(CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                                         "Arial"));
    DestroyKeyButtons();
    // In the tab order the buttons follow the model name, above the picture.
    HWND after = Item(IDC_MODEL_NAME);
    for (const tessar::KeyButtonPlace& p : layout.buttons) {
        if (!p.hasWindow) continue;
        const tessar::ButtonRect& r = p.rect;
        const HWND button = CreateWindowExA(
            0, "BUTTON", tessar::KeyLabel(p.keyNumber, oemId_).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, r.left, r.top, r.right - r.left,
            r.bottom - r.top, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.commandId)),
            app_.Instance(), nullptr);
        if (!button) continue;
        SendMessageA(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        if (store_->ReadKey(profile, p.keyNumber).mode == 0) EnableWindow(button, FALSE);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(keyButtonFont_.Get()), TRUE);
        SetWindowPos(button, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = button;
        keyButtons_.push_back(button);
    }
}

void CTessarDlg::RefreshKeyTooltips()
{
    if (!tooltips_ || !store_) return;
    const std::string profile = ActiveProfile();
    const tessar::KeyButtonLayout layout =
        tessar::LayOutKeyButtons(store_->ModelId(), store_->OemId(), store_->Counts());
    for (const tessar::KeyButtonPlace& p : layout.buttons) {
        if (p.keyNumber > tessar::kMaxKeys) break;
        const HWND button = Item(p.commandId);
        if (!button) continue;
        std::string hint = store_->ReadKey(profile, p.keyNumber).hint;
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(button);
        SendMessageA(tooltips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        tool.lpszText = &hint[0];
        SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CTessarDlg::OnKeySelected(UINT) { ShowKey(SelectedKeyNumber()); }

void CTessarDlg::OnSettingClicked(UINT)
{
    tessar::EditorState s = ReadEditor();
    tessar::OnSettingClicked(s);
    ApplyEditor(s);
}

void CTessarDlg::OnHotKeyClicked(UINT)
{
    tessar::EditorState s = ReadEditor();
    tessar::OnHotKeyClicked(s);
    ApplyEditor(s);
}

void CTessarDlg::OnLinkingClicked(UINT)
{
    tessar::EditorState s = ReadEditor();
    tessar::OnLinkingClicked(s);
    ApplyEditor(s);
}

void CTessarDlg::OnEditChanged(UINT) { EnableConfirm(true); }

void CTessarDlg::OnBrowse(UINT)
{
    EnableConfirm(true);
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = "Executable Files (*.*)\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrDefExt = "*.*";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    browseResult_ = GetOpenFileNameA(&ofn) ? path : "";
    tessar::EditorState s = ReadEditor();
    tessar::OnBrowsed(s, browseResult_, SelectedKeyCommand());
    ApplyEditor(s);
}

void CTessarDlg::OnConfirm(UINT)
{
    const int n = SelectedKeyNumber();
    const tessar::EditorState s = ReadEditor();
    const tessar::ConfirmResult r = tessar::DecideConfirm(s);
    if (r.outcome == tessar::ConfirmOutcome::AskForHint) {
        app_.MessageBoxFromTable(m_hWnd, static_cast<UINT>(tessar::MissingHintTextId(store_->OemId())),
                                 MB_ICONQUESTION);
        EnableConfirm(true);
        return;
    }
    if (s.setting && !s.hotKey && s.linking)
        for (int id : {IDC_TAB, IDC_ALT, IDC_CTRL, IDC_SHIFT}) CheckDlgButton(m_hWnd, id, BST_UNCHECKED);
    store_->WriteKey(ActiveProfile(), n, r.command, r.mode, r.hint, r.comboIndex);

    EnableConfirm(false);
    SendMessageA(Item(IDC_KEY_LIST), CB_RESETCONTENT, 0, 0);
    SendMessageA(Item(IDC_KEY_COMBO), CB_RESETCONTENT, 0, 0);
    store_->LoadKeyCounts();
    RebuildKeyLists();
    SendMessageA(Item(IDC_KEY_LIST), CB_SETCURSEL, static_cast<WPARAM>(n - 1), 0);
    SendMessageA(Item(IDC_KEY_COMBO), CB_SETCURSEL, static_cast<WPARAM>(r.comboIndex), 0);
    RefreshKeyTooltips();
}

void CTessarDlg::OnKeyButton(UINT id)
{
    const int index = tessar::KeyIndexForCommand(static_cast<int>(id), store_->Counts());
    if (index < 0) return;
    SendMessageA(Item(IDC_KEY_LIST), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowKey(index + 1);
}
