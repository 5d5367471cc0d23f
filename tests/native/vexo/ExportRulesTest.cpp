#include "ExportRules.h"

#include <gtest/gtest.h>

namespace vexo {
namespace {

struct ProposedNameCase {
    const char* stored;
    const char* proposed;
};

TEST(ExportRulesTest, ProposedNameFollowsTheStoredNameOfTheDay)
{
    // 8 December 2024: the prefix is "12082024-".
    const ProposedNameCase cases[] = {
        {"12082024-3", "12082024-4"},
        {"12082024-0", "12082024-1"},  // the default of a first save
        {"12082024-9", "12082024-10"},
        {"12082024-10", "12082024-1"},  // only the last character counts
        {"12082024-x", "12082024-1"},   // a non-digit counts as 0
        {"12072024-5", "12082024-1"},   // another day's name
        {"", "12082024-1"},
        {"Notes 12082024-7", "12082024-8"},  // the prefix anywhere in the name
    };
    for (const auto& c : cases) EXPECT_EQ(ProposeJpgName(c.stored, 12, 8, 2024), c.proposed) << c.stored;
    EXPECT_EQ(JpgNamePrefix(1, 2, 2026), "01022026-");
}

TEST(ExportRulesTest, OnlyTheProposedNameAdvancesTheCounter)
{
    EXPECT_TRUE(KeepsProposedName("12082024-4", "12082024-4"));
    EXPECT_FALSE(KeepsProposedName("Board notes", "12082024-4"));
    EXPECT_FALSE(KeepsProposedName("12082024-4", ""));  // the strips propose nothing
}

TEST(ExportRulesTest, ExtensionsAreComparedExactly)
{
    EXPECT_EQ(SaveKindForExtension(FileExtension("C:\\Notes\\Slide.jpg")), SaveKind::Picture);
    EXPECT_EQ(SaveKindForExtension(FileExtension("C:\\Notes\\Slide.flmz")), SaveKind::Document);
    EXPECT_EQ(SaveKindForExtension(FileExtension("C:\\Notes\\Slide.JPG")), SaveKind::Refused);
    EXPECT_EQ(SaveKindForExtension(FileExtension("C:\\Notes\\Slide.jpeg")), SaveKind::Refused);
    EXPECT_EQ(SaveKindForExtension(FileExtension("C:\\My.Notes\\Slide")), SaveKind::Refused);
    EXPECT_EQ(FileTitle("C:\\My.Notes\\12082024-4.jpg"), "12082024-4");
    EXPECT_EQ(FileTitle("Slide"), "Slide");
}

TEST(ExportRulesTest, MailArgumentsKeepThePathWholeWithinTheLimit)
{
    std::string args;
    ASSERT_TRUE(BuildMailArguments("Lumora", "C:\\Temp\\pp1A2.tmp", args));
    EXPECT_EQ(args, "Lumora]Lumora.jpg]C:\\Temp\\pp1A2.tmp]");

    // A "]" in the title would end its field early.
    ASSERT_TRUE(BuildMailArguments("Q]3", "C:\\t.tmp", args));
    EXPECT_EQ(args, "Q_3]Q_3.jpg]C:\\t.tmp]");

    const std::string path = "C:\\Temp\\" + std::string(100, 'p') + ".tmp";
    ASSERT_TRUE(BuildMailArguments(std::string(300, 'T'), path, args));
    EXPECT_LE(args.size(), kMailArgumentsMax);
    EXPECT_NE(args.find("]" + path + "]"), std::string::npos);
    EXPECT_EQ(args.substr(args.size() - path.size() - 1), path + "]");

    EXPECT_FALSE(BuildMailArguments("Lumora", "C:\\" + std::string(250, 'p'), args));
    EXPECT_FALSE(BuildMailArguments("Lumora", "", args));
}

}  // namespace
}  // namespace vexo
