#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "ProfileStoreFixture.h"

namespace tessar_test {
namespace {

std::uint32_t Event(int side, int rawIndex)
{
    return static_cast<std::uint32_t>(side) | (static_cast<std::uint32_t>(rawIndex) << 8);
}

class KeyMapTest : public ProfileStoreTest {
protected:
    void SetUp() override
    {
        Init();
        fs.Write(Tablet("MKProfile.ini"), "[Info]\r\nOemID=1\r\n");
    }
    void Table(const std::string& text) { fs.Write(store.TabletTablePath(), text); }
};

TEST_F(KeyMapTest, PerSideCountsNumberTopKeysFirstThenBottom)
{
    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=3\r\n"
          "MacroMax0034_BOTTOM=4\r\nMacroMax0034_UP=6\r\nMacroMax0034_LEFT=9\r\n");
    EXPECT_FALSE(store.LoadKeyCounts());
    const auto& c = store.Counts();
    EXPECT_EQ(c.top, 6);
    EXPECT_EQ(c.bottom, 4);
    EXPECT_EQ(c.left, 0);  // its bit is not set
    EXPECT_EQ(c.total, 10);
    EXPECT_EQ(store.ModelId(), 52);
    EXPECT_EQ(store.KeySection(), "MacroKey_0034_1");

    struct Case {
        int side, raw, key;
    } cases[] = {
        {1, 1, 1}, {1, 2, 1}, {1, 11, 6}, {1, 12, 6}, {0, 3, 8}, {0, 1, 7}, {0, 8, 10},
    };
    for (const auto& k : cases) {
        auto m = store.MapRawKey(Event(k.side, k.raw));
        EXPECT_TRUE(m.mapped) << k.side << "/" << k.raw;
        EXPECT_EQ(m.keyNumber, k.key) << k.side << "/" << k.raw;
    }
}

TEST_F(KeyMapTest, LeftAndRightKeysFollowTopAndBottom)
{
    Table("[ControlPanel]\r\nPID=80\r\n[MacroKey]\r\nMacroSideOpen_0050=15\r\n"
          "MacroMax0050_UP=4\r\nMacroMax0050_BOTTOM=3\r\nMacroMax0050_LEFT=2\r\nMacroMax0050_RIGHT=5\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.Counts().total, 14);
    EXPECT_EQ(store.MapRawKey(Event(2, 1)).keyNumber, 1 + 3 + 4);
    EXPECT_EQ(store.MapRawKey(Event(3, 1)).keyNumber, 1 + 3 + 4 + 2);
    // Sides beyond 3 are reported but give no key.
    auto odd = store.MapRawKey(Event(7, 1));
    EXPECT_TRUE(odd.mapped);
    EXPECT_EQ(odd.keyNumber, 0);
    EXPECT_EQ(odd.side, 7);
}

TEST_F(KeyMapTest, WithoutPerSideDataTheModelCodeGivesOneTopRow)
{
    Table("[ControlPanel]\r\nPID=300\r\nModelCode=64\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.Counts().top, 8);  // 2 x 4
    EXPECT_EQ(store.Counts().total, 8);
    EXPECT_EQ(store.ModelCode(), 0x40);

    Table("[ControlPanel]\r\nPID=300\r\nModelCode=64\r\n[MacroKey]\r\nMacroMax4040_UP=5\r\n"
          "MacroMap4000_1=0a\r\nMacroMap4000_0=05\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.Counts().top, 5);
    EXPECT_EQ(store.MapRawKey(Event(1, 1)).keyNumber, 10);
    EXPECT_EQ(store.MapRawKey(Event(0, 1)).keyNumber, 5 + 5);
}

TEST_F(KeyMapTest, HighModelCodeBitsTakePartInTheCountKey)
{
    Table("[ControlPanel]\r\nModelCode=0x1230\r\n[MacroKey]\r\nMacroMax3010_UP=7\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.Counts().top, 7);
    Table("[ControlPanel]\r\nModelCode=0x0230\r\n[MacroKey]\r\nMacroMax3010_UP=7\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.Counts().top, 6);  // "MacroMax3030_UP" is missing: 2 x 3
}

TEST_F(KeyMapTest, RawPidsShareModelsForCountsButKeepTheirOwnMaps)
{
    Table("[ControlPanel]\r\nPID=49\r\n[MacroKey]\r\n"
          "MacroSideOpen_0034=2\r\nMacroMax0034_UP=3\r\n"
          "MacroSideOpen_0031=2\r\nMacroMap0031_1=0321\r\nMacroMap0034_1=0111\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.ModelId(), 52);
    EXPECT_EQ(store.Counts().top, 3);
    EXPECT_EQ(store.KeySection(), "MacroKey_0034_1");
    EXPECT_EQ(store.MapRawKey(Event(1, 1)).keyNumber, 3);
    EXPECT_EQ(store.MapRawKey(Event(1, 3)).keyNumber, 1);

    struct Pid {
        int raw, model;
    } pids[] = {{49, 52}, {68, 52}, {1286, 1280}, {1287, 1281}, {52, 52}, {86, 86}, {1282, 1282}};
    for (const auto& p : pids) EXPECT_EQ(tessar::ModelIdFromPid(p.raw), p.model) << p.raw;
}

TEST_F(KeyMapTest, MapRawKeyRefreshesTheModelId)
{
    Table("[ControlPanel]\r\nPID=52\r\n");
    store.LoadKeyCounts();
    Table("[ControlPanel]\r\nPID=1287\r\n");
    store.MapRawKey(Event(1, 1));
    EXPECT_EQ(store.ModelId(), 1281);
}

TEST_F(KeyMapTest, IndexesAtOrBeyondTheEndOfTheMapAreUnmapped)
{
    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=2\r\nMacroMax0034_UP=4\r\n"
          "MacroMap0034_1=01234\r\n");
    store.LoadKeyCounts();
    EXPECT_EQ(store.MapRawKey(Event(1, 4)).keyNumber, 4);
    for (int raw : {0, 5, 6, 0xFFFF}) {
        auto m = store.MapRawKey(Event(1, raw));
        EXPECT_FALSE(m.mapped) << raw;
        EXPECT_EQ(m.keyNumber, 0) << raw;
    }
}

TEST_F(KeyMapTest, TheDefaultMapPutsTwoCodesOnEachOfTwentyTwoKeys)
{
    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=2\r\nMacroMax0034_UP=22\r\n");
    store.LoadKeyCounts();
    EXPECT_FALSE(store.MapRawKey(Event(1, 0)).mapped);
    for (int k = 1; k <= 22; ++k) {
        EXPECT_EQ(store.MapRawKey(Event(1, 2 * k - 1)).keyNumber, k);
        EXPECT_EQ(store.MapRawKey(Event(1, 2 * k)).keyNumber, k);
    }
    EXPECT_FALSE(store.MapRawKey(Event(1, 45)).mapped);
}

TEST(KeyMapValue, DigitsAndLettersOfEitherCase)
{
    struct Case {
        char c;
        int v;
    } cases[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'z', 35}, {'A', 10}, {'Z', 35}, {'-', 0}, {'\0', 0}, {'\xE9', 0}};
    for (const auto& c : cases) EXPECT_EQ(tessar::KeyMapValue(c.c), c.v) << int(c.c);
}

TEST_F(KeyMapTest, A100KeyTableIsReportedOnceAndKeepsItsCounts)
{
    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=3\r\n"
          "MacroMax0034_UP=60\r\nMacroMax0034_BOTTOM=39\r\n");
    EXPECT_FALSE(store.LoadKeyCounts());
    EXPECT_TRUE(notice.shown.empty());

    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=3\r\n"
          "MacroMax0034_UP=60\r\nMacroMax0034_BOTTOM=40\r\n");
    EXPECT_TRUE(store.LoadKeyCounts());
    EXPECT_EQ(notice.shown, std::vector<std::string>{"WTTsq Message: SideNumber Over range"});
    EXPECT_EQ(store.Counts().top, 60);
    EXPECT_EQ(store.Counts().total, 100);
}

TEST_F(KeyMapTest, ImpossibleCountsAreOverRangeWithoutOverflow)
{
    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=15\r\n"
          "MacroMax0034_UP=2147483647\r\nMacroMax0034_BOTTOM=2147483647\r\n"
          "MacroMax0034_LEFT=2147483647\r\nMacroMax0034_RIGHT=2147483647\r\n");
    EXPECT_TRUE(store.LoadKeyCounts());
    EXPECT_EQ(store.Counts().total, INT_MAX);
    EXPECT_FALSE(store.MapRawKey(Event(3, 1)).mapped);  // the key number would not fit

    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=3\r\n"
          "MacroMax0034_UP=8\r\nMacroMax0034_BOTTOM=-4\r\n");
    notice.shown.clear();
    EXPECT_FALSE(store.LoadKeyCounts());
    EXPECT_TRUE(notice.shown.empty());
}

// Only a total of 100 or more is over range; a negative side (a damaged
// table) has no keys and takes none from the other sides.
TEST_F(KeyMapTest, NegativeCountsAreNoKeys)
{
    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=3\r\n"
          "MacroMax0034_UP=8\r\nMacroMax0034_BOTTOM=-4\r\n");
    EXPECT_FALSE(store.LoadKeyCounts());
    EXPECT_TRUE(notice.shown.empty());
    EXPECT_EQ(store.Counts().bottom, 0);
    EXPECT_EQ(store.Counts().top, 8);
    EXPECT_EQ(store.Counts().total, 8);

    Table("[ControlPanel]\r\nPID=52\r\n[MacroKey]\r\nMacroSideOpen_0034=3\r\n"
          "MacroMax0034_UP=120\r\nMacroMax0034_BOTTOM=-30\r\n");
    EXPECT_TRUE(store.LoadKeyCounts());
    EXPECT_EQ(notice.shown.size(), 1u);
    EXPECT_EQ(store.Counts().total, 120);
}

}  // namespace
}  // namespace tessar_test
