#include "ToolbarKeys.h"

namespace {
// Virtual-key codes, as the keyboard reports them.
constexpr unsigned kVkBack = 0x08;
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkSpace = 0x20;
constexpr unsigned kVkPrior = 0x21;
constexpr unsigned kVkNext = 0x22;
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkRight = 0x27;
constexpr unsigned kVkDown = 0x28;
constexpr unsigned kVkN = 'N';
constexpr unsigned kVkP = 'P';
}  // namespace

ToolbarKey ToolbarKeyOf(unsigned virtualKey, bool extended)
{
    switch (virtualKey) {
    // The cursor block's keys are extended; the number pad's are not.
    case kVkPrior:
    case kVkUp:
    case kVkLeft: return extended ? ToolbarKey::kPreviousPage : ToolbarKey::kNone;
    case kVkNext:
    case kVkDown:
    case kVkRight: return extended ? ToolbarKey::kNextPage : ToolbarKey::kNone;
    case kVkBack:
    case kVkP: return ToolbarKey::kPreviousPage;
    // The number pad's Enter is the extended one.
    case kVkReturn: return extended ? ToolbarKey::kNone : ToolbarKey::kNextPage;
    case kVkSpace:
    case kVkN: return ToolbarKey::kNextPage;
    case kVkEscape: return ToolbarKey::kEscape;
    default: return ToolbarKey::kNone;
    }
}
