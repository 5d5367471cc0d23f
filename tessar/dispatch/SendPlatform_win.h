#pragma once
// The key sequence sender's Windows side: SendInput, the layout's scan codes
// and shift states, Beep, Sleep and window activation.
#include <windows.h>

#include "KeySequenceSender.h"

namespace tessar {

class CWin32SendPlatform : public ISendPlatform {
public:
    void SendKey(unsigned vk, unsigned scan, unsigned flags) override;
    unsigned ScanCode(unsigned vk) override;
    int KeyForChar(char c) override;
    void Beep(unsigned frequency, unsigned durationMs) override;
    void Sleep(unsigned ms) override;
    void PumpKeyboardMessages() override;
    WindowRef FindWindowByTitle(const std::string& title) override;
    std::vector<std::pair<WindowRef, std::string>> TopLevelWindows() override;
    void ActivateWindow(WindowRef window) override;
};

}  // namespace tessar
