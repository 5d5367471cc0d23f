#include "SettingsRules.h"

#include <cctype>

#include "ProfileName.h"

namespace tessar {

int TabletPictureFor(int oemId, int modelId)
{
    if (oemId == 5) {
        switch (modelId) {
        case 50: return 197;
        case 52: case 55: case 56: return 196;
        case 1280: return 195;
        case 1281: return 198;
        default: return 166;
        }
    }
    switch (modelId) {
    case 50: case 52: case 55: case 56: return 160;
    case 86: return 193;
    case 1280: case 1281: return 156;
    case 1282: return 194;
    default: return 166;
    }
}

std::vector<ControlText> SettingsControlTexts(int oemId)
{
    std::vector<ControlText> t = {
        {1002, 104, nullptr}, {1003, 105, nullptr}, {1077, 143, nullptr}, {1070, 137, nullptr},
        {1018, 109, nullptr}, {1076, 114, nullptr}, {1078, 144, nullptr}, {1, 111, nullptr},
        {2, 112, nullptr},
    };
    if (oemId == 2) t.push_back({1019, 0, "Active"});
    else t.push_back({1019, oemId == 8 ? 165 : 106, nullptr});
    t.push_back({1010, oemId == 8 ? 163 : 107, nullptr});
    t.push_back({1015, oemId == 8 ? 164 : 108, nullptr});
    t.push_back({1074, oemId == 7 ? 169 : 110, nullptr});
    return t;
}

AboutItemText AboutItemFor(int oemId)
{
    if (oemId == 5) return {128, " Pellicor"};
    return {101, ""};
}

int CaptionTextIdFor(int oemId) { return oemId == 3 ? 156 : 0; }

OkDecision DecideOK(bool editPending, const std::string& selectedProfile, const std::string& savedProfile,
                    int oemId)
{
    if (editPending) return {OkStep::AskToConfirmEdit, oemId == 5 ? 151 : oemId == 7 ? 168 : 0};
    if (selectedProfile == savedProfile) return {OkStep::Hide, 0};
    return {OkStep::AskToSaveList, 103};
}

void RestoreKeyOnCancel(EditorState& s, const KeyRecord& key, const std::string& selectedCommand)
{
    if (key.locked) {
        LockKeyEditor(s);
        return;
    }
    if (s.confirmOn) {
        const int keyCombo = s.keyCombo;
        ShowKeyInEditor(s, key, selectedCommand);
        if (key.comboIndex == -1) s.keyCombo = keyCombo;
        if (!key.hint.empty()) {
            s.confirmOn = false;
            return;
        }
        // A key without a hint was never saved: the editor starts blank.
        s.setting = s.hotKey = s.linking = false;
        s.mods = {};
        s.keyCombo = 0;
        s.path.clear();
        s.hint.clear();
        LockKeyEditor(s);
        s.confirmOn = false;
        return;
    }
    if (!key.hint.empty()) s.settingOn = true;
    else s.setting = false;
}

int DefaultProfileRefusalId(int oemId) { return oemId == 5 ? 149 : 117; }

NewNameCheck CheckNewProfileName(const std::string& name, const std::vector<std::string>& profiles)
{
    if (name.empty()) return NewNameCheck::Empty;
    if (!IsValidProfileName(name)) return NewNameCheck::BadName;
    for (const std::string& entry : profiles) {
        if (entry.size() < name.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(entry[i])) ==
                   std::tolower(static_cast<unsigned char>(name[i]));
        if (same) return NewNameCheck::Used;
    }
    return NewNameCheck::Ok;
}

std::string UnquoteAppPath(const std::string& value)
{
    if (!value.empty() && value[0] == '"') return value.size() >= 2 ? value.substr(1, value.size() - 2) : std::string();
    return value;
}

std::string ExpandProgramPlaceholders(std::string path, const std::string& programFiles,
                                      const std::string& windowsFolder, const std::string& commonFiles)
{
    const struct {
        const char* placeholder;
        const std::string& folder;
    } steps[] = {
        {"%ProgramFiles%", programFiles},
        {"%SystemRoot%", windowsFolder},
        {"%CommonProgramFiles%", commonFiles},
    };
    for (const auto& step : steps) {
        const std::string p = step.placeholder;
        if (path.compare(0, p.size(), p) == 0) path = step.folder + path.substr(p.size());
    }
    return path;
}

int OemIconFor(int oemId)
{
    switch (oemId) {
    case 2: return 183;
    case 3: return 192;
    case 5: return 199;
    case 6: return 201;
    default: return 128;
    }
}

int DelayEntryCount(int oemId) { return oemId == 4 ? kDelayChoices - 1 : kDelayChoices; }

const char* DelayEntryText(int index)
{
    static const char* const texts[kDelayChoices] = {"0 sec", "0.5 sec", "1 sec", "2 sec", "3 sec"};
    return index >= 0 && index < kDelayChoices ? texts[index] : "";
}

int DelayMsForIndex(int index)
{
    static const int ms[kDelayChoices] = {0, 500, 1000, 2000, 3000};
    return index >= 0 && index < kDelayChoices ? ms[index] : -1;
}

int DelayIndexFor(const std::string& stored)
{
    if (stored == "500") return 1;
    if (stored == "1000") return 2;
    if (stored == "2000") return 3;
    if (stored == "3000") return 4;
    return 0;
}

ExtraSettingsTexts ExtraSettingsTextsFor(int oemId)
{
    ExtraSettingsTexts t{118, 119, oemId == 3 ? 157 : 106};
    if (oemId == 5) t.responseLabelId = 146;
    if (oemId == 8) t = {162, 167, 106};
    return t;
}

std::string FirmwareVersionText(int value)
{
    return std::to_string((value >> 8) & 0xFF) + "." + std::to_string(value & 0xFF);
}

}  // namespace tessar
