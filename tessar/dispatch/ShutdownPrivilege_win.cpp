#include "ShutdownPrivilege_win.h"

#include <cstdio>

#include "Handle.h"
#include "Strings.h"
#include "resource.h"

namespace tessar {

namespace {

void ReportFailure(DWORD error)
{
    char text[128];
    std::snprintf(text, sizeof text, fw::LoadStr(IDS_OPERATION_FAILED).c_str(),
                  static_cast<unsigned>(error));
    fw::MsgBoxText(nullptr, text, fw::LoadStr(IDS_ERROR_CAPTION).c_str(), MB_ICONERROR);
}

}  // namespace

void CShutdownPrivilege::Adjust(bool enable)
{
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &raw)) {
        ReportFailure(GetLastError());
        return;
    }
    fw::ScopedHandle token(raw);
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    if (!LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        ReportFailure(GetLastError());
        return;
    }
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    SetLastError(ERROR_SUCCESS);
    const BOOL adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    const DWORD error = GetLastError();
    if (!adjusted || error != ERROR_SUCCESS) {
        ReportFailure(adjusted ? error : GetLastError());
        return;
    }
    held_ = enable;
}

}  // namespace tessar
