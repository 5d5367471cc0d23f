#pragma once
// Names, defaults and reader buffer sizes of Tessar's INI files. These files
// are shared with the tablet driver, its control panel and the installer, so
// every name here is spelled exactly as they expect it.
#include <cstddef>

namespace tessar_ini {

// Files of the Tablet folder (under the common application-data folder) and
// their seed copies in the system and Windows folders.
inline constexpr const char kTabletFolderName[] = "Tablet";
inline constexpr const char kTabletTableFile[] = "orvtbl.ini";
inline constexpr const char kManagerFile[] = "MKProfile.ini";
inline constexpr const char kStrokeFile[] = "stroke.ini";
inline constexpr const char kVartleMarkerFile[] = "Vartle.ini";
inline constexpr const char kHelpFile[] = "help.pdf";
inline constexpr const char kControlPanelFile[] = "TABLET.CPL";
inline constexpr const char kProfileExtension[] = ".ini";

// ---- Tablet table (orvtbl.ini) ----
inline constexpr const char kSecControlPanel[] = "ControlPanel";
inline constexpr const char kKeyPid[] = "PID";
inline constexpr const char kKeyModelCode[] = "ModelCode";

inline constexpr const char kSecMacroKey[] = "MacroKey";
inline constexpr const char kFmtSideOpen[] = "MacroSideOpen_%04X";    // model id or raw PID
inline constexpr const char kFmtMaxBottom[] = "MacroMax%04X_BOTTOM";  // model id
inline constexpr const char kFmtMaxUp[] = "MacroMax%04X_UP";
inline constexpr const char kFmtMaxRight[] = "MacroMax%04X_RIGHT";
inline constexpr const char kFmtMaxLeft[] = "MacroMax%04X_LEFT";
inline constexpr const char kFmtMaxUpByCode[] = "MacroMax%02X%02X_UP";  // model code fields
inline constexpr const char kFmtMapByPid[] = "MacroMap%04X_%d";         // raw PID, key side
inline constexpr const char kFmtMapByCode[] = "MacroMap%d000_%d";       // model code row, key side
inline constexpr const char kDefaultKeyMap[] = "0112233445566778899aabbccddeeffgghhiijjkkllmm";
inline constexpr size_t kKeyMapBufSize = 260;

inline constexpr const char kSecOption[] = "Option";
inline constexpr const char kKeyDriverRun[] = "DriverRun";
inline constexpr const char kKeyFKeyIndex[] = "FKeyIndex";
inline constexpr const char kDefaultFKeyIndex[] = "K%d:";
inline constexpr size_t kFKeyIndexBufSize = 16;
inline constexpr const char kKeyFKeyTextColor[] = "FKeyTextColor";
inline constexpr int kDefaultFKeyTextColor = 0;
inline constexpr const char kKeyFKeyBkColor[] = "FKeyBKColor";
inline constexpr int kDefaultFKeyBkColor = 11862015;  // 0xB4FFFF, pale yellow

inline constexpr const char kSecVersion[] = "Version";
inline constexpr const char kKeyVerString[] = "VerString";
inline constexpr const char kKeyOsVersion[] = "OsVersion";

// ---- Manager file (MKProfile.ini) ----
inline constexpr const char kSecInfo[] = "Info";
inline constexpr const char kKeyOemId[] = "OemID";
inline constexpr const char kKeyFileCount[] = "FileCount";
inline constexpr const char kKeyDefaultFileNum[] = "DefaultFileNum";
inline constexpr int kDefaultFileNumWhenDeleting = 1;
inline constexpr int kDefaultFileNumWhenRestoring = 0;
inline constexpr const char kKeyVistaIndex[] = "VistaIndex";
inline constexpr const char kKeyWindows7Index[] = "Windows7Index";
inline constexpr const char kKeyVartleIndex[] = "VartleIndex";
inline constexpr size_t kIndexTextBufSize = 20;
inline constexpr const char kKeyVistaSettingName[] = "VistaSettingName";
inline constexpr const char kDefaultVistaSettingName[] = "Vista";
inline constexpr const char kKeyWindows7SettingName[] = "Windows7SettingName";
inline constexpr const char kDefaultWindows7SettingName[] = "Windows7";
inline constexpr size_t kSettingNameBufSize = 20;
inline constexpr const char kVartleProfileName[] = "Vartle";
inline constexpr const char kKeyIfVistaFirst[] = "IfVistaFirst";
inline constexpr const char kKeyTsqTipShow[] = "TsqTipShow";
inline constexpr size_t kTsqTipShowBufSize = 100;
inline constexpr const char kKeyTsqIconEnable[] = "TsqIconEnable";
inline constexpr const char kKeyTsqIconDisable[] = "TsqIconDisable";
inline constexpr size_t kIconFileBufSize = 260;
inline constexpr const char kKeyTsqDisableEnable[] = "Tsq_DisableEnable";
inline constexpr const char kKeyPenPadName[] = "PenPadName";
inline constexpr size_t kPenPadNameBufSize = 260;
inline constexpr const char kKeyWhiteboardIndex[] = "WhiteboardIndex";
inline constexpr int kDefaultWhiteboardIndex = 1000;  // 1000 or more keeps the selection

inline constexpr const char kSecCollectFile[] = "CollectFile";
inline constexpr size_t kProfileNameBufSize = 260;  // listing the profiles
inline constexpr size_t kSeedNameBufSize = 512;     // seeding from the system copy

inline constexpr const char kSecLastSetting[] = "LastSetting";
inline constexpr const char kKeyFileName[] = "FileName";
inline constexpr size_t kFileNameBufSize = 260;
inline constexpr const char kKeyFileIndex[] = "FileIndex";
inline constexpr int kDefaultFileIndex = 0;
inline constexpr int kDefaultFileIndexOnCancel = 2;
inline constexpr const char kKeyUseORNot[] = "UseORNot";
inline constexpr int kDefaultUseORNot = 2;
inline constexpr const char kKeyDisplayORNot[] = "DisplayORNot";
inline constexpr int kDefaultDisplayORNot = 1;

inline constexpr const char kKeyTipClickSound[] = "TipClickSound";  // [Option]
inline constexpr const char kKeyMacroKeyDelayTime[] = "MacroKeyDelayTime";  // [MacroKey]

inline constexpr const char kSecWTStringTable[] = "WTStringTable";
inline constexpr const char kFmtModelNameKey[] = "%04X";  // raw PID
inline constexpr size_t kModelNameBufSize = 256;

// ---- Profile file (Tablet\NAME.ini) ----
inline constexpr const char kSecFileInfo[] = "FileInfo";
inline constexpr const char kKeyProfileFileName[] = "FileName";
inline constexpr const char kKeyExeFilePath[] = "ExeFilePath";
inline constexpr const char kKeyExeFileName[] = "ExeFileName";
inline constexpr const char kKeyClassName[] = "ClassName";
inline constexpr size_t kFileInfoBufSize = 260;
inline constexpr const char kPresenterClassName[] = "LUMORA";

inline constexpr const char kFmtKeySection[] = "MacroKey_%04X_%d";  // model id, OEM id
inline constexpr const char kFmtMacroKey[] = "MacroKey%d";
inline constexpr const char kFmtMacroKeyMode[] = "MacroKeyMode%d";
inline constexpr const char kFmtMacroKeyName[] = "MacroKeyName%d";
inline constexpr const char kFmtKeyComboIdx[] = "KeyComboIdx%d";
inline constexpr const char kFmtDefaultMacro[] = "DefaultMacro%d";
inline constexpr int kDefaultKeyComboIdx = -1;
inline constexpr size_t kKeyTextBufActing = 260;   // action performer, key tip, tooltips
inline constexpr size_t kKeyTextBufEditing = 1000;  // key editor

// ---- Pen-stroke links (stroke.ini) ----
inline constexpr const char kFmtStrokeSection[] = "L%d";
inline constexpr const char kKeyBrowsePath[] = "BrowsePath";
inline constexpr size_t kBrowsePathBufSize = 512;

}  // namespace tessar_ini
