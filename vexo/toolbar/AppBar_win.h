#pragma once
// The shell's app-bar service (SHAppBarMessage) for one window.
#include <windows.h>

#include "AppBar.h"

class CShellAppBar : public IAppBarShell {
public:
    explicit CShellAppBar(HWND window) : window_(window) {}

    bool New(unsigned callbackMessage) override;
    bool Remove() override;
    void QueryPos(int edge, AppBarRect& rect) override;
    void SetPos(int edge, AppBarRect& rect) override;
    void WindowPosChanged() override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    AppBarRect WindowRect() const override;
    void MoveWindow(const AppBarRect& rect) override;

private:
    HWND window_;
};
