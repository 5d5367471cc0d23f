#include <gtest/gtest.h>

#include <string>

#include "ProfileStoreFixture.h"
#include "TrayStartup.h"

namespace {

using tessar::TrayPicture;

class TrayStartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs.MakeDir("C:");
        fs.MakeDir("C:\\ProgramData");
        fs.MakeDir("C:\\ProgramData\\Tablet");
    }
    tessar::TrayStartupPlan Plan() { return tessar::PlanTrayStartup(ini, table, manager); }
    void Table(const std::string& text) { fs.Write(table, text); }
    void Manager(const std::string& text) { fs.Write(manager, text); }

    const std::string table = "C:\\ProgramData\\Tablet\\orvtbl.ini";
    const std::string manager = "C:\\ProgramData\\Tablet\\MKProfile.ini";
    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
};

// The fixture's files are the ones the profile store sets up at start.
TEST_F(TrayStartupTest, PathsLieInTheTabletFolder)
{
    tessar_test::FakeFolders folders;
    tessar_test::RecordingAccess access;
    tessar_test::FixedVersion os;
    tessar_test::RecordingNotice notice;
    fs.MakeDir("C:\\Windows");
    fs.MakeDir("C:\\Windows\\System32");
    tessar::ProfileStore store{ini, fs, {folders, access, os, notice}};
    store.InitTabletFolder();
    EXPECT_EQ(store.TabletTablePath(), table);
    EXPECT_EQ(store.ManagerPath(), manager);
}

TEST_F(TrayStartupTest, MissingFilesStartDisabledWithTheIconShown)
{
    const tessar::TrayStartupPlan plan = Plan();
    EXPECT_FALSE(plan.enableChecked);
    EXPECT_EQ(plan.picture, TrayPicture::Disabled);
    EXPECT_TRUE(plan.showTray);
    EXPECT_EQ(plan.displayTooltips, 1);
    EXPECT_EQ(plan.icons.enabled, 128);
    EXPECT_EQ(plan.icons.disabled, 175);
    EXPECT_EQ(plan.tip, "");
}

TEST_F(TrayStartupTest, PictureFollowsSwitchDriverAndTablet)
{
    struct Case {
        const char* useOrNot;  // nullptr: key missing
        int driverRun;
        int pid;
        int oem;
        bool enableChecked;
        TrayPicture picture;
        bool showTray;
    };
    const Case cases[] = {
        {"1", 1, 52, 0, true, TrayPicture::Enabled, true},
        {"1", 0, 52, 0, true, TrayPicture::Disabled, true},   // driver not running
        {"1", 1, 0, 0, true, TrayPicture::Disabled, true},    // no tablet
        {"1", 0, 52, 2, true, TrayPicture::Disabled, false},  // OEM 2 hides a disabled icon
        {"1", 1, 52, 2, true, TrayPicture::Enabled, true},
        {"0", 1, 52, 0, false, TrayPicture::Disabled, true},
        {"0", 0, 0, 2, false, TrayPicture::Disabled, true},   // switched off: always shown
        {nullptr, 1, 52, 0, false, TrayPicture::Disabled, true},
        {"2", 1, 52, 0, false, TrayPicture::Disabled, true},
    };
    for (const Case& c : cases) {
        Table("[ControlPanel]\nPID=" + std::to_string(c.pid) + "\n[Option]\nDriverRun=" +
              std::to_string(c.driverRun) + "\n");
        std::string m = "[Info]\nOemID=" + std::to_string(c.oem) + "\n";
        if (c.useOrNot) m += std::string("[LastSetting]\nUseORNot=") + c.useOrNot + "\n";
        Manager(m);
        const tessar::TrayStartupPlan plan = Plan();
        const std::string what = std::string("UseORNot ") + (c.useOrNot ? c.useOrNot : "missing") +
                                 " DriverRun " + std::to_string(c.driverRun) + " PID " +
                                 std::to_string(c.pid) + " OEM " + std::to_string(c.oem);
        EXPECT_EQ(plan.enableChecked, c.enableChecked) << what;
        EXPECT_EQ(plan.picture, c.picture) << what;
        EXPECT_EQ(plan.showTray, c.showTray) << what;
    }
}

TEST_F(TrayStartupTest, OemSelectsTheIconPair)
{
    struct Case {
        int oem, enabled, disabled;
    };
    for (const Case& c : {Case{0, 128, 175}, Case{1, 128, 175}, Case{2, 183, 185}, Case{3, 192, 204},
                          Case{4, 128, 175}, Case{5, 199, 200}, Case{6, 201, 202}, Case{7, 128, 175}}) {
        Manager("[Info]\nOemID=" + std::to_string(c.oem) + "\n");
        const tessar::TrayStartupPlan plan = Plan();
        EXPECT_EQ(plan.icons.enabled, c.enabled) << c.oem;
        EXPECT_EQ(plan.icons.disabled, c.disabled) << c.oem;
    }
}

TEST_F(TrayStartupTest, IconFilesApplyOnlyWhenStartingEnabled)
{
    Manager("[Info]\nTsqIconEnable=on.ico\nTsqIconDisable=off.ico\n[LastSetting]\nUseORNot=0\n");
    EXPECT_EQ(Plan().enabledIconFile, "");
    EXPECT_EQ(Plan().disabledIconFile, "");

    Manager("[Info]\nTsqIconEnable=on.ico\nTsqIconDisable=off.ico\n[LastSetting]\nUseORNot=1\n");
    EXPECT_EQ(Plan().enabledIconFile, "on.ico");
    EXPECT_EQ(Plan().disabledIconFile, "off.ico");
}

TEST_F(TrayStartupTest, TipAndTooltipSwitchComeFromTheManagerFile)
{
    const std::string longTip(120, 'q');
    Manager("[Info]\nTsqTipShow=" + longTip + "\n[LastSetting]\nDisplayORNot=0\n");
    const tessar::TrayStartupPlan plan = Plan();
    EXPECT_EQ(plan.tip, longTip.substr(0, 99));
    EXPECT_EQ(plan.displayTooltips, 0);
}

}  // namespace
