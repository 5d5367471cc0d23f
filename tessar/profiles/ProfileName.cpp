#include "ProfileName.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tessar {

namespace {
bool IsDeviceName(const std::string& name)
{
    // Windows maps these names to devices whatever extension follows, and
    // ignores blanks before the extension.
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* d : kDevices)
        if (base == d) return true;
    if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
        base[3] >= '1' && base[3] <= '9')
        return true;
    return false;
}
}  // namespace

ProfileNameProblem CheckProfileName(const std::string& name)
{
    if (name.empty()) return ProfileNameProblem::Empty;
    for (unsigned char c : name) {
        if (c < 32 || c == 127) return ProfileNameProblem::ControlCharacter;
        if (std::strchr("\\/:*?\"<>|", c)) return ProfileNameProblem::PathCharacter;
    }
    if (name.find("..") != std::string::npos) return ProfileNameProblem::DotDot;
    if (name.front() == ' ' || name.back() == ' ') return ProfileNameProblem::OuterBlank;
    if (IsDeviceName(name)) return ProfileNameProblem::DeviceName;
    return ProfileNameProblem::None;
}

}  // namespace tessar
