// The key sequence sender against a US keyboard: the traces are the keys as
// the window in front receives them.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FakeKeyboard.h"
#include "KeySequenceSender.h"

namespace {

using tessar::CKeySequenceSender;
using tessar_test::FakeKeyboard;
using Trace = std::vector<std::string>;

struct SequenceCase {
    const char* text;
    Trace keys;
};

class KeySequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequenceTest, TypesTheKeysInOrderAndLeavesNoneDown)
{
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    EXPECT_TRUE(sender.SendKeySequence(GetParam().text));
    EXPECT_EQ(kb.trace, GetParam().keys);
    EXPECT_TRUE(kb.down.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Language, KeySequenceTest,
    ::testing::Values(
        SequenceCase{"^a", {"Ctrl+", "A+", "A-", "Ctrl-"}},
        SequenceCase{"A", {"Shift+", "A+", "A-", "Shift-"}},
        SequenceCase{"%{F4}", {"Alt+", "F4+", "F4-", "Alt-"}},
        SequenceCase{"$%(ab)", {"Shift+", "Alt+", "A+", "A-", "B+", "B-", "Shift-", "Alt-"}},
        SequenceCase{"{DELAY 500}x", {"wait 500", "X+", "X-"}},
        SequenceCase{"~", {"Enter+", "Enter-"}},
        SequenceCase{"{tab}{Up}{eSc}", {"Tab+", "Tab-", "Up+", "Up-", "Esc+", "Esc-"}},
        SequenceCase{"{LEFT 5}", {}},
        // A huge count is no count: nothing pressed, nothing repeated.
        SequenceCase{"{a 99999999999}x", {"X+", "X-"}},
        SequenceCase{"{VKEY 65}", {"A+", "A-"}},
        SequenceCase{"{VKEY 321}", {"Shift+", "A+", "A-", "Shift-"}},
        SequenceCase{"{BEEP 440 200}", {"beep 440 200"}},
        SequenceCase{"{BEEP 440}", {}},
        SequenceCase{"%", {"Alt+", "Alt-"}},
        SequenceCase{"(^{NUMLOCK}a)", {"Ctrl+", "NumLock+", "NumLock-", "A+", "A-", "Ctrl-"}},
        // A character no key types releases nothing.
        SequenceCase{"^\xE9x", {"Ctrl+", "X+", "X-", "Ctrl-"}},
        // An unclosed brace takes the rest as its content: no name, nothing typed.
        SequenceCase{"a{ESC b", {"A+", "A-"}},
        SequenceCase{"a{ESC", {"A+", "A-", "Esc+", "Esc-"}},
        // Named characters type the character (PLUS is "+", not keypad Add).
        SequenceCase{"{PLUS}", {"Shift+", "Equals+", "Equals-", "Shift-"}},
        SequenceCase{"{LEFTBRACE}", {"Shift+", "LBracket+", "LBracket-", "Shift-"}},
        // SPACE presses the Space key, as "_" does.
        SequenceCase{"{space}", {"Space+", "Space-"}},
        // "#" and "_" go up at the release point, before the modifiers.
        SequenceCase{"$#", {"Shift+", "Backspace+", "Backspace-", "Shift-"}},
        SequenceCase{"(_a)b", {"Space+", "A+", "A-", "Space-", "B+", "B-"}},
        SequenceCase{"&+-;", {"Tab+", "Add+", "Subtract+", "Oem1+", "Add-", "Subtract-", "Oem1-", "Tab-"}},
        SequenceCase{"@e", {"LWin+", "E+", "E-", "LWin-"}},
        // Out-of-range VKEY values name no key.
        SequenceCase{"^{VKEY 4294967296}", {"Ctrl+", "Ctrl-"}},
        SequenceCase{"{VKEY}", {}}));

TEST(KeySequenceSender, KeyEventsCarryTheLayoutsScanCodesAndTheExtendedFlag)
{
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    sender.SendKeySequence("{DEL}a{NUMLOCK}");
    ASSERT_EQ(kb.keys.size(), 6u);
    // Extended keys go down with the flag; a main key goes up with both flags.
    EXPECT_EQ(kb.keys[0].flags, tessar::kKeyExtended);
    EXPECT_EQ(kb.keys[1].flags, tessar::kKeyExtended | tessar::kKeyUp);
    EXPECT_EQ(kb.keys[0].scan, kb.ScanCode(0x2E));
    EXPECT_EQ(kb.keys[2].flags, 0u);
    EXPECT_EQ(kb.keys[3].flags, tessar::kKeyExtended | tessar::kKeyUp);
    // Num Lock has the real key's scan code in both events.
    EXPECT_EQ(kb.keys[4].scan, 0x45u);
    EXPECT_EQ(kb.keys[4].flags, tessar::kKeyExtended);
    EXPECT_EQ(kb.keys[5].scan, 0x45u);
    EXPECT_EQ(kb.keys[5].flags, tessar::kKeyExtended | tessar::kKeyUp);
    // A held modifier goes up with the key-up flag alone.
    kb.keys.clear();
    sender.SendKeySequence("%");
    ASSERT_EQ(kb.keys.size(), 2u);
    EXPECT_EQ(kb.keys[1].flags, tessar::kKeyUp);
}

TEST(KeySequenceSender, DefaultDelayStaysForLaterCallsAndOneShotDelayForTheNextMainKeyOnly)
{
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    sender.SendKeySequence("{DELAY=100}a");
    sender.SendKeySequence("b{DELAY 300}~c");
    EXPECT_EQ(kb.trace, (Trace{"wait 100", "A+", "A-", "wait 100", "B+", "B-", "Enter+", "Enter-",
                               "wait 300", "C+", "C-"}));
}

TEST(KeySequenceSender, WaitsAreCappedPerDelayAndPerCall)
{
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    sender.SendKeySequence("{DELAY 4000000000}a");
    EXPECT_EQ(kb.trace.front(), "wait " + std::to_string(tessar::kMaxWaitMs));
    kb.sleptMs = 0;
    std::string many;
    for (int i = 0; i < 10; ++i) many += "{DELAY 9000}a{BEEP 440 9000}";
    sender.SendKeySequence(many);
    EXPECT_EQ(kb.sleptMs, tessar::kMaxBlockingMsPerCall);
    EXPECT_TRUE(kb.down.empty());
    // Negative delays wait for nothing.
    kb.trace.clear();
    sender.SendKeySequence("{DELAY=-5}a");
    EXPECT_EQ(kb.trace, (Trace{"A+", "A-"}));
}

TEST(KeySequenceSender, OverLongBraceGroupReleasesWhatTheCallHeldAndStops)
{
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    const std::string longName(300, 'x');
    EXPECT_FALSE(sender.SendKeySequence("(^$#{" + longName + "}a"));
    EXPECT_EQ(kb.trace, (Trace{"Ctrl+", "Shift+", "Backspace+", "Backspace-", "Shift-", "Ctrl-"}));
    EXPECT_TRUE(kb.down.empty());
    // 299 characters are still a group (no name: nothing pressed).
    kb.trace.clear();
    EXPECT_TRUE(sender.SendKeySequence("{" + std::string(299, 'x') + "}a"));
    EXPECT_EQ(kb.trace, (Trace{"A+", "A-"}));
}

TEST(KeySequenceSender, AppActivateTakesTheExactTitleThenTheFirstContainingOne)
{
    FakeKeyboard kb;
    kb.windows = {{1, ""}, {2, "Untitled - Notepad"}, {3, "Notepad"}, {4, "Notepad++"}};
    CKeySequenceSender sender(kb);
    sender.SendKeySequence("{APPACTIVATE Notepad}{appactivate Untitled}{APPACTIVATE notepad}");
    EXPECT_EQ(kb.trace, (Trace{"activate 3", "activate 2"}));
}

TEST(KeySequenceSender, PumpsAfterEveryKeyEventExceptNumLock)
{
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    sender.SendKeySequence("a{NUMLOCK}", true);
    EXPECT_EQ(kb.trace, (Trace{"A+", "pump", "A-", "pump", "NumLock+", "NumLock-"}));
}

// Whatever the text, every key that went down has come up when the call returns.
TEST(KeySequenceSender, NoRandomTextLeavesAKeyDown)
{
    const std::vector<std::string> pieces = {
        "(", ")", "%", "$", "^", "@", "&", "+", "-", ";", "#", "_", "~", "{", "}", "a", "Z", "7",
        "\xE9", " ", "{ESC}", "{numlock}", "{VKEY 1345}", "{VKEY 99999999999}", "{DELAY 5}",
        "{DELAY=3}", "{BEEP 100 1}", "{SPACE}", "{PLUS}", "{LEFT 5}", "{APPACTIVATE x}",
        "{" + std::string(300, 'q') + "}", "{F16}", "{TILDE}"};
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(1, 255);
    FakeKeyboard kb;
    CKeySequenceSender sender(kb);
    for (int run = 0; run < 3000; ++run) {
        std::string text;
        const int n = length(rng);
        for (int i = 0; i < n; ++i)
            text += run % 3 == 0 ? std::string(1, static_cast<char>(byte(rng))) : pieces[pick(rng)];
        kb.sleptMs = 0;
        sender.SendKeySequence(text);
        ASSERT_TRUE(kb.down.empty()) << "keys left down after \"" << text << "\"";
        ASSERT_LE(kb.sleptMs, tessar::kMaxBlockingMsPerCall) << text;
    }
}

TEST(KeySequenceSender, ParseDecimalSaturates)
{
    EXPECT_EQ(tessar::ParseDecimal("  42x"), 42);
    EXPECT_EQ(tessar::ParseDecimal(""), 0);
    EXPECT_EQ(tessar::ParseDecimal("-7"), -7);
    EXPECT_EQ(tessar::ParseDecimal("4000000000"), 2147483647);
    EXPECT_EQ(tessar::ParseDecimal("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
