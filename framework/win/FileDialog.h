#pragma once
// The common open and save dialogs as the programs use them: read-only
// choice hidden, a prompt before overwriting, one filter and its default
// extension.
#include <windows.h>

#include <string>

namespace fw {

// filter: "Name (*.ext)\0*.ext\0...\0". path starts the dialog with its name
// and receives the chosen file; false when the user cancelled.
bool AskOpenFileName(HWND owner, const char* filter, const char* defaultExtension, std::string& path);
bool AskSaveFileName(HWND owner, const char* filter, const char* defaultExtension, std::string& path);

}  // namespace fw
