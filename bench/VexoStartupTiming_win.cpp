// Vexo's start-up under Wine: from CreateProcess to the toolbar docked at the
// bottom of the screen and painted. The toolbar is looked for every
// millisecond; once its window is visible at the screen bottom, a message
// sent to it returns only after its first paint went through the queue.
//
//   vexo_startup_timing.exe <path of Vexo.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char kToolbarClass[] = "LUMORA";

double Ms(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Docked(HWND toolbar)
{
    RECT r = {};
    return IsWindowVisible(toolbar) && GetWindowRect(toolbar, &r) && r.bottom == GetSystemMetrics(SM_CYSCREEN) &&
           r.left == 0 && r.right == GetSystemMetrics(SM_CXSCREEN);
}

// One start; a negative time when the toolbar did not appear within 20 s.
double TimeOneStart(const std::string& vexo)
{
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    std::string commandLine = "\"" + vexo + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double ms = -1;
    for (;;) {
        HWND toolbar = FindWindowA(kToolbarClass, nullptr);
        if (toolbar && Docked(toolbar)) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(toolbar, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
            UpdateWindow(toolbar);
            QueryPerformanceCounter(&now);
            ms = Ms(start, now, frequency);
            PostMessageA(toolbar, WM_CLOSE, 0, 0);
            break;
        }
        QueryPerformanceCounter(&now);
        if (Ms(start, now, frequency) > 20000) break;
        Sleep(1);
    }
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vexo_startup_timing <Vexo.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    TimeOneStart(argv[1]);  // warms the prefix and the file cache
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = TimeOneStart(argv[1]);
        if (ms < 0) {
            std::fprintf(stderr, "run %d: the toolbar did not dock\n", i + 1);
            return 1;
        }
        times.push_back(ms);
        Sleep(300);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to the docked, painted toolbar over %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n",
                runs, times[times.size() / 2], times.front(), times.back());
    return 0;
}
