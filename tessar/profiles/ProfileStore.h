#pragma once
// Tessar's profile store: the Tablet folder with the tablet table
// (orvtbl.ini), the manager file (MKProfile.ini), the pen-stroke links
// (stroke.ini) and one INI file per profile. Values are read at the moment a
// caller needs them, because the tablet driver and its control panel change
// the same files; only the model id, the model code and the key counts are
// kept, until the next LoadKeyCounts.
#include <cstdint>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "IniStore.h"
#include "TabletPlatform.h"

namespace tessar {

enum class MacroKeyMode : int {
    Off = 0,
    HotKey = 1,
    RunProgram = 2,
    PresenterPointer = 3,
    OfficeInk = 4,
    NamedHandler = 5,
    OpenFolder = 6,
    QuickLaunch = 7,
};

// Which default profile a first start picks and which entry the Default
// button and Delete select.
enum class WindowsKind : int {
    Other = 0,
    Vista = 1,
    Windows2000 = 2,
    Windows7OrLater = 3,
};
WindowsKind WindowsKindFrom(const OsVersion& v);

enum KeySide : int { kSideBottom = 0, kSideTop = 1, kSideLeft = 2, kSideRight = 3 };

// The settings window has 70 hint slots and 30 key buttons per side.
inline constexpr int kMaxKeys = 70;
inline constexpr int kMaxKeysPerSide = 30;
inline constexpr int kKeyCountOverRange = 100;
// More profiles than this in [Info] FileCount are taken as a damaged file.
inline constexpr int kMaxProfiles = 1000;

inline constexpr const char kOverRangeText[] = "SideNumber Over range";
inline constexpr const char kMessageCaption[] = "WTTsq Message";

// Driver PIDs that share another model's key layout.
int ModelIdFromPid(int rawPid);

// A key-map character: "0"-"9" give 0-9, letters 10-35 (either case), else 0.
int KeyMapValue(char c);

// The key-tip label: every integer conversion of the tablet table's format
// ("%d", "%02d", "%i", ...) takes the key number, "%%" gives "%", and any
// other "%" sequence stays as written (the format comes from a shared file
// and is never handed to printf; see fw::FormatInt).
std::string FormatKeyLabel(const std::string& format, int keyNumber);

// The process name of a profile's program: ExeFileName up to its first ".".
std::string ProcessNameOf(const std::string& exeFileName);

struct KeyCounts {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    int total = 0;
};

struct KeyRecord {
    std::string command;  // MacroKey%d
    int mode = 0;         // MacroKeyMode%d
    std::string hint;     // MacroKeyName%d
    int comboIndex = -1;  // KeyComboIdx%d: key list index, or the presenter's command code
    bool locked = false;  // DefaultMacro%d == 1
};

// The editor reads key texts with a larger buffer than the action performer.
enum class KeyTextUse { Acting, Editing };

struct MappedKey {
    bool mapped = false;
    int keyNumber = 0;  // 0 when unmapped, or for a side other than 0 to 3
    int side = 0;
    int rawIndex = 0;
};

struct ProfileInfo {
    std::string exeFilePath;
    std::string exeFileName;
    std::string className;
};

struct ProfileList {
    std::vector<std::string> names;
    int selected = 0;  // [LastSetting] FileIndex, as stored
};

enum class DeleteOutcome { Deleted, RefusedDefault, RefusedName, NoSuchEntry };
struct DeleteResult {
    DeleteOutcome outcome = DeleteOutcome::NoSuchEntry;
    int selected = -1;  // entry to select afterwards (-1: the list is empty)
};

class ProfileStore {
public:
    struct Platform {
        ISpecialFolders& folders;
        IAccessRights& access;
        IWindowsVersion& os;
        IUserNotice& notice;
    };

    ProfileStore(fw::IIniStore& ini, fw::IFileSystem& fs, Platform platform);

    // Creates the Tablet folder and seeds it from the installer's copies.
    void InitTabletFolder();

    const std::string& TabletDir() const { return tabletDir_; }
    const std::string& TabletTablePath() const { return tablePath_; }
    const std::string& ManagerPath() const { return managerPath_; }
    const std::string& StrokePath() const { return strokePath_; }
    std::string HelpPath() const;
    // TABLETDIR\NAME.ini; empty for a name that could leave the folder
    // (readers then see defaults and writers write nothing).
    std::string ProfilePath(const std::string& name) const;
    // The installer's copy SYSDIR\NAME.ini; empty for a refused name.
    std::string SystemProfilePath(const std::string& name);

    // ---- identifiers ----
    int RawPid();
    int ReadModelCode();
    int OemId();
    int ModelId() const { return modelId_; }
    int ModelCode() const { return modelCode_; }
    // "MacroKey_%04X_%d" of the kept model id and the OEM id read now.
    std::string KeySection();

    // Recomputes the model id and the key counts; true (after telling the
    // user) when the tablet table declares 100 keys or more, or a negative
    // count. The counts are kept as computed either way.
    bool LoadKeyCounts();
    const KeyCounts& Counts() const { return counts_; }
    // Decodes a driver key event (bits 0-7 side, 8-23 raw index).
    MappedKey MapRawKey(std::uint32_t eventCode);

    // ---- keys of a profile ----
    KeyRecord ReadKey(const std::string& profile, int keyNumber, KeyTextUse use = KeyTextUse::Acting);
    bool WriteKey(const std::string& profile, int keyNumber, const std::string& command, int mode,
                  const std::string& hint, int comboIndex);
    ProfileInfo ReadProfileInfo(const std::string& profile);
    bool CreateProfile(const std::string& name, const std::string& exeFilePath,
                       const std::string& exeFileName);

    // ---- the profile list ----
    ProfileList ListProfiles();
    void SaveProfileList(const std::vector<std::string>& names, int selected);
    // The first [Info] DefaultFileNum (default 1) entries are default profiles.
    bool IsDefaultProfile(int index);
    // Deletes the file of names[index] and removes the entry; updates the
    // saved choice only when it named the deleted profile.
    DeleteResult DeleteProfile(std::vector<std::string>& names, int index, WindowsKind kind);
    // Copies the default profiles back from the system folder; returns the
    // entry to select.
    int RestoreDefaultProfiles(WindowsKind kind);

    WindowsKind GetWindowsKind();
    // On the first start under Vista or later, makes the product's default
    // profile the saved one.
    void ApplyFirstRunDefault(WindowsKind kind);

    // ---- tablet table ----
    int DriverRun();
    std::string KeyTipFormat();
    int KeyTipTextColour();
    int KeyTipBkColour();

    // ---- manager file ----
    int FileCount();
    std::string TipText();  // [Info] TsqTipShow
    std::string IconEnableFile();
    std::string IconDisableFile();
    bool ManagerLocked();  // [Info] Tsq_DisableEnable
    std::string PenPadName();
    int WhiteboardIndex();
    std::string SavedProfileName();
    int SavedProfileIndex(int def = 0);
    int UseORNot();
    void WriteUseORNot(int on);
    int DisplayORNot();
    void WriteDisplayORNot(bool show);
    int TipClickSound();
    void WriteTipClickSound(int on);
    int MacroKeyDelayTime(int def);
    void WriteMacroKeyDelayTime(int ms);
    // [MacroKey] MacroKeyDelayTime as stored (the extra settings compare the text).
    std::string MacroKeyDelayText();
    // [Version] VerString and [ControlPanel] "FirmWare Version" of the tablet table.
    std::string DriverVersionText();
    int FirmwareVersion();
    std::string ModelName();  // [WTStringTable] of the raw PID

    // ---- stroke links ----
    std::string StrokeLink(int stroke);

private:
    void Grant(const std::string& path) { platform_.access.GrantEveryone(path); }
    void WriteOsVersion();
    int DefaultEntryFor(WindowsKind kind, int def);

    fw::IIniStore& ini_;
    fw::IFileSystem& fs_;
    Platform platform_;
    std::string tabletDir_;
    std::string tablePath_;
    std::string managerPath_;
    std::string strokePath_;
    int modelId_ = 0;
    int modelCode_ = 0;
    KeyCounts counts_;
};

}  // namespace tessar
