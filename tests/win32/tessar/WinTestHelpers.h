#pragma once
// Helpers of the Win32 tests that drive Tessar and the tablet driver stand-in
// as separate processes: starting them, pumping messages while waiting, and a
// top-level window that records what it is sent.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Folder of the running test executable.
std::string ExeFolder();

// A process started by a test; terminated on destruction if still running.
class CChildProcess {
public:
    CChildProcess() = default;
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool Start(const std::string& exe, const std::string& args);
    // Waits (pumping this thread's messages) for the exit; -1 on time-out.
    int Wait(DWORD timeoutMs);
    void Terminate();
    bool Running() const;

private:
    HANDLE process_ = nullptr;
};

// Runs exe with args to its end; its exit code, -1 on time-out.
int Run(const std::string& exe, const std::string& args, DWORD timeoutMs = 20000);

// Pumps messages until done() or the time-out; the final done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void Pump(DWORD ms);

// A hidden top-level window of a chosen class that records every message in
// the WM_USER range and above it (where the driver's messages lie), plus
// WM_SHOWWINDOW.
class CRecorderWindow {
public:
    struct Message {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit CRecorderWindow(const char* className, const char* title = "");
    ~CRecorderWindow();
    HWND Hwnd() const { return hwnd_; }
    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }
    bool Received(UINT msg) const;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::string className_;
    HWND hwnd_ = nullptr;
    std::vector<Message> messages_;
};

// Top-level windows of a class.
std::vector<HWND> WindowsOfClass(const char* className);

}  // namespace wintest
