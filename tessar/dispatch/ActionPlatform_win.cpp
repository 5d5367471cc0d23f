#include "ActionPlatform_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include "ProfileStore.h"
#include "Strings.h"
#include "resource.h"

namespace tessar {

void CWin32ActionPlatform::ShowSettingsWindow()
{
    if (owner_) ShowWindow(owner_, SW_SHOW);
}

std::string CWin32ActionPlatform::SpecialFolder(int csidl)
{
    char buf[1024] = {};
    if (!SHGetSpecialFolderPathA(nullptr, buf, csidl, TRUE)) return {};
    return buf;
}

std::string CWin32ActionPlatform::FolderPath(int csidl)
{
    char buf[1024] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, buf))) return {};
    return buf;
}

void CWin32ActionPlatform::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

int CWin32ActionPlatform::ShellStart(const std::string& path)
{
    const HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

int CWin32ActionPlatform::Start(const std::string& path) { return ShellStart(path); }

void CWin32ActionPlatform::OpenFolder(const std::string& folder)
{
    ShellExecuteA(nullptr, nullptr, nullptr, nullptr, folder.c_str(), SW_SHOWNORMAL);
}

bool CWin32ActionPlatform::IsClassInFront(const std::string& className)
{
    const HWND window = FindWindowA(className.c_str(), nullptr);
    return window && window == GetForegroundWindow();
}

bool CWin32ActionPlatform::SlideShowBound() { return slideShow_.IsBound(); }

int CWin32ActionPlatform::GetSlideShowActive() { return slideShow_.GetSlideShowActive()(); }

void CWin32ActionPlatform::SetPointerColor(std::uint32_t colour)
{
    slideShow_.SetPointerColor()(static_cast<int>(colour));
}

void CWin32ActionPlatform::SetPointerType(int type) { slideShow_.SetPointerType()(type); }

bool CWin32ActionPlatform::PresenterRunning() { return FindWindowA(kPresenterClass, nullptr) != nullptr; }

void CWin32ActionPlatform::PostToolbarCommand(int code)
{
    if (const HWND toolbar = FindWindowA(kPresenterClass, nullptr))
        PostMessageA(toolbar, kWmToolbarCommand, static_cast<WPARAM>(static_cast<INT_PTR>(code)), 0);
}

void CWin32ActionPlatform::Sleep(unsigned ms) { ::Sleep(ms); }

void CWin32ActionPlatform::DebugOutput(const std::string& text) { OutputDebugStringA(text.c_str()); }

void CWin32ActionPlatform::ShowPresenterMissing()
{
    fw::MsgBox(owner_, IDS_PRESENTER_MISSING, kMessageCaption, MB_OK);
}

std::uintptr_t CWin32ActionPlatform::OwnerWindow() { return reinterpret_cast<std::uintptr_t>(owner_); }

}  // namespace tessar
