// Tablet driver stand-in: plays the driver's side towards Tessar and Vexo.
// Run without a command it owns the hidden window "OrvikUSBTablet", keeps the
// tablet table in the Tablet folder, reports its start and stop to Tessar and
// shows a virtual tablet whose keys send macro key events. With a command it
// posts one driver message (or writes the table) and ends.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DriverCommandLine.h"
#include "DriverLink.h"
#include "DriverProtocol.h"
#include "PrivateProfileIni.h"
#include "TabletModels.h"
#include "VirtualTablet.h"
#include "Window.h"

namespace tabletdriver {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitNoWindow = 1;
constexpr int kExitUsage = 2;

TabletFiles PrepareTabletFiles()
{
    char folder[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE);
    const TabletFiles files = TabletFilesIn(folder);
    CreateDirectoryA((std::string(folder) + "\\Tablet").c_str(), nullptr);
    return files;
}

void Report(const std::string& text)
{
    // Scripts see this on the console; a debugger sees it too.
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
    OutputDebugStringA(text.c_str());
}

// The driver's hidden window: Tessar tells it about changed settings.
class CDriverWindow : public fw::CWindow {
public:
    static constexpr char kClassName[] = "LumoraTabletDriver";

    CDriverWindow(const TabletFiles& files, CVirtualTablet& tablet) : files_(files), tablet_(tablet) {}

    bool Open(HINSTANCE instance)
    {
        fw::CWindow::RegisterClass(instance, kClassName, 0, nullptr, nullptr);
        return Create(kClassName, kDriverWindowTitle, WS_POPUP, 0, 0, 0, 0, 0, nullptr, nullptr,
                      instance) != nullptr;
    }
    void ReadSettings() { ShowSettings(ReadDriverSettings(fw::Ini(), files_)); }

private:
    void ShowSettings(const DriverSettings& settings)
    {
        settings_ = settings;
        tablet_.ShowSettings(settings_);
    }
    LRESULT OnResponseTimeChanged(WPARAM, LPARAM)
    {
        ReadSettings();
        return 0;
    }
    LRESULT OnPointingSoundChanged(WPARAM wParam, LPARAM)
    {
        // Tessar posts the new state before it writes it: the message's word
        // is the current one.
        DriverSettings settings = ReadDriverSettings(fw::Ini(), files_);
        settings.pointingSound = wParam == 1;
        ShowSettings(settings);
        return 0;
    }
    LRESULT OnClose(WPARAM, LPARAM)
    {
        PostQuitMessage(0);
        return 0;
    }

    TabletFiles files_;
    CVirtualTablet& tablet_;
    DriverSettings settings_;

    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CDriverWindow, fw::CWindow)
    FW_ON_MESSAGE(WM_RESPONSE_TIME_CHANGED, OnResponseTimeChanged)
    FW_ON_MESSAGE(WM_POINTING_SOUND_CHANGED, OnPointingSoundChanged)
    FW_ON_MESSAGE(WM_CLOSE, OnClose)
FW_END_MESSAGE_MAP()

int RunDriver(HINSTANCE instance, const TabletModel& model)
{
    if (FindWindowA(nullptr, kDriverWindowTitle)) {
        Report("tabletdriver: a driver is already running\n");
        return kExitDone;
    }
    const TabletFiles files = PrepareTabletFiles();
    WriteTabletTable(fw::Ini(), files, model);
    WriteDriverRun(fw::Ini(), files, true);

    CVirtualTablet tablet(model);
    CDriverWindow driver(files, tablet);
    if (!driver.Open(instance) || !tablet.Open(instance)) {
        WriteDriverRun(fw::Ini(), files, false);
        return kExitNoWindow;
    }
    driver.ReadSettings();
    PostToTarget({Target::Tessar, WM_DRIVER_STARTED, 0, 0});

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    WriteDriverRun(fw::Ini(), files, false);
    PostToTarget({Target::Tessar, WM_DRIVER_STOPPED, 0, 0});
    return kExitDone;
}

int Main(HINSTANCE instance, const std::vector<std::string>& args)
{
    const DriverCommand command = ParseDriverCommandLine(args);
    switch (command.kind) {
    case CommandKind::Error:
        Report("tabletdriver: " + command.error + "\n" + UsageText());
        return kExitUsage;
    case CommandKind::Help:
        Report(UsageText());
        return kExitDone;
    case CommandKind::WriteTable:
        WriteTabletTable(fw::Ini(), PrepareTabletFiles(), *FindModel(command.model));
        return kExitDone;
    case CommandKind::Stop: {
        const HWND driver = FindWindowA(nullptr, kDriverWindowTitle);
        if (!driver) return kExitNoWindow;
        PostMessageA(driver, WM_CLOSE, 0, 0);
        return kExitDone;
    }
    case CommandKind::PostMessages:
        for (const Post& post : command.posts) {
            if (!PostToTarget(post)) {
                Report(std::string("tabletdriver: no window of class ") +
                       (post.target == Target::Tessar ? kTessarClass : kOverlayClass) + "\n");
                return kExitNoWindow;
            }
        }
        return kExitDone;
    case CommandKind::Run:
        return RunDriver(instance, *FindModel(command.model));
    }
    return kExitUsage;
}

}  // namespace
}  // namespace tabletdriver

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    return tabletdriver::Main(instance, args);
}
