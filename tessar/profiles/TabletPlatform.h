#pragma once
// What the profile store needs from Windows beyond files and INI values: the
// folders it lives in, the access right it grants on shared files, the
// Windows version and a way to tell the user. TabletPlatform_win.cpp holds
// the Win32 implementations; tests supply their own.
#include <string>

namespace tessar {

class ISpecialFolders {
public:
    virtual ~ISpecialFolders() = default;
    // The common application-data folder (created when missing).
    virtual std::string CommonAppData() = 0;
    // Where the installer puts the seed profiles and the control panel applet.
    virtual std::string SystemFolder() = 0;
    // Where the installer puts the seed tablet table.
    virtual std::string WindowsFolder() = 0;
};

class IAccessRights {
public:
    virtual ~IAccessRights() = default;
    // Makes the file a normal, archived file that Everyone may read, write,
    // run and change, so that the driver and its control panel, running as
    // other users, can keep writing the shared files. Failures are ignored.
    virtual void GrantEveryone(const std::string& path) = 0;
};

struct OsVersion {
    int major = 0;
    int minor = 0;
};

class IWindowsVersion {
public:
    virtual ~IWindowsVersion() = default;
    virtual OsVersion Version() = 0;
};

class IUserNotice {
public:
    virtual ~IUserNotice() = default;
    // A plain OK message box with a fixed text.
    virtual void Show(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tessar
