// Our wintab32.dll: a WinTab driver whose pen is the mouse (the left button
// is the tip) or a replay file, so Vexo draws on a machine without a tablet.
//
// Packets come from a helper thread that samples the mouse at the device's
// packet rate and plays the replay file; every enabled context with
// CXO_MESSAGES gets each packet in its queue and a WT_PACKET(serial, context)
// posted to its window.
//
// Environment:
//   LUMORA_WINTAB_REPLAY    a replay file (format in ReplayScript.h), played
//                           once a context is open and again whenever the
//                           file is replaced
//   LUMORA_WINTAB_MOUSE     0: the mouse is no pen; 1: it is. Default: 1,
//                           but 0 while a replay file is named
//   LUMORA_WINTAB_PRESSURE  the mouse pen's pressure (MousePen.h)
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "MousePen.h"
#include "PacketQueue.h"
#include "ReplayScript.h"
#include "VirtualPen.h"
#include "WintabApi.h"

using namespace wtstandin;
using wintab::HCTX;
using wintab::LOGCONTEXTA;
using wintab::PACKET;

namespace {

constexpr DWORD kTickMs = 1000 / kPacketRate;
constexpr int kReplayCheckTicks = 10;  // the file is looked at every 50 ms
constexpr DWORD kStopWaitMs = 2000;
constexpr uint32_t kHandleBase = 0x100;  // handles are small: packets carry them in 32 bits

struct Context {
    bool used = false;
    HWND window = nullptr;
    LOGCONTEXTA record = {};
    bool enabled = false;
    bool onTop = false;
    PacketQueue queue;
    PACKET last = {};
};

// Everything below is guarded by g_lock.
CRITICAL_SECTION g_lock;
Context g_contexts[kMaxContexts];
HANDLE g_thread = nullptr;
HANDLE g_stop = nullptr;
std::string g_playedSignature;  // the replay file last played: path, time stamp, size

class Lock {
public:
    Lock() { EnterCriticalSection(&g_lock); }
    ~Lock() { LeaveCriticalSection(&g_lock); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
};

VirtualScreen CurrentScreen()
{
    VirtualScreen s;
    s.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    s.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    s.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    s.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return s;
}

std::string Env(const char* name)
{
    char value[MAX_PATH] = {};
    DWORD len = GetEnvironmentVariableA(name, value, MAX_PATH);
    return len > 0 && len < MAX_PATH ? std::string(value, len) : std::string();
}

Context* Find(HCTX handle)
{
    const uintptr_t id = reinterpret_cast<uintptr_t>(handle);
    if (id < kHandleBase || id >= kHandleBase + kMaxContexts) return nullptr;
    Context& c = g_contexts[id - kHandleBase];
    return c.used ? &c : nullptr;
}

HCTX HandleOf(const Context& c)
{
    return reinterpret_cast<HCTX>(static_cast<uintptr_t>(kHandleBase + (&c - g_contexts)));
}

uint32_t ChangedFields(const PACKET& a, const PACKET& b)
{
    uint32_t changed = 0;
    if (a.pkStatus != b.pkStatus) changed |= wintab::PK_STATUS;
    if (a.pkTime != b.pkTime) changed |= wintab::PK_TIME;
    if (a.pkCursor != b.pkCursor) changed |= wintab::PK_CURSOR;
    if (a.pkButtons != b.pkButtons) changed |= wintab::PK_BUTTONS;
    if (a.pkX != b.pkX) changed |= wintab::PK_X;
    if (a.pkY != b.pkY) changed |= wintab::PK_Y;
    if (a.pkNormalPressure != b.pkNormalPressure) changed |= wintab::PK_NORMAL_PRESSURE;
    return changed | wintab::PK_SERIAL_NUMBER;
}

// Queues the pen's state in every enabled context that wants messages and
// tells its window.
void Deliver(uint32_t time, uint32_t cursor, uint32_t buttons, TabletPoint at, uint32_t pressure)
{
    Lock lock;
    for (Context& c : g_contexts) {
        if (!c.used || !c.enabled || !(c.record.lcOptions & wintab::CXO_MESSAGES)) continue;
        PACKET p = {};
        p.pkContext = static_cast<uint32_t>(kHandleBase + (&c - g_contexts));
        p.pkTime = time;
        p.pkCursor = cursor;
        p.pkButtons = buttons;
        MapToOutput(c.record, at, p.pkX, p.pkY);
        p.pkNormalPressure = pressure;
        p.pkOrientation.orAltitude = 900;  // upright
        p.pkChanged = ChangedFields(p, c.last);
        const uint32_t serial = c.queue.Push(p);
        c.last = p;
        PostMessageA(c.window, c.record.lcMsgBase + (wintab::WT_PACKET - wintab::WT_DEFBASE), serial,
                     reinterpret_cast<LPARAM>(HandleOf(c)));
    }
}

// The replay file being played.
struct Replay {
    std::vector<ReplayPacket> packets;
    size_t next = 0;
    DWORD start = 0;
};

std::string FileSignature(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::string();
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::string();
    char text[96];
    wsprintfA(text, "|%08lx%08lx|%08lx%08lx", data.ftLastWriteTime.dwHighDateTime,
              data.ftLastWriteTime.dwLowDateTime, data.nFileSizeHigh, data.nFileSizeLow);
    return path + text;
}

bool ReadWholeFile(const std::string& path, std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < (64 << 20);
    if (ok) {
        text.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = text.empty() || (ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &got, nullptr) &&
                              got == text.size());
    }
    CloseHandle(file);
    return ok;
}

// Starts playing the replay file when it is there and not played yet in
// this form. Its faults go to the debugger output, each line once.
void PickUpReplay(Replay& replay)
{
    const std::string path = Env("LUMORA_WINTAB_REPLAY");
    if (path.empty()) return;
    const std::string signature = FileSignature(path);
    {
        Lock lock;
        if (signature.empty() || signature == g_playedSignature) return;
        g_playedSignature = signature;
    }
    std::string text;
    if (!ReadWholeFile(path, text)) {
        OutputDebugStringA(("wintab32: cannot read the replay file " + path + "\n").c_str());
        return;
    }
    ReplayScript script = ParseReplay(text, kMaxPressure);
    for (const ReplayError& e : script.errors) {
        const std::string report = "wintab32: " + path + " line " + std::to_string(e.line) +
                                   " skipped: " + e.message + "\n";
        OutputDebugStringA(report.c_str());
    }
    replay.packets = std::move(script.packets);
    replay.next = 0;
    replay.start = GetTickCount();
}

void PlayDue(Replay& replay, const VirtualScreen& screen)
{
    const DWORD now = GetTickCount();
    while (replay.next < replay.packets.size()) {
        const ReplayPacket& p = replay.packets[replay.next];
        if (now - replay.start < p.time) break;
        Deliver(replay.start + p.time, p.cursor, p.buttons, TabletFromScreen(screen, p.x, p.y), p.pressure);
        ++replay.next;
    }
}

bool MouseIsPen()
{
    const std::string mouse = Env("LUMORA_WINTAB_MOUSE");
    if (mouse == "0") return false;
    if (mouse == "1") return true;
    return Env("LUMORA_WINTAB_REPLAY").empty();
}

DWORD WINAPI PenThread(void* stopEvent)
{
    HANDLE stop = stopEvent;
    MousePen mouse(ParsePressureSetting(Env("LUMORA_WINTAB_PRESSURE"), kMaxPressure), kMaxPressure);
    Replay replay;
    int tick = 0;
    while (WaitForSingleObject(stop, kTickMs) == WAIT_TIMEOUT) {
        const VirtualScreen screen = CurrentScreen();
        if (tick++ % kReplayCheckTicks == 0) PickUpReplay(replay);
        PlayDue(replay, screen);

        if (!MouseIsPen()) continue;
        // The logical left button: the primary one, swapped or not.
        const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
        const bool down = (GetAsyncKeyState(button) & 0x8000) != 0;
        PenReading reading;
        POINT at = {};
        if (mouse.Sample(down, GetTickCount(), reading) && GetCursorPos(&at))
            Deliver(GetTickCount(), 1, reading.buttons, TabletFromScreen(screen, at.x, at.y), reading.pressure);
    }
    CloseHandle(stop);
    // The thread held the library loaded; it lets go as it ends.
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&PenThread), &self);
    FreeLibraryAndExitThread(self, 0);
}

// With g_lock held: the pen thread runs while a context is open.
void StartPenThread()
{
    if (g_thread) return;
    // Held loaded by the thread, so a host that frees us with a context
    // still open does not pull the code from under it.
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&PenThread), &self))
        return;
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE threadStop = nullptr;
    if (stop)
        DuplicateHandle(GetCurrentProcess(), stop, GetCurrentProcess(), &threadStop, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
    HANDLE thread = threadStop ? CreateThread(nullptr, 0, PenThread, threadStop, 0, nullptr) : nullptr;
    if (!thread) {
        if (stop) CloseHandle(stop);
        if (threadStop) CloseHandle(threadStop);
        FreeLibrary(self);
        return;
    }
    g_thread = thread;
    g_stop = stop;
}

// Stops the pen thread when the last context closed. Called without g_lock:
// the thread takes it to deliver.
void StopPenThreadIfIdle()
{
    HANDLE thread = nullptr, stop = nullptr;
    {
        Lock lock;
        for (const Context& c : g_contexts)
            if (c.used) return;
        thread = g_thread;
        stop = g_stop;
        g_thread = g_stop = nullptr;
    }
    if (!thread) return;
    SetEvent(stop);
    WaitForSingleObject(thread, kStopWaitMs);
    CloseHandle(thread);
    CloseHandle(stop);
}

InfoState CurrentInfoState()
{
    InfoState state;
    for (const Context& c : g_contexts) {
        if (!c.used) continue;
        ++state.openContexts;
        if (c.record.lcOptions & wintab::CXO_SYSTEM) ++state.systemContexts;
    }
    return state;
}

}  // namespace

extern "C" {

UINT WINAPI WTInfoA(UINT category, UINT index, LPVOID output)
{
    InfoState state;
    {
        Lock lock;
        state = CurrentInfoState();
    }
    return AnswerInfo(CurrentScreen(), state, category, index, output);
}

HCTX WINAPI WTOpenA(HWND window, LOGCONTEXTA* record, BOOL enable)
{
    if (!record || !IsWindow(window)) return nullptr;
    Lock lock;
    for (Context& c : g_contexts) {
        if (c.used) continue;
        c = Context();
        c.used = true;
        c.window = window;
        // A record without a message base gets the standard one, which the
        // caller reads back, instead of packets posted as WM_NULL.
        if (record->lcMsgBase == 0) record->lcMsgBase = wintab::WT_DEFBASE;
        c.record = *record;
        c.enabled = enable != FALSE;
        c.onTop = true;
        StartPenThread();
        if (!g_thread) {
            c.used = false;
            return nullptr;
        }
        return HandleOf(c);
    }
    return nullptr;
}

BOOL WINAPI WTClose(HCTX handle)
{
    {
        Lock lock;
        Context* c = Find(handle);
        if (!c) return FALSE;
        *c = Context();
    }
    StopPenThreadIfIdle();
    return TRUE;
}

BOOL WINAPI WTEnable(HCTX handle, BOOL enable)
{
    Lock lock;
    Context* c = Find(handle);
    if (!c) return FALSE;
    c->enabled = enable != FALSE;
    return TRUE;
}

BOOL WINAPI WTOverlap(HCTX handle, BOOL toTop)
{
    Lock lock;
    Context* c = Find(handle);
    if (!c) return FALSE;
    c->onTop = toTop != FALSE;
    return TRUE;
}

BOOL WINAPI WTGetA(HCTX handle, LOGCONTEXTA* record)
{
    if (!record) return FALSE;
    Lock lock;
    Context* c = Find(handle);
    if (!c) return FALSE;
    *record = c->record;
    record->lcStatus = (c->enabled ? 0 : wintab::CXS_DISABLED) | (c->onTop ? wintab::CXS_ONTOP : 0);
    return TRUE;
}

BOOL WINAPI WTPacket(HCTX handle, UINT serial, LPVOID packet)
{
    Lock lock;
    Context* c = Find(handle);
    if (!c) return FALSE;
    return c->queue.Take(serial, static_cast<PACKET*>(packet)) ? TRUE : FALSE;
}

int WINAPI WTPacketsGet(HCTX handle, int maxPackets, LPVOID packets)
{
    Lock lock;
    Context* c = Find(handle);
    if (!c || maxPackets <= 0) return 0;
    return c->queue.TakeOldest(maxPackets, static_cast<PACKET*>(packets));
}

BOOL WINAPI WTQueueSizeSet(HCTX handle, int size)
{
    Lock lock;
    Context* c = Find(handle);
    if (!c) return FALSE;
    return c->queue.Resize(size) ? TRUE : FALSE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) InitializeCriticalSection(&g_lock);
    // No clean-up at detach: the pen thread holds us loaded while it runs,
    // and the process's end takes everything else.
    return TRUE;
}

}  // extern "C"
