#pragma once
// "Vexo.ini": its keys, their defaults, and the start-up decisions taken from
// them and from the command line.
#include <string>

#include "IniStore.h"

namespace vexo_ini {
inline constexpr const char kFileName[] = "Vexo.ini";
inline constexpr const char kSectionUI[] = "UI";
inline constexpr const char kKeyStyle[] = "Style";
inline constexpr const char kKeyTransparent[] = "TRANSPARENT";
inline constexpr const char kKeyHtmlHelp[] = "HtmlHelp";
inline constexpr const char kSectionName[] = "Name";
inline constexpr const char kKeyTitle[] = "Title";
inline constexpr size_t kTitleBufSize = 64;  // a title keeps at most 63 characters
inline constexpr const char kSectionOption[] = "Option";
inline constexpr const char kKeyMultiUser[] = "MutiUser";
inline constexpr const char kSectionLink[] = "LINK";
inline constexpr const char kKeyAppPath[] = "APPATH";
inline constexpr size_t kAppPathBufSize = 256;
inline constexpr const char kSectionJpg[] = "JPG";
inline constexpr const char kSectionRecord[] = "Record";
inline constexpr const char kKeyDefaultFileName[] = "DefaultFileName";
inline constexpr size_t kDefaultFileNameBufSize = 16;

// "ORVTBL.ini", opened by its bare name so that it is found in the Windows folder.
inline constexpr const char kOrvtblFileName[] = "ORVTBL.ini";
inline constexpr const char kSectionVexo[] = "VEXO";
inline constexpr const char kKeySavePage[] = "SAVEPAGE";
inline constexpr int kDefaultSavePage = 2;
inline constexpr const char kKeyLimitDrawPage[] = "LimitDrawPage";
inline constexpr int kDefaultLimitDrawPage = 0;
}  // namespace vexo_ini

enum class ToolbarStyle { Classic, Compact, Large };

// [UI] Style: 1 compact, 2 large, anything else the classic strip.
ToolbarStyle ToolbarStyleFrom(int style);

struct VexoSettings {
    int style = 0;
    int transparent = 0;  // forced to 1 for the compact toolbar
    int htmlHelp = 0;
};

VexoSettings ReadVexoSettings(fw::IIniStore& ini, const std::string& settingsPath);

// [Name] Title, at most 63 characters; defaultTitle is string 103.
std::string ReadVexoTitle(fw::IIniStore& ini, const std::string& settingsPath,
                          const std::string& defaultTitle);

// The "%02d%02d%d-" date prefix followed by "0": the default for the JPG and
// recording file names.
std::string DefaultDatedFileName(int month, int day, int year);

// What the command line asks for: at most one file; arguments starting with
// '/' or '-' are switches. Quotes group blanks into one argument.
struct CommandLineInfo {
    bool openFile = false;
    std::string fileName;
};
CommandLineInfo ParseVexoCommandLine(const std::string& arguments);

enum CommandLineFileKind { kFileKindDocument = 0, kFileKindRecording = 1 };
// Document only when the name's last four characters are exactly "flmz".
CommandLineFileKind FileKindOf(const std::string& fileName);

// A running Vexo has its overlay window and a toolbar found by either title.
bool IsOtherInstance(bool overlayFound, bool defaultTitleFound, bool configuredTitleFound);
