#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportFlow.h"
#include "OverlayFlow.h"

namespace {

using Steps = std::vector<std::string>;

class FakeExportHost : public vexo::IExportHost {
public:
    Steps steps;
    bool overlayVisible = true;
    bool answer = true;
    std::string chosen;
    std::string proposedSeen = "(not asked)";
    std::string stored;
    std::string temporary = "C:\\Temp\\pp1A2.tmp";
    bool mailStarts = true;
    std::string title = "Lumora";
    vexo::LocalDate today{2024, 12, 8};

    void EnableOverlayWindow(bool enable) override { steps.push_back(enable ? "overlay on" : "overlay off"); }
    void ShowOverlay(bool show) override
    {
        overlayVisible = show;
        steps.push_back(show ? "show" : "hide");
    }
    bool OverlayVisible() const override { return overlayVisible; }
    void EnableTablet(bool enable) override { steps.push_back(enable ? "pen on" : "pen off"); }
    void ShowWaitCursor(bool wait) override { steps.push_back(wait ? "wait cursor" : "arrow cursor"); }
    void Wait(int ms) override { steps.push_back("wait " + std::to_string(ms)); }
    void CaptureScreen(bool drawInk) override
    {
        steps.push_back(drawInk ? "capture with ink" : "capture");
        overlayVisible = false;
    }
    void ReleaseScreen() override { steps.push_back("release"); }
    void WriteJpeg(const std::string& path) override { steps.push_back("jpeg " + path); }
    bool AskSavePath(const std::string& proposed, std::string& path) override
    {
        proposedSeen = proposed;
        steps.push_back("dialog");
        path = chosen;
        return answer;
    }
    void SaveDocument(const std::string& path) override { steps.push_back("document " + path); }
    void TellNothingSaved(const std::string& path) override { steps.push_back("nothing saved " + path); }
    std::string StoredJpgName() const override { return stored; }
    void StoreJpgName(const std::string& name) override
    {
        stored = name;
        steps.push_back("store " + name);
    }
    vexo::LocalDate Today() const override { return today; }
    std::string ToolbarTitle() const override { return title; }
    std::string CreateTemporaryFile() override
    {
        steps.push_back("temp");
        return temporary;
    }
    void RemoveFile(const std::string& path) override { steps.push_back("delete " + path); }
    void EnterModalState() override { steps.push_back("modal"); }
    void LeaveModalState() override { steps.push_back("modeless"); }
    bool RunMailProgram(const std::string& arguments) override
    {
        steps.push_back("mail " + arguments);
        return mailStarts;
    }
};

struct SaveCase {
    const char* name;
    bool answer;
    const char* chosen;
    const char* outcome;  // the step between the dialog and the release; "" for none
};

class SaveCommand : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveCommand, WritesWhatTheExtensionAsksForAndAlwaysBringsTheOverlayBack)
{
    const SaveCase& c = GetParam();
    FakeExportHost host;
    host.overlayVisible = false;  // the arrow tool: shown afterwards all the same
    host.answer = c.answer;
    host.chosen = c.chosen;
    vexo::CExportFlow(0, host).Save();
    Steps expected = {"overlay off", "capture", "dialog"};
    if (*c.outcome) expected.push_back(c.outcome);
    for (const char* step : {"release", "wait 800", "overlay on", "show"}) expected.push_back(step);
    EXPECT_EQ(host.steps, expected);
    EXPECT_EQ(host.proposedSeen, "");  // the strips propose no name
}

INSTANTIATE_TEST_SUITE_P(
    Export, SaveCommand,
    ::testing::Values(SaveCase{"Cancelled", false, "", ""},
                      SaveCase{"Picture", true, "C:\\Slides\\Notes.jpg", "jpeg C:\\Slides\\Notes.jpg"},
                      SaveCase{"Document", true, "C:\\Slides\\Notes.flmz", "document C:\\Slides\\Notes.flmz"},
                      SaveCase{"CapitalsRefused", true, "C:\\Slides\\Notes.JPG",
                               "nothing saved C:\\Slides\\Notes.JPG"},
                      SaveCase{"NoExtensionRefused", true, "C:\\Slides\\Notes", "nothing saved C:\\Slides\\Notes"}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

TEST(Export, TheCompactToolbarCountsItsProposedNamesPerDay)
{
    FakeExportHost host;
    host.stored = "12082024-3";
    host.chosen = "C:\\Pictures\\12082024-4.jpg";
    vexo::CExportFlow compact(kStyleCompact, host);
    compact.Export(false, "");
    EXPECT_EQ(host.proposedSeen, "12082024-4");
    EXPECT_EQ(host.stored, "12082024-4");

    host.chosen = "C:\\Pictures\\Other.jpg";  // another name keeps the counter
    compact.Export(false, "");
    EXPECT_EQ(host.proposedSeen, "12082024-5");
    EXPECT_EQ(host.stored, "12082024-4");

    host.chosen = "C:\\Pictures\\12082024-5.flmz";  // a document is no picture name
    compact.Export(false, "");
    EXPECT_EQ(host.stored, "12082024-4");

    host.stored = "11302024-7";  // another day's name
    host.chosen = "C:\\Pictures\\x.jpg";
    compact.Export(false, "");
    EXPECT_EQ(host.proposedSeen, "12082024-1");
}

TEST(Export, TheStripsNeverStoreAName)
{
    FakeExportHost host;
    host.chosen = "C:\\Pictures\\.jpg";
    vexo::CExportFlow(kStyleLarge, host).Export(false, "");
    EXPECT_EQ(host.proposedSeen, "");
    EXPECT_TRUE(host.stored.empty());
}

TEST(Export, MailHandsTheInkedPictureToTheMailerAndCleansUp)
{
    FakeExportHost host;
    vexo::CExportFlow(0, host).Mail();
    const Steps expected = {"pen off", "wait cursor", "temp", "capture with ink", "jpeg C:\\Temp\\pp1A2.tmp",
                            "release", "hide", "modal", "mail Lumora]Lumora.jpg]C:\\Temp\\pp1A2.tmp]", "modeless",
                            "delete C:\\Temp\\pp1A2.tmp", "wait 800", "show", "pen on", "arrow cursor"};
    EXPECT_EQ(host.steps, expected);
}

TEST(Export, AHiddenOverlayMailsThePlainScreenAndIsShownAfterwards)
{
    FakeExportHost host;
    host.overlayVisible = false;
    host.mailStarts = false;  // no mail program: the same clean-up
    vexo::CExportFlow(0, host).Mail();
    const Steps expected = {"pen off", "wait cursor", "temp", "capture", "jpeg C:\\Temp\\pp1A2.tmp", "release",
                            "modal", "mail Lumora]Lumora.jpg]C:\\Temp\\pp1A2.tmp]", "modeless",
                            "delete C:\\Temp\\pp1A2.tmp", "wait 800", "show", "pen on", "arrow cursor"};
    EXPECT_EQ(host.steps, expected);
}

TEST(Export, MailWithoutATemporaryFileOrRoomForItsPathStillRestoresEverything)
{
    FakeExportHost noTemp;
    noTemp.temporary.clear();
    vexo::CExportFlow(0, noTemp).Mail();
    const Steps restored = {"pen off", "wait cursor", "temp", "wait 800", "show", "pen on", "arrow cursor"};
    EXPECT_EQ(noTemp.steps, restored);

    FakeExportHost longPath;
    longPath.temporary = "C:\\" + std::string(260, 't') + ".tmp";
    vexo::CExportFlow(0, longPath).Mail();
    for (const std::string& step : longPath.steps) EXPECT_NE(step.rfind("mail ", 0), 0u) << step;
    EXPECT_EQ(longPath.steps[longPath.steps.size() - 5], "delete " + longPath.temporary);
    EXPECT_EQ(longPath.steps.back(), "arrow cursor");
}

}  // namespace
