#pragma once
// The exclamation-icon message boxes that tell a failed open or save, and the
// layer index guards' boxes.
#include <windows.h>

#include <string>

#include "DocumentFile.h"

namespace vexo {

// Nothing for kOk.
void ReportDocumentFailure(HWND owner, DocResult result, DocKind kind, const std::string& path);
// The box a second SetIndexOfAction (action true) or SetIndexOfCollection shows.
void ReportIndexAlreadySet(HWND owner, bool action);

}  // namespace vexo
