#pragma once
// The key sequence sender: types a small key language into whatever window
// has the keyboard focus. Ordinary characters type themselves; "^" "$" "%"
// "@" "&" "+" "-" ";" hold Ctrl, Shift, Alt, Win, Tab, keypad Add, keypad
// Subtract and OEM 1 until the next release point; "#" and "_" press
// Backspace and Space; "~" is Enter; "(" ... ")" keeps held keys down across
// several keys; "{NAME}" presses a named key and "{VKEY n}", "{BEEP f d}",
// "{APPACTIVATE title}", "{DELAY n}" / "{DELAY=n}" are commands.
//
// Every decision is made here; ISendPlatform only injects one key event,
// beeps, waits and finds windows.
//
// Guarantees beyond the language itself:
// - no key is left down when a call returns: Backspace and Space pressed by
//   "#" and "_" are released at the release point like the held modifiers,
//   and an over-long brace group releases everything before the call gives up;
// - "{SPACE}" presses the Space key, as "_" does (not the underscore);
// - one wait (DELAY, the default delay, a beep's duration) lasts at most
//   kMaxWaitMs, and one call spends at most kMaxBlockingMsPerCall in waits and
//   beeps; what is asked beyond that is skipped, so malformed text cannot
//   hang the caller.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tessar {

// Key event flags, as the platform's keyboard input takes them.
inline constexpr unsigned kKeyExtended = 0x1;
inline constexpr unsigned kKeyUp = 0x2;

inline constexpr int kMaxWaitMs = 10000;
inline constexpr int kMaxBlockingMsPerCall = 30000;
// A brace group longer than this ends the call.
inline constexpr std::size_t kMaxBraceContent = 299;

using WindowRef = std::uintptr_t;

class ISendPlatform {
public:
    virtual ~ISendPlatform() = default;
    // One keyboard event: virtual-key code, scan code, kKeyExtended/kKeyUp.
    virtual void SendKey(unsigned vk, unsigned scan, unsigned flags) = 0;
    // The scan code of a virtual key on the current layout.
    virtual unsigned ScanCode(unsigned vk) = 0;
    // The key that types c: low byte the key code, high byte the shift
    // state (bit 0 Shift, bit 1 Ctrl, bit 2 Alt); -1 when no key types it.
    virtual int KeyForChar(char c) = 0;
    virtual void Beep(unsigned frequency, unsigned durationMs) = 0;
    virtual void Sleep(unsigned ms) = 0;
    // Dispatches the calling thread's pending keyboard messages.
    virtual void PumpKeyboardMessages() = 0;
    // Window activation: the window with exactly this title (0 if none),
    // the top-level windows in the system's order, and bringing one forward.
    virtual WindowRef FindWindowByTitle(const std::string& title) = 0;
    virtual std::vector<std::pair<WindowRef, std::string>> TopLevelWindows() = 0;
    virtual void ActivateWindow(WindowRef window) = 0;
};

// The decimal number at the start of text after blanks, with a sign, as the
// C library's atoi reads it but saturated to the 32-bit range.
int ParseDecimal(const std::string& text);

class CKeySequenceSender {
public:
    explicit CKeySequenceSender(ISendPlatform& platform) : platform_(platform) {}

    // Types text; false only for a brace group longer than kMaxBraceContent
    // (the rest of the text is not sent).
    bool SendKeySequence(const std::string& text, bool pumpMessages = false);

    int DefaultDelay() const { return defaultDelay_; }
    int OneShotDelay() const { return oneShotDelay_; }

private:
    enum Held : unsigned {
        kHeldShift = 1u << 0,
        kHeldAlt = 1u << 1,
        kHeldCtrl = 1u << 2,
        kHeldWin = 1u << 3,
        kHeldTab = 1u << 4,
        kHeldAdd = 1u << 5,
        kHeldSubtract = 1u << 6,
        kHeldOem1 = 1u << 7,
        kHeldBackspace = 1u << 8,
        kHeldSpace = 1u << 9,
    };

    void Event(unsigned vk, unsigned flags);
    void Hold(Held mark, unsigned vk);
    void WaitBeforeMainKey();
    void Wait(int ms);
    void PressKey(unsigned vk, int count, bool release, bool wait);
    void ReleaseKey(unsigned vk);
    void PressWithShift(int code, int count);
    void ReleasePoint();
    void ReleaseAllHeld();
    bool BraceGroup(const std::string& content);
    void Activate(const std::string& title);

    ISendPlatform& platform_;
    bool pump_ = false;
    bool group_ = false;
    unsigned held_ = 0;
    int defaultDelay_ = 0;
    int oneShotDelay_ = 0;
    int blockingLeftMs_ = 0;
};

}  // namespace tessar
