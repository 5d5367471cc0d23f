#pragma once
// The page button's pop-up menus kept as data: items with command ids and
// texts. They become real pop-up menus only for the moment they are tracked.
#include <cstddef>
#include <string>
#include <vector>

// Command ids: the slide menu's items are the slide-show library's, counted
// from kSlideMenuBaseId; board k has the item id base + k.
inline constexpr int kSlideMenuBaseId = 1224;
inline constexpr int kBlackBoardMenuBaseId = 1524;
inline constexpr int kWhiteBoardMenuBaseId = 1724;

struct PageMenuItem {
    int id = 0;
    std::string text;

    bool operator==(const PageMenuItem& o) const { return id == o.id && text == o.text; }
};

class CPageMenu {
public:
    // Inserts before the item at position; a position past the end appends,
    // as inserting into a pop-up menu by position does.
    void InsertAt(size_t position, int id, std::string text);
    void Append(int id, std::string text);
    void RemoveAll() { items_.clear(); }

    size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const PageMenuItem& At(size_t i) const { return items_[i]; }
    const std::vector<PageMenuItem>& Items() const { return items_; }

private:
    std::vector<PageMenuItem> items_;
};

// Shows a menu at a screen point and returns the chosen command id, 0 when
// the user chose nothing.
class IPageMenuTracker {
public:
    virtual ~IPageMenuTracker() = default;
    virtual int Track(const CPageMenu& menu, int x, int y) = 0;
};

// "%d. %s": the board number and the board's name.
std::string BoardMenuText(int boardNumber, const std::string& boardName);
