#include "WinTestHelpers.h"

#include <cstdio>

namespace wintest {

std::string ExeFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    std::string out = path;
    const size_t cut = out.find_last_of('\\');
    return cut == std::string::npos ? std::string(".") : out.substr(0, cut);
}

CChildProcess::~CChildProcess()
{
    Terminate();
}

bool CChildProcess::Start(const std::string& exe, const std::string& args)
{
    Terminate();
    std::string commandLine = "\"" + exe + "\"";
    if (!args.empty()) commandLine += " " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    // Under a busy Wine a start now and then fails at once; a test wants the
    // program's behaviour, so it tries again before giving up.
    constexpr int kAttempts = 3;
    constexpr DWORD kRetryPauseMs = 200;
    bool started = false;
    for (int attempt = 0; attempt < kAttempts && !started; ++attempt) {
        if (attempt) Sleep(kRetryPauseMs);
        started = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                 &pi) != FALSE;
        if (!started) std::fprintf(stderr, "CreateProcess %s failed: error %lu\n", exe.c_str(), GetLastError());
    }
    if (!started) return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    return true;
}

int CChildProcess::Wait(DWORD timeoutMs)
{
    if (!process_) return -1;
    const HANDLE process = process_;
    const bool ended = PumpUntil(
        [process] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (!ended) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    CloseHandle(process_);
    process_ = nullptr;
    return static_cast<int>(code);
}

void CChildProcess::Terminate()
{
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

bool CChildProcess::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

int Run(const std::string& exe, const std::string& args, DWORD timeoutMs)
{
    CChildProcess child;
    if (!child.Start(exe, args)) return -2;
    return child.Wait(timeoutMs);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void Pump(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

CRecorderWindow::CRecorderWindow(const char* className, const char* title) : className_(className)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &CRecorderWindow::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                            nullptr, wc.hInstance, this);
}

CRecorderWindow::~CRecorderWindow()
{
    if (hwnd_) DestroyWindow(hwnd_);
    UnregisterClassA(className_.c_str(), GetModuleHandleA(nullptr));
}

bool CRecorderWindow::Received(UINT msg) const
{
    for (const Message& m : messages_)
        if (m.msg == msg) return true;
    return false;
}

LRESULT CALLBACK CRecorderWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<CRecorderWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && (msg >= WM_USER || msg == WM_SHOWWINDOW || msg == WM_POWERBROADCAST))
        self->messages_.push_back({msg, wParam, lParam});
    if (msg == WM_POWERBROADCAST) return TRUE;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::vector<HWND> WindowsOfClass(const char* className)
{
    std::vector<HWND> found;
    HWND after = nullptr;
    while ((after = FindWindowExA(nullptr, after, className, nullptr)) != nullptr) found.push_back(after);
    return found;
}

}  // namespace wintest
