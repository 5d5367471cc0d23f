// The installer's seed files, read from the source tree and installed into
// an in-memory machine: they must parse and give the profiles we ship.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "KeyList.h"
#include "ProfileName.h"
#include "ProfileStoreFixture.h"

namespace tessar_test {
namespace {

using tessar::MacroKeyMode;

std::string ReadSeed(const std::string& relative)
{
    std::ifstream in(std::string(LUMORA_SEED_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SeedFilesTest : public ProfileStoreTest {
protected:
    void SetUp() override
    {
        const std::string manager = ReadSeed("system32/MKProfile.ini");
        ASSERT_FALSE(manager.empty()) << "seed files not found under " << LUMORA_SEED_DIR;
        fs.Write(Sys("MKProfile.ini"), manager);
        fs.Write(Win("orvtbl.ini"), ReadSeed("windows/orvtbl.ini"));
        for (const char* p : kShipped) {
            const std::string text = ReadSeed(std::string("system32/") + p + ".ini");
            ASSERT_FALSE(text.empty()) << p;
            fs.Write(Sys(std::string(p) + ".ini"), text);
        }
        Init();
        store.LoadKeyCounts();
    }

    static constexpr const char* kShipped[] = {"Desktop", "Presenter", "Word", "PowerPoint", "Paint"};
};

TEST_F(SeedFilesTest, AFirstStartListsTheShippedProfilesWithDesktopChosen)
{
    auto list = store.ListProfiles();
    EXPECT_EQ(list.names, (std::vector<std::string>{"Desktop", "Presenter", "Word", "PowerPoint", "Paint"}));
    for (const auto& name : list.names) {
        EXPECT_TRUE(tessar::IsValidProfileName(name)) << name;
        EXPECT_TRUE(fs.FileExists(store.ProfilePath(name))) << name;
    }
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(store.SavedProfileName(), "Desktop");
    EXPECT_EQ(store.UseORNot(), 1);
    EXPECT_EQ(store.OemId(), 0);
    EXPECT_TRUE(store.IsDefaultProfile(1));
    EXPECT_FALSE(store.IsDefaultProfile(2));

    // The first start under Windows 7 or later keeps Desktop.
    store.ApplyFirstRunDefault(tessar::WindowsKind::Windows7OrLater);
    EXPECT_EQ(store.SavedProfileName(), "Desktop");
    EXPECT_EQ(store.SavedProfileIndex(), 0);
    EXPECT_EQ(store.RestoreDefaultProfiles(tessar::WindowsKind::Windows7OrLater), 0);
}

TEST_F(SeedFilesTest, TheTabletTableDescribesSixteenTopKeys)
{
    EXPECT_EQ(store.ModelId(), 52);
    EXPECT_EQ(store.Counts().top, 16);
    EXPECT_EQ(store.Counts().total, 16);
    EXPECT_EQ(store.KeySection(), "MacroKey_0034_0");
    EXPECT_EQ(store.ModelName(), "Orvik Pen Tablet (16 keys)");
    EXPECT_EQ(store.KeyTipFormat(), "K%d:");
    EXPECT_EQ(store.KeyTipBkColour(), 0xB4FFFF);
    EXPECT_EQ(ini.GetInt(store.TabletTablePath(), "Version", "VerString", 0), 1);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(store.MapRawKey(1 | ((2 * k - 1) << 8)).keyNumber, k);
        EXPECT_EQ(store.MapRawKey(1 | ((2 * k) << 8)).keyNumber, k);
    }
    EXPECT_FALSE(store.MapRawKey(1 | (33 << 8)).mapped);
}

TEST_F(SeedFilesTest, EveryKeyIsSetAndHotKeysMatchWhatTheEditorWouldStore)
{
    for (const char* p : kShipped) {
        for (int n = 1; n <= 16; ++n) {
            SCOPED_TRACE(std::string(p) + " key " + std::to_string(n));
            auto key = store.ReadKey(p, n, tessar::KeyTextUse::Editing);
            EXPECT_NE(key.mode, 0);
            EXPECT_LE(key.mode, 7);
            EXPECT_FALSE(key.hint.empty());
            EXPECT_FALSE(key.command.empty());
            if (key.mode == static_cast<int>(MacroKeyMode::HotKey)) {
                EXPECT_EQ(tessar::ComposeHotKey(tessar::ModifiersIn(key.command), key.comboIndex), key.command);
                EXPECT_FALSE(key.locked);
            }
            // Keys whose kind the editor cannot write are locked against it.
            if (key.mode > static_cast<int>(MacroKeyMode::RunProgram)) {
                EXPECT_TRUE(key.locked);
            }
        }
        EXPECT_EQ(store.ReadKey(p, 17).mode, 0);
    }
}

TEST_F(SeedFilesTest, ThePresenterProfileCarriesToolbarCommandCodes)
{
    EXPECT_EQ(store.ReadProfileInfo("Presenter").className, "LUMORA");
    std::set<int> codes;
    for (int n = 1; n <= 16; ++n) codes.insert(store.ReadKey("Presenter", n).comboIndex);
    // Pen, brush, marker, eraser, erase all, arrow, red, blue, green, thin,
    // thick, slide screen, white board, next and previous page, exit.
    const std::set<int> expected = {39, 40, 41, 42, 43, 44, 36, 37, 38, 45, 46, 47, 48, 57, 58, 23};
    EXPECT_EQ(codes, expected);
    // Key 16 does nothing while the presenter is not running: it closes it.
    EXPECT_EQ(store.ReadKey("Presenter", 16).comboIndex, 23);
}

TEST_F(SeedFilesTest, ProgramProfilesNameTheirWindowClasses)
{
    struct Case {
        const char* profile;
        const char* className;
        const char* process;
    } cases[] = {
        {"Word", "OpusApp", "WINWORD"},
        {"PowerPoint", "PP12FrameClass", "POWERPNT"},
        {"Paint", "MSPaintApp", "mspaint"},
        {"Desktop", "", ""},
    };
    for (const auto& c : cases) {
        auto info = store.ReadProfileInfo(c.profile);
        EXPECT_EQ(info.className, c.className) << c.profile;
        EXPECT_EQ(tessar::ProcessNameOf(info.exeFileName), c.process) << c.profile;
        EXPECT_EQ(ini.GetString(store.ProfilePath(c.profile), "FileInfo", "FileName", "", 260), c.profile);
    }
}

}  // namespace
}  // namespace tessar_test
