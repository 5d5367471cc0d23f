#include "PowerLines.h"

#include <climits>
#include <utility>

#include "SlideShow.h"
#include "VexoSettings.h"

CPowerLines::CPowerLines(fw::IIniStore& ini, ISlideShow& slideShow, IPageMenuTracker& menuTracker,
                         BoardNames boardNames)
    : slideShow_(slideShow), menuTracker_(menuTracker), boardNames_(std::move(boardNames))
{
    // The bare file name: the private-profile calls look in the Windows folder.
    pageLimitOn_ = ini.GetInt(vexo_ini::kOrvtblFileName, vexo_ini::kSectionVexo,
                              vexo_ini::kKeyLimitDrawPage, vexo_ini::kDefaultLimitDrawPage);
    keptSlidePages_ = static_cast<unsigned>(ini.GetInt(vexo_ini::kOrvtblFileName,
                                                       vexo_ini::kSectionVexo, vexo_ini::kKeySavePage,
                                                       vexo_ini::kDefaultSavePage));
    records_.push_back(std::make_unique<PageRecord>(page_code::kFreeScreen));
    current_ = records_.back().get();
}

PageRecord* CPowerLines::Find(int code)
{
    for (auto& record : records_)
        if (record->code == code) return record.get();
    return nullptr;
}

int CPowerLines::TargetCode(int request)
{
    const int c = current_->code;
    int& lastOfColour = page_code::IsBlackBoard(c) ? lastBlackBoard_ : lastWhiteBoard_;
    switch (request) {
    case kPageRequestCurrentSlide: {
        // Only slide numbers name slide pages; a negative answer must not
        // open a board.
        const int slide = slideShow_.GetCurrentPage();
        return slide > 0 ? slide : page_code::kFreeScreen;
    }
    case kPageRequestLastBlackBoard:
        return lastBlackBoard_;
    case kPageRequestLastWhiteBoard:
        return lastWhiteBoard_;
    case kPageRequestPreviousBoard:
        // Board 1 (codes -1 and -2) has no previous board.
        if (c >= -2) return c;
        lastOfColour += 2;
        return lastOfColour;
    case kPageRequestNextBoard:
        if (!page_code::IsBoard(c) || lastOfColour < INT_MIN + 2) return c;
        lastOfColour -= 2;
        return lastOfColour;
    default:
        break;
    }
    if (request < 0) return c;
    if (!page_code::IsBoard(c)) return request;
    // Board n of the current colour.
    const long long n = request;
    const long long code = page_code::IsBlackBoard(c) ? 1 - 2 * n : -2 * n;
    if (code < INT_MIN) return c;
    lastOfColour = static_cast<int>(code);
    return lastOfColour;
}

bool CPowerLines::GoToPage(int request)
{
    const int c = current_->code;
    const int b = TargetCode(request);
    if (b == c) return b == page_code::kFreeScreen;

    bool found = false;
    if (PageRecord* record = Find(b)) {
        current_ = record;
        found = true;
    } else {
        // An empty slide page or free screen is reused for the new page;
        // boards and inked pages keep their record.
        if (current_->lines.Count() > 0 || page_code::IsBoard(c)) {
            records_.push_back(std::make_unique<PageRecord>(b));
            current_ = records_.back().get();
        } else {
            current_->code = b;
        }
        if (page_code::IsBoard(b)) AddBoardMenuItem(b);
    }
    if (pageLimitOn_ != 0) PrunePages();
    return found || b == page_code::kFreeScreen;
}

void CPowerLines::AddBoardMenuItem(int code)
{
    const int k = page_code::BoardNumber(code);
    const size_t position = static_cast<size_t>(k) - 1;
    if (page_code::IsBlackBoard(code))
        blackBoardMenu_.InsertAt(position, kBlackBoardMenuBaseId + k,
                                 BoardMenuText(k, boardNames_.blackScreen));
    else
        whiteBoardMenu_.InsertAt(position, kWhiteBoardMenuBaseId + k,
                                 BoardMenuText(k, boardNames_.whiteScreen));
}

void CPowerLines::BuildSlideMenu()
{
    slideMenu_.RemoveAll();
    slideShow_.SlideGotoMenu(slideMenu_, kSlideMenuBaseId);
}

int CPowerLines::TrackPageMenu(int x, int y)
{
    const int c = current_->code;
    if (page_code::IsSlide(c)) {
        const int id = menuTracker_.Track(slideMenu_, x, y);
        if (id == 0) return 0;
        const int slide = id - kSlideMenuBaseId;
        slideShow_.SlideGoto(slide);
        return slide;
    }
    if (c == page_code::kFreeScreen) return 0;
    const bool black = page_code::IsBlackBoard(c);
    const int id = menuTracker_.Track(black ? blackBoardMenu_ : whiteBoardMenu_, x, y);
    if (id == 0) return 0;
    return id - (black ? kBlackBoardMenuBaseId : kWhiteBoardMenuBaseId);
}

void CPowerLines::DiscardSlidePages()
{
    for (size_t i = records_.size(); i-- > 0;) {
        PageRecord* record = records_[i].get();
        if (record != current_ && page_code::IsSlide(record->code))
            records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void CPowerLines::PrunePages()
{
    auto isInkedSlidePage = [](const PageRecord& r) { return r.code >= 0 && r.lines.Count() > 0; };
    // The current page may sit among old records (turning back to an early
    // slide); it is never removed, and it takes the first place in the count
    // so that the limit still holds.
    unsigned inked = isInkedSlidePage(*current_) ? 1u : 0u;
    for (size_t i = records_.size(); i-- > 0;) {
        const PageRecord* record = records_[i].get();
        if (record == current_) continue;
        if (isInkedSlidePage(*record)) ++inked;
        if (inked > keptSlidePages_)
            records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}
