#include <gtest/gtest.h>

#include "IniCases.h"
#include "IniStore.h"

namespace {

class IniStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs.MakeDir("C:");
        fs.MakeDir("C:\\ProgramData");
        fs.Write(kFile,
                 "; settings\r\n"
                 "[UI]\r\n"
                 "Style = 2 \r\n"
                 "TRANSPARENT=\r\n"
                 "\r\n"
                 "[Name]\r\n"
                 "Title=\"  Quoted Title  \"\r\n");
    }

    static constexpr const char* kFile = "C:\\ProgramData\\Vexo.ini";
    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
};

TEST_F(IniStoreTest, NamesIgnoreCaseAndBlanks)
{
    EXPECT_EQ(ini.GetInt("c:\\programdata\\VEXO.INI", "ui", "STYLE", 0), 2);
    EXPECT_EQ(ini.GetString(kFile, "name", "title", "", 64), "  Quoted Title  ");
}

TEST_F(IniStoreTest, MissingOrEmptyValuesGiveTheDefault)
{
    EXPECT_EQ(ini.GetInt(kFile, "UI", "TRANSPARENT", 7), 7);
    EXPECT_EQ(ini.GetInt(kFile, "UI", "HtmlHelp", 3), 3);
    EXPECT_EQ(ini.GetInt("C:\\ProgramData\\none.ini", "UI", "Style", -4), -4);
    EXPECT_EQ(ini.GetString(kFile, "LINK", "APPATH", "dflt", 256), "dflt");
    EXPECT_EQ(ini.GetString(kFile, "UI", "TRANSPARENT", "dflt", 256), "");
}

TEST_F(IniStoreTest, StringsAreCutToTheBuffer)
{
    EXPECT_EQ(ini.GetString(kFile, "Name", "Title", "", 5), "  Qu");
    EXPECT_EQ(ini.GetString(kFile, "Name", "Missing", "abcdef", 4), "abc");
    EXPECT_EQ(ini.GetString(kFile, "Name", "Title", "", 0), "");
}

TEST(ProfileInt, ParsesLikeThePlatform)
{
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"42", 42}, {"  17", 17}, {"-5", -5}, {"+9", 9}, {"12abc", 12}, {"abc", 0},
        {"0x1F", 31}, {"4294967295", -1}, {"", 99},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::ParseProfileInt(c.text, 99), c.expected) << c.text;
}

TEST_F(IniStoreTest, WritesKeepOtherLinesAndAddSectionsAndKeys)
{
    ASSERT_TRUE(ini.WriteString(kFile, "ui", "style", "1"));
    ASSERT_TRUE(ini.WriteInt(kFile, "UI", "HtmlHelp", 1));
    ASSERT_TRUE(ini.WriteString(kFile, "LINK", "APPATH", "C:\\x.exe"));
    std::string text;
    fs.Read(kFile, text);
    EXPECT_EQ(text,
              "; settings\r\n"
              "[UI]\r\n"
              "Style=1\r\n"
              "TRANSPARENT=\r\n"
              "HtmlHelp=1\r\n"
              "\r\n"
              "[Name]\r\n"
              "Title=\"  Quoted Title  \"\r\n"
              "\r\n"
              "[LINK]\r\n"
              "APPATH=C:\\x.exe\r\n");
}

TEST_F(IniStoreTest, DeletesAndListsNames)
{
    ini.DeleteKey(kFile, "UI", "Style");
    EXPECT_EQ(ini.KeyNames(kFile, "UI"), std::vector<std::string>{"TRANSPARENT"});
    ini.DeleteSection(kFile, "ui");
    EXPECT_EQ(ini.SectionNames(kFile), std::vector<std::string>{"Name"});
}

// The table the platform's calls answer under Wine (tests/win32/IniStoreWinTest).
TEST(IniStore, AnswersLikeThePlatformOnTheSharedTable)
{
    int n = 0;
    for (const inicases::IniCase& c : inicases::Cases()) {
        fw::MemoryFileSystem fs;
        fs.MakeDir("C:");
        fw::TextIniStore ini{fs};
        const std::string file = "C:\\case" + std::to_string(n++) + ".ini";
        for (const std::string& fault : inicases::RunCase(ini, fs, file, c)) ADD_FAILURE() << c.what << ": " << fault;
    }
}

TEST(IniStore, WritingIntoAMissingFolderFails)
{
    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
    EXPECT_FALSE(ini.WriteString("C:\\nowhere\\a.ini", "S", "K", "V"));
}

}  // namespace
