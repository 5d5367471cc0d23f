#include <gtest/gtest.h>

#include <climits>

#include <string>
#include <vector>

#include "FileSystem.h"
#include "IniStore.h"
#include "PowerLines.h"
#include "SlideShow.h"

namespace {

class FakeSlideShow : public ISlideShow {
public:
    int currentSlide = 0;
    int slideCount = 0;
    std::vector<int> gotoCalls;

    int Action(int) override { return 0; }
    int SetPointerType(int) override { return 0; }
    int GetCurrentPage() override { return currentSlide; }
    void SlideGotoMenu(CPageMenu& menu, int baseId) override
    {
        for (int n = 1; n <= slideCount; ++n) menu.Append(baseId + n, "Slide " + std::to_string(n));
    }
    int SlideGoto(int slide) override
    {
        gotoCalls.push_back(slide);
        return 1;
    }
    void EndOle() override {}
};

class FakeMenuTracker : public IPageMenuTracker {
public:
    int answer = 0;
    std::vector<const CPageMenu*> tracked;

    int Track(const CPageMenu& menu, int, int) override
    {
        tracked.push_back(&menu);
        return answer;
    }
};

// A page collection over an "ORVTBL.ini" with the given text (none: no file).
class PagesTest : public ::testing::Test {
protected:
    CPowerLines& Pages(const char* orvtbl = nullptr)
    {
        if (orvtbl) fs.Write("ORVTBL.ini", orvtbl);
        pages.reset(new CPowerLines(ini, show, tracker, BoardNames{"Black Screen", "White Screen"}));
        return *pages;
    }
    static void Ink(CPowerLines& p)
    {
        p.CurrentLines().AddStroke(0xFF, kPenPen);
        p.CurrentLines().AddPoint(10, 10, 5, 0);
    }
    static std::vector<int> Codes(const CPowerLines& p)
    {
        std::vector<int> codes;
        for (size_t i = 0; i < p.RecordCount(); ++i) codes.push_back(p.RecordAt(i).code);
        return codes;
    }

    fw::MemoryFileSystem fs;
    fw::TextIniStore ini{fs};
    FakeSlideShow show;
    FakeMenuTracker tracker;
    std::unique_ptr<CPowerLines> pages;
};

using Items = std::vector<PageMenuItem>;

TEST_F(PagesTest, StartsOnAnEmptyFreeScreenWithDefaultLimit)
{
    CPowerLines& p = Pages();
    EXPECT_EQ(Codes(p), std::vector<int>{0});
    EXPECT_EQ(p.CurrentCode(), 0);
    EXPECT_EQ(p.CurrentLines().Count(), 0);
    EXPECT_FALSE(p.PageLimitOn());
    EXPECT_EQ(p.KeptSlidePages(), 2u);
    EXPECT_EQ(p.LastBlackBoard(), -1);
    EXPECT_EQ(p.LastWhiteBoard(), -2);
    EXPECT_TRUE(p.SlideMenu().Empty() && p.BlackBoardMenu().Empty() && p.WhiteBoardMenu().Empty());
}

TEST_F(PagesTest, ReadsThePageLimitFromOrvtbl)
{
    CPowerLines& p = Pages("[VEXO]\nLimitDrawPage=1\nSAVEPAGE=5\n");
    EXPECT_TRUE(p.PageLimitOn());
    EXPECT_EQ(p.KeptSlidePages(), 5u);
    // A negative count reads as a huge unsigned one: nothing is ever pruned.
    EXPECT_EQ(Pages("[VEXO]\nSAVEPAGE=-1\n").KeptSlidePages(), 0xFFFFFFFFu);
}

TEST_F(PagesTest, EmptyPageIsReusedInkedPageIsKept)
{
    CPowerLines& p = Pages();
    EXPECT_FALSE(p.GoToPage(5));
    EXPECT_EQ(Codes(p), std::vector<int>{5});  // the empty free screen became slide 5

    Ink(p);
    EXPECT_FALSE(p.GoToPage(6));
    EXPECT_EQ(Codes(p), (std::vector<int>{5, 6}));

    EXPECT_TRUE(p.GoToPage(5));  // exists: found, ink still there
    EXPECT_EQ(p.CurrentCode(), 5);
    EXPECT_EQ(p.CurrentLines().Count(), 1);

    EXPECT_FALSE(p.GoToPage(5));  // the current page again: nothing happens
    EXPECT_EQ(Codes(p), (std::vector<int>{5, 6}));
}

TEST_F(PagesTest, CurrentSlideComesFromTheShow)
{
    CPowerLines& p = Pages();
    EXPECT_TRUE(p.GoToPage(kPageRequestCurrentSlide));  // no show: page 0 again, found
    EXPECT_EQ(Codes(p), std::vector<int>{0});

    show.currentSlide = 3;
    EXPECT_FALSE(p.GoToPage(kPageRequestCurrentSlide));
    EXPECT_EQ(p.CurrentCode(), 3);

    Ink(p);
    show.currentSlide = 0;  // the show ended: back to the free screen, a new record
    EXPECT_TRUE(p.GoToPage(kPageRequestCurrentSlide));
    EXPECT_EQ(Codes(p), (std::vector<int>{3, 0}));

    // A negative answer is no slide number; it must not open a board.
    Ink(p);
    show.currentSlide = -1;
    EXPECT_TRUE(p.GoToPage(kPageRequestCurrentSlide));
    EXPECT_EQ(p.CurrentCode(), 0);
    EXPECT_TRUE(p.BlackBoardMenu().Empty());
}

TEST_F(PagesTest, BlackBoardsStepForwardAndBack)
{
    CPowerLines& p = Pages();
    p.GoToPage(2);
    Ink(p);

    EXPECT_FALSE(p.GoToPage(kPageRequestLastBlackBoard));
    EXPECT_EQ(p.CurrentCode(), -1);
    EXPECT_FALSE(p.GoToPage(kPageRequestNextBoard));
    EXPECT_EQ(p.CurrentCode(), -3);
    EXPECT_EQ(p.LastBlackBoard(), -3);
    EXPECT_EQ(p.BlackBoardMenu().Items(), (Items{{1525, "1. Black Screen"}, {1526, "2. Black Screen"}}));
    EXPECT_TRUE(p.WhiteBoardMenu().Empty());

    EXPECT_TRUE(p.GoToPage(kPageRequestPreviousBoard));
    EXPECT_EQ(p.CurrentCode(), -1);
    EXPECT_EQ(p.LastBlackBoard(), -1);
    EXPECT_EQ(Codes(p), (std::vector<int>{2, -1, -3}));  // a board never reuses a record

    // The last black board is remembered across a trip to the slide.
    p.GoToPage(kPageRequestNextBoard);
    show.currentSlide = 2;
    EXPECT_TRUE(p.GoToPage(kPageRequestCurrentSlide));
    EXPECT_TRUE(p.GoToPage(kPageRequestLastBlackBoard));
    EXPECT_EQ(p.CurrentCode(), -3);
}

// The highest boards a request can name: codes down to INT_MIN + 1 (black)
// and INT_MIN (white), the numbers 2^30 each; a board beyond keeps the page.
TEST_F(PagesTest, BoardsNearTheCodeLimitKeepTheirNumbers)
{
    EXPECT_EQ(page_code::BoardNumber(INT_MIN + 1), 1 << 30);
    EXPECT_EQ(page_code::BoardNumber(INT_MIN), 1 << 30);
    EXPECT_EQ(page_code::BoardNumber(-3), 2);

    CPowerLines& p = Pages();
    p.GoToPage(kPageRequestLastBlackBoard);
    EXPECT_FALSE(p.GoToPage(1 << 30));
    EXPECT_EQ(p.CurrentCode(), INT_MIN + 1);
    EXPECT_FALSE(p.GoToPage((1 << 30) + 1));  // no code left for it
    EXPECT_EQ(p.CurrentCode(), INT_MIN + 1);
    EXPECT_FALSE(p.GoToPage(kPageRequestNextBoard));
    EXPECT_EQ(p.CurrentCode(), INT_MIN + 1);

    p.GoToPage(kPageRequestLastWhiteBoard);
    EXPECT_FALSE(p.GoToPage(1 << 30));
    EXPECT_EQ(p.CurrentCode(), INT_MIN);
}

TEST_F(PagesTest, RequestsThatKeepTheCurrentPage)
{
    struct Case {
        int start;    // reached from the free screen with this request
        int request;
    };
    const Case cases[] = {
        {kPageRequestLastBlackBoard, kPageRequestPreviousBoard},  // board 1 has no previous
        {kPageRequestLastWhiteBoard, kPageRequestPreviousBoard},
        {4, kPageRequestPreviousBoard},                            // board steps on a slide
        {4, kPageRequestNextBoard},
        {kPageRequestCurrentSlide, kPageRequestNextBoard},
        {4, -5},                                                   // unknown requests
        {kPageRequestLastBlackBoard, -100},
    };
    for (const Case& c : cases) {
        CPowerLines& p = Pages();
        p.GoToPage(c.start);
        const int code = p.CurrentCode();
        const int black = p.LastBlackBoard(), white = p.LastWhiteBoard();
        EXPECT_EQ(p.GoToPage(c.request), code == 0) << c.start << " then " << c.request;
        EXPECT_EQ(p.CurrentCode(), code);
        EXPECT_EQ(p.RecordCount(), 1u);
        EXPECT_EQ(p.LastBlackBoard(), black);
        EXPECT_EQ(p.LastWhiteBoard(), white);
    }
}

TEST_F(PagesTest, NumberOnABoardPicksThatBoardOfTheSameColour)
{
    CPowerLines& p = Pages();
    p.GoToPage(kPageRequestLastWhiteBoard);
    EXPECT_FALSE(p.GoToPage(3));
    EXPECT_EQ(p.CurrentCode(), -6);
    EXPECT_EQ(p.LastWhiteBoard(), -6);
    p.GoToPage(kPageRequestNextBoard);  // board 4
    p.GoToPage(2);
    EXPECT_EQ(p.CurrentCode(), -4);
    // Items go in by position k - 1, appended while the menu is shorter.
    EXPECT_EQ(p.WhiteBoardMenu().Items(), (Items{{1725, "1. White Screen"},
                                                 {1726, "2. White Screen"},
                                                 {1727, "3. White Screen"},
                                                 {1728, "4. White Screen"}}));

    EXPECT_FALSE(p.GoToPage(kPageRequestLastBlackBoard));
    EXPECT_FALSE(p.GoToPage(2));
    EXPECT_EQ(p.CurrentCode(), -3);
    EXPECT_EQ(p.LastBlackBoard(), -3);

    // A number whose board code does not fit keeps the page.
    EXPECT_FALSE(p.GoToPage(0x7FFFFFFF));
    EXPECT_EQ(p.CurrentCode(), -3);
}

TEST_F(PagesTest, PageLimitKeepsTheNewestInkedSlides)
{
    CPowerLines& p = Pages("[VEXO]\nLimitDrawPage=1\n");
    for (int slide = 1; slide <= 3; ++slide) {
        p.GoToPage(slide);
        Ink(p);
    }
    EXPECT_EQ(Codes(p), (std::vector<int>{1, 2, 3}));
    p.GoToPage(4);
    EXPECT_EQ(Codes(p), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(p.Find(2)->lines.Count(), 1);
    EXPECT_EQ(p.Find(3)->lines.Count(), 1);
}

TEST_F(PagesTest, PageLimitNeverRemovesTheCurrentPage)
{
    CPowerLines& p = Pages("[VEXO]\nLimitDrawPage=1\nSAVEPAGE=2\n");
    for (int slide = 1; slide <= 4; ++slide) {
        p.GoToPage(slide);
        Ink(p);
    }
    ASSERT_EQ(Codes(p), (std::vector<int>{2, 3, 4}));

    // Back to slide 2, older than two inked slides: it stays, counts first,
    // and the limit of two inked slide pages still holds.
    EXPECT_TRUE(p.GoToPage(2));
    EXPECT_EQ(p.CurrentCode(), 2);
    EXPECT_EQ(p.CurrentLines().Count(), 1);
    EXPECT_EQ(Codes(p), (std::vector<int>{2, 4}));
}

TEST_F(PagesTest, PrunedBoardIsCreatedAgainFromItsMenuItem)
{
    CPowerLines& p = Pages("[VEXO]\nLimitDrawPage=1\nSAVEPAGE=1\n");
    p.GoToPage(1);
    Ink(p);
    p.GoToPage(kPageRequestLastBlackBoard);
    Ink(p);
    for (int slide = 2; slide <= 4; ++slide) {
        show.currentSlide = slide;
        p.GoToPage(kPageRequestCurrentSlide);
        Ink(p);
    }
    show.currentSlide = 5;
    p.GoToPage(kPageRequestCurrentSlide);
    EXPECT_EQ(Codes(p), (std::vector<int>{4, 5}));
    EXPECT_EQ(p.BlackBoardMenu().Items(), (Items{{1525, "1. Black Screen"}}));

    EXPECT_FALSE(p.GoToPage(kPageRequestLastBlackBoard));
    EXPECT_EQ(p.CurrentCode(), -1);
    EXPECT_EQ(p.CurrentLines().Count(), 0);
    EXPECT_EQ(p.BlackBoardMenu().Items(),
              (Items{{1525, "1. Black Screen"}, {1525, "1. Black Screen"}}));
}

TEST_F(PagesTest, PageMenuBelongsToTheCurrentPage)
{
    CPowerLines& p = Pages();
    tracker.answer = 1234;
    EXPECT_EQ(p.TrackPageMenu(10, 20), 0);  // free screen: no menu
    EXPECT_TRUE(tracker.tracked.empty());

    show.slideCount = 3;
    p.BuildSlideMenu();
    p.GoToPage(1);
    tracker.answer = kSlideMenuBaseId + 3;
    EXPECT_EQ(p.TrackPageMenu(10, 20), 3);
    EXPECT_EQ(tracker.tracked.back(), &p.SlideMenu());
    EXPECT_EQ(show.gotoCalls, std::vector<int>{3});
    tracker.answer = 0;
    EXPECT_EQ(p.TrackPageMenu(10, 20), 0);
    EXPECT_EQ(show.gotoCalls.size(), 1u);  // cancelled: the show is not moved

    Ink(p);
    p.GoToPage(kPageRequestLastBlackBoard);
    tracker.answer = kBlackBoardMenuBaseId + 1;
    EXPECT_EQ(p.TrackPageMenu(0, 0), 1);
    EXPECT_EQ(tracker.tracked.back(), &p.BlackBoardMenu());
    p.GoToPage(kPageRequestLastWhiteBoard);
    tracker.answer = kWhiteBoardMenuBaseId + 1;
    EXPECT_EQ(p.TrackPageMenu(0, 0), 1);
    EXPECT_EQ(tracker.tracked.back(), &p.WhiteBoardMenu());
    EXPECT_EQ(show.gotoCalls.size(), 1u);
}

TEST_F(PagesTest, SlideMenuIsRebuiltFromTheShow)
{
    CPowerLines& p = Pages();
    show.slideCount = 3;
    p.BuildSlideMenu();
    EXPECT_EQ(p.SlideMenu().Items(), (Items{{1225, "Slide 1"}, {1226, "Slide 2"}, {1227, "Slide 3"}}));
    show.slideCount = 1;
    p.BuildSlideMenu();
    EXPECT_EQ(p.SlideMenu().Items(), (Items{{1225, "Slide 1"}}));
    show.slideCount = 0;
    p.BuildSlideMenu();
    EXPECT_TRUE(p.SlideMenu().Empty());
}

TEST_F(PagesTest, DiscardSlidePagesKeepsBoardsFreeScreenAndCurrent)
{
    CPowerLines& p = Pages();
    p.GoToPage(1);
    Ink(p);
    p.GoToPage(kPageRequestLastBlackBoard);
    show.currentSlide = 2;
    p.GoToPage(kPageRequestCurrentSlide);
    Ink(p);
    show.currentSlide = 0;
    p.GoToPage(kPageRequestCurrentSlide);
    Ink(p);
    show.currentSlide = 3;
    p.GoToPage(kPageRequestCurrentSlide);
    ASSERT_EQ(Codes(p), (std::vector<int>{1, -1, 2, 0, 3}));

    p.DiscardSlidePages();  // the current slide 3 stays
    EXPECT_EQ(Codes(p), (std::vector<int>{-1, 0, 3}));
    EXPECT_EQ(p.CurrentCode(), 3);

    show.currentSlide = 0;
    p.GoToPage(kPageRequestCurrentSlide);
    p.DiscardSlidePages();
    EXPECT_EQ(Codes(p), (std::vector<int>{-1, 0}));
}

TEST(PageCode, BoardNumbers)
{
    EXPECT_EQ(page_code::BoardNumber(-1), 1);
    EXPECT_EQ(page_code::BoardNumber(-3), 2);
    EXPECT_EQ(page_code::BoardNumber(-2), 1);
    EXPECT_EQ(page_code::BoardNumber(-6), 3);
    EXPECT_EQ(page_code::BoardNumber(4), 0);
    EXPECT_EQ(page_code::BoardNumber(0), 0);
}

}  // namespace
