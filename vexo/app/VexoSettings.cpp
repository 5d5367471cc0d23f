#include "VexoSettings.h"

#include <cstdio>

ToolbarStyle ToolbarStyleFrom(int style)
{
    switch (style) {
    case 1: return ToolbarStyle::Compact;
    case 2: return ToolbarStyle::Large;
    default: return ToolbarStyle::Classic;
    }
}

VexoSettings ReadVexoSettings(fw::IIniStore& ini, const std::string& settingsPath)
{
    using namespace vexo_ini;
    VexoSettings s;
    s.style = ini.GetInt(settingsPath, kSectionUI, kKeyStyle, 0);
    s.htmlHelp = ini.GetInt(settingsPath, kSectionUI, kKeyHtmlHelp, 0);
    s.transparent = ini.GetInt(settingsPath, kSectionUI, kKeyTransparent, 0);
    // The compact toolbar only works over the live screen.
    if (s.style == 1) s.transparent = 1;
    return s;
}

std::string ReadVexoTitle(fw::IIniStore& ini, const std::string& settingsPath,
                          const std::string& defaultTitle)
{
    using namespace vexo_ini;
    return ini.GetString(settingsPath, kSectionName, kKeyTitle, defaultTitle, kTitleBufSize);
}

std::string DefaultDatedFileName(int month, int day, int year)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d%02d%d-0", month, day, year);
    return buf;
}

CommandLineInfo ParseVexoCommandLine(const std::string& arguments)
{
    CommandLineInfo info;
    size_t i = 0;
    while (i < arguments.size()) {
        while (i < arguments.size() && (arguments[i] == ' ' || arguments[i] == '\t')) ++i;
        if (i >= arguments.size()) break;
        std::string arg;
        bool quoted = false;
        for (; i < arguments.size(); ++i) {
            char c = arguments[i];
            if (c == '"') { quoted = !quoted; continue; }
            if (!quoted && (c == ' ' || c == '\t')) break;
            arg += c;
        }
        if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) continue;  // a switch
        if (!info.openFile) {
            info.openFile = true;
            info.fileName = arg;
        }
    }
    return info;
}

CommandLineFileKind FileKindOf(const std::string& fileName)
{
    return fileName.size() >= 4 && fileName.compare(fileName.size() - 4, 4, "flmz") == 0
               ? kFileKindDocument
               : kFileKindRecording;
}

bool IsOtherInstance(bool overlayFound, bool defaultTitleFound, bool configuredTitleFound)
{
    return overlayFound && (defaultTitleFound || configuredTitleFound);
}
