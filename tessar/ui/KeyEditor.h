#pragma once
// The key editor of the settings window: which of its controls are checked,
// enabled and filled for a key, what its clicks change, and what Confirm
// stores. The window copies this state to and from its controls.
#include <string>

#include "KeyList.h"
#include "ProfileStore.h"

namespace tessar {

struct EditorState {
    // Check boxes and radio buttons.
    bool setting = false;   // S: the editor is on for the key
    bool hotKey = false;    // H: "Use hot key"
    bool linking = false;   // L: "Linking"
    HotKeyModifiers mods;
    // Enabled controls.
    bool settingOn = true;
    bool hotKeyOn = true;
    bool linkingOn = true;
    bool ctrlOn = true, shiftOn = true, altOn = true, tabOn = true;
    bool keyComboOn = true;
    bool pathOn = true;
    bool browseOn = true;
    bool hintLabelOn = true;
    bool hintOn = true;
    bool confirmOn = false;
    // Texts and the key combo's selection (-1: none).
    std::string hint;
    std::string path;
    int keyCombo = 0;
};

// Shows a stored key. selectedKeyCommand is MacroKey%d of the key selected in
// the key list (the editor puts it into the path for keys that are neither
// hot keys nor links).
void ShowKeyInEditor(EditorState& s, const KeyRecord& key, const std::string& selectedKeyCommand);
// Every editing control off, as for a default key.
void LockKeyEditor(EditorState& s);
// Clicks of Setting, "Use hot key" and "Linking".
void OnSettingClicked(EditorState& s);
void OnHotKeyClicked(EditorState& s);
void OnLinkingClicked(EditorState& s);
// Browse: the picked path, or the stored command again when cancelled.
void OnBrowsed(EditorState& s, const std::string& picked, const std::string& storedCommand);

// The first line of an edit control's text, at most max characters.
std::string FirstLine(const std::string& text, size_t max);

enum class ConfirmOutcome { Write, AskForHint };
struct ConfirmResult {
    ConfirmOutcome outcome = ConfirmOutcome::Write;
    std::string command;  // MacroKey%d
    int mode = 2;         // MacroKeyMode%d
    std::string hint;     // MacroKeyName%d
    int comboIndex = 0;   // KeyComboIdx%d
};
// What Confirm stores for the editor's state, or that a hint is missing.
ConfirmResult DecideConfirm(const EditorState& s);

// String id of the missing-hint message.
int MissingHintTextId(int oemId);

}  // namespace tessar
