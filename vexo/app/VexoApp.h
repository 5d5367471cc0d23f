#pragma once
// Vexo's application object: start-up, the single-instance rule, the settings
// file and the services other parts of the program call.
#include <windows.h>

#include <string>

#include "VexoSettings.h"

class CVexoApp {
public:
    explicit CVexoApp(HINSTANCE instance);

    // The start-up sequence; runs the toolbar for the life of the program.
    // Returns true only when a second start found the instance flag set (the
    // process then ends without a window).
    bool InitInstance(const std::string& commandLine);

    static std::string GetCommonAppDataFolder();
    static std::string GetProgramFolder();
    static std::string GetProgramFilesFolder();
    // Copies the template next to the program to the settings path when no
    // settings file exists yet; failures leave the defaults in force.
    void EnsureSettingsFile() const;
    static void EnsureSettingsFile(const std::string& settingsPath, const std::string& templatePath);
    // True when a Vexo with its overlay window already runs.
    bool CheckOtherInstance() const;
    bool LaunchProgram(const std::string& program, const std::string& arguments,
                       bool waitForExit) const;
    void OnHelp() const;
    static void DrawTextAt(HDC dc, int x, int y, const std::string& text, COLORREF colour,
                           int height);

    // Reads [UI] into the application state.
    void LoadSettings();
    std::string Title() const;
    std::string DefaultTitle() const;

    HINSTANCE Instance() const { return instance_; }
    const std::string& SettingsPath() const { return settingsPath_; }
    void SetSettingsPath(const std::string& path) { settingsPath_ = path; }
    const VexoSettings& Settings() const { return settings_; }
    const CommandLineInfo& CommandLine() const { return commandLine_; }
    CommandLineFileKind FileKind() const { return fileKind_; }

    // The flag shared by every process of this executable file.
    static LONG InstanceFlag();
    static void SetInstanceFlag(LONG value);

    static constexpr const char kToolbarClass[] = "LUMORA";
    static constexpr const char kOverlayClass[] = "MyWnd";
    static constexpr const char kHelpFile[] = "\\Vexo.CHM";

private:
    void RegisterToolbarClass() const;
    INT_PTR RunToolbar();

    HINSTANCE instance_;
    std::string settingsPath_;
    VexoSettings settings_;
    CommandLineInfo commandLine_;
    CommandLineFileKind fileKind_ = kFileKindRecording;
};

// The process's application object.
CVexoApp& TheVexoApp();
void SetTheVexoApp(CVexoApp* app);
