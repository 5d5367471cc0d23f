#pragma once
// Texts from the program's string table, and the one message-box helper.
#include <windows.h>

#include <string>

namespace fw {

// String resource id of the module that created the process (or instance).
std::string LoadStr(UINT id, HINSTANCE instance = nullptr);

// A message box whose text comes from the string table. caption may be null
// (the system's default caption).
int MsgBox(HWND owner, UINT textId, const char* caption, UINT flags);
// The same for a fixed text.
int MsgBoxText(HWND owner, const std::string& text, const char* caption, UINT flags);

}  // namespace fw
