#include "ProfileStore.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>

#include "IntFormat.h"
#include "ProfileKeys.h"
#include "ProfileName.h"

namespace tessar {

using namespace tessar_ini;

namespace {

std::string Format(const char* fmt, ...)
{
    char buf[64];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

// Key names print ids as unsigned hex, whatever sign the stored value has.
unsigned Hex(int v) { return static_cast<unsigned>(v); }

int ClampToInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

}  // namespace

WindowsKind WindowsKindFrom(const OsVersion& v)
{
    // Everything after Vista counts as "Windows 7 or later", including the
    // versions that report a major number above 6.
    if (v.major > 6 || (v.major == 6 && v.minor >= 1)) return WindowsKind::Windows7OrLater;
    if (v.major == 6 && v.minor == 0) return WindowsKind::Vista;
    if (v.major == 5 && v.minor == 0) return WindowsKind::Windows2000;
    return WindowsKind::Other;
}

int ModelIdFromPid(int rawPid)
{
    switch (rawPid) {
    case 49:
    case 68: return 52;
    case 1286: return 1280;
    case 1287: return 1281;
    default: return rawPid;
    }
}

int KeyMapValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 0;
}

std::string FormatKeyLabel(const std::string& format, int keyNumber)
{
    return fw::FormatInt(format, keyNumber);
}

std::string ProcessNameOf(const std::string& exeFileName)
{
    return exeFileName.substr(0, exeFileName.find('.'));
}

ProfileStore::ProfileStore(fw::IIniStore& ini, fw::IFileSystem& fs, Platform platform)
    : ini_(ini), fs_(fs), platform_(platform)
{
}

// ---------------------------------------------------------------------------
// Folder and seeding

void ProfileStore::InitTabletFolder()
{
    tabletDir_ = fw::JoinPath(platform_.folders.CommonAppData(), kTabletFolderName);
    fs_.MakeDir(tabletDir_);

    tablePath_ = fw::JoinPath(tabletDir_, kTabletTableFile);
    managerPath_ = fw::JoinPath(tabletDir_, kManagerFile);
    strokePath_ = fw::JoinPath(tabletDir_, kStrokeFile);

    WriteOsVersion();

    const std::string sysDir = platform_.folders.SystemFolder();
    Grant(fw::JoinPath(sysDir, kControlPanelFile));

    // A tablet table without a version is the installer's first copy or a
    // damaged one: take the Windows folder's seed.
    if (ini_.GetInt(tablePath_, kSecVersion, kKeyVerString, 0) == 0) {
        const std::string seed = fw::JoinPath(platform_.folders.WindowsFolder(), kTabletTableFile);
        if (fs_.Copy(seed, tablePath_, false)) {
            Grant(seed);
            Grant(tablePath_);
            // The copy replaced the version written above.
            WriteOsVersion();
        }
    }

    const std::string sysManager = fw::JoinPath(sysDir, kManagerFile);
    if (fs_.Copy(sysManager, managerPath_, true)) {
        Grant(sysManager);
        Grant(managerPath_);
    }

    // The shipped profiles named by the system copy, never over the user's.
    const int count = std::min(ini_.GetInt(sysManager, kSecInfo, kKeyFileCount, 0), kMaxProfiles);
    for (int i = 0; i < count; ++i) {
        const std::string name =
            ini_.GetString(sysManager, kSecCollectFile, std::to_string(i), "", kSeedNameBufSize);
        const std::string from = SystemProfilePath(name);
        const std::string to = ProfilePath(name);
        if (from.empty() || to.empty()) continue;
        if (fs_.Copy(from, to, true)) {
            Grant(from);
            Grant(to);
        }
    }
}

void ProfileStore::WriteOsVersion()
{
    const OsVersion v = platform_.os.Version();
    ini_.WriteString(tablePath_, kSecVersion, kKeyOsVersion, Format("%d.%d", v.major, v.minor));
}

std::string ProfileStore::HelpPath() const { return fw::JoinPath(tabletDir_, kHelpFile); }

std::string ProfileStore::ProfilePath(const std::string& name) const
{
    if (tabletDir_.empty() || !IsValidProfileName(name)) return {};
    return fw::JoinPath(tabletDir_, name + kProfileExtension);
}

std::string ProfileStore::SystemProfilePath(const std::string& name)
{
    if (!IsValidProfileName(name)) return {};
    return fw::JoinPath(platform_.folders.SystemFolder(), name + kProfileExtension);
}

// ---------------------------------------------------------------------------
// Identifiers, key counts and the key map

int ProfileStore::RawPid() { return ini_.GetInt(tablePath_, kSecControlPanel, kKeyPid, 0); }

int ProfileStore::ReadModelCode()
{
    return ini_.GetInt(tablePath_, kSecControlPanel, kKeyModelCode, 0);
}

int ProfileStore::OemId() { return ini_.GetInt(managerPath_, kSecInfo, kKeyOemId, 0); }

std::string ProfileStore::KeySection() { return Format(kFmtKeySection, Hex(modelId_), OemId()); }

bool ProfileStore::LoadKeyCounts()
{
    modelId_ = ModelIdFromPid(RawPid());
    const int sides = ini_.GetInt(tablePath_, kSecMacroKey, Format(kFmtSideOpen, Hex(modelId_)), 0);
    counts_ = KeyCounts{};
    modelCode_ = ReadModelCode();

    auto count = [&](const char* fmt) {
        return ini_.GetInt(tablePath_, kSecMacroKey, Format(fmt, Hex(modelId_)), 0);
    };
    if (sides != 0) {
        if (sides & 1) counts_.bottom = count(kFmtMaxBottom);
        if (sides & 2) counts_.top = count(kFmtMaxUp);
        if (sides & 4) counts_.right = count(kFmtMaxRight);
        if (sides & 8) counts_.left = count(kFmtMaxLeft);
    } else {
        // Tablets without per-side data have one top row described by the
        // model code.
        const unsigned code = Hex(modelCode_);
        const unsigned first = code & 0xF0;
        const unsigned second = (code & 0xF000) ? ((code >> 8) & 0xF0) : first;
        counts_.top = ini_.GetInt(tablePath_, kSecMacroKey, Format(kFmtMaxUpByCode, first, second),
                                  2 * static_cast<int>((code >> 4) & 15));
    }

    // A side cannot have fewer than no keys: a negative count in the shared
    // file is read as none, not subtracted from the other sides.
    for (int* side : {&counts_.bottom, &counts_.right, &counts_.top, &counts_.left})
        if (*side < 0) *side = 0;
    // The sum is formed wide: the counts come from a shared file.
    const long long total = static_cast<long long>(counts_.bottom) + counts_.right + counts_.top +
                            counts_.left;
    counts_.total = ClampToInt(total);
    if (total >= kKeyCountOverRange) {
        platform_.notice.Show(kOverRangeText, kMessageCaption);
        return true;
    }
    return false;
}

MappedKey ProfileStore::MapRawKey(std::uint32_t eventCode)
{
    MappedKey key;
    key.side = static_cast<int>(eventCode & 0xFF);
    key.rawIndex = static_cast<int>((eventCode >> 8) & 0xFFFF);

    const int rawPid = RawPid();
    modelId_ = ModelIdFromPid(rawPid);
    // Side flags and maps are stored under the driver's own PID.
    const int sides = ini_.GetInt(tablePath_, kSecMacroKey, Format(kFmtSideOpen, Hex(rawPid)), 0);
    const std::string mapKey = sides != 0
                                   ? Format(kFmtMapByPid, Hex(rawPid), key.side)
                                   : Format(kFmtMapByCode, static_cast<int>((Hex(modelCode_) >> 4) & 15), key.side);
    const std::string map = ini_.GetString(tablePath_, kSecMacroKey, mapKey, kDefaultKeyMap, kKeyMapBufSize);

    const size_t index = static_cast<size_t>(key.rawIndex);
    if (index > map.size()) return key;
    // An index equal to the length lands on the terminator: unmapped.
    const int value = index == map.size() ? 0 : KeyMapValue(map[index]);
    if (value == 0) return key;

    long long number = 0;
    switch (key.side) {
    case kSideTop: number = value; break;
    case kSideBottom: number = static_cast<long long>(value) + counts_.top; break;
    case kSideLeft: number = static_cast<long long>(value) + counts_.bottom + counts_.top; break;
    case kSideRight:
        number = static_cast<long long>(value) + counts_.bottom + counts_.top + counts_.left;
        break;
    default: break;  // an unknown side maps to no key but is not an error
    }
    if (number < INT_MIN || number > INT_MAX) return key;
    key.mapped = true;
    key.keyNumber = static_cast<int>(number);
    return key;
}

// ---------------------------------------------------------------------------
// Profile files

KeyRecord ProfileStore::ReadKey(const std::string& profile, int keyNumber, KeyTextUse use)
{
    KeyRecord rec;
    const std::string path = ProfilePath(profile);
    if (path.empty()) return rec;
    const std::string section = KeySection();
    const size_t buf = use == KeyTextUse::Editing ? kKeyTextBufEditing : kKeyTextBufActing;
    rec.command = ini_.GetString(path, section, Format(kFmtMacroKey, keyNumber), "", buf);
    rec.mode = ini_.GetInt(path, section, Format(kFmtMacroKeyMode, keyNumber), 0);
    rec.hint = ini_.GetString(path, section, Format(kFmtMacroKeyName, keyNumber), "", buf);
    rec.comboIndex = ini_.GetInt(path, section, Format(kFmtKeyComboIdx, keyNumber), kDefaultKeyComboIdx);
    rec.locked = ini_.GetInt(path, section, Format(kFmtDefaultMacro, keyNumber), 0) == 1;
    return rec;
}

bool ProfileStore::WriteKey(const std::string& profile, int keyNumber, const std::string& command,
                            int mode, const std::string& hint, int comboIndex)
{
    const std::string path = ProfilePath(profile);
    if (path.empty()) return false;
    const std::string section = KeySection();
    bool ok = ini_.WriteString(path, section, Format(kFmtMacroKey, keyNumber), command);
    ok = ini_.WriteInt(path, section, Format(kFmtMacroKeyMode, keyNumber), mode) && ok;
    ok = ini_.WriteString(path, section, Format(kFmtMacroKeyName, keyNumber), hint) && ok;
    ok = ini_.WriteInt(path, section, Format(kFmtKeyComboIdx, keyNumber), comboIndex) && ok;
    return ok;
}

ProfileInfo ProfileStore::ReadProfileInfo(const std::string& profile)
{
    ProfileInfo info;
    const std::string path = ProfilePath(profile);
    if (path.empty()) return info;
    info.exeFilePath = ini_.GetString(path, kSecFileInfo, kKeyExeFilePath, "", kFileInfoBufSize);
    info.exeFileName = ini_.GetString(path, kSecFileInfo, kKeyExeFileName, "", kFileInfoBufSize);
    info.className = ini_.GetString(path, kSecFileInfo, kKeyClassName, "", kFileInfoBufSize);
    return info;
}

bool ProfileStore::CreateProfile(const std::string& name, const std::string& exeFilePath,
                                 const std::string& exeFileName)
{
    const std::string path = ProfilePath(name);
    if (path.empty()) return false;
    bool ok = ini_.WriteString(path, kSecFileInfo, kKeyProfileFileName, name);
    ok = ini_.WriteString(path, kSecFileInfo, kKeyExeFilePath, exeFilePath) && ok;
    ok = ini_.WriteString(path, kSecFileInfo, kKeyExeFileName, exeFileName) && ok;
    return ok;
}

// ---------------------------------------------------------------------------
// The profile list

ProfileList ProfileStore::ListProfiles()
{
    ProfileList list;
    const int count = std::clamp(FileCount(), 0, kMaxProfiles);
    for (int i = 0; i < count; ++i)
        list.names.push_back(
            ini_.GetString(managerPath_, kSecCollectFile, std::to_string(i), "", kProfileNameBufSize));
    list.selected = SavedProfileIndex(kDefaultFileIndex);
    return list;
}

void ProfileStore::SaveProfileList(const std::vector<std::string>& names, int selected)
{
    const int count = static_cast<int>(names.size());
    ini_.WriteInt(managerPath_, kSecInfo, kKeyFileCount, count);
    const std::string chosen = selected >= 0 && selected < count ? names[selected] : std::string();
    ini_.WriteString(managerPath_, kSecLastSetting, kKeyFileName, chosen);
    ini_.WriteInt(managerPath_, kSecLastSetting, kKeyFileIndex, selected);
    // Entries of a longer, older list stay behind FileCount, where nobody reads them.
    for (int i = 0; i < count; ++i)
        ini_.WriteString(managerPath_, kSecCollectFile, std::to_string(i), names[i]);
}

bool ProfileStore::IsDefaultProfile(int index)
{
    return index < ini_.GetInt(managerPath_, kSecInfo, kKeyDefaultFileNum, kDefaultFileNumWhenDeleting);
}

int ProfileStore::DefaultEntryFor(WindowsKind kind, int def)
{
    if (kind == WindowsKind::Windows7OrLater)
        return ini_.GetInt(managerPath_, kSecInfo, kKeyWindows7Index, def);
    if (kind == WindowsKind::Vista) return ini_.GetInt(managerPath_, kSecInfo, kKeyVistaIndex, def);
    return 0;
}

DeleteResult ProfileStore::DeleteProfile(std::vector<std::string>& names, int index, WindowsKind kind)
{
    DeleteResult result;
    if (index < 0 || index >= static_cast<int>(names.size())) return result;
    if (IsDefaultProfile(index)) {
        result.outcome = DeleteOutcome::RefusedDefault;
        return result;
    }
    const std::string name = names[index];
    const std::string path = ProfilePath(name);
    if (path.empty()) {
        result.outcome = DeleteOutcome::RefusedName;
        return result;
    }

    fs_.Remove(path);
    names.erase(names.begin() + index);
    result.outcome = DeleteOutcome::Deleted;

    const int count = static_cast<int>(names.size());
    int selected = DefaultEntryFor(kind, 0);
    // A default index beyond the shortened list would leave nothing selected
    // and store an empty profile name.
    if (selected < 0 || selected >= count) selected = count > 0 ? 0 : -1;
    result.selected = selected;

    if (name == SavedProfileName()) {
        ini_.WriteString(managerPath_, kSecLastSetting, kKeyFileName, selected >= 0 ? names[selected] : "");
        ini_.WriteInt(managerPath_, kSecLastSetting, kKeyFileIndex, selected);
        ini_.WriteInt(managerPath_, kSecInfo, kKeyFileCount, count);
    }
    return result;
}

int ProfileStore::RestoreDefaultProfiles(WindowsKind kind)
{
    const int count = std::min(
        ini_.GetInt(managerPath_, kSecInfo, kKeyDefaultFileNum, kDefaultFileNumWhenRestoring), kMaxProfiles);
    for (int i = 0; i < count; ++i) {
        // Read with the listing's buffer: a name cut short would name another file.
        const std::string name =
            ini_.GetString(managerPath_, kSecCollectFile, std::to_string(i), "", kProfileNameBufSize);
        const std::string from = SystemProfilePath(name);
        const std::string to = ProfilePath(name);
        if (from.empty() || to.empty()) continue;
        if (fs_.Copy(from, to, false)) Grant(to);
    }
    return DefaultEntryFor(kind, 1);
}

WindowsKind ProfileStore::GetWindowsKind() { return WindowsKindFrom(platform_.os.Version()); }

void ProfileStore::ApplyFirstRunDefault(WindowsKind kind)
{
    const char* nameKey = nullptr;
    const char* nameDefault = nullptr;
    const char* indexKey = nullptr;
    if (kind == WindowsKind::Vista) {
        nameKey = kKeyVistaSettingName;
        nameDefault = kDefaultVistaSettingName;
        indexKey = kKeyVistaIndex;
    } else if (kind == WindowsKind::Windows7OrLater) {
        nameKey = kKeyWindows7SettingName;
        nameDefault = kDefaultWindows7SettingName;
        indexKey = kKeyWindows7Index;
    } else {
        return;
    }
    if (ini_.GetInt(managerPath_, kSecInfo, kKeyIfVistaFirst, 0) != 0) return;

    std::string name;
    std::string index;
    if (fs_.FileExists(fw::JoinPath(tabletDir_, kVartleMarkerFile))) {
        name = kVartleProfileName;
        index = ini_.GetString(managerPath_, kSecInfo, kKeyVartleIndex, "", kIndexTextBufSize);
    } else {
        name = ini_.GetString(managerPath_, kSecInfo, nameKey, nameDefault, kSettingNameBufSize);
        index = ini_.GetString(managerPath_, kSecInfo, indexKey, "", kIndexTextBufSize);
    }
    ini_.WriteString(managerPath_, kSecLastSetting, kKeyFileName, name);
    ini_.WriteString(managerPath_, kSecLastSetting, kKeyFileIndex, index);
    ini_.WriteString(managerPath_, kSecInfo, kKeyIfVistaFirst, "1");
}

// ---------------------------------------------------------------------------
// Plain keys

int ProfileStore::DriverRun() { return ini_.GetInt(tablePath_, kSecOption, kKeyDriverRun, 0); }

std::string ProfileStore::KeyTipFormat()
{
    return ini_.GetString(tablePath_, kSecOption, kKeyFKeyIndex, kDefaultFKeyIndex, kFKeyIndexBufSize);
}

int ProfileStore::KeyTipTextColour()
{
    return ini_.GetInt(tablePath_, kSecOption, kKeyFKeyTextColor, kDefaultFKeyTextColor);
}

int ProfileStore::KeyTipBkColour()
{
    return ini_.GetInt(tablePath_, kSecOption, kKeyFKeyBkColor, kDefaultFKeyBkColor);
}

int ProfileStore::FileCount() { return ini_.GetInt(managerPath_, kSecInfo, kKeyFileCount, 0); }

std::string ProfileStore::TipText()
{
    return ini_.GetString(managerPath_, kSecInfo, kKeyTsqTipShow, "", kTsqTipShowBufSize);
}

std::string ProfileStore::IconEnableFile()
{
    return ini_.GetString(managerPath_, kSecInfo, kKeyTsqIconEnable, "", kIconFileBufSize);
}

std::string ProfileStore::IconDisableFile()
{
    return ini_.GetString(managerPath_, kSecInfo, kKeyTsqIconDisable, "", kIconFileBufSize);
}

bool ProfileStore::ManagerLocked()
{
    return ini_.GetInt(managerPath_, kSecInfo, kKeyTsqDisableEnable, 0) != 0;
}

std::string ProfileStore::PenPadName()
{
    return ini_.GetString(managerPath_, kSecInfo, kKeyPenPadName, "", kPenPadNameBufSize);
}

int ProfileStore::WhiteboardIndex()
{
    return ini_.GetInt(managerPath_, kSecInfo, kKeyWhiteboardIndex, kDefaultWhiteboardIndex);
}

std::string ProfileStore::SavedProfileName()
{
    return ini_.GetString(managerPath_, kSecLastSetting, kKeyFileName, "", kFileNameBufSize);
}

int ProfileStore::SavedProfileIndex(int def)
{
    return ini_.GetInt(managerPath_, kSecLastSetting, kKeyFileIndex, def);
}

int ProfileStore::UseORNot()
{
    return ini_.GetInt(managerPath_, kSecLastSetting, kKeyUseORNot, kDefaultUseORNot);
}

void ProfileStore::WriteUseORNot(int on)
{
    ini_.WriteInt(managerPath_, kSecLastSetting, kKeyUseORNot, on);
}

int ProfileStore::DisplayORNot()
{
    return ini_.GetInt(managerPath_, kSecLastSetting, kKeyDisplayORNot, kDefaultDisplayORNot);
}

void ProfileStore::WriteDisplayORNot(bool show)
{
    ini_.WriteString(managerPath_, kSecLastSetting, kKeyDisplayORNot, show ? "1" : "0");
}

int ProfileStore::TipClickSound() { return ini_.GetInt(managerPath_, kSecOption, kKeyTipClickSound, 0); }

void ProfileStore::WriteTipClickSound(int on)
{
    ini_.WriteInt(managerPath_, kSecOption, kKeyTipClickSound, on);
}

int ProfileStore::MacroKeyDelayTime(int def)
{
    return ini_.GetInt(managerPath_, kSecMacroKey, kKeyMacroKeyDelayTime, def);
}

void ProfileStore::WriteMacroKeyDelayTime(int ms)
{
    ini_.WriteInt(managerPath_, kSecMacroKey, kKeyMacroKeyDelayTime, ms);
}

std::string ProfileStore::MacroKeyDelayText()
{
    return ini_.GetString(managerPath_, kSecMacroKey, kKeyMacroKeyDelayTime, "", 1000);
}

std::string ProfileStore::DriverVersionText()
{
    return ini_.GetString(tablePath_, kSecVersion, kKeyVerString, "", 20);
}

int ProfileStore::FirmwareVersion() { return ini_.GetInt(tablePath_, kSecControlPanel, "FirmWare Version", 0); }

std::string ProfileStore::ModelName()
{
    return ini_.GetString(managerPath_, kSecWTStringTable, Format(kFmtModelNameKey, Hex(RawPid())), "",
                          kModelNameBufSize);
}

std::string ProfileStore::StrokeLink(int stroke)
{
    return ini_.GetString(strokePath_, Format(kFmtStrokeSection, stroke), kKeyBrowsePath, "",
                          kBrowsePathBufSize);
}

}  // namespace tessar
