#pragma once
// An installed machine in memory: the common application-data, Windows and
// system folders, with recording stand-ins for the platform pieces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileSystem.h"
#include "IniStore.h"
#include "ProfileStore.h"

namespace tessar_test {

inline constexpr const char kAppData[] = "C:\\ProgramData";
inline constexpr const char kTablet[] = "C:\\ProgramData\\Tablet";
inline constexpr const char kWinDir[] = "C:\\Windows";
inline constexpr const char kSysDir[] = "C:\\Windows\\System32";

struct FakeFolders : tessar::ISpecialFolders {
    std::string CommonAppData() override { return kAppData; }
    std::string SystemFolder() override { return kSysDir; }
    std::string WindowsFolder() override { return kWinDir; }
};

struct RecordingAccess : tessar::IAccessRights {
    std::vector<std::string> granted;
    void GrantEveryone(const std::string& path) override { granted.push_back(path); }
};

struct FixedVersion : tessar::IWindowsVersion {
    tessar::OsVersion version{6, 1};
    tessar::OsVersion Version() override { return version; }
};

struct RecordingNotice : tessar::IUserNotice {
    std::vector<std::string> shown;  // "caption: text"
    void Show(const std::string& text, const std::string& caption) override
    {
        shown.push_back(caption + ": " + text);
    }
};

class ProfileStoreTest : public ::testing::Test {
protected:
    ProfileStoreTest()
    {
        fs.MakeDir("C:");
        fs.MakeDir(kAppData);
        fs.MakeDir(kWinDir);
        fs.MakeDir(kSysDir);
    }

    static std::string Tablet(const std::string& name) { return fw::JoinPath(kTablet, name); }
    static std::string Sys(const std::string& name) { return fw::JoinPath(kSysDir, name); }
    static std::string Win(const std::string& name) { return fw::JoinPath(kWinDir, name); }

    std::string Text(const std::string& path)
    {
        std::string data;
        fs.Read(path, data);
        return data;
    }

    // Seeds nothing; just sets the fixed paths and an empty Tablet folder.
    void Init() { store.InitTabletFolder(); }

    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
    FakeFolders folders;
    RecordingAccess access;
    FixedVersion os;
    RecordingNotice notice;
    tessar::ProfileStore store{ini, fs, {folders, access, os, notice}};
};

}  // namespace tessar_test
