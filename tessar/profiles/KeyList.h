#pragma once
// The fixed 62-entry key list of the key editor's combo box and the hot-key
// commands built from it. `KeyComboIdx%d` stores an index into this list and
// `MacroKey%d` the command composed from the modifiers and the entry's token.
#include <string>

namespace tessar {

inline constexpr int kKeyListSize = 62;
inline constexpr int kKeyListFirstLetter = 0;   // "A" to "Z"
inline constexpr int kKeyListLastLetter = 25;
inline constexpr int kKeyListFirstReducedText = 57;  // "RIGHT" to "Page Down"

// Text shown in the list ("A", "F5", "Backspace"); empty for an index outside it.
std::string KeyListText(int index);
// Token stored in a hot-key command ("A", "{F5}", "#"); empty outside the list.
std::string KeyListToken(int index);
// Token of a key saved with Setting cleared: the same, except that entries 57
// to 61 keep their list text. Such commands are stored but never sent.
std::string KeyListReducedToken(int index);
// True for the letters: their commands are lowered before sending.
bool IsLetterEntry(int index);

struct HotKeyModifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool tab = false;
};

// "^" Ctrl, "$" Shift, "%" Alt, "&" Tab, in this order, then the token.
std::string ComposeHotKey(const HotKeyModifiers& mods, int index, bool reducedToken = false);
// The modifiers whose characters occur anywhere in a stored command.
HotKeyModifiers ModifiersIn(const std::string& command);

}  // namespace tessar
