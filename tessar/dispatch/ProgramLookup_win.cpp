#include "ProgramLookup_win.h"

#include <tlhelp32.h>

#include "Handle.h"

namespace tessar {

namespace {

constexpr char kAppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr char kInstallKey[] = "SOFTWARE\\Norvale\\Vartle3";
constexpr char kInstallValue[] = "Install_Path";
constexpr char kProcessCounters[] = "230 784";
constexpr DWORD kPerfBufferStart = 65536;
constexpr DWORD kPerfBufferStep = 1024;
// A block this large is no answer a machine gives; stop growing there.
constexpr DWORD kPerfBufferLimit = 64u * 1024 * 1024;

class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey()
    {
        if (key_) RegCloseKey(key_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// A string value of at most 260 bytes, terminated.
bool ReadString(HKEY key, const char* value, std::string& out)
{
    char buf[261] = {};
    DWORD size = 260;
    DWORD type = 0;
    if (RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    buf[size < sizeof buf ? size : sizeof buf - 1] = '\0';
    out = buf;
    return true;
}

}  // namespace

std::optional<std::string> CWin32ProgramLookup::FindAppPath(const std::string& fileName)
{
    ScopedKey root;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, root.Out()) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<std::pair<std::string, std::string>> entries;
    for (DWORD i = 0;; ++i) {
        char name[260] = {};
        DWORD length = sizeof name;
        const LONG rc = RegEnumKeyExA(root.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) continue;
        ScopedKey sub;
        if (RegOpenKeyExA(root.Get(), name, 0, KEY_READ, sub.Out()) != ERROR_SUCCESS) continue;
        std::string path;
        if (ReadString(sub.Get(), nullptr, path)) entries.emplace_back(name, path);
    }
    return MatchAppPath(fileName, entries);
}

std::optional<std::string> CWin32ProgramLookup::FindInstallPath()
{
    ScopedKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
        return std::nullopt;
    std::string path;
    if (!ReadString(key.Get(), kInstallValue, path)) return std::nullopt;
    return path;
}

std::vector<std::uint8_t> CWin32ProgramLookup::ReadProcessPerfData()
{
    std::vector<std::uint8_t> data(kPerfBufferStart);
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        const LONG rc = RegQueryValueExA(HKEY_PERFORMANCE_DATA, kProcessCounters, nullptr, nullptr,
                                         data.data(), &size);
        if (rc == ERROR_MORE_DATA && data.size() + kPerfBufferStep <= kPerfBufferLimit) {
            data.resize(data.size() + kPerfBufferStep);
            continue;
        }
        RegCloseKey(HKEY_PERFORMANCE_DATA);
        if (rc != ERROR_SUCCESS) return {};
        data.resize(size < data.size() ? size : data.size());
        return data;
    }
}

std::vector<std::uint32_t> CWin32ProgramLookup::SnapshotProcesses(const std::string& name)
{
    std::vector<std::uint32_t> ids;
    fw::ScopedFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (SameProcessName(entry.szExeFile, name)) ids.push_back(entry.th32ProcessID);
    return ids;
}

std::vector<std::uint32_t> CWin32ProgramLookup::FindProcesses(const std::string& name)
{
    if (name.empty()) return {};
    const std::vector<std::uint8_t> data = ReadProcessPerfData();
    PerfProcessScan scan = ScanPerfProcesses(data.data(), data.size(), name);
    if (scan.hasProcessObject) return std::move(scan.ids);
    return SnapshotProcesses(name);
}

}  // namespace tessar
