#include "KeyEditor.h"

namespace tessar {

namespace {

void SetModifiersOn(EditorState& s, bool on) { s.ctrlOn = s.shiftOn = s.altOn = s.tabOn = on; }

// Everything but Setting off, as for a key that does nothing.
void SwitchOff(EditorState& s)
{
    s.setting = false;
    s.hotKeyOn = false;
    SetModifiersOn(s, false);
    s.keyComboOn = s.linkingOn = s.pathOn = s.hintLabelOn = s.hintOn = s.browseOn = false;
}

}  // namespace

void ShowKeyInEditor(EditorState& s, const KeyRecord& key, const std::string& selectedKeyCommand)
{
    s.hint = key.hint;
    s.mods = {};
    s.hotKey = s.linking = false;
    const int mode = key.mode;
    if (mode == 1) {
        s.setting = true;
        s.hotKeyOn = s.linkingOn = true;
        s.hotKey = true;
        SetModifiersOn(s, true);
        s.keyComboOn = true;
        s.pathOn = false;
        s.hintLabelOn = s.hintOn = true;
        s.browseOn = false;
        s.path.clear();
        s.mods = ModifiersIn(key.command);
    } else if (mode == 2 || mode == 3 || mode == 4) {
        s.setting = true;
        s.hotKeyOn = s.linkingOn = true;
        s.linking = true;
        s.pathOn = s.hintLabelOn = s.hintOn = s.browseOn = true;
        SetModifiersOn(s, false);
        s.keyComboOn = false;
        s.path = key.command;
        s.keyCombo = 0;
    } else {
        if (!key.command.empty()) {
            const HotKeyModifiers m = ModifiersIn(key.command);
            if (m.ctrl || m.shift || m.alt || m.tab) {
                s.mods = m;
                s.hotKey = true;
                s.path.clear();
            }
            if (!s.hotKey) {
                s.path = selectedKeyCommand;
                s.linking = true;
            }
        } else {
            s.path.clear();
        }
        s.keyCombo = 0;
        SwitchOff(s);
        s.linkingOn = false;
    }
    s.keyCombo = key.comboIndex;
    s.settingOn = true;
    if (mode != 0) {
        if (key.locked) {
            LockKeyEditor(s);
        } else if (s.hotKey) {
            s.setting = true;
            s.hotKeyOn = true;
            SetModifiersOn(s, true);
            s.keyComboOn = s.linkingOn = s.hintLabelOn = s.hintOn = true;
            s.path.clear();
        } else if (s.linking) {
            s.hotKeyOn = true;
            s.setting = true;
            s.linkingOn = s.pathOn = s.hintLabelOn = s.hintOn = s.browseOn = true;
            s.keyCombo = 0;
        } else {
            SwitchOff(s);
            s.keyCombo = 0;
            s.path.clear();
        }
    } else {
        SwitchOff(s);
    }
    s.confirmOn = false;
}

void LockKeyEditor(EditorState& s)
{
    s.settingOn = s.hintOn = s.keyComboOn = false;
    SetModifiersOn(s, false);
    s.linkingOn = s.hotKeyOn = s.pathOn = s.browseOn = s.hintLabelOn = false;
}

void OnSettingClicked(EditorState& s)
{
    s.confirmOn = true;
    if (s.setting) {
        s.hotKeyOn = s.linkingOn = s.hintOn = s.hintLabelOn = true;
        if (s.hotKey) {
            SetModifiersOn(s, true);
            s.keyComboOn = true;
            s.pathOn = s.browseOn = false;
            return;
        }
        if (s.linking) {
            SetModifiersOn(s, false);
            s.keyComboOn = false;
            s.pathOn = s.browseOn = true;
            return;
        }
        SetModifiersOn(s, false);
        s.keyComboOn = s.browseOn = false;
        s.keyCombo = 0;
        s.path.clear();
        s.pathOn = false;
    } else {
        s.hotKeyOn = false;
        SetModifiersOn(s, false);
        s.keyComboOn = s.linkingOn = s.browseOn = s.hintLabelOn = s.hintOn = s.pathOn = false;
    }
    // Nothing to save yet: no path, no hint and no hot key.
    if (s.path.empty() && s.hint.empty() && !s.hotKey) s.confirmOn = false;
}

void OnHotKeyClicked(EditorState& s)
{
    // The two choices exclude each other whatever the template's groups.
    s.hotKey = true;
    s.linking = false;
    SetModifiersOn(s, true);
    s.keyComboOn = true;
    s.pathOn = s.browseOn = false;
    s.confirmOn = true;
}

void OnLinkingClicked(EditorState& s)
{
    s.hotKey = false;
    s.linking = true;
    s.pathOn = s.browseOn = true;
    SetModifiersOn(s, false);
    s.keyComboOn = false;
    s.confirmOn = true;
}

void OnBrowsed(EditorState& s, const std::string& picked, const std::string& storedCommand)
{
    s.confirmOn = true;
    s.path = picked.empty() ? storedCommand : picked;
}

std::string FirstLine(const std::string& text, size_t max)
{
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    if (line.size() > max) line.resize(max);
    return line;
}

ConfirmResult DecideConfirm(const EditorState& s)
{
    constexpr size_t kMaxText = 1000;
    ConfirmResult r;
    bool clear = false;
    const bool anyModifier = s.mods.ctrl || s.mods.shift || s.mods.alt || s.mods.tab;
    if (s.setting) {
        if (s.hotKey) {
            r.mode = 1;
            r.command = ComposeHotKey(s.mods, s.keyCombo);
            r.comboIndex = s.keyCombo;
        } else if (s.linking) {
            r.mode = 2;
            r.command = FirstLine(s.path, kMaxText);
        }
    } else {
        r.mode = 0;
        if (s.hotKey) {
            r.command = ComposeHotKey(s.mods, s.keyCombo, true);
            r.comboIndex = s.keyCombo;
        } else if (s.linking) {
            r.command = FirstLine(s.path, kMaxText);
        }
    }
    r.hint = FirstLine(s.hint, kMaxText);
    if (r.hint.empty()) {
        if (s.linking) {
            if (!r.command.empty()) r.outcome = ConfirmOutcome::AskForHint;
            else clear = true;
        } else if (s.hotKey) {
            if (anyModifier) r.outcome = ConfirmOutcome::AskForHint;
            else clear = true;
        }
    }
    if (clear) r.command.clear();
    return r;
}

int MissingHintTextId(int oemId) { return oemId == 5 ? 147 : 138; }

}  // namespace tessar
