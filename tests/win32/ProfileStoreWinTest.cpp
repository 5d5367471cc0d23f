// The profile store's Win32 pieces against a real Windows (or Wine prefix):
// special folders, the Windows version, the access-right grant, and the
// seeding copy through the private-profile calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <aclapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "PrivateProfileIni.h"
#include "ProfileStore.h"
#include "Win32FileSystem.h"
#include "Win32TabletPlatform.h"

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && Lower(s.substr(s.size() - tail.size())) == Lower(tail);
}

// A fresh folder under %TEMP% that is removed with its files afterwards.
class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path_ = fw::JoinPath(base, "lumora-profiles-" + std::to_string(GetCurrentProcessId()));
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return fw::JoinPath(path_, name); }

private:
    static void RemoveTree(const std::string& dir)
    {
        WIN32_FIND_DATAA fd;
        HANDLE find = FindFirstFileA(fw::JoinPath(dir, "*").c_str(), &fd);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::string name = fd.cFileName;
                if (name == "." || name == "..") continue;
                std::string full = fw::JoinPath(dir, name);
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else
                    DeleteFileA(full.c_str());
            } while (FindNextFileA(find, &fd));
            FindClose(find);
        }
        RemoveDirectoryA(dir.c_str());
    }
    std::string path_;
};

// Does the file's DACL let Everyone read, write, run and delete it?
bool EveryoneHasFullAccess(const std::string& path)
{
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &dacl, nullptr, &sd) != ERROR_SUCCESS)
        return false;
    bool found = false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (dacl && AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
        for (DWORD i = 0; i < dacl->AceCount && !found; ++i) {
            void* ace = nullptr;
            if (!GetAce(dacl, i, &ace)) continue;
            auto* header = static_cast<ACE_HEADER*>(ace);
            if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            // Windows may keep the generic bits or map them to file rights.
            const ACCESS_MASK useAll = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
            const bool full = (allowed->Mask & GENERIC_ALL) != 0 || (allowed->Mask & useAll) == useAll;
            found = full && EqualSid(&allowed->SidStart, everyone);
        }
        FreeSid(everyone);
    }
    LocalFree(sd);
    return found;
}

// Replaces the file's DACL with an empty, protected one: only its owner may
// still read and change the security.
bool ShutEveryoneOut(const std::string& path)
{
    ACL empty;
    if (!InitializeAcl(&empty, sizeof empty, ACL_REVISION)) return false;
    return SetNamedSecurityInfoA(const_cast<char*>(path.c_str()), SE_FILE_OBJECT,
                                 DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, &empty, nullptr) == ERROR_SUCCESS;
}

// Real Win32 pieces with the three folders moved into a sandbox.
struct SandboxFolders : tessar::ISpecialFolders {
    std::string appData, sysDir, winDir;
    std::string CommonAppData() override { return appData; }
    std::string SystemFolder() override { return sysDir; }
    std::string WindowsFolder() override { return winDir; }
};

TEST(ProfileStoreWin, SpecialFoldersAreTheMachinesFolders)
{
    tessar::Win32SpecialFolders folders;
    const std::string appData = folders.CommonAppData();
    char expected[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, expected, CSIDL_COMMON_APPDATA, FALSE));
    EXPECT_EQ(Lower(appData), Lower(expected));
    EXPECT_TRUE(fw::Files().DirExists(appData));

    const std::string sys = folders.SystemFolder();
    const std::string win = folders.WindowsFolder();
    EXPECT_TRUE(EndsWith(sys, "\\system32")) << sys;
    EXPECT_TRUE(fw::Files().DirExists(sys));
    EXPECT_TRUE(fw::Files().DirExists(win));
    EXPECT_EQ(Lower(fw::ParentPath(sys)), Lower(win));
}

TEST(ProfileStoreWin, WindowsKindFollowsTheReportedVersion)
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    tessar::Win32WindowsVersion os;
    const tessar::OsVersion v = os.Version();
    EXPECT_EQ(v.major, static_cast<int>(info.dwMajorVersion));
    EXPECT_EQ(v.minor, static_cast<int>(info.dwMinorVersion));
    // Every Windows this program supports is Windows 7 or later.
    EXPECT_EQ(tessar::WindowsKindFrom(v), tessar::WindowsKind::Windows7OrLater);
}

TEST(ProfileStoreWin, GrantingMakesAReadOnlyFileNormalAndOpenToEveryone)
{
    TempFolder temp;
    const std::string file = temp / "shared.ini";
    ASSERT_TRUE(fw::Files().Write(file, "[Info]\r\n"));
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(ShutEveryoneOut(file));
    ASSERT_FALSE(EveryoneHasFullAccess(file));

    tessar::Win32AccessRights access;
    access.GrantEveryone(file);

    const DWORD attr = GetFileAttributesA(file.c_str());
    EXPECT_EQ(attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
    EXPECT_NE(attr & FILE_ATTRIBUTE_ARCHIVE, 0u);
    EXPECT_TRUE(EveryoneHasFullAccess(file));

    // A missing file is ignored.
    access.GrantEveryone(temp / "missing.ini");
}

TEST(ProfileStoreWin, SeedingCopiesThroughTheProfileCallsAndGrantsAccess)
{
    TempFolder temp;
    fw::IFileSystem& fs = fw::Files();
    SandboxFolders folders;
    folders.appData = temp / "ProgramData";
    folders.winDir = temp / "Windows";
    folders.sysDir = temp / "Windows\\System32";
    for (const auto* dir : {&folders.appData, &folders.winDir, &folders.sysDir})
        ASSERT_TRUE(fs.MakeDir(*dir));
    fs.Write(fw::JoinPath(folders.winDir, "orvtbl.ini"), "[Version]\r\nVerString=1\r\n[ControlPanel]\r\nPID=52\r\n");
    fs.Write(fw::JoinPath(folders.sysDir, "MKProfile.ini"),
             "[Info]\r\nFileCount=2\r\n[CollectFile]\r\n0=Desktop\r\n1=..\\..\\escape\r\n");
    fs.Write(fw::JoinPath(folders.sysDir, "Desktop.ini"), "[FileInfo]\r\nFileName=Desktop\r\n");
    fs.Write(temp / "escape.ini", "outside");

    tessar::Win32AccessRights access;
    tessar::Win32WindowsVersion os;
    tessar::MessageBoxNotice notice;
    tessar::ProfileStore store(fw::Ini(), fs, {folders, access, os, notice});
    store.InitTabletFolder();

    const std::string tablet = fw::JoinPath(folders.appData, "Tablet");
    EXPECT_TRUE(fs.DirExists(tablet));
    EXPECT_EQ(store.RawPid(), 52);
    EXPECT_EQ(store.ListProfiles().names, (std::vector<std::string>{"Desktop", "..\\..\\escape"}));
    EXPECT_TRUE(fs.FileExists(fw::JoinPath(tablet, "Desktop.ini")));
    EXPECT_TRUE(EveryoneHasFullAccess(fw::JoinPath(tablet, "Desktop.ini")));
    EXPECT_TRUE(EveryoneHasFullAccess(fw::JoinPath(tablet, "orvtbl.ini")));
    EXPECT_TRUE(EveryoneHasFullAccess(fw::JoinPath(tablet, "MKProfile.ini")));
    // The hostile entry copied nothing next to the Tablet folder's parents.
    std::string data;
    fs.Read(temp / "escape.ini", data);
    EXPECT_EQ(data, "outside");
    EXPECT_FALSE(fs.FileExists(fw::JoinPath(folders.appData, "escape.ini")));

    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    char expected[32];
    wsprintfA(expected, "%d.%d", static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion));
    EXPECT_EQ(fw::Ini().GetString(store.TabletTablePath(), "Version", "OsVersion", "", 32), expected);

    // Keys written through the platform's profile calls read back.
    ASSERT_TRUE(store.WriteKey("Desktop", 2, "^$S", 1, "Save as", 18));
    auto key = store.ReadKey("Desktop", 2);
    EXPECT_EQ(key.command, "^$S");
    EXPECT_EQ(key.comboIndex, 18);
}

// The prefix's installation: the seed files in the system and Windows
// folders give a working Tablet folder on a first start.
TEST(ProfileStoreWin, TheInstalledSeedsGiveTheShippedProfiles)
{
    tessar::Win32SpecialFolders folders;
    fw::IFileSystem& fs = fw::Files();
    const std::string sysManager = fw::JoinPath(folders.SystemFolder(), "MKProfile.ini");
    if (!fs.FileExists(sysManager)) GTEST_SKIP() << "no seed files installed in " << folders.SystemFolder();
    // A first start: the scenarios and the driver stand-in may have left a
    // manager file of their own, which would keep the seeds out.
    DeleteFileA(fw::JoinPath(fw::JoinPath(folders.CommonAppData(), "Tablet"), "MKProfile.ini").c_str());

    tessar::Win32AccessRights access;
    tessar::Win32WindowsVersion os;
    tessar::MessageBoxNotice notice;
    tessar::ProfileStore store(fw::Ini(), fs, {folders, access, os, notice});
    store.InitTabletFolder();
    store.LoadKeyCounts();

    const auto list = store.ListProfiles();
    ASSERT_FALSE(list.names.empty());
    for (const auto& name : list.names) EXPECT_TRUE(fs.FileExists(store.ProfilePath(name))) << name;
    EXPECT_GT(store.Counts().total, 0);
    EXPECT_NE(store.ReadKey(list.names[0], 1).mode, 0);
}

}  // namespace
