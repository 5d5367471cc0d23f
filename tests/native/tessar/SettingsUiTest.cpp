// The settings window's decisions: the key editor and what Confirm stores
// (typed back by the sender), the key buttons on the tablet picture, the tray
// menu, OK and Cancel, and the small dialogs' checks and values.
#include <gtest/gtest.h>

#include "DispatchFakes.h"
#include "KeyButtonLayout.h"
#include "KeyEditor.h"
#include "SettingsRules.h"
#include "TrayMenu.h"

namespace {

using tessar::ConfirmOutcome;
using tessar::EditorState;
using tessar::HotKeyModifiers;
using Calls = std::vector<std::string>;

EditorState HotKey(HotKeyModifiers mods, int key, const std::string& hint, bool setting = true)
{
    EditorState s;
    s.setting = setting;
    s.hotKey = true;
    s.mods = mods;
    s.keyCombo = key;
    s.hint = hint;
    return s;
}

EditorState Link(const std::string& path, const std::string& hint)
{
    EditorState s;
    s.setting = true;
    s.linking = true;
    s.path = path;
    s.hint = hint;
    return s;
}

HotKeyModifiers Mods(bool ctrl, bool shift, bool alt, bool tab) { return {ctrl, shift, alt, tab}; }

TEST(KeyEditorConfirm, StoredForms)
{
    struct Case {
        const char* what;
        EditorState state;
        ConfirmOutcome outcome;
        const char* command;
        int mode;
        int index;
        const char* hint;
    } cases[] = {
        {"hot key without modifier and hint", HotKey({}, 0, ""), ConfirmOutcome::Write, "", 1, 0, ""},
        {"Ctrl + F1, Help", HotKey(Mods(true, false, false, false), 36, "Help"), ConfirmOutcome::Write, "^{F1}", 1, 36, "Help"},
        {"every modifier in order", HotKey(Mods(true, true, true, true), 40, "All"), ConfirmOutcome::Write, "^$%&{F5}", 1, 40, "All"},
        {"Ctrl + Shift + S", HotKey(Mods(true, true, false, false), 18, "Save"), ConfirmOutcome::Write, "^$S", 1, 18, "Save"},
        {"modifier without hint", HotKey(Mods(false, false, true, false), 5, ""), ConfirmOutcome::AskForHint, "%F", 1, 5, ""},
        {"Setting off, Alt + LEFT", HotKey(Mods(false, false, true, false), 58, "Back", false), ConfirmOutcome::Write, "%LEFT", 0, 58, "Back"},
        {"Setting on, Alt + LEFT", HotKey(Mods(false, false, true, false), 58, "Back"), ConfirmOutcome::Write, "%{LEFT}", 1, 58, "Back"},
        {"link with hint", Link("C:\\Tools\\calc.exe\r\nsecond line", "Calc"), ConfirmOutcome::Write, "C:\\Tools\\calc.exe", 2, 0, "Calc"},
        {"link without hint", Link("notepad.exe", ""), ConfirmOutcome::AskForHint, "notepad.exe", 2, 0, ""},
        {"empty link without hint", Link("", ""), ConfirmOutcome::Write, "", 2, 0, ""},
        {"hint keeps its first line", Link("a.exe", "One\nTwo"), ConfirmOutcome::Write, "a.exe", 2, 0, "One"},
    };
    for (const Case& c : cases) {
        const tessar::ConfirmResult r = tessar::DecideConfirm(c.state);
        EXPECT_EQ(r.outcome, c.outcome) << c.what;
        if (r.outcome != ConfirmOutcome::Write) continue;
        EXPECT_EQ(r.command, c.command) << c.what;
        EXPECT_EQ(r.mode, c.mode) << c.what;
        EXPECT_EQ(r.comboIndex, c.index) << c.what;
        EXPECT_EQ(r.hint, c.hint) << c.what;
    }
    // Setting on but neither choice: an empty program key.
    EditorState none;
    none.setting = true;
    none.hint = "x";
    const auto r = tessar::DecideConfirm(none);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.command, "");
    EXPECT_EQ(tessar::MissingHintTextId(5), 147);
    EXPECT_EQ(tessar::MissingHintTextId(0), 138);
}

// What Confirm stores through the profile store, the sender types back, and
// the editor shows again as it was.
using EditorRoundTrip = tessar_test::DispatchTest;

TEST_F(EditorRoundTrip, ConfirmedHotKeysTypeTheChosenKeysAndShowAgain)
{
    struct Case {
        EditorState state;
        Calls typed;
    } cases[] = {
        {HotKey(Mods(true, false, false, false), 36, "Help"), {"Ctrl+", "vk70+", "vk70-", "Ctrl-"}},
        {HotKey(Mods(true, true, false, false), 18, "Save"), {"Ctrl+", "Shift+", "S+", "S-", "Shift-", "Ctrl-"}},
        {HotKey(Mods(false, false, true, false), 58, "Back"), {"Alt+", "Left+", "Left-", "Alt-"}},
        {HotKey(Mods(false, true, false, false), 53, "Erase"), {"Shift+", "Backspace+", "Backspace-", "Shift-"}},
        {HotKey({}, 54, "Enter"), {"Enter+", "Enter-"}},
        {HotKey({}, 55, "Blank"), {"Space+", "Space-"}},
        {HotKey(Mods(true, false, false, false), 61, "Next"), {"Ctrl+", "vk22+", "vk22-", "Ctrl-"}},
        {HotKey({}, 49, "Plus"), {"Add+", "Add-"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        ++n;
        const tessar::ConfirmResult r = tessar::DecideConfirm(c.state);
        ASSERT_EQ(r.outcome, ConfirmOutcome::Write) << n;
        store.WriteKey(kProfile, n, r.command, r.mode, r.hint, r.comboIndex);
        kb.trace.clear();
        performer.PerformKeyAction(kProfile, n);
        EXPECT_EQ(kb.trace, c.typed) << "key " << n << " stored \"" << r.command << "\"";
        EXPECT_TRUE(kb.down.empty()) << n;

        EditorState shown;
        const tessar::KeyRecord key = store.ReadKey(kProfile, n, tessar::KeyTextUse::Editing);
        tessar::ShowKeyInEditor(shown, key, key.command);
        EXPECT_TRUE(shown.setting && shown.hotKey && !shown.linking) << n;
        EXPECT_EQ(shown.mods.ctrl, c.state.mods.ctrl) << n;
        EXPECT_EQ(shown.mods.shift, c.state.mods.shift) << n;
        EXPECT_EQ(shown.mods.alt, c.state.mods.alt) << n;
        EXPECT_EQ(shown.keyCombo, c.state.keyCombo) << n;
        EXPECT_EQ(shown.hint, c.state.hint) << n;
        EXPECT_FALSE(shown.confirmOn) << n;
    }
}

TEST(KeyEditorShowKey, ControlsFollowTheModeAndTheLock)
{
    EditorState s;
    tessar::ShowKeyInEditor(s, {"^$S", 1, "Save", 18, false}, "");
    EXPECT_TRUE(s.setting && s.hotKey && s.mods.ctrl && s.mods.shift && !s.mods.alt);
    EXPECT_TRUE(s.keyComboOn && s.ctrlOn && s.hintOn && !s.pathOn && !s.browseOn);
    EXPECT_EQ(s.keyCombo, 18);

    tessar::ShowKeyInEditor(s, {"notepad.exe", 2, "Pad", 0, false}, "");
    EXPECT_TRUE(s.setting && s.linking && !s.hotKey);
    EXPECT_TRUE(s.pathOn && s.browseOn && !s.keyComboOn && !s.ctrlOn);
    EXPECT_EQ(s.path, "notepad.exe");

    // A key switched off keeps its modifiers on show, every control greyed.
    tessar::ShowKeyInEditor(s, {"%LEFT", 0, "Back", 58, false}, "%LEFT");
    EXPECT_FALSE(s.setting);
    EXPECT_TRUE(s.hotKey && s.mods.alt);
    EXPECT_TRUE(s.settingOn);
    EXPECT_FALSE(s.hotKeyOn || s.linkingOn || s.keyComboOn || s.altOn || s.pathOn || s.hintOn || s.browseOn);
    EXPECT_EQ(s.keyCombo, 58);

    // A default key can be looked at, not edited.
    tessar::ShowKeyInEditor(s, {"^c", 1, "Copy", 2, true}, "");
    EXPECT_TRUE(s.hotKey && s.mods.ctrl);
    EXPECT_FALSE(s.settingOn || s.hotKeyOn || s.linkingOn || s.keyComboOn || s.ctrlOn || s.hintOn);

    // A missing key: nothing checked, the key combo without a selection.
    tessar::ShowKeyInEditor(s, {}, "");
    EXPECT_FALSE(s.setting || s.hotKey || s.linking);
    EXPECT_EQ(s.keyCombo, -1);
    EXPECT_FALSE(s.confirmOn);
}

TEST(KeyEditorClicks, SettingAndTheChoicesSwitchTheirControls)
{
    EditorState s;
    tessar::ShowKeyInEditor(s, {}, "");
    s.setting = true;
    tessar::OnSettingClicked(s);
    EXPECT_TRUE(s.hotKeyOn && s.linkingOn && s.hintOn);
    EXPECT_FALSE(s.pathOn || s.keyComboOn);
    EXPECT_FALSE(s.confirmOn);  // nothing to save yet

    s.hotKey = true;
    tessar::OnHotKeyClicked(s);
    EXPECT_TRUE(s.ctrlOn && s.keyComboOn && !s.pathOn && s.confirmOn);
    s.hotKey = false;
    s.linking = true;
    tessar::OnLinkingClicked(s);
    EXPECT_TRUE(s.pathOn && s.browseOn && !s.ctrlOn && !s.keyComboOn);

    // Browse cancelled: the stored command comes back, Confirm stays on.
    s.path = "typed";
    tessar::OnBrowsed(s, "", "stored.exe");
    EXPECT_EQ(s.path, "stored.exe");
    EXPECT_TRUE(s.confirmOn);
    tessar::OnBrowsed(s, "C:\\new.exe", "stored.exe");
    EXPECT_EQ(s.path, "C:\\new.exe");
}

TEST(KeyButtons, LayoutPerModel)
{
    tessar::KeyCounts wide{4, 0, 2, 0, 6};
    auto l = tessar::LayOutKeyButtons(50, 1, wide);
    EXPECT_EQ(l.width, 80);
    EXPECT_EQ(l.x0, 250);
    ASSERT_EQ(l.buttons.size(), 6u);
    EXPECT_EQ(l.buttons[0].rect, (tessar::ButtonRect{250, 264, 270, 281}));
    EXPECT_EQ(l.buttons[3].rect, (tessar::ButtonRect{313, 264, 333, 281}));
    EXPECT_EQ(l.buttons[4].rect, (tessar::ButtonRect{230, 283, 250, 306}));
    EXPECT_EQ(l.buttons[5].rect, (tessar::ButtonRect{230, 307, 250, 330}));
    EXPECT_EQ(l.buttons[4].commandId, 8001);
    EXPECT_EQ(l.buttons[5].commandId, 8002);

    tessar::KeyCounts eight{8, 0, 0, 0, 8};
    l = tessar::LayOutKeyButtons(1280, 0, eight);
    EXPECT_EQ(l.width, 160);
    EXPECT_EQ(l.x0, 210);
    EXPECT_EQ(l.buttons[2].commandId, 6003);
    EXPECT_EQ(l.buttons[2].rect, (tessar::ButtonRect{250, 264, 270, 281}));

    // The driver stand-in's models: wide (52: 6 top, 4 bottom), studio
    // (1280: 8, 8, 4, 4) and compact (a model without a side layout).
    l = tessar::LayOutKeyButtons(52, 0, {6, 4, 0, 0, 10});
    EXPECT_EQ(l.buttons[6].rect, (tessar::ButtonRect{230, 412, 250, 429}));
    EXPECT_EQ(l.buttons[6].commandId, 7001);
    l = tessar::LayOutKeyButtons(52, 1, {6, 4, 0, 0, 10});
    EXPECT_EQ(l.width, 140);
    EXPECT_EQ(l.buttons[6].rect.left, 220 + 21);
    l = tessar::LayOutKeyButtons(1280, 0, {8, 8, 4, 4, 24});
    EXPECT_EQ(l.buttons[8].rect, (tessar::ButtonRect{210, 344, 230, 361}));
    EXPECT_EQ(l.buttons[16].rect, (tessar::ButtonRect{195, 280, 215, 303}));
    EXPECT_EQ(l.buttons[20].rect, (tessar::ButtonRect{365, 280, 385, 303}));
    EXPECT_EQ(l.buttons[23].commandId, 9004);
    l = tessar::LayOutKeyButtons(33, 0, {2, 1, 0, 0, 3});
    EXPECT_EQ(l.buttons[1].rect, (tessar::ButtonRect{293, 264, 313, 281}));
    EXPECT_FALSE(l.buttons[2].hasWindow);
    // No top or bottom keys: a 300-pixel row.
    EXPECT_EQ(tessar::LayOutKeyButtons(1280, 0, {0, 0, 2, 0, 2}).x0, 140);
}

TEST(KeyButtons, CommandsSelectTheirKeyAndLabels)
{
    const tessar::KeyCounts c{8, 8, 4, 4, 24};
    struct Case {
        int command, index;
    } cases[] = {{6001, 0}, {6008, 7}, {6009, -1}, {7001, 8}, {8004, 19}, {9001, 20}, {9004, 23},
                 {9005, -1}, {6000, -1}, {9031, -1}, {32771, -1}};
    for (const Case& k : cases) EXPECT_EQ(tessar::KeyIndexForCommand(k.command, c), k.index) << k.command;
    EXPECT_EQ(tessar::KeyLabel(3, 0), "K3");
    EXPECT_EQ(tessar::KeyLabel(3, 2), "03");
    EXPECT_EQ(tessar::KeyLabel(10, 2), "10");
}

// A menu entry as "text id/command" or "text/command".
std::vector<std::string> MenuOf(const tessar::TrayMenuInputs& in)
{
    std::vector<std::string> out;
    for (const auto& e : tessar::ApplyMenuChanges(tessar::ResourceTrayMenu(), tessar::PlanTrayMenu(in)))
        out.push_back((e.textId ? std::to_string(e.textId) : e.text) + "/" + std::to_string(e.command));
    return out;
}

TEST(TrayMenu, EntriesPerOem)
{
    using V = std::vector<std::string>;
    struct Case {
        tessar::TrayMenuInputs in;
        V entries;
    } cases[] = {
        {{0, false, 2, ""}, {"128/32771", "129/32772", "134/32774", "131/32778", "132/32779", "133/32780", "145/32773"}},
        {{0, false, 0, "My Pad"}, {"128/32771", "129/32772", "130/32774", "131/32778", "My Pad/32779", "133/32780", "145/32773"}},
        {{0, true, 1, "My Pad"}, {"128/32771", "129/32772", "131/32778", "132/32779", "133/32780", "145/32773"}},
        {{1, false, 1, ""}, {"128/32771", "154/32772", "134/32774", "203/32778", "204/32779", "133/32780", "145/32773"}},
        {{1, true, 1, ""}, {"128/32771", "154/32772", "&Enable/32774", "203/32778", "204/32779", "133/32780", "145/32773"}},
        {{2, false, 1, "Ignored"}, {"142/32772", "141/32779", "120/32778", "113/32771", "Quit/32773"}},
        {{3, false, 1, "Ignored"}, {"158/32779", "156/32772", "157/32778", "159/32780", "155/32771", "160/32773"}},
        {{5, false, 0, ""}, {"128/32771", "153/32772", "130/32774", "131/32778", "Brindle Tablet/32779", "133/32780", "145/32773"}},
        {{7, false, 1, "Pad"}, {"128/32771", "129/32772", "134/32774", "131/32778", "Pad/32779", "145/32773"}},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuOf(c.in), c.entries) << "OEM " << c.in.oemId;
}

TEST(TrayMenu, DoubleClickAndToggle)
{
    EXPECT_EQ(tessar::DoubleClickFor(6), tessar::DoubleClickAction::OpenControlPanel);
    EXPECT_EQ(tessar::DoubleClickFor(0), tessar::DoubleClickAction::ShowSettings);
    EXPECT_EQ(tessar::DoubleClickFor(2), tessar::DoubleClickAction::ShowSettings);
    // UseORNot missing (2) reads as on: the toggle switches off.
    EXPECT_EQ(tessar::ToggleManager(2, 1).managerOn, 0);
    EXPECT_TRUE(tessar::ToggleManager(2, 1).changeIcons);
    EXPECT_EQ(tessar::ToggleManager(0, 0).managerOn, 1);
    EXPECT_FALSE(tessar::ToggleManager(0, 0).changeIcons);
}

TEST(SettingsWindow, OkAndCancel)
{
    using tessar::OkStep;
    struct Case {
        bool pending;
        const char* selected;
        const char* saved;
        int oem;
        OkStep step;
        int textId;
    } cases[] = {
        {true, "Word", "Word", 0, OkStep::AskToConfirmEdit, 0},
        {true, "Word", "Paint", 5, OkStep::AskToConfirmEdit, 151},
        {true, "Word", "Word", 7, OkStep::AskToConfirmEdit, 168},
        {false, "Word", "Word", 0, OkStep::Hide, 0},
        {false, "Word", "word", 0, OkStep::AskToSaveList, 103},
        {false, "Paint", "", 0, OkStep::AskToSaveList, 103},
    };
    for (const Case& c : cases) {
        const auto d = tessar::DecideOK(c.pending, c.selected, c.saved, c.oem);
        EXPECT_EQ(d.step, c.step) << c.selected << "/" << c.saved;
        EXPECT_EQ(d.textId, c.textId) << c.selected << "/" << c.saved;
    }

    // Cancel with an unsaved edit of a saved key: the stored key again.
    EditorState s = HotKey(Mods(false, true, false, false), 3, "typed");
    s.confirmOn = true;
    tessar::RestoreKeyOnCancel(s, {"^c", 1, "Copy", 2, false}, "");
    EXPECT_TRUE(s.mods.ctrl && !s.mods.shift);
    EXPECT_EQ(s.hint, "Copy");
    EXPECT_EQ(s.keyCombo, 2);
    EXPECT_FALSE(s.confirmOn);
    // ... of a key never saved: a blank, greyed editor.
    s = HotKey(Mods(true, false, false, false), 3, "typed");
    s.confirmOn = true;
    tessar::RestoreKeyOnCancel(s, {}, "");
    EXPECT_FALSE(s.setting || s.hotKey || s.mods.ctrl || s.settingOn || s.confirmOn);
    EXPECT_EQ(s.hint, "");
    EXPECT_EQ(s.keyCombo, 0);
    // A default key stays locked.
    s = EditorState{};
    tessar::RestoreKeyOnCancel(s, {"^c", 1, "Copy", 2, true}, "");
    EXPECT_FALSE(s.settingOn || s.hintOn);

    EXPECT_EQ(tessar::DefaultProfileRefusalId(0), 117);
    EXPECT_EQ(tessar::DefaultProfileRefusalId(5), 149);
}

TEST(SettingsWindow, PicturesTextsAndCaption)
{
    struct Case {
        int oem, model, bitmap;
    } cases[] = {{0, 52, 160}, {1, 50, 160}, {0, 86, 193}, {0, 1280, 156}, {0, 1281, 156}, {0, 1282, 194},
                 {0, 33, 166}, {5, 50, 197}, {5, 56, 196}, {5, 1280, 195}, {5, 1281, 198}, {5, 86, 166}};
    for (const Case& c : cases) EXPECT_EQ(tessar::TabletPictureFor(c.oem, c.model), c.bitmap) << c.oem << "/" << c.model;

    auto textOf = [](int oem, int control) {
        for (const auto& t : tessar::SettingsControlTexts(oem))
            if (t.controlId == control) return t.textId ? std::to_string(t.textId) : std::string(t.text);
        return std::string("none");
    };
    EXPECT_EQ(textOf(0, 1019), "106");
    EXPECT_EQ(textOf(2, 1019), "Active");
    EXPECT_EQ(textOf(8, 1019), "165");
    EXPECT_EQ(textOf(8, 1010), "163");
    EXPECT_EQ(textOf(8, 1015), "164");
    EXPECT_EQ(textOf(7, 1074), "169");
    EXPECT_EQ(textOf(0, 1074), "110");
    EXPECT_EQ(textOf(0, 1), "111");
    EXPECT_EQ(tessar::CaptionTextIdFor(3), 156);
    EXPECT_EQ(tessar::CaptionTextIdFor(0), 0);
    EXPECT_EQ(tessar::AboutItemFor(5).textId, 128);
    EXPECT_STREQ(tessar::AboutItemFor(5).suffix, " Pellicor");
    EXPECT_EQ(tessar::AboutItemFor(1).textId, 101);
}

TEST(NewProfile, NameChecks)
{
    const std::vector<std::string> profiles = {"Desktop", "Word Pad", "Paint"};
    using tessar::NewNameCheck;
    struct Case {
        std::string name;
        NewNameCheck result;
    } cases[] = {
        {"", NewNameCheck::Empty},
        {"word", NewNameCheck::Used},
        {"WORD PAD", NewNameCheck::Used},
        {"Pad", NewNameCheck::Ok},
        {"Paints", NewNameCheck::Ok},
        {"d", NewNameCheck::Used},
        {std::string(128, 'x'), NewNameCheck::Ok},
        {"..\\Windows\\win", NewNameCheck::BadName},
        {"a/b", NewNameCheck::BadName},
        {"CON", NewNameCheck::BadName},
        {" Lead", NewNameCheck::BadName},
        {"what?", NewNameCheck::BadName},
    };
    for (const Case& c : cases) EXPECT_EQ(tessar::CheckNewProfileName(c.name, profiles), c.result) << c.name;
}

TEST(NewProfile, ProgramPaths)
{
    EXPECT_EQ(tessar::UnquoteAppPath("\"C:\\A B\\x.exe\""), "C:\\A B\\x.exe");
    EXPECT_EQ(tessar::UnquoteAppPath("C:\\x.exe"), "C:\\x.exe");
    EXPECT_EQ(tessar::UnquoteAppPath("\""), "");
    const std::string pf = "C:\\Program Files", win = "C:\\Windows", common = "C:\\Program Files\\Common Files";
    EXPECT_EQ(tessar::ExpandProgramPlaceholders("%ProgramFiles%\\App\\a.exe", pf, win, common),
              "C:\\Program Files\\App\\a.exe");
    EXPECT_EQ(tessar::ExpandProgramPlaceholders("%programfiles%\\App\\a.exe", pf, win, common),
              "%programfiles%\\App\\a.exe");
    EXPECT_EQ(tessar::ExpandProgramPlaceholders("%SystemRoot%\\notepad.exe", pf, win, common),
              "C:\\Windows\\notepad.exe");
    EXPECT_EQ(tessar::ExpandProgramPlaceholders("%CommonProgramFiles%\\x.exe", pf, win, common),
              "C:\\Program Files\\Common Files\\x.exe");
    EXPECT_EQ(tessar::ExpandProgramPlaceholders("D:\\%SystemRoot%", pf, win, common), "D:\\%SystemRoot%");
    EXPECT_EQ(tessar::OemIconFor(3), 192);
    EXPECT_EQ(tessar::OemIconFor(4), 128);
}

TEST(ExtraSettingsAndAbout, StoredValuesAndTexts)
{
    struct Case {
        const char* stored;
        int index;
    } cases[] = {{"0", 0}, {"", 0}, {"500", 1}, {"1000", 2}, {"2000", 3}, {"3000", 4}, {"750", 0}, {" 500", 0}};
    for (const Case& c : cases) EXPECT_EQ(tessar::DelayIndexFor(c.stored), c.index) << c.stored;
    for (int i = 0; i < tessar::kDelayChoices; ++i)
        EXPECT_EQ(tessar::DelayIndexFor(std::to_string(tessar::DelayMsForIndex(i))), i);
    EXPECT_EQ(tessar::DelayMsForIndex(5), -1);
    EXPECT_EQ(tessar::DelayMsForIndex(-1), -1);
    EXPECT_EQ(tessar::DelayEntryCount(4), 4);
    EXPECT_EQ(tessar::DelayEntryCount(0), 5);
    EXPECT_STREQ(tessar::DelayEntryText(1), "0.5 sec");
    EXPECT_EQ(tessar::ExtraSettingsTextsFor(5).responseLabelId, 146);
    EXPECT_EQ(tessar::ExtraSettingsTextsFor(8).soundLabelId, 167);
    EXPECT_EQ(tessar::ExtraSettingsTextsFor(3).captionId, 157);
    EXPECT_EQ(tessar::ExtraSettingsTextsFor(0).responseLabelId, 118);
    EXPECT_EQ(tessar::FirmwareVersionText(0x0203), "2.3");
    EXPECT_EQ(tessar::FirmwareVersionText(0), "0.0");
}

}  // namespace
