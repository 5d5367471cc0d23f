#pragma once
// The key tip: a tracking balloon tooltip with one tool, shown at a point on
// the screen's edge with the pressed key's label.
#include <windows.h>

#include <commctrl.h>

#include <string>

class CKeyTip {
public:
    CKeyTip() = default;
    ~CKeyTip();
    CKeyTip(const CKeyTip&) = delete;
    CKeyTip& operator=(const CKeyTip&) = delete;

    bool Create(HINSTANCE instance);
    // Moves the tip to (x, y) (each cut to 16 bits), sets its text and
    // colours and shows it.
    void Show(int x, int y, const std::string& label, COLORREF text, COLORREF back);
    void Hide();
    HWND Window() const { return hwnd_; }

private:
    TTTOOLINFOA Tool(const char* text) const;

    HWND hwnd_ = nullptr;
};
