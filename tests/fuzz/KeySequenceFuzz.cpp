// The key sequence language on a fake keyboard: whatever the text, no key is
// left down when the call returns, and the call's waits stay within their
// limits. Like the platform's key state, a key pressed again while down (a
// repeat) is up again after one release.
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "KeySequenceSender.h"

namespace {

class Keyboard : public tessar::ISendPlatform {
public:
    std::set<unsigned> down;
    long long waitedMs = 0;

    void SendKey(unsigned vk, unsigned, unsigned flags) override
    {
        FUZZ_CHECK(vk > 0 && vk < 256);
        if (flags & tessar::kKeyUp) down.erase(vk);
        else down.insert(vk);
    }
    unsigned ScanCode(unsigned vk) override { return vk & 0x7F; }
    int KeyForChar(char c) override
    {
        // Letters and digits on their keys, capitals with Shift, a few
        // symbols behind Shift, and no key for the rest.
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if (c >= 'A' && c <= 'Z') return 0x100 | c;
        if (c >= '0' && c <= '9') return c;
        if (c == '!' || c == '*' || c == '?') return 0x100 | 0xBF;
        if (c == ' ') return 0x20;
        return -1;
    }
    void Beep(unsigned, unsigned ms) override { Waited(ms); }
    void Sleep(unsigned ms) override { Waited(ms); }
    void PumpKeyboardMessages() override {}
    tessar::WindowRef FindWindowByTitle(const std::string& title) override { return title == "Notes" ? 7 : 0; }
    std::vector<std::pair<tessar::WindowRef, std::string>> TopLevelWindows() override
    {
        return {{7, "Notes"}, {9, "Notes - draft"}};
    }
    void ActivateWindow(tessar::WindowRef) override {}

private:
    void Waited(unsigned ms)
    {
        FUZZ_CHECK(ms <= static_cast<unsigned>(tessar::kMaxWaitMs));
        waitedMs += ms;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const bool pump = in.Byte() & 1;
    Keyboard keyboard;
    tessar::CKeySequenceSender sender(keyboard);
    // Two calls on one sender: the second starts from what the first left.
    for (int call = 0; call < 2; ++call) {
        keyboard.waitedMs = 0;
        sender.SendKeySequence(in.Until('\0'), pump);
        FUZZ_CHECK(keyboard.down.empty());
        FUZZ_CHECK(keyboard.waitedMs <= tessar::kMaxBlockingMsPerCall);
    }
    tessar::ParseDecimal(in.Rest());
    return 0;
}
