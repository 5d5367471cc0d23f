#include "TabletModels.h"

#include <cstdio>

#include "DriverProtocol.h"
#include "FileSystem.h"

namespace tabletdriver {

namespace {

constexpr char kControlPanel[] = "ControlPanel";
constexpr char kMacroKey[] = "MacroKey";
constexpr char kOption[] = "Option";
constexpr char kVersion[] = "Version";
constexpr char kWTStringTable[] = "WTStringTable";

// Side codes and their bits in MacroSideOpen and names in MacroMax.
struct SideInfo {
    unsigned side;
    int bit;
    const char* maxSuffix;
};
constexpr SideInfo kSides[] = {
    {kSideBottom, 0x1, "BOTTOM"},
    {kSideTop, 0x2, "UP"},
    {kSideRight, 0x4, "RIGHT"},
    {kSideLeft, 0x8, "LEFT"},
};

std::string Format(const char* format, int a, int b = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

}  // namespace

const std::vector<TabletModel>& Models()
{
    static const std::vector<TabletModel> models = {
        // One row of six keys along the top, described by the model code only.
        {"compact", "Lumora Compact", 0x21, 0x30, false, {0, 6, 0, 0}, {}},
        // Six keys on top, four at the bottom.
        {"wide", "Lumora Wide", 52, 0x40, true, {4, 6, 0, 0}, {}},
        // Keys on every side; its PID is one the readers normalise (1286 to
        // 1280), and its left side uses a one-code-per-key map.
        {"studio", "Lumora Studio", 1286, 0x80, true, {8, 8, 4, 4}, {"", "", "01234", ""}},
    };
    return models;
}

const TabletModel* FindModel(const std::string& name)
{
    for (const TabletModel& m : Models())
        if (m.name == name) return &m;
    return nullptr;
}

std::string DefaultModelName() { return "wide"; }

int ModelIdOf(int pid)
{
    switch (pid) {
    case 49: case 68: return 52;
    case 1286: return 1280;
    case 1287: return 1281;
    default: return pid;
    }
}

std::string KeyMapOf(const TabletModel& model, unsigned side)
{
    return side < 4 && !model.maps[side].empty() ? model.maps[side] : std::string(kDefaultKeyMap);
}

int KeyMapValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 0;
}

int RawIndexForKey(const std::string& map, int keyOnSide)
{
    if (keyOnSide <= 0) return -1;
    for (size_t i = 0; i < map.size(); ++i)
        if (KeyMapValue(map[i]) == keyOnSide) return static_cast<int>(i);
    return -1;
}

std::vector<VirtualKey> KeysOf(const TabletModel& model)
{
    std::vector<VirtualKey> keys;
    int number = 0;
    for (unsigned side : {kSideTop, kSideBottom, kSideLeft, kSideRight}) {
        const std::string map = KeyMapOf(model, side);
        for (int k = 1; k <= model.counts[side]; ++k)
            keys.push_back({side, k, ++number, RawIndexForKey(map, k)});
    }
    return keys;
}

TabletFiles TabletFilesIn(const std::string& commonAppData)
{
    const std::string folder = fw::JoinPath(commonAppData, "Tablet");
    return {fw::JoinPath(folder, "orvtbl.ini"), fw::JoinPath(folder, "MKProfile.ini")};
}

void WriteTabletTable(fw::IIniStore& ini, const TabletFiles& files, const TabletModel& model)
{
    const std::string& table = files.tabletTable;
    const int modelId = ModelIdOf(model.pid);
    ini.WriteInt(table, kControlPanel, "PID", model.pid);
    ini.WriteInt(table, kControlPanel, "ModelCode", model.modelCode);
    // A table without a version is replaced by the Windows folder's seed at
    // Tessar's next start.
    if (ini.GetInt(table, kVersion, "VerString", 0) == 0) ini.WriteInt(table, kVersion, "VerString", 1);

    int sideBits = 0;
    if (model.perSide)
        for (const SideInfo& s : kSides)
            if (model.counts[s.side] > 0) sideBits |= s.bit;
    // The counts read the side bits under the model id, the key maps under the raw PID.
    ini.WriteInt(table, kMacroKey, Format("MacroSideOpen_%04X", modelId), sideBits);
    if (modelId != model.pid)
        ini.WriteInt(table, kMacroKey, Format("MacroSideOpen_%04X", model.pid), sideBits);

    if (sideBits != 0) {
        for (const SideInfo& s : kSides) {
            if (!(sideBits & s.bit)) continue;
            ini.WriteInt(table, kMacroKey,
                         Format("MacroMax%04X_", modelId) + s.maxSuffix, model.counts[s.side]);
            ini.WriteString(table, kMacroKey, Format("MacroMap%04X_%d", model.pid, static_cast<int>(s.side)),
                            KeyMapOf(model, s.side));
        }
    } else {
        const int family = model.modelCode & 0xF0;
        const int second = (model.modelCode & 0xF000) ? ((model.modelCode >> 8) & 0xF0) : family;
        ini.WriteInt(table, kMacroKey, Format("MacroMax%02X%02X_UP", family, second),
                     model.counts[kSideTop]);
        ini.WriteString(table, kMacroKey,
                        Format("MacroMap%d000_%d", (model.modelCode >> 4) & 15, static_cast<int>(kSideTop)),
                        KeyMapOf(model, kSideTop));
    }
    ini.WriteString(files.manager, kWTStringTable, Format("%04X", model.pid), model.displayName);
}

void WriteDriverRun(fw::IIniStore& ini, const TabletFiles& files, bool running)
{
    ini.WriteInt(files.tabletTable, kOption, "DriverRun", running ? 1 : 0);
}

DriverSettings ReadDriverSettings(fw::IIniStore& ini, const TabletFiles& files)
{
    DriverSettings settings;
    const int delay = ini.GetInt(files.manager, kMacroKey, "MacroKeyDelayTime", 0);
    settings.responseTimeMs = delay > 0 ? delay : 0;
    settings.pointingSound = ini.GetInt(files.manager, kOption, "TipClickSound", 0) == 1;
    return settings;
}

}  // namespace tabletdriver
