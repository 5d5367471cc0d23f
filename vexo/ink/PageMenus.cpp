#include "PageMenus.h"

#include <cstdio>
#include <utility>

void CPageMenu::InsertAt(size_t position, int id, std::string text)
{
    if (position > items_.size()) position = items_.size();
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position),
                  PageMenuItem{id, std::move(text)});
}

void CPageMenu::Append(int id, std::string text)
{
    items_.push_back(PageMenuItem{id, std::move(text)});
}

std::string BoardMenuText(int boardNumber, const std::string& boardName)
{
    char number[16];
    std::snprintf(number, sizeof number, "%d. ", boardNumber);
    return number + boardName;
}
