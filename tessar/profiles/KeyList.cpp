#include "KeyList.h"

namespace tessar {

namespace {
// Entries 48 to 61: the list text and the token the sender understands.
struct NamedEntry {
    const char* text;
    const char* token;
};
constexpr NamedEntry kNamedEntries[] = {
    {"DEL", "{DEL}"},           {"+", "+"},
    {"-", "-"},                 {";", ";"},
    {"'", "'"},                 {"Backspace", "#"},
    {"Enter", "~"},             {"Space", "_"},
    {"ESC", "{ESC}"},           {"RIGHT", "{RIGHT}"},
    {"LEFT", "{LEFT}"},         {"Print Screen", "{SNAPSHOT}"},
    {"Page Up", "{PGUP}"},      {"Page Down", "{PGDN}"},
};
constexpr int kFirstDigit = 26;
constexpr int kFirstFunctionKey = 36;
constexpr int kFirstNamed = 48;
static_assert(kFirstNamed + sizeof(kNamedEntries) / sizeof(kNamedEntries[0]) == kKeyListSize,
              "the key list has 62 entries");
}  // namespace

std::string KeyListText(int index)
{
    if (index < 0 || index >= kKeyListSize) return {};
    if (index < kFirstDigit) return std::string(1, static_cast<char>('A' + index));
    if (index < kFirstFunctionKey) return std::string(1, static_cast<char>('0' + index - kFirstDigit));
    if (index < kFirstNamed) return "F" + std::to_string(index - kFirstFunctionKey + 1);
    return kNamedEntries[index - kFirstNamed].text;
}

std::string KeyListToken(int index)
{
    if (index < 0 || index >= kKeyListSize) return {};
    if (index < kFirstFunctionKey) return KeyListText(index);
    if (index < kFirstNamed) return "{" + KeyListText(index) + "}";
    return kNamedEntries[index - kFirstNamed].token;
}

std::string KeyListReducedToken(int index)
{
    if (index >= kKeyListFirstReducedText && index < kKeyListSize) return KeyListText(index);
    return KeyListToken(index);
}

bool IsLetterEntry(int index) { return index >= kKeyListFirstLetter && index <= kKeyListLastLetter; }

std::string ComposeHotKey(const HotKeyModifiers& mods, int index, bool reducedToken)
{
    std::string out;
    if (mods.ctrl) out += '^';
    if (mods.shift) out += '$';
    if (mods.alt) out += '%';
    if (mods.tab) out += '&';
    return out + (reducedToken ? KeyListReducedToken(index) : KeyListToken(index));
}

HotKeyModifiers ModifiersIn(const std::string& command)
{
    HotKeyModifiers m;
    m.ctrl = command.find('^') != std::string::npos;
    m.shift = command.find('$') != std::string::npos;
    m.alt = command.find('%') != std::string::npos;
    m.tab = command.find('&') != std::string::npos;
    return m;
}

}  // namespace tessar
