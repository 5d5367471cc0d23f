#include "DocumentMessages_win.h"

#include "Strings.h"
#include "resource.h"

namespace vexo {

void ReportDocumentFailure(HWND owner, DocResult result, DocKind kind, const std::string& path)
{
    const unsigned id = FailureTextId(result, kind);
    if (!id) return;
    const std::string caption = fw::LoadStr(IDS_APP_TITLE);
    fw::MsgBoxText(owner, FailureText(fw::LoadStr(id), path), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ReportIndexAlreadySet(HWND owner, bool action)
{
    const std::string caption = fw::LoadStr(action ? IDS_SET_INDEX_OF_ACTION : IDS_SET_INDEX_OF_COLLECTION);
    fw::MsgBox(owner, action ? IDS_INDEX_OF_ACTION_SET : IDS_INDEX_OF_COLLECTION_SET, caption.c_str(), MB_OK);
}

}  // namespace vexo
