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

// A control of someone else's class taken over by an object.
class CSubclassProbe : public fw::CSubclassedWindow {
public:
    std::vector<UINT> seen;
    int drawn = 0;
    bool finalMessage = false;

protected:
    LRESULT OnSetText(WPARAM w, LPARAM l)
    {
        seen.push_back(WM_SETTEXT);
        return DefaultProc(WM_SETTEXT, w, l);
    }
    LRESULT OnDrawItem(WPARAM, LPARAM) { ++drawn; return TRUE; }
    void OnFinalMessage() override { finalMessage = true; }

    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CSubclassProbe, fw::CSubclassedWindow)
    FW_ON_MESSAGE(WM_SETTEXT, OnSetText)
    FW_ON_MESSAGE(fw::WM_REFLECTED_DRAWITEM, OnDrawItem)
FW_END_MESSAGE_MAP()

TEST(SubclassedWindow, RoutesThroughTheMapThenTheControlsOwnProcedure)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(fw::CWindow::RegisterClass(instance, "LumoraProbe", 0, nullptr, nullptr));
    CProbe parent;
    ASSERT_NE(parent.Create("LumoraProbe", "", WS_OVERLAPPED, 0, 0, 0, 100, 100, nullptr, nullptr, instance),
              nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "old", WS_CHILD | BS_OWNERDRAW, 0, 0, 20, 20, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(7), instance, nullptr);
    ASSERT_NE(button, nullptr);
    const LONG_PTR ownProc = GetWindowLongPtrA(button, GWLP_WNDPROC);

    CSubclassProbe probe;
    ASSERT_TRUE(probe.Attach(button));
    CSubclassProbe second;
    EXPECT_FALSE(second.Attach(button));  // one object per window
    EXPECT_EQ(fw::CSubclassedWindow::FromHandle(button), &probe);

    SetWindowTextA(button, "new");
    char text[16] = "";
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ(text, "new");  // the handler passed it on to the button
    EXPECT_EQ(probe.seen, std::vector<UINT>{WM_SETTEXT});

    // The parent's owner-draw request goes to the control's object.
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 7;
    item.hwndItem = button;
    EXPECT_EQ(SendMessageA(parent.m_hWnd, WM_DRAWITEM, 7, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(probe.drawn, 1);
    // A menu's has no control to go to.
    item.CtlType = ODT_MENU;
    SendMessageA(parent.m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(probe.drawn, 1);

    // Let go: the button has its own procedure back and the object hears nothing.
    EXPECT_EQ(probe.Detach(), button);
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), ownProc);
    EXPECT_EQ(fw::CSubclassedWindow::FromHandle(button), nullptr);
    SetWindowTextA(button, "again");
    EXPECT_EQ(probe.seen.size(), 1u);

    // Taken over again and destroyed with its parent: the object lets go by itself.
    ASSERT_TRUE(second.Attach(button));
    parent.Destroy();
    EXPECT_TRUE(second.finalMessage);
    EXPECT_EQ(second.m_hWnd, nullptr);
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
