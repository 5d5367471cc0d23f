#include <gtest/gtest.h>

#include "StartupRules.h"

namespace {

using tessar::StartAction;

TEST(TessarStartup, SecondStartHandsOverByTheExactArgument)
{
    struct Case {
        const char* commandLine;
        StartAction action;
    };
    const Case cases[] = {
        {"-s", StartAction::PostExtraSettings},
        {"", StartAction::ShowRunningWindow},
        {"-s ", StartAction::ShowRunningWindow},
        {" -s", StartAction::ShowRunningWindow},
        {"-S", StartAction::ShowRunningWindow},
        {"-s x", StartAction::ShowRunningWindow},
        {"-settings", StartAction::ShowRunningWindow},
        {nullptr, StartAction::ShowRunningWindow},
    };
    for (const Case& c : cases) {
        // The start flag does not matter once a window exists.
        for (long flag : {0L, 1L})
            EXPECT_EQ(tessar::DecideStart(true, c.commandLine, flag), c.action)
                << (c.commandLine ? c.commandLine : "(null)") << " flag " << flag;
    }
}

TEST(TessarStartup, WithoutWindowTheStartFlagDecides)
{
    EXPECT_EQ(tessar::DecideStart(false, "", 0), StartAction::RunSettingsWindow);
    EXPECT_EQ(tessar::DecideStart(false, "-s", 0), StartAction::RunSettingsWindow);
    EXPECT_EQ(tessar::DecideStart(false, "", 1), StartAction::EndSilently);
    EXPECT_EQ(tessar::DecideStart(false, "-s", 1), StartAction::EndSilently);
}

TEST(TessarStartup, TitleIsTheExecutableName)
{
    EXPECT_EQ(tessar::AppTitleFromModulePath("C:\\Program Files\\Lumora\\Tessar.exe"), "Tessar");
    EXPECT_EQ(tessar::AppTitleFromModulePath("C:\\a.b\\Tessar2.EXE"), "Tessar2");
    EXPECT_EQ(tessar::AppTitleFromModulePath("Tessar"), "Tessar");
    EXPECT_EQ(tessar::AppTitleFromModulePath("/opt/x/Tessar.exe"), "Tessar");
}

}  // namespace
