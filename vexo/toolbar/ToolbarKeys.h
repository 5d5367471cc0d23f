#pragma once
// The strip's keyboard rules: a key is known by its name text, as the
// keyboard layout gives it, and compared exactly.

enum class ToolbarKey { kNone, kPreviousPage, kNextPage, kEscape };

ToolbarKey ToolbarKeyFromName(const char* name);
