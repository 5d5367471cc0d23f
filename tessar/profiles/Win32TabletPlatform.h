#pragma once
// The Win32 side of the profile store's platform interfaces.
#include <windows.h>

#include "ProfileStore.h"
#include "TabletPlatform.h"

namespace tessar {

// CSIDL_COMMON_APPDATA (created when missing), GetSystemDirectoryA and
// GetWindowsDirectoryA; empty when the platform cannot tell.
class Win32SpecialFolders : public ISpecialFolders {
public:
    std::string CommonAppData() override;
    std::string SystemFolder() override;
    std::string WindowsFolder() override;
};

// Normal + archive attributes and a GRANT_ACCESS entry for Everyone merged
// into the file's DACL.
class Win32AccessRights : public IAccessRights {
public:
    void GrantEveryone(const std::string& path) override;
};

// GetVersionExA: what the program's manifest lets Windows report.
class Win32WindowsVersion : public IWindowsVersion {
public:
    OsVersion Version() override;
};

// A plain OK message box owned by the settings window (once it exists).
class MessageBoxNotice : public IUserNotice {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(const std::string& text, const std::string& caption) override;

private:
    HWND owner_ = nullptr;
};

// The four together, as the settings window hands them to its store.
struct Win32TabletPlatform {
    Win32SpecialFolders folders;
    Win32AccessRights access;
    Win32WindowsVersion os;
    MessageBoxNotice notice;

    ProfileStore::Platform Get() { return {folders, access, os, notice}; }
};

}  // namespace tessar
