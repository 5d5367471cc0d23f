#include <gtest/gtest.h>

#include "VexoSettings.h"

namespace {

class VexoSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs.MakeDir("C:");
        fs.MakeDir("C:\\ProgramData");
    }
    void WriteIni(const std::string& text) { fs.Write(kPath, text); }

    static constexpr const char* kPath = "C:\\ProgramData\\Vexo.ini";
    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
};

TEST_F(VexoSettingsTest, MissingFileGivesDefaults)
{
    VexoSettings s = ReadVexoSettings(ini, kPath);
    EXPECT_EQ(s.style, 0);
    EXPECT_EQ(s.transparent, 0);
    EXPECT_EQ(s.htmlHelp, 0);
    EXPECT_EQ(ReadVexoTitle(ini, kPath, "Lumora"), "Lumora");
}

TEST_F(VexoSettingsTest, CompactToolbarForcesTransparent)
{
    WriteIni("[UI]\nStyle=1\nTRANSPARENT=0\nHtmlHelp=1\n");
    VexoSettings s = ReadVexoSettings(ini, kPath);
    EXPECT_EQ(s.transparent, 1);
    EXPECT_EQ(s.htmlHelp, 1);

    WriteIni("[UI]\nStyle=2\nTRANSPARENT=0\n");
    EXPECT_EQ(ReadVexoSettings(ini, kPath).transparent, 0);
}

TEST(VexoSettings, StyleSelectsThePresentation)
{
    EXPECT_EQ(ToolbarStyleFrom(1), ToolbarStyle::Compact);
    EXPECT_EQ(ToolbarStyleFrom(2), ToolbarStyle::Large);
    for (int style : {0, 3, -1, -2, 100}) EXPECT_EQ(ToolbarStyleFrom(style), ToolbarStyle::Classic) << style;
}

TEST_F(VexoSettingsTest, LongTitleIsCutTo63Characters)
{
    const std::string longTitle(80, 'T');
    WriteIni("[Name]\nTitle=" + longTitle + "\n");
    EXPECT_EQ(ReadVexoTitle(ini, kPath, "Lumora"), longTitle.substr(0, 63));
}

TEST(VexoSettings, DatedDefaultFileName)
{
    EXPECT_EQ(DefaultDatedFileName(3, 7, 2026), "03072026-0");
    EXPECT_EQ(DefaultDatedFileName(12, 31, 2026), "12312026-0");
}

TEST(VexoSettings, CommandLineFileAndKind)
{
    struct Case {
        const char* args;
        bool openFile;
        const char* file;
        CommandLineFileKind kind;
    } cases[] = {
        {"", false, "", kFileKindRecording},
        {"C:\\talk.flmz", true, "C:\\talk.flmz", kFileKindDocument},
        {"\"C:\\My Talks\\talk.flmz\"", true, "C:\\My Talks\\talk.flmz", kFileKindDocument},
        {"C:\\TALK.FLMZ", true, "C:\\TALK.FLMZ", kFileKindRecording},
        {"C:\\show.Lmz", true, "C:\\show.Lmz", kFileKindRecording},
        {"lmz", true, "lmz", kFileKindRecording},
        {"/p -x a.flmz b.Lmz", true, "a.flmz", kFileKindDocument},
        {"/dde", false, "", kFileKindRecording},
    };
    for (const auto& c : cases) {
        CommandLineInfo info = ParseVexoCommandLine(c.args);
        EXPECT_EQ(info.openFile, c.openFile) << c.args;
        EXPECT_EQ(info.fileName, c.file) << c.args;
        EXPECT_EQ(FileKindOf(info.fileName), c.kind) << c.args;
    }
}

TEST(VexoSettings, OtherInstanceNeedsOverlayAndATitledToolbar)
{
    EXPECT_FALSE(IsOtherInstance(false, true, true));
    EXPECT_FALSE(IsOtherInstance(true, false, false));
    EXPECT_TRUE(IsOtherInstance(true, true, false));
    EXPECT_TRUE(IsOtherInstance(true, false, true));
}

}  // namespace
