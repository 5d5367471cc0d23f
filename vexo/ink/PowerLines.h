#pragma once
// The overlay's pages: one stroke list per slide, per black board, per white
// board and for the free screen, which of them is current, the page button's
// three menus, and the limit on how many inked slide pages are kept.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "IniStore.h"
#include "Lines.h"
#include "PageMenus.h"

class ISlideShow;

// Page codes: > 0 a slide number, 0 the free screen (no slide known),
// -(2k - 1) black board k, -2k white board k.
namespace page_code {
inline constexpr int kFreeScreen = 0;
inline bool IsSlide(int code) { return code > 0; }
inline bool IsBoard(int code) { return code < 0; }
inline bool IsBlackBoard(int code) { return code < 0 && code % 2 != 0; }
inline bool IsWhiteBoard(int code) { return code < 0 && code % 2 == 0; }
// The board's number k; 0 for codes that are not boards.
inline int BoardNumber(int code)
{
    // 1 - code / 2, not (1 - code) / 2: the lowest black code is INT_MIN + 1.
    if (IsBlackBoard(code)) return 1 - code / 2;
    if (IsWhiteBoard(code)) return -(code / 2);
    return 0;
}
}  // namespace page_code

// Requests of GoToPage besides n > 0 (slide n, or board n of the current
// board's colour).
enum PageRequest : int {
    kPageRequestCurrentSlide = 0,
    kPageRequestLastBlackBoard = -1,
    kPageRequestLastWhiteBoard = -2,
    kPageRequestPreviousBoard = -3,
    kPageRequestNextBoard = -4,
};

struct PageRecord {
    explicit PageRecord(int pageCode) : code(pageCode) {}
    int code;
    CLines lines;  // no owner: page ink is not recording ink
};

// The names the board menus show: strings 113 "Black Screen" and 114 "White Screen".
struct BoardNames {
    std::string blackScreen;
    std::string whiteScreen;
};

class CPowerLines {
public:
    // Reads "ORVTBL.ini" [VEXO] LimitDrawPage and SAVEPAGE once, and starts
    // with the free-screen page, empty and current.
    CPowerLines(fw::IIniStore& ini, ISlideShow& slideShow, IPageMenuTracker& menuTracker,
                BoardNames boardNames);
    CPowerLines(const CPowerLines&) = delete;
    CPowerLines& operator=(const CPowerLines&) = delete;

    // Makes the requested page current, creating it when needed. True when
    // the page existed already, and always for the free screen.
    bool GoToPage(int request);
    // Refills the slide menu from the running show.
    void BuildSlideMenu();
    // Shows the menu that belongs to the current page: the slide menu on a
    // slide (the show then jumps to the chosen slide), the menu of the
    // current board's colour on a board, none on the free screen. Returns
    // the chosen slide or board number, 0 for no choice.
    int TrackPageMenu(int x, int y);
    // Drops every slide page with its ink (the show has ended). The current
    // page is kept even if it is a slide page.
    void DiscardSlidePages();
    // Applies the page limit: from the newest record back, once more inked
    // slide pages than SAVEPAGE were seen, that record and every older one
    // goes. The current page always stays and counts first.
    void PrunePages();

    int CurrentCode() const { return current_->code; }
    CLines& CurrentLines() { return current_->lines; }
    const CLines& CurrentLines() const { return current_->lines; }

    size_t RecordCount() const { return records_.size(); }
    const PageRecord& RecordAt(size_t i) const { return *records_[i]; }
    // The record of a page code, or null.
    PageRecord* Find(int code);

    const CPageMenu& SlideMenu() const { return slideMenu_; }
    const CPageMenu& BlackBoardMenu() const { return blackBoardMenu_; }
    const CPageMenu& WhiteBoardMenu() const { return whiteBoardMenu_; }

    bool PageLimitOn() const { return pageLimitOn_ != 0; }
    unsigned KeptSlidePages() const { return keptSlidePages_; }
    int LastBlackBoard() const { return lastBlackBoard_; }
    int LastWhiteBoard() const { return lastWhiteBoard_; }

private:
    // The page code a request asks for; the current code when it asks for
    // nothing new.
    int TargetCode(int request);
    void AddBoardMenuItem(int code);

    ISlideShow& slideShow_;
    IPageMenuTracker& menuTracker_;
    BoardNames boardNames_;

    PageRecord* current_ = nullptr;
    CPageMenu blackBoardMenu_;
    CPageMenu whiteBoardMenu_;
    CPageMenu slideMenu_;
    int pageLimitOn_ = 0;
    unsigned keptSlidePages_ = 2;
    int lastBlackBoard_ = -1;
    int lastWhiteBoard_ = -2;
    std::vector<std::unique_ptr<PageRecord>> records_;
};
