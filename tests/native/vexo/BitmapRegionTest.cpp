#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "BitmapRegion.h"

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kInk = 0x00203040;

// A picture from rows of text: '.' transparent white, '#' ink, 'w' white
// with a non-zero top byte (which must still count as white).
std::vector<std::uint32_t> Picture(const std::vector<std::string>& rows)
{
    std::vector<std::uint32_t> pixels;
    for (const std::string& row : rows)
        for (char c : row) pixels.push_back(c == '#' ? kInk : c == 'w' ? 0xFF000000 | kWhite : kWhite);
    return pixels;
}

std::vector<RegionRect> Runs(const std::vector<std::string>& rows)
{
    const auto pixels = Picture(rows);
    const int w = static_cast<int>(rows[0].size());
    return OpaqueRuns(pixels.data(), w, static_cast<int>(rows.size()), w, kWhite);
}

TEST(BitmapRegion, AllTransparentGivesNoRectangles)
{
    EXPECT_TRUE(Runs({"....", ".w..", "...."}).empty());
}

TEST(BitmapRegion, RunsGoBottomRowFirstAndEndPastTheirLastPixel)
{
    const std::vector<RegionRect> expected = {
        {0, 2, 4, 3},                  // a full row ends at x = w
        {1, 1, 2, 2}, {3, 1, 4, 2},    // two runs, the second reaching the right edge
        {0, 0, 1, 1}, {2, 0, 3, 1},    // single pixels
    };
    EXPECT_EQ(Runs({"#.#.",
                    ".#.#",
                    "####"}),
              expected);
}

TEST(BitmapRegion, ARunNeverContinuesIntoTheNextRow)
{
    // The ink at the end of row 0 and the start of row 1 touch in memory.
    const std::vector<RegionRect> expected = {{0, 1, 1, 2}, {2, 0, 3, 1}};
    EXPECT_EQ(Runs({"..#", "#.."}), expected);
}

TEST(BitmapRegion, StrideSkipsPaddingAndBadSizesGiveNothing)
{
    // Rows of 2 pixels stored 3 words apart; the padding is ink and must not count.
    const std::uint32_t pixels[] = {kWhite, kInk, kInk, kInk, kWhite, kInk};
    const std::vector<RegionRect> expected = {{0, 1, 1, 2}, {1, 0, 2, 1}};
    EXPECT_EQ(OpaqueRuns(pixels, 2, 2, 3, kWhite), expected);
    EXPECT_TRUE(OpaqueRuns(pixels, 0, 2, 3, kWhite).empty());
    EXPECT_TRUE(OpaqueRuns(pixels, 2, -1, 3, kWhite).empty());
    EXPECT_TRUE(OpaqueRuns(pixels, 4, 1, 3, kWhite).empty());
    EXPECT_TRUE(OpaqueRuns(nullptr, 2, 2, 2, kWhite).empty());
}

}  // namespace
