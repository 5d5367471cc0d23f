#pragma once
// The key actions' Windows side: shell folders and starts, the foreground
// window, the slide-show library and Vexo's toolbar window.
#include <windows.h>

#include "KeyActions.h"
#include "SlideShowBinding_win.h"

namespace tessar {

class CWin32ActionPlatform : public IActionPlatform {
public:
    explicit CWin32ActionPlatform(CSlideShowBinding& slideShow) : slideShow_(slideShow) {}
    // The settings window: shown by "Klavrun.exe", owner of the boxes.
    void SetOwner(HWND owner) { owner_ = owner; }

    void ShowSettingsWindow() override;
    std::string SpecialFolder(int csidl) override;
    std::string FolderPath(int csidl) override;
    void CreateFolder(const std::string& path) override;
    int Start(const std::string& path) override;
    void OpenFolder(const std::string& folder) override;
    bool IsClassInFront(const std::string& className) override;
    bool SlideShowBound() override;
    int GetSlideShowActive() override;
    void SetPointerColor(std::uint32_t colour) override;
    void SetPointerType(int type) override;
    bool PresenterRunning() override;
    void PostToolbarCommand(int code) override;
    void Sleep(unsigned ms) override;
    void DebugOutput(const std::string& text) override;
    void ShowPresenterMissing() override;
    std::uintptr_t OwnerWindow() override;

    // ShellExecuteA with SW_SHOWNORMAL; the shell's result as a number.
    static int ShellStart(const std::string& path);

private:
    CSlideShowBinding& slideShow_;
    HWND owner_ = nullptr;
};

}  // namespace tessar
