#include "ToolbarKeys.h"

#include <cstring>

namespace {
constexpr const char* kPreviousNames[] = {"Page Up", "Up", "Left", "Backspace", "P"};
constexpr const char* kNextNames[] = {"Page Down", "Down", "Right", "Enter", "Space", "N"};
constexpr char kEscapeName[] = "Esc";

bool OneOf(const char* name, const char* const* names, int count)
{
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(name, names[i]) == 0) return true;
    }
    return false;
}
}  // namespace

ToolbarKey ToolbarKeyFromName(const char* name)
{
    if (!name) return ToolbarKey::kNone;
    if (OneOf(name, kPreviousNames, 5)) return ToolbarKey::kPreviousPage;
    if (OneOf(name, kNextNames, 6)) return ToolbarKey::kNextPage;
    if (std::strcmp(name, kEscapeName) == 0) return ToolbarKey::kEscape;
    return ToolbarKey::kNone;
}
