#pragma once
// The decisions of Tessar's start-up, apart from the calls that gather their
// inputs: one copy per user, and a second start hands over to the first.
#include <string>

namespace tessar {

enum class StartAction {
    PostExtraSettings,   // a copy runs and "-s" was given: ask it for the extra settings
    ShowRunningWindow,   // a copy runs: show and front its settings window
    EndSilently,         // another copy is starting and has no window yet
    RunSettingsWindow,   // this is the one copy
};

// Only the exact argument "-s" asks for the extra settings ("-s " or "-S" do not).
bool IsExtraSettingsRequest(const char* commandLine);

// runningWindow: a window of class "Tessar" exists. startFlag: the flag shared
// by every process of this executable file.
StartAction DecideStart(bool runningWindow, const char* commandLine, long startFlag);

// The application title is the executable's name without folder and extension.
std::string AppTitleFromModulePath(const std::string& modulePath);

}  // namespace tessar
