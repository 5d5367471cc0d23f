#pragma once
// The settings window's and its small dialogs' decisions that need no
// window: texts and pictures per OEM id, what OK, Cancel and Delete do, the
// new profile's name check, and the extra settings' stored values.
#include <string>
#include <vector>

#include "KeyEditor.h"

namespace tessar {

// ---- the settings window ----

// Bitmap resource of the tablet picture.
int TabletPictureFor(int oemId, int modelId);

// A control's text: a string-table id, or a fixed text when textId is 0.
struct ControlText {
    int controlId;
    int textId;
    const char* text;
};
std::vector<ControlText> SettingsControlTexts(int oemId);

// The system menu's About item: string textId, then suffix.
struct AboutItemText {
    int textId;
    const char* suffix;
};
AboutItemText AboutItemFor(int oemId);
// String id of the window caption; 0: the tray tip text ([Info] TsqTipShow).
int CaptionTextIdFor(int oemId);

enum class OkStep { AskToConfirmEdit, Hide, AskToSaveList };
struct OkDecision {
    OkStep step = OkStep::Hide;
    int textId = 0;  // AskToConfirmEdit: 0 for the fixed text below
};
inline constexpr char kConfirmEditText[] = "Please confirm the setting you modified.";
inline constexpr char kConfirmEditCaption[] = "WTTsq";
OkDecision DecideOK(bool editPending, const std::string& selectedProfile, const std::string& savedProfile,
                    int oemId);

// Cancel, for the key shown after the saved profile is selected again.
void RestoreKeyOnCancel(EditorState& s, const KeyRecord& key, const std::string& selectedCommand);

// Text of Delete's refusal for a default profile.
int DefaultProfileRefusalId(int oemId);

// ---- the new-profile dialog ----

enum class NewNameCheck { Ok, Empty, BadName, Used };
// A name is used when a listed profile begins with it, in any letter case
// (the profile combo's prefix search).
NewNameCheck CheckNewProfileName(const std::string& name, const std::vector<std::string>& profiles);
inline constexpr char kNameUsedText[] = "This file name has been used!";
inline constexpr char kNameUsedCaption[] = "Note";

// An App Paths value as the profile stores it: without surrounding quotes.
std::string UnquoteAppPath(const std::string& value);
// Replaces "%ProgramFiles%", "%SystemRoot%" and "%CommonProgramFiles%" at the
// start of a path (exactly as written), one after another.
std::string ExpandProgramPlaceholders(std::string path, const std::string& programFiles,
                                      const std::string& windowsFolder, const std::string& commonFiles);
// Window icon of the program picker and the about dialog.
int OemIconFor(int oemId);

// ---- extra settings ----

inline constexpr int kDelayChoices = 5;
// Entries of the response-time list: the last ("3 sec") is missing for OEM id 4.
int DelayEntryCount(int oemId);
const char* DelayEntryText(int index);
// [MacroKey] MacroKeyDelayTime for a list index; -1 outside the list.
int DelayMsForIndex(int index);
// The list entry a stored value selects (0 for anything else).
int DelayIndexFor(const std::string& stored);
struct ExtraSettingsTexts {
    int responseLabelId;  // 1093
    int soundLabelId;     // 1087
    int captionId;
};
ExtraSettingsTexts ExtraSettingsTextsFor(int oemId);
inline constexpr char kTimerOverRangeText[] = "timer over range";

// ---- about ----

// "2.3" for 0x0203.
std::string FirmwareVersionText(int value);
inline constexpr char kSoftwareVersion[] = "1.12";

}  // namespace tessar
