#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../tessar/ProfileStoreFixture.h"
#include "DriverCommandLine.h"
#include "DriverProtocol.h"
#include "TabletModels.h"

namespace {

using namespace tabletdriver;

// ---- command line ----

bool SamePosts(const std::vector<Post>& a, const std::vector<Post>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].target != b[i].target || a[i].message != b[i].message || a[i].wParam != b[i].wParam ||
            a[i].lParam != b[i].lParam)
            return false;
    return true;
}

TEST(TabletDriverCommandLine, EachCommandPostsItsMessage)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<Post> posts;
    };
    const Target T = Target::Tessar;
    const Case cases[] = {
        {{"press", "bottom", "3"}, {{T, 0x533, 0x300, 1}}},
        {{"release", "top", "12"}, {{T, 0x533, 0xC01, 0}}},
        {{"press", "LEFT", "65535"}, {{T, 0x533, 0xFFFF02, 1}}},
        {{"press", "3", "1"}, {{T, 0x533, 0x103, 1}}},
        {{"press", "255", "0"}, {{T, 0x533, 0xFF, 1}}},  // a side no tablet has
        {{"click", "right", "2"}, {{T, 0x533, 0x203, 1}, {T, 0x533, 0x203, 0}}},
        {{"stroke", "3"}, {{T, 0x4C8, 3, 0}}},
        {{"reload"}, {{T, 0x531, 0, 0}}},
        {{"settings"}, {{T, 0x530, 0, 0}}},
        {{"quit"}, {{T, 0x534, 0, 0}}},
        {{"suspend"}, {{T, 0x218, 2, 0}}},
        {{"started"}, {{T, 0x535, 0, 0}}},
        {{"stopped"}, {{T, 0x532, 0, 0}}},
        {{"indicator", "2", "6"}, {{Target::Overlay, 0x590, 2, 6}}},
    };
    for (const Case& c : cases) {
        const DriverCommand cmd = ParseDriverCommandLine(c.args);
        EXPECT_EQ(cmd.kind, CommandKind::PostMessages) << c.args[0] << " " << cmd.error;
        EXPECT_TRUE(SamePosts(cmd.posts, c.posts)) << c.args[0];
    }
}

TEST(TabletDriverCommandLine, RunAndTableChooseAModel)
{
    DriverCommand cmd = ParseDriverCommandLine({});
    EXPECT_EQ(cmd.kind, CommandKind::Run);
    EXPECT_EQ(cmd.model, "wide");

    cmd = ParseDriverCommandLine({"--model", "Studio"});
    EXPECT_EQ(cmd.kind, CommandKind::Run);
    EXPECT_EQ(cmd.model, "studio");

    cmd = ParseDriverCommandLine({"table", "--model", "compact"});
    EXPECT_EQ(cmd.kind, CommandKind::WriteTable);
    EXPECT_EQ(cmd.model, "compact");

    EXPECT_EQ(ParseDriverCommandLine({"stop"}).kind, CommandKind::Stop);
    EXPECT_EQ(ParseDriverCommandLine({"help"}).kind, CommandKind::Help);
}

TEST(TabletDriverCommandLine, MalformedInputIsRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {"jump"},
        {"press"},
        {"press", "bottom"},
        {"press", "middle", "1"},
        {"press", "256", "1"},
        {"press", "bottom", "65536"},
        {"press", "bottom", "-1"},
        {"press", "bottom", "1x"},
        {"press", "bottom", ""},
        {"press", "bottom", "1", "2"},
        {"stroke"},
        {"stroke", "99999999999999999999"},
        {"indicator", "1"},
        {"indicator", "a", "1"},
        {"reload", "now"},
        {"stop", "now"},
        {"run", "--model", "giant"},
        {"table", "--model"},
        {"run", "--fast"},
    };
    for (const auto& args : bad) {
        const DriverCommand cmd = ParseDriverCommandLine(args);
        EXPECT_EQ(cmd.kind, CommandKind::Error) << args[0] << " (" << args.size() << " args)";
        EXPECT_FALSE(cmd.error.empty());
        EXPECT_TRUE(cmd.posts.empty());
    }
}

// ---- tablet table ----

// Reads the table back as Tessar's profile store does: key counts from the
// model id's side flags, the key map from the raw PID's.
class TableReader {
public:
    TableReader(fw::IIniStore& ini, const std::string& table) : ini_(ini), table_(table)
    {
        pid_ = ini.GetInt(table, "ControlPanel", "PID", 0);
        code_ = ini.GetInt(table, "ControlPanel", "ModelCode", 0);
        const int modelId = ModelIdOf(pid_);
        const int bits = ini.GetInt(table, "MacroKey", Fmt("MacroSideOpen_%04X", modelId), 0);
        if (bits) {
            if (bits & 1) bottom = Int(Fmt("MacroMax%04X_BOTTOM", modelId));
            if (bits & 2) top = Int(Fmt("MacroMax%04X_UP", modelId));
            if (bits & 4) right = Int(Fmt("MacroMax%04X_RIGHT", modelId));
            if (bits & 8) left = Int(Fmt("MacroMax%04X_LEFT", modelId));
        } else {
            const int first = code_ & 0xF0;
            const int second = (code_ & 0xF000) ? ((code_ >> 8) & 0xF0) : first;
            top = ini.GetInt(table, "MacroKey", Fmt("MacroMax%02X%02X_UP", first, second),
                             2 * ((code_ >> 4) & 15));
        }
    }
    // Key number of an event code; 0 when unmapped.
    int Map(unsigned code) const
    {
        const unsigned side = code & 0xFF;
        const unsigned raw = (code >> 8) & 0xFFFF;
        const bool perSide = ini_.GetInt(table_, "MacroKey", Fmt("MacroSideOpen_%04X", pid_), 0) != 0;
        const std::string key = perSide ? Fmt("MacroMap%04X_%d", pid_, static_cast<int>(side))
                                        : Fmt("MacroMap%d000_%d", (code_ >> 4) & 15, static_cast<int>(side));
        const std::string map = ini_.GetString(table_, "MacroKey", key, kDefaultKeyMap, 260);
        if (map.size() < raw || raw == map.size()) return 0;
        const int value = KeyMapValue(map[raw]);
        if (value == 0) return 0;
        switch (side) {
        case 1: return value;
        case 0: return value + top;
        case 2: return value + bottom + top;
        case 3: return value + bottom + top + left;
        default: return 0;
        }
    }

    int top = 0, bottom = 0, left = 0, right = 0;

private:
    static std::string Fmt(const char* f, int a, int b = 0)
    {
        char t[64];
        std::snprintf(t, sizeof t, f, a, b);
        return t;
    }
    int Int(const std::string& key) const { return ini_.GetInt(table_, "MacroKey", key, 0); }

    fw::IIniStore& ini_;
    std::string table_;
    int pid_ = 0, code_ = 0;
};

class TabletTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs.MakeDir("C:");
        fs.MakeDir("C:\\ProgramData");
        fs.MakeDir("C:\\ProgramData\\Tablet");
    }
    std::string Get(const std::string& section, const std::string& key)
    {
        return ini.GetString(files.tabletTable, section, key, "<missing>", 260);
    }

    const TabletFiles files = TabletFilesIn("C:\\ProgramData");
    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
};

TEST_F(TabletTableTest, FilesLieInTheTabletFolder)
{
    EXPECT_EQ(files.tabletTable, "C:\\ProgramData\\Tablet\\orvtbl.ini");
    EXPECT_EQ(files.manager, "C:\\ProgramData\\Tablet\\MKProfile.ini");
}

TEST_F(TabletTableTest, PerSideModelWritesCountsAndMaps)
{
    WriteTabletTable(ini, files, *FindModel("wide"));
    EXPECT_EQ(Get("ControlPanel", "PID"), "52");
    EXPECT_EQ(Get("ControlPanel", "ModelCode"), "64");
    EXPECT_EQ(Get("MacroKey", "MacroSideOpen_0034"), "3");
    EXPECT_EQ(Get("MacroKey", "MacroMax0034_BOTTOM"), "4");
    EXPECT_EQ(Get("MacroKey", "MacroMax0034_UP"), "6");
    EXPECT_EQ(Get("MacroKey", "MacroMax0034_LEFT"), "<missing>");
    EXPECT_EQ(Get("MacroKey", "MacroMap0034_0"), kDefaultKeyMap);
    EXPECT_EQ(Get("MacroKey", "MacroMap0034_1"), kDefaultKeyMap);
    EXPECT_EQ(ini.GetString(files.manager, "WTStringTable", "0034", "", 256), "Lumora Wide");

    // Bottom raw index 3 is the second bottom key, key 2 + 6.
    EXPECT_EQ(TableReader(ini, files.tabletTable).Map(MakeEventCode(kSideBottom, 3)), 8);
}

TEST_F(TabletTableTest, ModelCodeOnlyModelWritesTheFamilyKeys)
{
    WriteTabletTable(ini, files, *FindModel("compact"));
    EXPECT_EQ(Get("MacroKey", "MacroSideOpen_0021"), "0");
    EXPECT_EQ(Get("MacroKey", "MacroMax3030_UP"), "6");
    EXPECT_EQ(Get("MacroKey", "MacroMap3000_1"), kDefaultKeyMap);
}

TEST_F(TabletTableTest, NormalisedPidWritesSideFlagsUnderBothIds)
{
    WriteTabletTable(ini, files, *FindModel("studio"));
    EXPECT_EQ(Get("ControlPanel", "PID"), "1286");
    EXPECT_EQ(Get("MacroKey", "MacroSideOpen_0500"), "15");
    EXPECT_EQ(Get("MacroKey", "MacroSideOpen_0506"), "15");
    EXPECT_EQ(Get("MacroKey", "MacroMax0500_LEFT"), "4");
    EXPECT_EQ(Get("MacroKey", "MacroMap0506_2"), "01234");
}

// Every key of the virtual tablet reaches Tessar as its own key number,
// through the profile store's own reading of the table.
TEST_F(TabletTableTest, VirtualKeysMapBackToTheirNumbers)
{
    for (const TabletModel& model : Models()) {
        SCOPED_TRACE(model.name);
        fw::MemoryFileSystem freshFs;
        fw::TextIniStore freshIni(freshFs);
        for (const char* dir : {"C:", "C:\\ProgramData", "C:\\Windows", "C:\\Windows\\System32"})
            freshFs.MakeDir(dir);
        tessar_test::FakeFolders folders;
        tessar_test::RecordingAccess access;
        tessar_test::FixedVersion os;
        tessar_test::RecordingNotice notice;
        tessar::ProfileStore store{freshIni, freshFs, {folders, access, os, notice}};
        store.InitTabletFolder();
        ASSERT_EQ(store.TabletTablePath(), files.tabletTable);
        WriteTabletTable(freshIni, files, model);
        store.LoadKeyCounts();
        EXPECT_EQ(store.Counts().top, model.counts[kSideTop]);
        EXPECT_EQ(store.Counts().bottom, model.counts[kSideBottom]);
        EXPECT_EQ(store.Counts().left, model.counts[kSideLeft]);
        EXPECT_EQ(store.Counts().right, model.counts[kSideRight]);

        const std::vector<VirtualKey> keys = KeysOf(model);
        ASSERT_EQ(keys.size(), static_cast<size_t>(model.counts[0] + model.counts[1] + model.counts[2] +
                                                   model.counts[3]));
        for (size_t i = 0; i < keys.size(); ++i) {
            const VirtualKey& key = keys[i];
            EXPECT_EQ(key.keyNumber, static_cast<int>(i) + 1);
            ASSERT_GE(key.rawIndex, 0) << " key " << key.keyNumber;
            const tessar::MappedKey mapped =
                store.MapRawKey(MakeEventCode(key.side, static_cast<unsigned>(key.rawIndex)));
            EXPECT_TRUE(mapped.mapped) << " key " << key.keyNumber;
            EXPECT_EQ(mapped.keyNumber, key.keyNumber) << " key " << key.keyNumber;
        }
    }
}

TEST_F(TabletTableTest, KeepsTheVersionAndForeignKeys)
{
    fs.Write(files.tabletTable, "[Version]\nVerString=7\n[Option]\nFKeyIndex=F%d:\nDriverRun=0\n");
    WriteTabletTable(ini, files, *FindModel("wide"));
    EXPECT_EQ(Get("Version", "VerString"), "7");
    EXPECT_EQ(Get("Option", "FKeyIndex"), "F%d:");

    // Without a version Tessar would replace the table with its seed copy.
    fs.Write(files.tabletTable, "[Version]\nVerString=0\n");
    WriteTabletTable(ini, files, *FindModel("wide"));
    EXPECT_EQ(Get("Version", "VerString"), "1");

    WriteDriverRun(ini, files, true);
    EXPECT_EQ(Get("Option", "DriverRun"), "1");
    WriteDriverRun(ini, files, false);
    EXPECT_EQ(Get("Option", "DriverRun"), "0");
}

TEST(TabletKeyMap, RawIndexesOfKeys)
{
    EXPECT_EQ(RawIndexForKey(kDefaultKeyMap, 1), 1);
    EXPECT_EQ(RawIndexForKey(kDefaultKeyMap, 8), 15);
    EXPECT_EQ(RawIndexForKey(kDefaultKeyMap, 22), 43);
    EXPECT_EQ(RawIndexForKey(kDefaultKeyMap, 23), -1);  // beyond the default map
    EXPECT_EQ(RawIndexForKey("01234", 3), 3);
    EXPECT_EQ(RawIndexForKey("0A", 10), 1);
    EXPECT_EQ(RawIndexForKey("012", 0), -1);
}

TEST_F(TabletTableTest, SettingsFromTessar)
{
    struct Case {
        const char* text;
        int responseTimeMs;
        bool sound;
    };
    const Case cases[] = {
        {"", 0, false},
        {"[MacroKey]\nMacroKeyDelayTime=500\n[Option]\nTipClickSound=1\n", 500, true},
        {"[MacroKey]\nMacroKeyDelayTime=3000\n[Option]\nTipClickSound=0\n", 3000, false},
        {"[MacroKey]\nMacroKeyDelayTime=soon\n[Option]\nTipClickSound=2\n", 0, false},
        {"[MacroKey]\nMacroKeyDelayTime=-500\n", 0, false},
    };
    for (const Case& c : cases) {
        fs.Write(files.manager, c.text);
        const DriverSettings s = ReadDriverSettings(ini, files);
        EXPECT_EQ(s.responseTimeMs, c.responseTimeMs) << c.text;
        EXPECT_EQ(s.pointingSound, c.sound) << c.text;
    }
}

}  // namespace
