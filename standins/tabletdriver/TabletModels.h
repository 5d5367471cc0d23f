#pragma once
// The tablets the stand-in can play, the tablet table it writes for them,
// where their macro keys sit, and the settings Tessar hands to the driver.
#include <string>
#include <vector>

#include "IniStore.h"

namespace tabletdriver {

// The default key map: raw indexes 2k-1 and 2k give key k.
constexpr char kDefaultKeyMap[] = "0112233445566778899aabbccddeeffgghhiijjkkllmm";

struct TabletModel {
    std::string name;          // on the command line
    std::string displayName;   // [WTStringTable] of the manager file
    int pid;                   // raw PID
    int modelCode;
    bool perSide;              // per-side data (MacroSideOpen non-zero)
    int counts[4];             // keys per side, indexed by side code (bottom, top, left, right)
    std::string maps[4];       // key map per side code; empty: the default map
};

const std::vector<TabletModel>& Models();
const TabletModel* FindModel(const std::string& name);
std::string DefaultModelName();

// The raw PID as the tablet table's readers normalise it.
int ModelIdOf(int pid);
// The key map of a side as written (the default map when the model has none).
std::string KeyMapOf(const TabletModel& model, unsigned side);
// Value of one key-map character: "0"-"9" 0-9, letters 10-35, else 0.
int KeyMapValue(char c);
// The first raw index whose map character gives keyOnSide; -1 when none does.
int RawIndexForKey(const std::string& map, int keyOnSide);

struct VirtualKey {
    unsigned side;     // side code
    int keyOnSide;     // 1-based along the side
    int keyNumber;     // 1-based across all sides: top, bottom, left, right
    int rawIndex;      // what the driver reports for it; -1 when the map cannot reach it
};
// Every key of the model in key-number order.
std::vector<VirtualKey> KeysOf(const TabletModel& model);

struct TabletFiles {
    std::string tabletTable;  // TABLETDIR\orvtbl.ini
    std::string manager;      // TABLETDIR\MKProfile.ini
};
TabletFiles TabletFilesIn(const std::string& commonAppData);

// Writes the model's [ControlPanel], [MacroKey] and [Version] keys to the
// tablet table and its name to the manager file. Other keys stay.
void WriteTabletTable(fw::IIniStore& ini, const TabletFiles& files, const TabletModel& model);
// [Option] DriverRun.
void WriteDriverRun(fw::IIniStore& ini, const TabletFiles& files, bool running);

// What Tessar tells the driver about through 0x46A and 0x46B.
struct DriverSettings {
    int responseTimeMs = 0;     // [MacroKey] MacroKeyDelayTime; 0 for anything but a number
    bool pointingSound = false; // [Option] TipClickSound is 1
};
DriverSettings ReadDriverSettings(fw::IIniStore& ini, const TabletFiles& files);

}  // namespace tabletdriver
