// The profile store over a hostile Tablet folder: the tablet table, the
// manager file, the stroke links and the profiles hold any text, and the
// profile names and key numbers come from the input. Nothing may crash, and
// every file the store writes, copies, replaces or removes lies directly in
// the Tablet folder.
#include <cstdint>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "FuzzCheck.h"
#include "IniStore.h"
#include "ProfileStore.h"

namespace {

constexpr const char kAppData[] = "C:\\ProgramData";
constexpr const char kTablet[] = "C:\\ProgramData\\Tablet";
constexpr const char kWinDir[] = "C:\\Windows";
constexpr const char kSysDir[] = "C:\\Windows\\System32";
constexpr int kMaxOps = 16;

void CheckInsideTablet(const std::string& path)
{
    const std::string n = fw::NormalisePath(path);
    const std::string dir = fw::NormalisePath(kTablet) + "\\";
    const bool inside = n.compare(0, dir.size(), dir) == 0 && n.size() > dir.size() &&
                        n.find_first_of("\\/", dir.size()) == std::string::npos;
    if (!inside) std::fprintf(stderr, "write outside the Tablet folder: \"%s\"\n", path.c_str());
    FUZZ_CHECK(inside);
}

// The machine's disk, where the store may only change the Tablet folder
// once it is set up.
class GuardedFileSystem : public fw::MemoryFileSystem {
public:
    bool guarded = false;
    bool Write(const std::string& path, const std::string& data) override
    {
        if (guarded) CheckInsideTablet(path);
        return MemoryFileSystem::Write(path, data);
    }
    bool Copy(const std::string& from, const std::string& to, bool failIfExists) override
    {
        if (guarded) CheckInsideTablet(to);
        return MemoryFileSystem::Copy(from, to, failIfExists);
    }
    bool Remove(const std::string& path) override
    {
        if (guarded) CheckInsideTablet(path);
        return MemoryFileSystem::Remove(path);
    }
    bool MakeDir(const std::string& path) override
    {
        if (guarded) FUZZ_CHECK(fw::NormalisePath(path) == fw::NormalisePath(kTablet));
        return MemoryFileSystem::MakeDir(path);
    }
    bool Replace(const std::string& from, const std::string& to) override
    {
        if (guarded) {
            CheckInsideTablet(from);
            CheckInsideTablet(to);
        }
        return MemoryFileSystem::Replace(from, to);
    }
};

struct Folders : tessar::ISpecialFolders {
    std::string CommonAppData() override { return kAppData; }
    std::string SystemFolder() override { return kSysDir; }
    std::string WindowsFolder() override { return kWinDir; }
};
struct NoAccess : tessar::IAccessRights {
    void GrantEveryone(const std::string&) override {}
};
struct FixedVersion : tessar::IWindowsVersion {
    tessar::OsVersion v{6, 1};
    tessar::OsVersion Version() override { return v; }
};
struct Notice : tessar::IUserNotice {
    void Show(const std::string&, const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    GuardedFileSystem fs;
    for (const char* dir : {"C:", kAppData, kTablet, kWinDir, kSysDir}) fs.MakeDir(dir);
    // The installer's seeds, and whatever the Tablet folder holds.
    fs.Write(std::string(kWinDir) + "\\orvtbl.ini", "[Version]\r\nVerString=1\r\n[ControlPanel]\r\nPID=52\r\n");
    fs.Write(std::string(kSysDir) + "\\MKProfile.ini", in.Until('\0'));
    fs.Write(std::string(kSysDir) + "\\Word.ini", "[FileInfo]\r\nExeFileName=WINWORD.EXE\r\n");
    for (const char* name : {"orvtbl.ini", "MKProfile.ini", "stroke.ini", "Word.ini"}) {
        const std::string text = in.Until('\0');
        if (!text.empty()) fs.Write(std::string(kTablet) + "\\" + name, text);
    }

    fw::TextIniStore ini(fs);
    Folders folders;
    NoAccess access;
    FixedVersion os;
    Notice notice;
    const int major = in.Byte() % 11;
    os.v = {major, in.Byte() % 3};
    tessar::ProfileStore store(ini, fs, {folders, access, os, notice});
    fs.guarded = true;
    store.InitTabletFolder();
    store.LoadKeyCounts();

    for (int op = 0; op < kMaxOps && !in.Empty(); ++op) {
        const uint8_t kind = in.Byte();
        const int number = static_cast<int>(in.U32());
        const std::string text = in.Until('\n');
        tessar::ProfileList list = store.ListProfiles();
        const std::string listed =
            list.names.empty() ? text : list.names[static_cast<size_t>(number) % list.names.size()];
        switch (kind % 12) {
        case 0:
            store.ReadKey(listed, number, kind & 0x80 ? tessar::KeyTextUse::Editing : tessar::KeyTextUse::Acting);
            store.ReadProfileInfo(listed);
            break;
        case 1: store.WriteKey(kind & 0x80 ? text : listed, number, text, number, text, number); break;
        case 2: store.CreateProfile(text, text, text); break;
        case 3: store.DeleteProfile(list.names, number, store.GetWindowsKind()); break;
        case 4: store.RestoreDefaultProfiles(store.GetWindowsKind()); break;
        case 5:
            list.names.push_back(text);
            store.SaveProfileList(list.names, number);
            break;
        case 6: store.ApplyFirstRunDefault(store.GetWindowsKind()); break;
        case 7:
            store.LoadKeyCounts();
            store.MapRawKey(static_cast<uint32_t>(number));
            store.KeySection();
            break;
        case 8:
            store.KeyTipFormat();
            tessar::FormatKeyLabel(text, number);
            store.ModelName();
            store.StrokeLink(number);
            break;
        case 9:
            store.WriteUseORNot(number);
            store.WriteDisplayORNot(number & 1);
            store.WriteTipClickSound(number);
            store.WriteMacroKeyDelayTime(number);
            break;
        case 10:
            store.SavedProfileName();
            store.SavedProfileIndex(number);
            store.IsDefaultProfile(number);
            store.FileCount();
            store.TipText();
            store.MacroKeyDelayTime(number);
            break;
        default: store.SystemProfilePath(text); store.ProfilePath(text); break;
        }
    }
    return 0;
}
