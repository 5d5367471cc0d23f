#include "FileDialog.h"

#include <commdlg.h>

namespace fw {
namespace {

bool AskFileName(HWND owner, const char* filter, const char* defaultExtension, std::string& path, bool save)
{
    char file[MAX_PATH] = "";
    lstrcpynA(file, path.c_str(), MAX_PATH);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = defaultExtension;
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) return false;
    path = file;
    return true;
}

}  // namespace

bool AskOpenFileName(HWND owner, const char* filter, const char* defaultExtension, std::string& path)
{
    return AskFileName(owner, filter, defaultExtension, path, false);
}

bool AskSaveFileName(HWND owner, const char* filter, const char* defaultExtension, std::string& path)
{
    return AskFileName(owner, filter, defaultExtension, path, true);
}

}  // namespace fw
