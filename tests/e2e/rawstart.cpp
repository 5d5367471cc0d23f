// Starts a program with a command line taken as it stands, the way Vexo starts
// its helpers (no quoting added), waits for it and ends with its exit status:
//   rawstart '"C:\Program Files\Lumora\Posterly.exe" A B]A B.jpg]C:\t.tmp]'
// The one argument is the child's whole command line.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2 || !argv[1][0]) {
        std::fprintf(stderr, "usage: rawstart COMMAND-LINE\n");
        return 2;
    }
    std::string child = argv[1];
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &child[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "rawstart: cannot start (%lu): %s\n", GetLastError(), child.c_str());
        return 127;
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}
