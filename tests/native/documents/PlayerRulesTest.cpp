// The player's decisions: the buttons of each playback state, the layouts of
// the two strip styles and the compact one, the names proposed for new
// recordings, and the overlay coming back only when it was visible.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayerRules.h"

namespace {

using vexo::PlayerBox;
using vexo::PlayerLayout;

TEST(PlayerButtons, PlayingSwapsPlayOpenAndSaveForPauseAndStop)
{
    const auto stopped = vexo::PlayerButtonsFor(false);
    const auto playing = vexo::PlayerButtonsFor(true);
    EXPECT_TRUE(stopped.play && stopped.open && stopped.save && stopped.close);
    EXPECT_FALSE(stopped.pause || stopped.stop);
    EXPECT_TRUE(playing.pause && playing.stop && playing.close);
    EXPECT_FALSE(playing.play || playing.open || playing.save);
}

PlayerLayout Sizes()
{
    PlayerLayout s;
    s.close = {0, 0, 22, 24};
    s.slider = {0, 0, 225, 18};
    s.time = {0, 0, 66, 16};
    s.open = s.save = s.play = s.pause = s.stop = {0, 0, 42, 24};
    return s;
}

void ExpectAt(const PlayerBox& box, int x, int y, const char* what)
{
    EXPECT_EQ(box.x, x) << what;
    EXPECT_EQ(box.y, y) << what;
}

TEST(PlayerLayout, TheStripStylesRunLeftToRightAlongTheBottom)
{
    for (int style : {0, 2}) {
        const PlayerLayout at = vexo::LayOutPlayer(style, 1024, 768, 28, Sizes());
        SCOPED_TRACE(style);
        ExpectAt(at.close, 10, 768 - 3 - 24, "close");
        ExpectAt(at.slider, 10 + 22 + 10, 741 + 5, "slider");
        ExpectAt(at.time, 42 + 225 + 10, 746, "time");
        ExpectAt(at.open, 277 + 66 + 10, 741, "open");
        ExpectAt(at.save, 353 + 42 + 10, 741, "save");
        ExpectAt(at.play, 405 + 52, 741, "play");
        ExpectAt(at.pause, 457 + 52, 741, "pause");
        ExpectAt(at.stop, 509 + 52, 741, "stop");
        EXPECT_EQ(at.slider.width, 225);  // sizes are kept
    }
}

TEST(PlayerLayout, TheCompactStyleUsesFixedColumnsOnItsTallerBar)
{
    const PlayerLayout at = vexo::LayOutPlayer(1, 1280, 1024, 46, Sizes());
    ExpectAt(at.close, 0, 1024 - 24, "close");
    ExpectAt(at.slider, 90, 1024 - 18 + 3, "slider");
    ExpectAt(at.time, 90 + 225 + 10, 1009, "time");
    ExpectAt(at.play, 597, 1024 - 46, "play");
    ExpectAt(at.pause, 636, 978, "pause");
    ExpectAt(at.stop, 675, 978, "stop");
    ExpectAt(at.save, 714, 978, "save");
    ExpectAt(at.open, 753, 978, "open");
}

TEST(RecordingNames, TheCounterIsTheLastCharacterOfTheStoredName)
{
    const std::string p = vexo::RecordingNamePrefix(3, 7, 2024);
    EXPECT_EQ(p, "03072024-");
    const struct {
        std::string stored;
        std::string proposal;
    } cases[] = {
        {p + "0", p + "1"},            // nothing stored: the default
        {p + "1", p + "2"},
        {p + "9", p + "10"},
        {p + "10", p + "1"},           // only the last character counts
        {p + "x", p + "1"},            // not a digit counts as 0
        {"03062024-4", p + "1"},       // an earlier day restarts at 1
        {"", p + "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(vexo::ProposeRecordingName(p, c.stored), c.proposal) << c.stored;
}

TEST(RecordingNames, TheChosenFileTitleIsTheNameWithoutFolderOrExtension)
{
    EXPECT_EQ(vexo::FileTitleOf("C:\\Rec\\03072024-1.Lmz"), "03072024-1");
    EXPECT_EQ(vexo::FileTitleOf("03072024-1"), "03072024-1");
    EXPECT_EQ(vexo::FileTitleOf("C:/a.b/lesson.x.Lmz"), "lesson.x");
}

class Surroundings : public vexo::IPlayerSurroundings {
public:
    bool overlay = false;
    bool toolbarEnabled = true;
    bool player = false;
    std::vector<std::string> log;
    bool OverlayVisible() const override { return overlay; }
    void ShowOverlay(bool show) override
    {
        overlay = show;
        log.push_back(show ? "overlay on" : "overlay off");
    }
    void EnableToolbar(bool enable) override { toolbarEnabled = enable; }
    void ShowPlayerWindow(bool show) override
    {
        player = show;
        log.push_back(show ? "player on" : "player off");
    }
    void Wait(int ms) override { log.push_back("wait " + std::to_string(ms)); }
    void SetSliderRange() override { log.push_back("range"); }
    void StopPlayback() override { log.push_back("stop"); }
};

TEST(PlayerPresence, TheOverlayComesBackOnlyWhenItWasVisible)
{
    for (bool visible : {false, true}) {
        Surroundings around;
        around.overlay = visible;
        vexo::CPlayerPresence presence(around);
        presence.Show();
        EXPECT_FALSE(around.overlay);
        EXPECT_FALSE(around.toolbarEnabled);
        EXPECT_TRUE(around.player);
        presence.Close();
        EXPECT_EQ(around.overlay, visible);
        EXPECT_TRUE(around.toolbarEnabled);
        EXPECT_FALSE(around.player);
        EXPECT_EQ(around.log.back(), "stop");
    }
}

TEST(PlayerPresence, ClosingHidesThePlayerBeforeTheOverlayReturns)
{
    Surroundings around;
    around.overlay = true;
    vexo::CPlayerPresence presence(around);
    presence.Show();
    presence.Close();
    const std::vector<std::string> expected = {"overlay off", "player on", "range", "player off",
                                               "wait 100", "overlay on", "stop"};
    EXPECT_EQ(around.log, expected);
}

}  // namespace
