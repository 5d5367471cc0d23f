#include "KeyTip_win.h"

#include <commctrl.h>

namespace {

// WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE | TTS_BALLOON.
constexpr DWORD kKeyTipStyle = 0x80000073;
// The text a tool shows before its first update.
char kInitialText[] = "NULL";

}  // namespace

CKeyTip::~CKeyTip()
{
    if (hwnd_) DestroyWindow(hwnd_);
}

TTTOOLINFOA CKeyTip::Tool(const char* text) const
{
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK;
    tool.lpszText = const_cast<char*>(text);
    return tool;
}

bool CKeyTip::Create(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, kKeyTipStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                            nullptr);
    if (!hwnd_) return false;
    // The one tool is added once: adding it at every show would pile up
    // copies of it in the control.
    TTTOOLINFOA tool = Tool(kInitialText);
    SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

void CKeyTip::Show(int x, int y, const std::string& label, COLORREF text, COLORREF back)
{
    if (!hwnd_) return;
    SendMessageA(hwnd_, TTM_TRACKPOSITION, 0,
                 MAKELPARAM(static_cast<WORD>(x & 0xFFFF), static_cast<WORD>(y & 0xFFFF)));
    TTTOOLINFOA tool = Tool(label.c_str());
    SendMessageA(hwnd_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(hwnd_, TTM_SETTIPTEXTCOLOR, text, 0);
    SendMessageA(hwnd_, TTM_SETTIPBKCOLOR, back, 0);
    TTTOOLINFOA active = Tool(nullptr);
    SendMessageA(hwnd_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&active));
}

void CKeyTip::Hide()
{
    if (!hwnd_) return;
    TTTOOLINFOA tool = Tool(nullptr);
    SendMessageA(hwnd_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
