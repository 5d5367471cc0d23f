#include "TessarApp.h"

#include "StartupRules.h"
#include "Strings.h"
#include "TessarDlg.h"
#include "TessarMessages.h"

// Seen by every process started from the same executable file: a copy that
// is still creating its window keeps a concurrent start from making another.
#if defined(_MSC_VER)
#pragma data_seg("KEYSHARE")
volatile LONG g_tessarStartFlag = 0;
#pragma data_seg()
#pragma comment(linker, "/SECTION:KEYSHARE,RWS")
#else
volatile LONG g_tessarStartFlag __attribute__((section("KEYSHARE"), shared)) = 0;
#endif

namespace {
CTessarApp* g_app = nullptr;

std::string ModulePath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    return path;
}
}  // namespace

CTessarApp& TheTessarApp() { return *g_app; }
void SetTheTessarApp(CTessarApp* app) { g_app = app; }

CTessarApp::CTessarApp(HINSTANCE instance)
    : instance_(instance), title_(tessar::AppTitleFromModulePath(ModulePath()))
{
}

LONG CTessarApp::StartFlag() { return g_tessarStartFlag; }

HWND CTessarApp::MainWindow() const { return mainDlg_ ? mainDlg_->m_hWnd : nullptr; }

int CTessarApp::MessageBoxFromTable(HWND owner, UINT textId, UINT flags) const
{
    return fw::MsgBox(owner, textId, title_.c_str(), flags);
}

void CTessarApp::RegisterTessarClass() const
{
    // The system dialog class under our name: the settings template names it.
    WNDCLASSA wc = {};
    if (!GetClassInfoA(nullptr, "#32770", &wc)) return;
    wc.hInstance = instance_;
    wc.lpszClassName = tessar::kTessarClass;
    RegisterClassA(&wc);
}

int CTessarApp::InitInstance(const char* commandLine)
{
    const HWND running = FindWindowA(tessar::kTessarClass, nullptr);
    if (!running) RegisterTessarClass();

    switch (tessar::DecideStart(running != nullptr, commandLine, g_tessarStartFlag)) {
    case tessar::StartAction::PostExtraSettings:
        PostMessageA(running, tessar::WM_SHOW_EXTRA_SETTINGS, 0, 0);
        return 0;
    case tessar::StartAction::ShowRunningWindow:
        ShowWindow(running, SW_SHOW);
        SetForegroundWindow(running);
        return 0;
    case tessar::StartAction::EndSilently:
        return 0;
    case tessar::StartAction::RunSettingsWindow:
        break;
    }

    g_tessarStartFlag = 1;
    CTessarDlg dlg(*this);
    mainDlg_ = &dlg;
    dlg.DoModal(nullptr, instance_);
    mainDlg_ = nullptr;
    return 0;
}
