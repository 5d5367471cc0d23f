// Our wintab32.dll as the system folder holds it, and Vexo's binding of it:
// the device queries, the context Vexo opens, packets reaching a window from
// a replay file and from the mouse, and the queue read by serial.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "WintabBinding.h"
#include "resource.h"

namespace {

using vexo::CWintabBinding;

constexpr char kClass[] = "WintabTestWindow";

struct Arrival {
    WPARAM serial;
    LPARAM context;
};
std::vector<Arrival> g_arrivals;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == wintab::WT_PACKET) {
        g_arrivals.push_back({wp, lp});
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The packet-receiving window, and the environment the pen thread reads.
class WintabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(window_);
        g_arrivals.clear();
        SetEnvironmentVariableA("LUMORA_WINTAB_REPLAY", nullptr);
        SetEnvironmentVariableA("LUMORA_WINTAB_MOUSE", "0");  // the real mouse stays out of it
        SetEnvironmentVariableA("LUMORA_WINTAB_PRESSURE", nullptr);
        binding_.SetOwner(window_);
    }
    void TearDown() override
    {
        binding_.ReopenTablet(false);
        binding_.LoadWinTab(false);
        for (const std::string& f : files_) DeleteFileA(f.c_str());
        DestroyWindow(window_);
        UnregisterClassA(kClass, GetModuleHandleA(nullptr));
        SetEnvironmentVariableA("LUMORA_WINTAB_REPLAY", nullptr);
        SetEnvironmentVariableA("LUMORA_WINTAB_MOUSE", nullptr);
    }

    // A replay file with this text, named for the pen thread to play.
    void Replay(const std::string& text)
    {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        const std::string path = std::string(dir) + "wintab-replay-" + std::to_string(GetCurrentProcessId()) +
                                 "-" + std::to_string(files_.size()) + ".txt";
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(f);
        files_.push_back(path);
        SetEnvironmentVariableA("LUMORA_WINTAB_REPLAY", path.c_str());
    }

    // Pumps messages until count packets arrived or the time is up.
    bool WaitForPackets(size_t count, DWORD timeoutMs = 5000)
    {
        const DWORD start = GetTickCount();
        while (g_arrivals.size() < count && GetTickCount() - start < timeoutMs) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(2);
        }
        return g_arrivals.size() >= count;
    }

    // Lets the pen thread deliver for a while without reading anything.
    static void Idle(DWORD ms) { Sleep(ms); }

    void OpenThroughBinding()
    {
        ASSERT_TRUE(binding_.LoadWinTab(true));
        binding_.ReopenTablet(true);
        ASSERT_TRUE(binding_.IsOpen());
    }

    HWND window_ = nullptr;
    CWintabBinding binding_;
    std::vector<std::string> files_;
};

TEST_F(WintabTest, DeviceQueriesAnswerWithSizesAndTheDefaultContextCoversTheScreen)
{
    ASSERT_TRUE(binding_.LoadWinTab(true));
    const auto& wt = binding_.EntryPoints();
    ASSERT_TRUE(wt.WTInfoA);

    wintab::AXIS pressure = {};
    EXPECT_EQ(wt.WTInfoA(wintab::WTI_DEVICES, wintab::DVC_NPRESSURE, nullptr), sizeof pressure);
    EXPECT_EQ(wt.WTInfoA(wintab::WTI_DEVICES, wintab::DVC_NPRESSURE, &pressure), sizeof pressure);
    EXPECT_EQ(pressure.axMax, 2047);

    EXPECT_EQ(wt.WTInfoA(wintab::WTI_DEFCONTEXT, 0, nullptr), sizeof(wintab::LOGCONTEXTA));
    wintab::LOGCONTEXTA def = {};
    wt.WTInfoA(wintab::WTI_DEFCONTEXT, 0, &def);
    EXPECT_EQ(def.lcInExtX, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(def.lcInExtY, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(def.lcMsgBase, wintab::WT_DEFBASE);

    char name[64] = {};
    const UINT len = wt.WTInfoA(wintab::WTI_DEVICES, wintab::DVC_NAME, nullptr);
    ASSERT_GT(len, 1u);
    ASSERT_LT(len, sizeof name);
    EXPECT_EQ(wt.WTInfoA(wintab::WTI_DEVICES, wintab::DVC_NAME, name), len);
    EXPECT_EQ(std::strlen(name) + 1, len);

    EXPECT_EQ(wt.WTInfoA(wintab::WTI_DEVICES + 3, wintab::DVC_NPRESSURE, &pressure), 0u);  // no such device
    EXPECT_EQ(wt.WTInfoA(12345, 0, &def), 0u);

    UINT contexts = 99;
    wt.WTInfoA(wintab::WTI_STATUS, wintab::STA_CONTEXTS, &contexts);
    EXPECT_EQ(contexts, 0u);
    binding_.ReopenTablet(true);
    wt.WTInfoA(wintab::WTI_STATUS, wintab::STA_CONTEXTS, &contexts);
    EXPECT_EQ(contexts, 1u);
    binding_.ReopenTablet(false);
    wt.WTInfoA(wintab::WTI_STATUS, wintab::STA_CONTEXTS, &contexts);
    EXPECT_EQ(contexts, 0u);
}

TEST_F(WintabTest, ProbeReleasesAtOnceAndResolveBindsAllNine)
{
    EXPECT_TRUE(binding_.LoadWinTab(false));
    EXPECT_FALSE(binding_.EntryPoints().WTInfoA);
    binding_.ReopenTablet(true);  // nothing resolved: nothing happens
    EXPECT_FALSE(binding_.IsOpen());

    ASSERT_TRUE(binding_.LoadWinTab(true));
    const auto& wt = binding_.EntryPoints();
    const void* all[] = {reinterpret_cast<void*>(wt.WTInfoA),   reinterpret_cast<void*>(wt.WTOverlap),
                         reinterpret_cast<void*>(wt.WTPacketsGet), reinterpret_cast<void*>(wt.WTPacket),
                         reinterpret_cast<void*>(wt.WTGetA),    reinterpret_cast<void*>(wt.WTOpenA),
                         reinterpret_cast<void*>(wt.WTClose),   reinterpret_cast<void*>(wt.WTQueueSizeSet),
                         reinterpret_cast<void*>(wt.WTEnable)};
    for (const void* fn : all) EXPECT_TRUE(fn);
    EXPECT_TRUE(GetModuleHandleA("wintab32.dll"));
    binding_.LoadWinTab(false);
    EXPECT_FALSE(GetModuleHandleA("wintab32.dll"));  // no reference left behind
}

TEST_F(WintabTest, TheContextVexoOpensAsTheDriverHoldsIt)
{
    EXPECT_EQ(binding_.MaxPressure(), 1023);
    OpenThroughBinding();
    wintab::LOGCONTEXTA held = {};
    ASSERT_TRUE(binding_.EntryPoints().WTGetA(binding_.Context(), &held));
    EXPECT_STREQ(held.lcName, "Vexo");
    EXPECT_EQ(held.lcOptions & (wintab::CXO_SYSTEM | wintab::CXO_MESSAGES), wintab::CXO_SYSTEM | wintab::CXO_MESSAGES);
    EXPECT_EQ(held.lcPktData, 0x1FFFu);
    EXPECT_EQ(held.lcOutOrgX, 0);
    EXPECT_EQ(held.lcOutOrgY, 0);
    EXPECT_EQ(held.lcOutExtX, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(held.lcOutExtY, -GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(held.lcStatus & wintab::CXS_DISABLED, 0u);  // opened enabled
    // The driver's 2047 normalised; again after a reopen (display recovery).
    EXPECT_EQ(binding_.MaxPressure(), 511);
    binding_.ReopenTablet(false);
    EXPECT_FALSE(binding_.IsOpen());
    binding_.ReopenTablet(true);
    EXPECT_EQ(binding_.MaxPressure(), 511);

    binding_.EnableTablet(false);
    binding_.EntryPoints().WTGetA(binding_.Context(), &held);
    EXPECT_EQ(held.lcStatus & wintab::CXS_DISABLED, wintab::CXS_DISABLED);
    EXPECT_EQ(held.lcStatus & wintab::CXS_ONTOP, 0u);
    binding_.EnableTablet(true);
    binding_.EntryPoints().WTGetA(binding_.Context(), &held);
    EXPECT_EQ(held.lcStatus & (wintab::CXS_DISABLED | wintab::CXS_ONTOP), wintab::CXS_ONTOP);
}

TEST_F(WintabTest, AReplayFileArrivesAsPacketsInScreenPixelsWithItsTiming)
{
    OpenThroughBinding();
    Replay("0 1 1 100 200 300\n"
           "not a packet\n"
           "40 1 1 101 203 2047\n"
           "80 0 0 5 7 0\n");
    ASSERT_TRUE(WaitForPackets(3)) << g_arrivals.size();
    Idle(100);
    WaitForPackets(4, 50);
    ASSERT_EQ(g_arrivals.size(), 3u);  // the bad line is skipped, the others all come

    struct Want {
        uint32_t cursor, buttons;
        int32_t x, y;
        uint32_t pressure, time;
    } const want[] = {{1, 1, 100, 200, 300, 0}, {1, 1, 101, 203, 2047, 40}, {0, 0, 5, 7, 0, 80}};
    uint32_t firstTime = 0;
    for (size_t i = 0; i < 3; ++i) {
        wintab::PACKET p = {};
        ASSERT_TRUE(binding_.ReadPacket(g_arrivals[i].serial, g_arrivals[i].context, p));
        EXPECT_EQ(g_arrivals[i].context, reinterpret_cast<LPARAM>(binding_.Context()));
        EXPECT_EQ(p.pkContext, wintab::ContextId(binding_.Context()));
        EXPECT_EQ(p.pkSerialNumber, g_arrivals[i].serial);
        EXPECT_EQ(p.pkCursor, want[i].cursor) << i;
        EXPECT_EQ(p.pkButtons, want[i].buttons) << i;
        EXPECT_EQ(p.pkX, want[i].x) << i;
        EXPECT_EQ(p.pkY, want[i].y) << i;
        EXPECT_EQ(p.pkNormalPressure, want[i].pressure) << i;
        if (i == 0) firstTime = p.pkTime;
        EXPECT_EQ(p.pkTime - firstTime, want[i].time) << i;
    }
    // Replacing the file plays it again; the same file is not played twice.
    Replay("0 1 1 1 1 1\n");
    ASSERT_TRUE(WaitForPackets(4));
}

TEST_F(WintabTest, PacketsAreReadBySerialDiscardingOlderOnesWithinABoundedQueue)
{
    OpenThroughBinding();
    const auto& wt = binding_.EntryPoints();
    Replay("0 1 1 1 0 10\n0 1 1 2 0 10\n0 1 1 3 0 10\n0 1 1 4 0 10\n0 1 1 5 0 10\n");
    ASSERT_TRUE(WaitForPackets(5));
    const wintab::HCTX ctx = binding_.Context();

    wintab::PACKET p = {};
    ASSERT_TRUE(wt.WTPacket(ctx, static_cast<UINT>(g_arrivals[2].serial), &p));
    EXPECT_EQ(p.pkX, 3);
    EXPECT_FALSE(wt.WTPacket(ctx, static_cast<UINT>(g_arrivals[0].serial), &p));  // discarded
    EXPECT_FALSE(wt.WTPacket(ctx, 0xDEAD, &p));
    // A serial the driver no longer has: the binding hands back a cleared record.
    p.pkCursor = 7;
    EXPECT_TRUE(binding_.ReadPacket(g_arrivals[1].serial, g_arrivals[1].context, p));
    EXPECT_EQ(p.pkCursor, 0u);
    EXPECT_EQ(p.pkX, 0);
    wintab::PACKET rest[8] = {};
    EXPECT_EQ(wt.WTPacketsGet(ctx, 8, rest), 2);
    EXPECT_EQ(rest[0].pkX, 4);
    EXPECT_EQ(rest[1].pkX, 5);

    // A queue of 2 keeps the newest two of five unread packets.
    ASSERT_TRUE(wt.WTQueueSizeSet(ctx, 2));
    EXPECT_FALSE(wt.WTQueueSizeSet(ctx, 0));
    g_arrivals.clear();
    Replay("0 1 1 11 0 10\n0 1 1 12 0 10\n0 1 1 13 0 10\n0 1 1 14 0 10\n0 1 1 15 0 10\n");
    ASSERT_TRUE(WaitForPackets(5));
    EXPECT_EQ(wt.WTPacketsGet(ctx, 8, rest), 2);
    EXPECT_EQ(rest[0].pkX, 14);
    EXPECT_EQ(rest[1].pkX, 15);
    EXPECT_NE(rest[1].pkStatus & wintab::TPS_QUEUE_ERR, 0u);

    // Calls on a context that is not open fail without harm.
    EXPECT_FALSE(wt.WTPacket(nullptr, 1, &p));
    EXPECT_EQ(wt.WTPacketsGet(reinterpret_cast<wintab::HCTX>(0x12345), 8, rest), 0);
    EXPECT_FALSE(wt.WTEnable(nullptr, TRUE));
    EXPECT_FALSE(wt.WTGetA(ctx, nullptr));
    EXPECT_FALSE(wt.WTClose(reinterpret_cast<wintab::HCTX>(1)));
}

TEST_F(WintabTest, ADisabledContextGetsNoPackets)
{
    OpenThroughBinding();
    binding_.EnableTablet(false);
    Replay("0 1 1 1 1 1\n0 1 0 1 1 0\n");
    Idle(200);
    EXPECT_FALSE(WaitForPackets(1, 100));
    wintab::PACKET p[4] = {};
    EXPECT_EQ(binding_.EntryPoints().WTPacketsGet(binding_.Context(), 4, p), 0);
}

TEST_F(WintabTest, TheMouseIsAPenWhileItsLeftButtonIsDown)
{
    SetEnvironmentVariableA("LUMORA_WINTAB_MOUSE", "1");
    SetEnvironmentVariableA("LUMORA_WINTAB_PRESSURE", "700");
    // A window under the cursor to take the click.
    HWND target = CreateWindowExA(WS_EX_TOPMOST, kClass, "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(target);
    SetForegroundWindow(target);
    SetCursorPos(150, 160);
    OpenThroughBinding();
    Idle(100);
    WaitForPackets(1, 50);
    EXPECT_TRUE(g_arrivals.empty());  // hovering sends nothing

    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &in, sizeof in);
    ASSERT_TRUE(WaitForPackets(3));
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
    Idle(100);
    const size_t downCount = g_arrivals.size();
    WaitForPackets(downCount + 50, 200);

    std::vector<wintab::PACKET> packets;
    for (const Arrival& a : g_arrivals) {
        wintab::PACKET p = {};
        binding_.ReadPacket(a.serial, a.context, p);
        packets.push_back(p);
    }
    ASSERT_GE(packets.size(), 4u);
    for (size_t i = 0; i + 1 < packets.size(); ++i) {
        EXPECT_EQ(packets[i].pkCursor, 1u);
        EXPECT_EQ(packets[i].pkButtons, 1u) << i;
        EXPECT_EQ(packets[i].pkNormalPressure, 700u) << i;
        EXPECT_EQ(packets[i].pkX, 150) << i;
        EXPECT_EQ(packets[i].pkY, 160) << i;
    }
    const wintab::PACKET& up = packets.back();  // one pen-up, then silence
    EXPECT_EQ(up.pkCursor, 1u);
    EXPECT_EQ(up.pkButtons, 0u);
    EXPECT_EQ(up.pkNormalPressure, 0u);
    DestroyWindow(target);
}

TEST_F(WintabTest, AHostThatFreesTheLibraryWithAContextOpenKeepsRunning)
{
    char path[MAX_PATH];
    GetSystemDirectoryA(path, MAX_PATH);
    lstrcatA(path, "\\wintab32.dll");
    HMODULE lib = LoadLibraryA(path);
    ASSERT_TRUE(lib);
    auto info = reinterpret_cast<wintab::WTInfoAFn>(reinterpret_cast<void*>(GetProcAddress(lib, "WTInfoA")));
    auto open = reinterpret_cast<wintab::WTOpenAFn>(reinterpret_cast<void*>(GetProcAddress(lib, "WTOpenA")));
    wintab::LOGCONTEXTA rec = {};
    info(wintab::WTI_DEFCONTEXT, 0, &rec);
    rec.lcOptions |= wintab::CXO_MESSAGES;
    wintab::HCTX ctx = open(window_, &rec, TRUE);
    ASSERT_TRUE(ctx);
    FreeLibrary(lib);  // the context is still open and its thread still sampling
    Replay("0 1 1 3 4 5\n");
    ASSERT_TRUE(WaitForPackets(1));  // still delivering, from code still there

    ASSERT_TRUE(GetModuleHandleA(path));
    // Loaded again to close the context (a call needs a reference of its own).
    HMODULE again = LoadLibraryA(path);
    auto close = reinterpret_cast<wintab::WTCloseFn>(reinterpret_cast<void*>(GetProcAddress(again, "WTClose")));
    EXPECT_TRUE(close(ctx));
    FreeLibrary(again);
    EXPECT_FALSE(GetModuleHandleA(path));  // the thread let go as it ended
}

// The box the user sees when the driver refuses the context: found on its
// own thread, read and answered.
struct BoxSeen {
    std::atomic<bool> found{false};
    std::string caption, text;
    HWND owner = nullptr;
};

void AnswerBox(BoxSeen* seen)
{
    for (int i = 0; i < 500 && !seen->found; ++i) {
        HWND box = FindWindowA("#32770", "WinTab");
        if (box) {
            char text[256] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            seen->text = text;
            seen->caption = "WinTab";
            seen->owner = GetWindow(box, GW_OWNER);
            seen->found = true;
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
            return;
        }
        Sleep(10);
    }
}

TEST_F(WintabTest, ARefusedContextIsToldInABoxOwnedByTheOverlay)
{
    ASSERT_TRUE(binding_.LoadWinTab(true));
    const auto& wt = binding_.EntryPoints();
    // Every context the driver has, taken.
    std::vector<wintab::HCTX> taken;
    wintab::LOGCONTEXTA rec = {};
    wt.WTInfoA(wintab::WTI_DEFCONTEXT, 0, &rec);
    for (int i = 0; i < 64; ++i) {
        wintab::HCTX h = wt.WTOpenA(window_, &rec, FALSE);
        if (!h) break;
        taken.push_back(h);
    }
    ASSERT_FALSE(taken.empty());

    BoxSeen seen;
    std::thread watcher(AnswerBox, &seen);
    binding_.ReopenTablet(true);
    watcher.join();
    EXPECT_FALSE(binding_.IsOpen());
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, " Could Not Open Tablet Context.");
    EXPECT_EQ(seen.owner, window_);
    EXPECT_EQ(binding_.MaxPressure(), 511);  // the device was still asked

    for (wintab::HCTX h : taken) wt.WTClose(h);
}

}  // namespace
