#include <gtest/gtest.h>

#include <algorithm>

#include "ProfileKeys.h"
#include "ProfileName.h"
#include "ProfileStoreFixture.h"

namespace tessar_test {
namespace {

using tessar::DeleteOutcome;
using tessar::KeyTextUse;
using tessar::WindowsKind;

// ---------------------------------------------------------------------------
// Seeding the Tablet folder

class SeedingTest : public ProfileStoreTest {
protected:
    void InstallSeeds(const std::string& tableVersion = "1")
    {
        fs.Write(Win("orvtbl.ini"), "[Version]\r\nVerString=" + tableVersion + "\r\n[ControlPanel]\r\nPID=52\r\n");
        fs.Write(Sys("MKProfile.ini"),
                 "[Info]\r\nFileCount=2\r\n[CollectFile]\r\n0=Desktop\r\n1=Word\r\n");
        fs.Write(Sys("Desktop.ini"), "seed desktop");
        fs.Write(Sys("Word.ini"), "seed word");
        fs.Write(Sys("TABLET.CPL"), "applet");
    }
};

TEST_F(SeedingTest, FirstStartFillsAnEmptyTabletFolderAndGrantsAccessOnEveryCopy)
{
    InstallSeeds();
    Init();

    EXPECT_TRUE(fs.DirExists(kTablet));
    EXPECT_EQ(store.TabletTablePath(), Tablet("orvtbl.ini"));
    EXPECT_EQ(store.ManagerPath(), Tablet("MKProfile.ini"));
    EXPECT_EQ(store.StrokePath(), Tablet("stroke.ini"));
    EXPECT_EQ(Text(Tablet("Desktop.ini")), "seed desktop");
    EXPECT_EQ(Text(Tablet("Word.ini")), "seed word");
    EXPECT_EQ(store.RawPid(), 52);
    // The version written before the table was replaced survives the copy.
    EXPECT_EQ(ini.GetString(Tablet("orvtbl.ini"), "Version", "OsVersion", "", 16), "6.1");

    const std::vector<std::string> expected = {
        Sys("TABLET.CPL"),
        Win("orvtbl.ini"),    Tablet("orvtbl.ini"),
        Sys("MKProfile.ini"), Tablet("MKProfile.ini"),
        Sys("Desktop.ini"),   Tablet("Desktop.ini"),
        Sys("Word.ini"),      Tablet("Word.ini"),
    };
    EXPECT_EQ(access.granted, expected);
}

TEST_F(SeedingTest, ExistingTabletFilesAreKeptExceptATableWithoutVersion)
{
    struct Case {
        const char* tabletTable;  // nullptr: no file
        bool replaced;
    } cases[] = {
        {nullptr, true},
        {"[ControlPanel]\r\nPID=7\r\n", true},                        // no VerString
        {"[Version]\r\nVerString=0\r\n[ControlPanel]\r\nPID=7\r\n", true},
        {"[Version]\r\nVerString=abc\r\n[ControlPanel]\r\nPID=7\r\n", true},  // reads as 0
        {"[Version]\r\nVerString=2\r\n[ControlPanel]\r\nPID=7\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tabletTable ? c.tabletTable : "(none)");
        fw::MemoryFileSystem local;
        fw::TextIniStore localIni{local};
        RecordingAccess localAccess;
        tessar::ProfileStore localStore{localIni, local, {folders, localAccess, os, notice}};
        for (const char* d : {"C:", kAppData, kTablet, kWinDir, kSysDir}) local.MakeDir(d);
        local.Write(Win("orvtbl.ini"), "[Version]\r\nVerString=1\r\n[ControlPanel]\r\nPID=52\r\n");
        local.Write(Sys("MKProfile.ini"), "[Info]\r\nFileCount=1\r\n[CollectFile]\r\n0=Word\r\n");
        local.Write(Sys("Word.ini"), "seed word");
        local.Write(Tablet("MKProfile.ini"), "[Info]\r\nOemID=3\r\n");
        local.Write(Tablet("Word.ini"), "user word");
        if (c.tabletTable) local.Write(Tablet("orvtbl.ini"), c.tabletTable);

        localStore.InitTabletFolder();

        EXPECT_EQ(localStore.RawPid(), c.replaced ? 52 : 7);
        std::string data;
        local.Read(Tablet("Word.ini"), data);
        EXPECT_EQ(data, "user word");
        EXPECT_EQ(localStore.OemId(), 3);
        // Only the replaced table was granted, besides the applet.
        EXPECT_EQ(localAccess.granted.size(), c.replaced ? 3u : 1u);
    }
}

TEST_F(SeedingTest, ProfilesAreListedFromTheSystemCopyNotTheTabletCopy)
{
    InstallSeeds();
    fs.MakeDir(kTablet);
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nFileCount=1\r\n[CollectFile]\r\n0=Mine\r\n");
    Init();
    EXPECT_TRUE(fs.FileExists(Tablet("Desktop.ini")));
    EXPECT_TRUE(fs.FileExists(Tablet("Word.ini")));
    EXPECT_FALSE(fs.FileExists(Tablet("Mine.ini")));
    EXPECT_EQ(store.ListProfiles().names, std::vector<std::string>{"Mine"});
}

TEST_F(SeedingTest, MissingSeedsAreSkippedWithoutGrants)
{
    fs.Write(Sys("MKProfile.ini"), "[Info]\r\nFileCount=2\r\n[CollectFile]\r\n0=Gone\r\n1=Word\r\n");
    fs.Write(Sys("Word.ini"), "seed word");
    Init();
    EXPECT_FALSE(fs.FileExists(Tablet("Gone.ini")));
    EXPECT_TRUE(fs.FileExists(Tablet("Word.ini")));
    EXPECT_EQ(std::count(access.granted.begin(), access.granted.end(), Sys("Gone.ini")), 0);
    // The table could not be seeded, but the version was still written.
    EXPECT_EQ(ini.GetString(Tablet("orvtbl.ini"), "Version", "OsVersion", "", 16), "6.1");
}

TEST_F(SeedingTest, HostileNamesInTheSystemCopyCopyNothing)
{
    fs.MakeDir("C:\\Windows\\Evil");
    fs.Write("C:\\Windows\\Evil\\x.ini", "planted");
    fs.Write(Sys("MKProfile.ini"),
             "[Info]\r\nFileCount=5\r\n[CollectFile]\r\n"
             "0=..\\Evil\\x\r\n1=C:\\Windows\\Evil\\x\r\n2=..\r\n3=a/b\r\n4=CON\r\n");
    Init();
    auto files = fs.ListFiles(kTablet, "");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"MKProfile.ini", "orvtbl.ini"}));
    EXPECT_FALSE(fs.FileExists("C:\\ProgramData\\Evil\\x.ini"));
    EXPECT_FALSE(fs.FileExists("C:\\ProgramData\\x.ini"));
}

TEST_F(SeedingTest, AnAbsurdProfileCountDoesNotHang)
{
    fs.Write(Sys("MKProfile.ini"), "[Info]\r\nFileCount=2147483647\r\n[CollectFile]\r\n0=Word\r\n");
    fs.Write(Sys("Word.ini"), "seed word");
    Init();
    EXPECT_TRUE(fs.FileExists(Tablet("Word.ini")));
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nFileCount=2147483647\r\n");
    EXPECT_EQ(store.ListProfiles().names.size(), static_cast<size_t>(tessar::kMaxProfiles));
}

// ---------------------------------------------------------------------------
// Profile names that would leave the Tablet folder

TEST(ProfileName, RefusesNamesThatLeaveTheFolderOrNameADevice)
{
    const char* bad[] = {"",         "..",        "..\\x",     "a\\b",   "a/b",  "C:x",
                         "C:\\x",    "x:y",       "a*b",       "a?b",    "a\"b", "a<b",
                         "a>b",      "a|b",       "a..b",      "CON",    "con",  "Nul.txt",
                         "COM1",     "lpt9",      "aux.ini",   "a\tb",   "a\nb", "\\\\server\\x",
                         " Word",    "Word ",     "aux .txt"};
    for (const char* name : bad) EXPECT_FALSE(tessar::IsValidProfileName(name)) << name;
    const char* good[] = {"Desktop", "Word Pad", "Presenter", "PowerPoint 2007", "a.b", "COM10",
                          "Console", "My-Profile_1", "Élan"};
    for (const char* name : good) EXPECT_TRUE(tessar::IsValidProfileName(name)) << name;
}

TEST_F(ProfileStoreTest, HostileProfileNamesNeverTouchFilesOutsideTheTabletFolder)
{
    Init();
    fs.Write("C:\\ProgramData\\victim.ini", "keep");
    fs.Write(Win("win.ini"), "keep");
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nDefaultFileNum=0\r\n");
    const char* names[] = {"..\\victim", "..\\..\\Windows\\win", "C:\\ProgramData\\victim", "../victim", "CON"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(store.ProfilePath(name), "");
        EXPECT_FALSE(store.WriteKey(name, 1, "^C", 1, "Copy", 2));
        EXPECT_FALSE(store.CreateProfile(name, "", ""));
        EXPECT_EQ(store.ReadKey(name, 1).mode, 0);
        std::vector<std::string> list = {"Desktop", name};
        auto result = store.DeleteProfile(list, 1, WindowsKind::Other);
        EXPECT_EQ(result.outcome, DeleteOutcome::RefusedName);
        EXPECT_EQ(list.size(), 2u);
    }
    EXPECT_EQ(Text("C:\\ProgramData\\victim.ini"), "keep");
    EXPECT_EQ(Text(Win("win.ini")), "keep");
    EXPECT_EQ(fs.ListFiles(kTablet, "").size(), 2u);  // orvtbl.ini, MKProfile.ini
}

// ---------------------------------------------------------------------------
// Keys of a profile

TEST_F(ProfileStoreTest, AMissingProfileReadsAsAllDefaults)
{
    Init();
    for (const char* name : {"Nowhere", ""}) {
        auto rec = store.ReadKey(name, 3);
        EXPECT_EQ(rec.command, "");
        EXPECT_EQ(rec.mode, 0);
        EXPECT_EQ(rec.hint, "");
        EXPECT_EQ(rec.comboIndex, -1);
        EXPECT_FALSE(rec.locked);
    }
}

TEST_F(ProfileStoreTest, WriteKeyWritesTheFourKeysInOrderUnderTheKeySection)
{
    Init();
    fs.Write(Tablet("orvtbl.ini"), "[ControlPanel]\r\nPID=49\r\n");
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nOemID=1\r\n");
    store.LoadKeyCounts();
    ASSERT_TRUE(store.WriteKey("Word", 3, "^%&{F5}", 1, "Slide show", 40));
    EXPECT_EQ(Text(Tablet("Word.ini")),
              "[MacroKey_0034_1]\r\n"
              "MacroKey3=^%&{F5}\r\n"
              "MacroKeyMode3=1\r\n"
              "MacroKeyName3=Slide show\r\n"
              "KeyComboIdx3=40\r\n");
    auto rec = store.ReadKey("word", 3, KeyTextUse::Editing);
    EXPECT_EQ(rec.command, "^%&{F5}");
    EXPECT_EQ(rec.mode, 1);
    EXPECT_EQ(rec.hint, "Slide show");
    EXPECT_EQ(rec.comboIndex, 40);
    EXPECT_FALSE(rec.locked);

    // The OEM id is read at every call: another OEM build sees its own keys.
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nOemID=2\r\n");
    EXPECT_EQ(store.KeySection(), "MacroKey_0034_2");
    EXPECT_EQ(store.ReadKey("Word", 3).mode, 0);
}

TEST_F(ProfileStoreTest, KeyTextsAreCutToTheReadersBuffer)
{
    Init();
    const std::string longText(1200, 'x');
    fs.Write(Tablet("P.ini"), "[MacroKey_0000_0]\r\nMacroKey1=" + longText + "\r\nMacroKeyName1=" +
                                  longText + "\r\nDefaultMacro1=1\r\nMacroKeyMode1=2\r\n");
    auto acting = store.ReadKey("P", 1, KeyTextUse::Acting);
    EXPECT_EQ(acting.command.size(), 259u);
    EXPECT_EQ(acting.hint.size(), 259u);
    EXPECT_TRUE(acting.locked);
    auto editing = store.ReadKey("P", 1, KeyTextUse::Editing);
    EXPECT_EQ(editing.command.size(), 999u);
    EXPECT_EQ(editing.hint.size(), 999u);
}

TEST_F(ProfileStoreTest, CreateProfileWritesFileInfoInOrder)
{
    Init();
    ASSERT_TRUE(store.CreateProfile("Notes", "C:\\Tools\\notes.app.exe", "notes.app.exe"));
    EXPECT_EQ(Text(Tablet("Notes.ini")),
              "[FileInfo]\r\n"
              "FileName=Notes\r\n"
              "ExeFilePath=C:\\Tools\\notes.app.exe\r\n"
              "ExeFileName=notes.app.exe\r\n");
    auto info = store.ReadProfileInfo("Notes");
    EXPECT_EQ(info.exeFilePath, "C:\\Tools\\notes.app.exe");
    EXPECT_EQ(info.className, "");
    EXPECT_EQ(tessar::ProcessNameOf(info.exeFileName), "notes");
    EXPECT_EQ(tessar::ProcessNameOf("noext"), "noext");

    ASSERT_TRUE(store.CreateProfile("Empty", "", ""));
    EXPECT_EQ(Text(Tablet("Empty.ini")), "[FileInfo]\r\nFileName=Empty\r\nExeFilePath=\r\nExeFileName=\r\n");
}

// ---------------------------------------------------------------------------
// The profile list

class ProfileListTest : public ProfileStoreTest {
protected:
    void SetUp() override
    {
        Init();
        fs.Write(Tablet("MKProfile.ini"),
                 "[Info]\r\nFileCount=4\r\nDefaultFileNum=1\r\nWindows7Index=1\r\nVistaIndex=2\r\n"
                 "[CollectFile]\r\n0=Desktop\r\n1=Presenter\r\n2=Word\r\n3=Paint\r\n"
                 "[LastSetting]\r\nFileName=Word\r\nFileIndex=2\r\n");
        for (const char* p : {"Desktop", "Presenter", "Word", "Paint"}) {
            fs.Write(Tablet(std::string(p) + ".ini"), std::string("user ") + p);
            fs.Write(Sys(std::string(p) + ".ini"), std::string("seed ") + p);
        }
    }
    std::string Manager(const char* section, const char* key)
    {
        return ini.GetString(store.ManagerPath(), section, key, "(missing)", 260);
    }
};

TEST_F(ProfileListTest, ListingGivesTheNamesAndTheSavedIndex)
{
    auto list = store.ListProfiles();
    EXPECT_EQ(list.names, (std::vector<std::string>{"Desktop", "Presenter", "Word", "Paint"}));
    EXPECT_EQ(list.selected, 2);
}

TEST_F(ProfileListTest, SavingWritesTheWholeListAndLeavesOlderEntriesBehindTheCount)
{
    store.SaveProfileList({"Desktop", "Paint"}, 1);
    EXPECT_EQ(Manager("Info", "FileCount"), "2");
    EXPECT_EQ(Manager("LastSetting", "FileName"), "Paint");
    EXPECT_EQ(Manager("LastSetting", "FileIndex"), "1");
    EXPECT_EQ(Manager("CollectFile", "1"), "Paint");
    EXPECT_EQ(Manager("CollectFile", "3"), "Paint");  // stale, beyond FileCount
    auto list = store.ListProfiles();
    EXPECT_EQ(list.names, (std::vector<std::string>{"Desktop", "Paint"}));
    EXPECT_EQ(list.selected, 1);
}

TEST_F(ProfileListTest, DeletingAnotherThanTheSavedProfileLeavesTheStoredListAlone)
{
    auto names = store.ListProfiles().names;
    auto result = store.DeleteProfile(names, 3, WindowsKind::Windows7OrLater);
    EXPECT_EQ(result.outcome, DeleteOutcome::Deleted);
    EXPECT_EQ(result.selected, 1);  // Windows7Index
    EXPECT_FALSE(fs.FileExists(Tablet("Paint.ini")));
    EXPECT_EQ(names, (std::vector<std::string>{"Desktop", "Presenter", "Word"}));
    EXPECT_EQ(Manager("Info", "FileCount"), "4");
    EXPECT_EQ(Manager("CollectFile", "3"), "Paint");
    EXPECT_EQ(Manager("LastSetting", "FileName"), "Word");
    EXPECT_EQ(Manager("LastSetting", "FileIndex"), "2");
}

TEST_F(ProfileListTest, DeletingTheSavedProfileStoresTheNewSelection)
{
    auto names = store.ListProfiles().names;
    auto result = store.DeleteProfile(names, 2, WindowsKind::Vista);
    EXPECT_EQ(result.outcome, DeleteOutcome::Deleted);
    EXPECT_EQ(result.selected, 2);  // VistaIndex: now Paint
    EXPECT_EQ(Manager("LastSetting", "FileName"), "Paint");
    EXPECT_EQ(Manager("LastSetting", "FileIndex"), "2");
    EXPECT_EQ(Manager("Info", "FileCount"), "3");
    EXPECT_EQ(Manager("CollectFile", "2"), "Word");  // rewritten only when the list is saved
}

TEST_F(ProfileListTest, DeleteSelectsEntryZeroForOtherKindsAndForADefaultBeyondTheList)
{
    auto names = store.ListProfiles().names;
    EXPECT_EQ(store.DeleteProfile(names, 3, WindowsKind::Other).selected, 0);
    ini.WriteInt(store.ManagerPath(), "Info", "Windows7Index", 9);
    EXPECT_EQ(store.DeleteProfile(names, 2, WindowsKind::Windows7OrLater).selected, 0);
    EXPECT_EQ(Manager("LastSetting", "FileName"), "Desktop");
    EXPECT_EQ(Manager("LastSetting", "FileIndex"), "0");
}

TEST_F(ProfileListTest, DefaultProfilesCannotBeDeleted)
{
    auto names = store.ListProfiles().names;
    EXPECT_EQ(store.DeleteProfile(names, 0, WindowsKind::Other).outcome, DeleteOutcome::RefusedDefault);
    EXPECT_TRUE(fs.FileExists(Tablet("Desktop.ini")));
    ini.DeleteKey(store.ManagerPath(), "Info", "DefaultFileNum");  // missing: the first one only
    EXPECT_TRUE(store.IsDefaultProfile(0));
    EXPECT_FALSE(store.IsDefaultProfile(1));
    EXPECT_EQ(store.DeleteProfile(names, 7, WindowsKind::Other).outcome, DeleteOutcome::NoSuchEntry);
    EXPECT_EQ(names.size(), 4u);
}

TEST_F(ProfileListTest, RestoringDefaultsCopiesTheFirstProfilesBackAndPicksTheDefaultEntry)
{
    ini.WriteInt(store.ManagerPath(), "Info", "DefaultFileNum", 2);
    EXPECT_EQ(store.RestoreDefaultProfiles(WindowsKind::Windows7OrLater), 1);
    EXPECT_EQ(Text(Tablet("Desktop.ini")), "seed Desktop");
    EXPECT_EQ(Text(Tablet("Presenter.ini")), "seed Presenter");
    EXPECT_EQ(Text(Tablet("Word.ini")), "user Word");
}

TEST_F(ProfileListTest, RestoringWithoutDefaultFileNumCopiesNothingButStillSelects)
{
    ini.DeleteKey(store.ManagerPath(), "Info", "DefaultFileNum");
    ini.DeleteKey(store.ManagerPath(), "Info", "Windows7Index");
    ini.DeleteKey(store.ManagerPath(), "Info", "VistaIndex");
    EXPECT_EQ(store.RestoreDefaultProfiles(WindowsKind::Windows7OrLater), 1);
    EXPECT_EQ(store.RestoreDefaultProfiles(WindowsKind::Vista), 1);
    EXPECT_EQ(store.RestoreDefaultProfiles(WindowsKind::Other), 0);
    EXPECT_EQ(Text(Tablet("Desktop.ini")), "user Desktop");
}

// ---------------------------------------------------------------------------
// Windows kind and the first-run default profile

TEST(WindowsKind, FromTheReportedVersion)
{
    struct Case {
        int major, minor;
        WindowsKind kind;
    } cases[] = {
        {5, 0, WindowsKind::Windows2000}, {5, 1, WindowsKind::Other},        {5, 2, WindowsKind::Other},
        {6, 0, WindowsKind::Vista},       {6, 1, WindowsKind::Windows7OrLater}, {6, 2, WindowsKind::Windows7OrLater},
        {6, 3, WindowsKind::Windows7OrLater}, {10, 0, WindowsKind::Windows7OrLater}, {4, 0, WindowsKind::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tessar::WindowsKindFrom({c.major, c.minor}), c.kind) << c.major << "." << c.minor;
}

TEST_F(ProfileStoreTest, FirstRunPicksTheNamedDefaultOnceForVistaAndLater)
{
    Init();
    os.version = {6, 0};
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nVistaSettingName=Desktop\r\n");
    store.ApplyFirstRunDefault(store.GetWindowsKind());
    EXPECT_EQ(store.SavedProfileName(), "Desktop");
    EXPECT_EQ(ini.GetString(store.ManagerPath(), "LastSetting", "FileIndex", "(missing)", 20), "");
    EXPECT_EQ(ini.GetInt(store.ManagerPath(), "Info", "IfVistaFirst", 0), 1);

    // Never again once it ran.
    ini.WriteString(store.ManagerPath(), "LastSetting", "FileName", "Word");
    store.ApplyFirstRunDefault(WindowsKind::Vista);
    EXPECT_EQ(store.SavedProfileName(), "Word");
}

TEST_F(ProfileStoreTest, FirstRunUnderWindows7UsesItsKeysOrTheVartleMarker)
{
    Init();
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nWindows7Index=3\r\nVartleIndex=5\r\n");
    store.ApplyFirstRunDefault(WindowsKind::Windows7OrLater);
    EXPECT_EQ(store.SavedProfileName(), "Windows7");
    EXPECT_EQ(store.SavedProfileIndex(), 3);

    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nWindows7Index=3\r\nVartleIndex=5\r\n");
    fs.Write(Tablet("Vartle.ini"), "");
    store.ApplyFirstRunDefault(WindowsKind::Windows7OrLater);
    EXPECT_EQ(store.SavedProfileName(), "Vartle");
    EXPECT_EQ(store.SavedProfileIndex(), 5);
}

TEST_F(ProfileStoreTest, FirstRunChangesNothingForOtherKinds)
{
    Init();
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nIfVistaFirst=0\r\n");
    const std::string before = Text(Tablet("MKProfile.ini"));
    store.ApplyFirstRunDefault(WindowsKind::Other);
    store.ApplyFirstRunDefault(WindowsKind::Windows2000);
    EXPECT_EQ(Text(Tablet("MKProfile.ini")), before);
}

// ---------------------------------------------------------------------------
// Plain keys with their defaults

TEST_F(ProfileStoreTest, MissingKeysGiveTheirDefaults)
{
    Init();
    EXPECT_EQ(store.KeyTipFormat(), "K%d:");
    EXPECT_EQ(store.KeyTipTextColour(), 0);
    EXPECT_EQ(store.KeyTipBkColour(), 0xB4FFFF);
    EXPECT_EQ(store.DriverRun(), 0);
    EXPECT_EQ(store.UseORNot(), 2);
    EXPECT_EQ(store.DisplayORNot(), 1);
    EXPECT_EQ(store.WhiteboardIndex(), 1000);
    EXPECT_EQ(store.SavedProfileIndex(), 0);
    EXPECT_EQ(store.SavedProfileIndex(tessar_ini::kDefaultFileIndexOnCancel), 2);
    EXPECT_EQ(store.TipText(), "");
    EXPECT_FALSE(store.ManagerLocked());
    EXPECT_EQ(store.StrokeLink(3), "");
}

TEST_F(ProfileStoreTest, PlainKeysReadTheirSectionsAndCutToTheirBuffers)
{
    Init();
    fs.Write(Tablet("orvtbl.ini"), "[ControlPanel]\r\nPID=1286\r\n[Option]\r\nFKeyIndex=Macro key number %d:\r\n");
    fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nTsqTipShow=" + std::string(150, 't') +
                                          "\r\n[WTStringTable]\r\n0506=Pad 1286\r\n");
    fs.Write(Tablet("stroke.ini"), "[L3]\r\nBrowsePath=C:\\Docs\r\n");
    EXPECT_EQ(store.KeyTipFormat(), "Macro key numbe");  // 15 characters
    EXPECT_EQ(store.TipText().size(), 99u);
    EXPECT_EQ(store.ModelName(), "Pad 1286");
    EXPECT_EQ(store.StrokeLink(3), "C:\\Docs");

    store.WriteUseORNot(1);
    store.WriteDisplayORNot(false);
    store.WriteTipClickSound(1);
    store.WriteMacroKeyDelayTime(500);
    EXPECT_EQ(store.UseORNot(), 1);
    EXPECT_EQ(store.DisplayORNot(), 0);
    EXPECT_EQ(store.TipClickSound(), 1);
    EXPECT_EQ(store.MacroKeyDelayTime(0), 500);
}

TEST(KeyLabel, IntegerConversionsTakeTheKeyNumberAsPrintfWould)
{
    // Constant formats, so the C library may check them here.
    struct Case {
        const char* format;
        int n;
        const char* printed;
    } cases[] = {
        {"K%d:", 3, "K3:"},       {"K%02d:", 3, "K03:"},   {"K%i:", 7, "K7:"},      {"%d-%d", 12, "12-12"},
        {"%-4d|", 3, "3   |"},    {"%+d", 3, "+3"},        {"% d", 3, " 3"},        {"%5.3d", 3, "  003"},
        {"%x", 255, "ff"},        {"%#X", 255, "0XFF"},    {"%#o", 8, "010"},       {"%u", 5, "5"},
        {"%ld", 42, "42"},        {"%hd", 42, "42"},       {"%.0d", 0, ""},         {"%05d", -42, "-0042"},
        {"%-+5d|", 9, "+9   |"},  {"100%%", 1, "100%"},
    };
    for (const Case& c : cases) EXPECT_EQ(tessar::FormatKeyLabel(c.format, c.n), c.printed) << c.format;
}

TEST(KeyLabel, AnythingButAnIntegerConversionStaysAsWritten)
{
    struct Case {
        const char* format;
        const char* label;
    } cases[] = {
        {"%s%n%p", "%s%n%p"}, {"50%", "50%"},         {"%*d", "%*d"},   {"%.*d", "%.*d"},
        {"%999999d", "%999999d"}, {"%5", "%5"},       {"%-", "%-"},     {"%ls", "%ls"},
        {"%0100d", "%0100d"},
    };
    for (const Case& c : cases) EXPECT_EQ(tessar::FormatKeyLabel(c.format, 1), c.label) << c.format;
}

}  // namespace
}  // namespace tessar_test
