#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "LeftMouseDblClickMsgHandler.h"
#include "RightMouseClickMsgHandler.h"
#include "TrayIcon.h"

namespace {

// A notification area: keeps the icons it was asked to add, keyed like the
// shell does by owner and id, and refuses duplicates and unknown deletions.
class FakeTrayShell : public tessar::ITrayShell {
public:
    unsigned CallbackMessage() const override { return kCallback; }
    bool NotifyIcon(tessar::TrayAction action, const tessar::TrayIconRecord& record) override
    {
        calls.push_back({action, record});
        for (auto it = icons.begin(); it != icons.end(); ++it) {
            if (it->owner != record.owner || it->id != record.id) continue;
            if (action == tessar::TrayAction::Add) return false;
            icons.erase(it);
            return true;
        }
        if (action == tessar::TrayAction::Delete) return false;
        icons.push_back(record);
        return true;
    }

    static constexpr unsigned kCallback = 0xC123;
    struct Call {
        tessar::TrayAction action;
        tessar::TrayIconRecord record;
    };
    std::vector<Call> calls;
    std::vector<tessar::TrayIconRecord> icons;
};

void* const kOwner = reinterpret_cast<void*>(0x1000);
void* const kEnabledIcon = reinterpret_cast<void*>(0x2000);
void* const kDisabledIcon = reinterpret_cast<void*>(0x3000);

TEST(TrayIcon, TipIsCutTo127Characters)
{
    struct Case {
        std::string tip;
        std::string shown;
    };
    const std::string longTip(200, 'x');
    const Case cases[] = {
        {"Tessar", "Tessar"},
        {"", ""},
        {std::string(127, 'a'), std::string(127, 'a')},
        {std::string(128, 'b'), std::string(127, 'b')},
        {longTip, longTip.substr(0, 127)},
    };
    for (const Case& c : cases) {
        char out[tessar::kTrayTipSize];
        std::memset(out, '#', sizeof out);
        tessar::CopyTrayTip(c.tip.c_str(), out);
        EXPECT_EQ(std::string(out), c.shown) << c.tip.size();
    }
    char out[tessar::kTrayTipSize] = "stale";
    tessar::CopyTrayTip(nullptr, out);
    EXPECT_STREQ(out, "");
}

TEST(TrayIcon, ConstructingShowsNothingAndShowAddsTheFullRecord)
{
    FakeTrayShell shell;
    const std::string tip(150, 'T');
    {
        CTrayIcon icon(shell, kOwner, 0, kEnabledIcon, tip.c_str(), nullptr, 0);
        EXPECT_TRUE(shell.calls.empty());

        EXPECT_TRUE(icon.Show());
        ASSERT_EQ(shell.icons.size(), 1u);
        const tessar::TrayIconRecord& r = shell.icons[0];
        EXPECT_EQ(r.owner, kOwner);
        EXPECT_EQ(r.id, 0u);
        EXPECT_EQ(r.flags, 7u);  // message, icon and tip
        EXPECT_EQ(r.callbackMessage, FakeTrayShell::kCallback);
        EXPECT_EQ(r.icon, kEnabledIcon);
        EXPECT_EQ(std::string(r.tip), tip.substr(0, 127));
    }
    // Destroying the icon takes it out of the notification area.
    EXPECT_TRUE(shell.icons.empty());
    EXPECT_EQ(shell.calls.back().action, tessar::TrayAction::Delete);
}

TEST(TrayIcon, ChangingThePictureLeavesExactlyOneIcon)
{
    FakeTrayShell shell;
    const char tip[] = "Tessar";
    CTrayIcon icon(shell, kOwner, 0, kDisabledIcon, tip, nullptr, 0);
    icon.Show();

    icon.Remove();
    icon.SetIcon(kOwner, 0, kEnabledIcon, tip);
    icon.Show();
    ASSERT_EQ(shell.icons.size(), 1u);
    EXPECT_EQ(shell.icons[0].icon, kEnabledIcon);

    // Showing without removing first is refused by the shell and changes nothing.
    icon.SetIcon(kOwner, 0, kDisabledIcon, tip);
    EXPECT_FALSE(icon.Show());
    ASSERT_EQ(shell.icons.size(), 1u);
    EXPECT_EQ(shell.icons[0].icon, kEnabledIcon);
}

TEST(TrayIcon, ShowAgainRestoresOnlyAShownIcon)
{
    FakeTrayShell shell;
    CTrayIcon icon(shell, kOwner, 0, kEnabledIcon, "Tessar", nullptr, 0);

    // Never shown (for example OEM 2 while the driver is stopped): stays away.
    EXPECT_FALSE(icon.ShowAgain());
    EXPECT_TRUE(shell.icons.empty());

    icon.Show();
    shell.icons.clear();  // the shell restarted and forgot it
    EXPECT_TRUE(icon.ShowAgain());
    ASSERT_EQ(shell.icons.size(), 1u);
    EXPECT_EQ(shell.icons[0].icon, kEnabledIcon);

    icon.Remove();
    EXPECT_FALSE(icon.ShowAgain());
    EXPECT_TRUE(shell.icons.empty());
}

class RecordingActions : public tessar::ITrayIconActions {
public:
    void OnTrayIconDoubleClick() override { log.push_back("double"); }
    void OnTrayIconRightClick() override { log.push_back("right"); }
    std::vector<std::string> log;
};

TEST(TrayIcon, DispatchRoutesMouseMessagesToTheHandlers)
{
    FakeTrayShell shell;
    RecordingActions actions;
    CLeftMouseDblClickMsgHandler doubleClick(actions);
    CRightMouseClickMsgHandler rightClick(actions);
    EXPECT_EQ(doubleClick.RegisteredMessage(), 513u);
    EXPECT_EQ(rightClick.RegisteredMessage(), 516u);

    CTrayIconMouseMsgHandler* handlers[] = {&doubleClick, &rightClick};
    CTrayIcon icon(shell, kOwner, 0, kEnabledIcon, "Tessar", handlers, 2);

    // A click sequence of each button: only the double click and the right
    // button's release act.
    for (unsigned msg : {0x201u, 0x202u, 0x203u, 0x202u, 0x204u, 0x205u, 0x200u}) icon.Dispatch(msg);
    EXPECT_EQ(actions.log, (std::vector<std::string>{"double", "right"}));
}

}  // namespace
