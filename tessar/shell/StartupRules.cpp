#include "StartupRules.h"

#include <cstring>

namespace tessar {

bool IsExtraSettingsRequest(const char* commandLine)
{
    return commandLine && std::strcmp(commandLine, "-s") == 0;
}

StartAction DecideStart(bool runningWindow, const char* commandLine, long startFlag)
{
    if (runningWindow)
        return IsExtraSettingsRequest(commandLine) ? StartAction::PostExtraSettings
                                                   : StartAction::ShowRunningWindow;
    if (startFlag == 1) return StartAction::EndSilently;
    return StartAction::RunSettingsWindow;
}

std::string AppTitleFromModulePath(const std::string& modulePath)
{
    const size_t slash = modulePath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace tessar
