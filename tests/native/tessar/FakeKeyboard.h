#pragma once
// A keyboard with the US layout that writes down what the sender does:
// "Ctrl+" a key going down, "A-" a key going up, "wait 500", "beep 440 200",
// "activate 2"; and keeps which keys are down.
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "KeySequenceSender.h"

namespace tessar_test {

struct SentKey {
    unsigned vk, scan, flags;
};

class FakeKeyboard : public tessar::ISendPlatform {
public:
    std::vector<std::string> trace;
    std::vector<SentKey> keys;
    std::set<unsigned> down;
    long long sleptMs = 0;
    std::vector<std::pair<tessar::WindowRef, std::string>> windows;

    static std::string Name(unsigned vk)
    {
        static const std::map<unsigned, std::string> names = {
            {0x08, "Backspace"}, {0x09, "Tab"}, {0x0D, "Enter"}, {0x10, "Shift"}, {0x11, "Ctrl"},
            {0x12, "Alt"}, {0x1B, "Esc"}, {0x20, "Space"}, {0x25, "Left"}, {0x26, "Up"},
            {0x27, "Right"}, {0x28, "Down"}, {0x2E, "Del"}, {0x5B, "LWin"}, {0x6B, "Add"},
            {0x6D, "Subtract"}, {0x73, "F4"}, {0x74, "F5"}, {0x90, "NumLock"}, {0xBA, "Oem1"},
            {0xBD, "Minus"}, {0xBB, "Equals"}, {0xDB, "LBracket"}, {0xDD, "RBracket"},
            {0xC0, "Backquote"}, {0xDE, "Quote"}};
        if (vk >= 'A' && vk <= 'Z') return std::string(1, static_cast<char>(vk));
        if (vk >= '0' && vk <= '9') return std::string(1, static_cast<char>(vk));
        auto it = names.find(vk);
        if (it != names.end()) return it->second;
        char buf[16];
        std::snprintf(buf, sizeof buf, "vk%02X", vk);
        return buf;
    }

    void SendKey(unsigned vk, unsigned scan, unsigned flags) override
    {
        keys.push_back({vk, scan, flags});
        const bool up = (flags & tessar::kKeyUp) != 0;
        trace.push_back(Name(vk) + (up ? "-" : "+"));
        if (up) down.erase(vk);
        else down.insert(vk);
    }
    unsigned ScanCode(unsigned vk) override { return (vk * 7 + 3) & 0xFF; }
    int KeyForChar(char c) override
    {
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if (c >= 'A' && c <= 'Z') return 0x100 | c;
        if (c >= '0' && c <= '9') return c;
        static const std::map<char, int> us = {
            {' ', 0x20}, {'!', 0x131}, {'@', 0x132}, {'#', 0x133}, {'$', 0x134}, {'%', 0x135},
            {'^', 0x136}, {'&', 0x137}, {'*', 0x138}, {'(', 0x139}, {')', 0x130}, {'-', 0xBD},
            {'_', 0x1BD}, {'=', 0xBB}, {'+', 0x1BB}, {'[', 0xDB}, {'{', 0x1DB}, {']', 0xDD},
            {'}', 0x1DD}, {';', 0xBA}, {':', 0x1BA}, {'\'', 0xDE}, {'"', 0x1DE}, {',', 0xBC},
            {'<', 0x1BC}, {'.', 0xBE}, {'>', 0x1BE}, {'/', 0xBF}, {'?', 0x1BF}, {'`', 0xC0},
            {'~', 0x1C0}, {'\\', 0xDC}, {'|', 0x1DC}, {'\t', 0x09}, {'\r', 0x0D}};
        auto it = us.find(c);
        return it == us.end() ? -1 : it->second;
    }
    void Beep(unsigned frequency, unsigned ms) override
    {
        sleptMs += ms;
        trace.push_back("beep " + std::to_string(frequency) + " " + std::to_string(ms));
    }
    void Sleep(unsigned ms) override
    {
        sleptMs += ms;
        trace.push_back("wait " + std::to_string(ms));
    }
    void PumpKeyboardMessages() override { trace.push_back("pump"); }
    tessar::WindowRef FindWindowByTitle(const std::string& title) override
    {
        for (const auto& [ref, text] : windows)
            if (text == title) return ref;
        return 0;
    }
    std::vector<std::pair<tessar::WindowRef, std::string>> TopLevelWindows() override { return windows; }
    void ActivateWindow(tessar::WindowRef window) override
    {
        trace.push_back("activate " + std::to_string(window));
    }
};

}  // namespace tessar_test
