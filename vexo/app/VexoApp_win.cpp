#include "VexoApp.h"

#include <shlobj.h>
#include <shellapi.h>

#include "Gdi.h"
#include "GdiPlus.h"
#include "Handle.h"
#include "PrivateProfileIni.h"
#include "Strings.h"
#include "VexoDlg.h"
#include "VexoDlg1.h"
#include "WintabPressure.h"
#include "resource.h"

// One flag for every process started from the same executable file: a shared,
// writable data section.
#if defined(_MSC_VER)
#pragma data_seg("Vexo_s")
volatile LONG g_vexoInstanceFlag = 0;
#pragma data_seg()
#pragma comment(linker, "/SECTION:Vexo_s,RWS")
#else
volatile LONG g_vexoInstanceFlag __attribute__((section("Vexo_s"), shared)) = 0;
#endif

namespace {
CVexoApp* g_app = nullptr;
CWintabPressureQuery g_wintabPressure;
}  // namespace

CVexoApp& TheVexoApp() { return *g_app; }
void SetTheVexoApp(CVexoApp* app) { g_app = app; }

CVexoApp::CVexoApp(HINSTANCE instance)
    : instance_(instance),
      settingsPath_(GetCommonAppDataFolder() + "\\" + vexo_ini::kFileName)
{
}

LONG CVexoApp::InstanceFlag() { return g_vexoInstanceFlag; }
void CVexoApp::SetInstanceFlag(LONG value) { g_vexoInstanceFlag = value; }

std::string CVexoApp::GetCommonAppDataFolder()
{
    char path[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_COMMON_APPDATA, FALSE)) return std::string();
    std::string out = path;
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

std::string CVexoApp::GetProgramFilesFolder()
{
    char path[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_PROGRAM_FILES, FALSE)) return std::string();
    std::string out = path;
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

std::string CVexoApp::GetProgramFolder()
{
    char path[256] = "";
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    std::string out = path;
    size_t cut = out.find_last_of('\\');
    return cut == std::string::npos ? std::string() : out.substr(0, cut);
}

void CVexoApp::EnsureSettingsFile() const
{
    EnsureSettingsFile(settingsPath_, GetProgramFolder() + "\\" + vexo_ini::kFileName);
}

void CVexoApp::EnsureSettingsFile(const std::string& settingsPath, const std::string& templatePath)
{
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(settingsPath.c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        return;
    }
    CopyFileA(templatePath.c_str(), settingsPath.c_str(), FALSE);
}

std::string CVexoApp::DefaultTitle() const { return fw::LoadStr(IDS_APP_TITLE, instance_); }

std::string CVexoApp::Title() const
{
    return ReadVexoTitle(fw::Ini(), settingsPath_, DefaultTitle());
}

bool CVexoApp::CheckOtherInstance() const
{
    const std::string title = Title();
    const bool defaultTitled = FindWindowA(nullptr, "Lumora") != nullptr;
    const bool overlay = FindWindowA(kOverlayClass, nullptr) != nullptr;
    const bool configuredTitled = FindWindowA(nullptr, title.c_str()) != nullptr;
    return IsOtherInstance(overlay, defaultTitled, configuredTitled);
}

void CVexoApp::LoadSettings() { settings_ = ReadVexoSettings(fw::Ini(), settingsPath_); }

void CVexoApp::RegisterToolbarClass() const
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VEXO));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    wc.lpszClassName = kToolbarClass;
    if (!RegisterClassA(&wc) && wc.hbrBackground) DeleteObject(wc.hbrBackground);
}

bool CVexoApp::InitInstance(const std::string& commandLine)
{
    fw::ScopedGdiplus gdiplus;
    RegisterToolbarClass();

    if (g_vexoInstanceFlag == 1) return true;
    g_vexoInstanceFlag = 1;
    if (CheckOtherInstance()) return false;

    commandLine_ = ParseVexoCommandLine(commandLine);
    fileKind_ = FileKindOf(commandLine_.fileName);
    EnsureSettingsFile();
    LoadSettings();
    SetPressureQuery(&g_wintabPressure);

    RunToolbar();

    g_vexoInstanceFlag = 0;
    gdiplus.Shutdown();
    return false;
}

INT_PTR CVexoApp::RunToolbar()
{
    if (ToolbarStyleFrom(settings_.style) == ToolbarStyle::Compact) {
        CVexoDlg1 dlg(*this);
        return dlg.Run();
    }
    CVexoDlg dlg(*this, IDD_VEXO_TOOLBAR);
    return dlg.Run();
}

bool CVexoApp::LaunchProgram(const std::string& program, const std::string& arguments,
                             bool waitForExit) const
{
    // A program path with blanks ("C:\\Program Files\\...") is quoted, or the
    // started program would take its first word for its name.
    const bool quote = program.find(' ') != std::string::npos && program.front() != '"';
    std::string commandLine = (quote ? "\"" + program + "\"" : program) + " " + arguments;
    const std::string folder = GetProgramFolder();
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        return false;
    fw::ScopedHandle process(pi.hProcess);
    fw::ScopedHandle thread(pi.hThread);
    if (waitForExit) return WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0;
    return WaitForInputIdle(process, 10000) == 0;
}

void CVexoApp::OnHelp() const
{
    if (!settings_.htmlHelp) return;
    const std::string folder = GetProgramFolder();
    const std::string file = folder + kHelpFile;
    ShellExecuteA(nullptr, "open", file.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

void CVexoApp::DrawTextAt(HDC dc, int x, int y, const std::string& text, COLORREF colour,
                          int height)
{
    fw::ScopedFont font(CreateFontA(height, 0, 0, 0, 0, 0, 0, 0, 0, OUT_TT_PRECIS, 0, PROOF_QUALITY,
                                    VARIABLE_PITCH | FF_ROMAN, "Times New Roman"));
    if (!font) return;
    fw::ScopedSelect select(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetBkMode(dc, oldMode);
}
