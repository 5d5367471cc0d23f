#include <gtest/gtest.h>

#include "KeyList.h"

namespace {

using tessar::ComposeHotKey;
using tessar::HotKeyModifiers;

TEST(KeyList, EntriesAndTokens)
{
    struct Case {
        int index;
        const char* text;
        const char* token;
        const char* reduced;
    } cases[] = {
        {0, "A", "A", "A"},           {18, "S", "S", "S"},
        {25, "Z", "Z", "Z"},          {26, "0", "0", "0"},
        {35, "9", "9", "9"},          {36, "F1", "{F1}", "{F1}"},
        {40, "F5", "{F5}", "{F5}"},   {47, "F12", "{F12}", "{F12}"},
        {48, "DEL", "{DEL}", "{DEL}"}, {49, "+", "+", "+"},
        {52, "'", "'", "'"},          {53, "Backspace", "#", "#"},
        {54, "Enter", "~", "~"},      {55, "Space", "_", "_"},
        {56, "ESC", "{ESC}", "{ESC}"}, {57, "RIGHT", "{RIGHT}", "RIGHT"},
        {58, "LEFT", "{LEFT}", "LEFT"}, {59, "Print Screen", "{SNAPSHOT}", "Print Screen"},
        {60, "Page Up", "{PGUP}", "Page Up"}, {61, "Page Down", "{PGDN}", "Page Down"},
        {-1, "", "", ""},             {62, "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tessar::KeyListText(c.index), c.text) << c.index;
        EXPECT_EQ(tessar::KeyListToken(c.index), c.token) << c.index;
        EXPECT_EQ(tessar::KeyListReducedToken(c.index), c.reduced) << c.index;
    }
    EXPECT_TRUE(tessar::IsLetterEntry(0));
    EXPECT_TRUE(tessar::IsLetterEntry(25));
    EXPECT_FALSE(tessar::IsLetterEntry(26));
}

TEST(KeyList, CommandsPutModifiersInTheirFixedOrder)
{
    HotKeyModifiers ctrlAltTab{true, false, true, true};
    EXPECT_EQ(ComposeHotKey(ctrlAltTab, 40), "^%&{F5}");
    EXPECT_EQ(ComposeHotKey({true, true, false, false}, 18), "^$S");
    EXPECT_EQ(ComposeHotKey({true, true, true, true}, 0), "^$%&A");
    EXPECT_EQ(ComposeHotKey({}, 54), "~");
    EXPECT_EQ(ComposeHotKey({false, false, true, false}, 58, true), "%LEFT");

    auto m = tessar::ModifiersIn("^%&{F5}");
    EXPECT_TRUE(m.ctrl);
    EXPECT_FALSE(m.shift);
    EXPECT_TRUE(m.alt);
    EXPECT_TRUE(m.tab);
}

}  // namespace
