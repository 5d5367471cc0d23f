#pragma once
// The strip's keyboard rules. A key is known by its virtual-key code and
// whether it is one of the extended keys, so that the arrows and the page
// keys of the cursor block page while the number pad's keys do not, on any
// keyboard layout and in any language.

enum class ToolbarKey { kNone, kPreviousPage, kNextPage, kEscape };

ToolbarKey ToolbarKeyOf(unsigned virtualKey, bool extended);
