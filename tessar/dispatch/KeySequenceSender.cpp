#include "KeySequenceSender.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace tessar {

namespace {

constexpr unsigned kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkShift = 0x10,
                   kVkControl = 0x11, kVkMenu = 0x12, kVkSpace = 0x20, kVkLWin = 0x5B,
                   kVkAdd = 0x6B, kVkSubtract = 0x6D, kVkNumLock = 0x90, kVkOem1 = 0xBA;
constexpr unsigned kNumLockScan = 0x45;

bool IsExtended(unsigned vk)
{
    switch (vk) {
    case 0x26: case 0x28: case 0x25: case 0x27: case 0x24:
    case 0x23: case 0x21: case 0x22: case 0x2D: case 0x2E:
        return true;
    default:
        return false;
    }
}

// A named key: a virtual-key code, or the character whose key is pressed.
struct KeyName {
    const char* name;
    int code;  // -1: use ch
    char ch;
};

constexpr KeyName kKeyNames[] = {
    {"ADD", 0x6B, 0}, {"APPS", 0x5D, 0}, {"AT", -1, '@'},
    {"BACKSPACE", 0x08, 0}, {"BKSP", 0x08, 0}, {"BS", 0x08, 0},
    {"BREAK", 0x03, 0}, {"CAPSLOCK", 0x14, 0}, {"CARET", -1, '^'},
    {"CLEAR", 0x0C, 0}, {"DECIMAL", 0x6E, 0}, {"DEL", 0x2E, 0}, {"DELETE", 0x2E, 0},
    {"DIVIDE", 0x6F, 0}, {"DOWN", 0x28, 0}, {"UP", 0x26, 0}, {"LEFT", 0x25, 0},
    {"RIGHT", 0x27, 0}, {"END", 0x23, 0}, {"HOME", 0x24, 0}, {"ENTER", 0x0D, 0},
    {"ESC", 0x1B, 0}, {"ESCAPE", 0x1B, 0},
    {"F1", 0x70, 0}, {"F2", 0x71, 0}, {"F3", 0x72, 0}, {"F4", 0x73, 0},
    {"F5", 0x74, 0}, {"F6", 0x75, 0}, {"F7", 0x76, 0}, {"F8", 0x77, 0},
    {"F9", 0x78, 0}, {"F10", 0x79, 0}, {"F11", 0x7A, 0}, {"F12", 0x7B, 0},
    {"F13", 0x7C, 0}, {"F14", 0x7D, 0}, {"F15", 0x7E, 0}, {"F16", 0x7F, 0},
    {"HELP", 0x2F, 0}, {"INS", 0x2D, 0},
    {"LEFTBRACE", -1, '{'}, {"RIGHTBRACE", -1, '}'},
    {"LEFTPAREN", -1, '('}, {"RIGHTPAREN", -1, ')'},
    {"LWIN", 0x5B, 0}, {"WIN", 0x5B, 0}, {"RWIN", 0x5C, 0},
    {"MINUS", -1, '-'}, {"MULTIPLY", 0x6A, 0}, {"NUMLOCK", 0x90, 0},
    {"NUMPAD0", 0x60, 0}, {"NUMPAD1", 0x61, 0}, {"NUMPAD2", 0x62, 0}, {"NUMPAD3", 0x63, 0},
    {"NUMPAD4", 0x64, 0}, {"NUMPAD5", 0x65, 0}, {"NUMPAD6", 0x66, 0}, {"NUMPAD7", 0x67, 0},
    {"NUMPAD8", 0x68, 0}, {"NUMPAD9", 0x69, 0},
    {"PERCENT", -1, '%'}, {"PGDN", 0x22, 0}, {"PGUP", 0x21, 0}, {"PLUS", -1, '+'},
    {"PRTSC", 0x2A, 0}, {"SCROLL", 0x91, 0}, {"SEMICOLON", -1, ';'},
    {"SEPARATOR", 0x6C, 0}, {"SINGLEQUOTE", 0xDE, 0}, {"SNAPSHOT", 0x2C, 0},
    // The Space key, as "_" presses it: the name is there to type a blank.
    {"SPACE", 0x20, 0},
    {"SUBTRACT", 0x6D, 0}, {"TAB", 0x09, 0}, {"TILDE", -1, '~'},
};

bool EqualsNoCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(b[i]))
            return false;
    return i == a.size() && b[i] == '\0';
}

bool StartsNoCase(const std::string& a, const char* prefix)
{
    for (std::size_t i = 0; prefix[i]; ++i)
        if (i >= a.size() ||
            std::toupper(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(prefix[i]))
            return false;
    return true;
}

std::string From(const std::string& s, std::size_t pos)
{
    return pos < s.size() ? s.substr(pos) : std::string();
}

int ClampWait(int ms) { return std::clamp(ms, 0, kMaxWaitMs); }

}  // namespace

int ParseDecimal(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;
            break;
        }
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void CKeySequenceSender::Event(unsigned vk, unsigned flags)
{
    platform_.SendKey(vk, platform_.ScanCode(vk), flags);
    if (pump_) platform_.PumpKeyboardMessages();
}

void CKeySequenceSender::Hold(Held mark, unsigned vk)
{
    held_ |= mark;
    Event(vk, 0);
}

void CKeySequenceSender::Wait(int ms)
{
    const int granted = std::min(ClampWait(ms), blockingLeftMs_);
    if (granted <= 0) return;
    blockingLeftMs_ -= granted;
    platform_.Sleep(static_cast<unsigned>(granted));
}

void CKeySequenceSender::WaitBeforeMainKey()
{
    if (oneShotDelay_ != 0) Wait(oneShotDelay_);
    else if (defaultDelay_ != 0) Wait(defaultDelay_);
    oneShotDelay_ = 0;
}

void CKeySequenceSender::PressKey(unsigned vk, int count, bool release, bool wait)
{
    for (int i = 0; i < count; ++i) {
        if (wait) WaitBeforeMainKey();
        if (vk == kVkNumLock) {
            // Num Lock is a toggle: it always goes up again, and its events
            // carry the scan code and flag of the real key.
            platform_.SendKey(vk, kNumLockScan, kKeyExtended);
            platform_.SendKey(vk, kNumLockScan, kKeyExtended | kKeyUp);
            continue;
        }
        Event(vk, IsExtended(vk) ? kKeyExtended : 0);
        if (release) Event(vk, kKeyExtended | kKeyUp);
    }
}

void CKeySequenceSender::ReleaseKey(unsigned vk)
{
    Event(vk, kKeyUp | (IsExtended(vk) ? kKeyExtended : 0));
}

void CKeySequenceSender::PressWithShift(int code, int count)
{
    const unsigned shift = (static_cast<unsigned>(code) >> 8) & 0xFF;
    const unsigned vk = static_cast<unsigned>(code) & 0xFF;
    if (shift & 1) Event(kVkShift, 0);
    if (shift & 2) Event(kVkControl, 0);
    if (shift & 4) Event(kVkMenu, 0);
    PressKey(vk, count, true, true);
    if (shift & 1) ReleaseKey(kVkShift);
    if (shift & 2) ReleaseKey(kVkControl);
    if (shift & 4) ReleaseKey(kVkMenu);
}

void CKeySequenceSender::ReleaseAllHeld()
{
    // The main keys go up before the modifiers, as when typing.
    if (held_ & kHeldBackspace) ReleaseKey(kVkBack);
    if (held_ & kHeldSpace) ReleaseKey(kVkSpace);
    if (held_ & kHeldShift) ReleaseKey(kVkShift);
    if (held_ & kHeldCtrl) ReleaseKey(kVkControl);
    if (held_ & kHeldAlt) ReleaseKey(kVkMenu);
    if (held_ & kHeldWin) ReleaseKey(kVkLWin);
    if (held_ & kHeldAdd) ReleaseKey(kVkAdd);
    if (held_ & kHeldSubtract) ReleaseKey(kVkSubtract);
    if (held_ & kHeldOem1) ReleaseKey(kVkOem1);
    if (held_ & kHeldTab) ReleaseKey(kVkTab);
    held_ = 0;
}

void CKeySequenceSender::ReleasePoint()
{
    if (!group_) ReleaseAllHeld();
}

void CKeySequenceSender::Activate(const std::string& title)
{
    WindowRef window = platform_.FindWindowByTitle(title);
    if (!window) {
        for (const auto& [ref, text] : platform_.TopLevelWindows()) {
            if (!text.empty() && text.find(title) != std::string::npos) {
                window = ref;
                break;
            }
        }
    }
    if (window) platform_.ActivateWindow(window);
}

bool CKeySequenceSender::BraceGroup(const std::string& content)
{
    if (content.size() > kMaxBraceContent) {
        ReleaseAllHeld();
        return false;
    }
    if (StartsNoCase(content, "VKEY")) {
        const int code = ParseDecimal(From(content, 4));
        // A key code and the three shift bits; anything else names no key.
        const int vk = code & 0xFF;
        if (code > 0 && code <= 0x7FF && vk != 0 && vk != 0xFF) PressWithShift(code, 1);
        ReleasePoint();
        return true;
    }
    if (StartsNoCase(content, "BEEP")) {
        const std::size_t blank = content.find(' ', 5);
        if (content.size() > 5 && blank != std::string::npos) {
            const int frequency = ParseDecimal(content.substr(5, blank - 5));
            const int duration = std::min(ClampWait(ParseDecimal(From(content, blank + 1))),
                                          blockingLeftMs_);
            if (duration > 0) {
                blockingLeftMs_ -= duration;
                // The tones a PC speaker can play.
                platform_.Beep(static_cast<unsigned>(std::clamp(frequency, 37, 32767)),
                               static_cast<unsigned>(duration));
            }
        }
        return true;
    }
    if (StartsNoCase(content, "APPACTIVATE")) {
        Activate(From(content, 12));
        return true;
    }
    if (StartsNoCase(content, "DELAY")) {
        if (content.size() > 5 && content[5] == '=')
            defaultDelay_ = ClampWait(ParseDecimal(From(content, 6)));
        else
            oneShotDelay_ = ClampWait(ParseDecimal(From(content, 5)));
        return true;
    }
    for (const KeyName& key : kKeyNames) {
        if (!EqualsNoCase(content, key.name)) continue;
        const int code = key.code >= 0 ? key.code : platform_.KeyForChar(key.ch);
        if (code != -1 && (code & 0xFF) != 0xFF) PressWithShift(code, 1);
        ReleasePoint();
        return true;
    }
    return true;
}

bool CKeySequenceSender::SendKeySequence(const std::string& text, bool pumpMessages)
{
    group_ = false;
    held_ = 0;
    pump_ = pumpMessages;
    blockingLeftMs_ = kMaxBlockingMsPerCall;

    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i++];
        switch (c) {
        case '(': group_ = true; break;
        case ')': group_ = false; ReleasePoint(); break;
        case '%': Hold(kHeldAlt, kVkMenu); break;
        case '$': Hold(kHeldShift, kVkShift); break;
        case '^': Hold(kHeldCtrl, kVkControl); break;
        case '@': Hold(kHeldWin, kVkLWin); break;
        case '&': Hold(kHeldTab, kVkTab); break;
        case '+': Hold(kHeldAdd, kVkAdd); break;
        case '-': Hold(kHeldSubtract, kVkSubtract); break;
        case ';': Hold(kHeldOem1, kVkOem1); break;
        case '#': Hold(kHeldBackspace, kVkBack); break;
        case '_': Hold(kHeldSpace, kVkSpace); break;
        case '~':
            PressKey(kVkReturn, 1, true, false);
            ReleasePoint();
            break;
        case '{': {
            const std::size_t close = text.find('}', i);
            const std::size_t end = close == std::string::npos ? text.size() : close;
            const std::string content = text.substr(i, end - i);
            i = close == std::string::npos ? text.size() : close + 1;
            if (!BraceGroup(content)) return false;
            break;
        }
        default: {
            const int code = platform_.KeyForChar(c);
            // A character no key types is skipped and releases nothing.
            if (code == -1 || (code & 0xFF) == 0xFF) break;
            PressWithShift(code, 1);
            ReleasePoint();
            break;
        }
        }
    }
    group_ = false;
    ReleasePoint();
    return true;
}

}  // namespace tessar
