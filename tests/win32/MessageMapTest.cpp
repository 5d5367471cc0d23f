#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "Window.h"

namespace {

UINT g_pingMessage = 0;
constexpr UINT kIdSave = 1001;
constexpr UINT kIdColourFirst = 1100;
constexpr UINT kIdColourLast = 1114;
constexpr UINT kIdTitle = 1200;

class CBaseProbe : public fw::CWindow {
public:
    std::vector<int> calls;

protected:
    LRESULT OnTimer(WPARAM, LPARAM) { calls.push_back(-1); return 0; }
    void OnSave(UINT) { calls.push_back(-2); }

    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CBaseProbe, fw::CWindow)
    FW_ON_MESSAGE(WM_TIMER, OnTimer)
    FW_ON_COMMAND(kIdSave, OnSave)
FW_END_MESSAGE_MAP()

class CProbe : public CBaseProbe {
protected:
    void OnSave(UINT) { calls.push_back(1); }
    void OnColour(UINT id) { calls.push_back(static_cast<int>(id)); }
    void OnTitleChange(UINT) { calls.push_back(2); }
    LRESULT OnPing(WPARAM w, LPARAM) { calls.push_back(3); return static_cast<LRESULT>(w) + 1; }

    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CProbe, CBaseProbe)
    FW_ON_COMMAND(kIdSave, OnSave)
    FW_ON_COMMAND_RANGE(kIdColourFirst, kIdColourLast, OnColour)
    FW_ON_NOTIFY_CODE(EN_CHANGE, kIdTitle, OnTitleChange)
    FW_ON_REGISTERED_MESSAGE(&g_pingMessage, OnPing)
FW_END_MESSAGE_MAP()

TEST(MessageMap, RoutesToTheMostDerivedHandlerThenTheBase)
{
    g_pingMessage = RegisterWindowMessageA("LumoraTestPing");
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(fw::CWindow::RegisterClass(instance, "LumoraProbe", 0, nullptr, nullptr));
    CProbe probe;
    ASSERT_NE(probe.Create("LumoraProbe", "", WS_OVERLAPPED, 0, 0, 0, 10, 10, nullptr, nullptr, instance),
              nullptr);

    SendMessageA(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdSave, BN_CLICKED), 0);
    SendMessageA(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdColourLast, 0), 0);
    SendMessageA(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdColourLast + 1, 0), 0);   // no entry
    SendMessageA(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdTitle, EN_CHANGE), 0);
    SendMessageA(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdColourFirst, EN_CHANGE), 0);  // not a click
    SendMessageA(probe.m_hWnd, WM_TIMER, 7, 0);
    EXPECT_EQ(SendMessageA(probe.m_hWnd, g_pingMessage, 41, 0), 42);
    EXPECT_EQ(probe.calls, (std::vector<int>{1, static_cast<int>(kIdColourLast), 2, -1, 3}));

    // Unhandled messages get the default handling.
    SetWindowTextA(probe.m_hWnd, "title");
    char text[16] = "";
    GetWindowTextA(probe.m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "title");

    probe.Destroy();
    EXPECT_EQ(probe.m_hWnd, nullptr);
}

// A window that looks at every message first and keeps some for itself.
class CFilterProbe : public CProbe {
public:
    std::vector<UINT> seen;

protected:
    bool FilterMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (msg == WM_TIMER || msg == g_pingMessage) seen.push_back(msg);
        if (msg == WM_TIMER && wParam == 99) {
            result = 0;
            return true;
        }
        return false;
    }
};

TEST(MessageMap, FilterSeesEveryMessageBeforeTheMapAndMayKeepIt)
{
    g_pingMessage = RegisterWindowMessageA("LumoraTestPing");
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(fw::CWindow::RegisterClass(instance, "LumoraFilterProbe", 0, nullptr, nullptr));
    CFilterProbe probe;
    ASSERT_NE(probe.Create("LumoraFilterProbe", "", WS_OVERLAPPED, 0, 0, 0, 10, 10, nullptr, nullptr,
                           instance),
              nullptr);
    SendMessageA(probe.m_hWnd, WM_TIMER, 7, 0);
    SendMessageA(probe.m_hWnd, WM_TIMER, 99, 0);
    EXPECT_EQ(SendMessageA(probe.m_hWnd, g_pingMessage, 1, 0), 2);
    EXPECT_EQ(probe.seen, (std::vector<UINT>{WM_TIMER, WM_TIMER, g_pingMessage}));
    EXPECT_EQ(probe.calls, (std::vector<int>{-1, 3}));
    probe.Destroy();
}

}  // namespace
