#include "ExportRules.h"

#include <cstdio>

namespace vexo {

std::string JpgNamePrefix(int month, int day, int year)
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d%02d%d-", month, day, year);
    return text;
}

std::string ProposeJpgName(const std::string& stored, int month, int day, int year)
{
    const std::string prefix = JpgNamePrefix(month, day, year);
    if (stored.find(prefix) == std::string::npos) return prefix + "1";
    // Only the last character counts: after 9 comes 10, after 10 comes 1.
    const char last = stored.empty() ? '0' : stored.back();
    const int counter = (last >= '0' && last <= '9') ? last - '0' : 0;
    return prefix + std::to_string(counter + 1);
}

bool KeepsProposedName(const std::string& chosenTitle, const std::string& proposed)
{
    return !proposed.empty() && chosenTitle == proposed;
}

SaveKind SaveKindForExtension(const std::string& extension)
{
    if (extension == "jpg") return SaveKind::Picture;
    if (extension == "flmz") return SaveKind::Document;
    return SaveKind::Refused;
}

namespace {
std::size_t NameStart(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? 0 : slash + 1;
}
}  // namespace

std::string FileExtension(const std::string& path)
{
    const std::size_t start = NameStart(path);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < start) return {};
    return path.substr(dot + 1);
}

std::string FileTitle(const std::string& path)
{
    const std::size_t start = NameStart(path);
    const std::size_t dot = path.rfind('.');
    const std::size_t end = (dot == std::string::npos || dot < start) ? path.size() : dot;
    return path.substr(start, end - start);
}

bool BuildMailArguments(const std::string& title, const std::string& picturePath, std::string& arguments)
{
    // title] + title.jpg] + path]
    constexpr std::size_t kFixed = 1 + 5 + 1;
    if (picturePath.empty() || picturePath.size() + kFixed > kMailArgumentsMax) return false;
    const std::size_t room = (kMailArgumentsMax - kFixed - picturePath.size()) / 2;
    // "]" ends a field, so a title cannot carry one.
    std::string name = title.substr(0, room);
    for (char& c : name)
        if (c == ']') c = '_';
    arguments = name + "]" + name + ".jpg]" + picturePath + "]";
    return true;
}

}  // namespace vexo
