#include "FileSystem.h"

#include <algorithm>
#include <cctype>

namespace fw {

namespace {
bool IsSep(char c) { return c == '\\' || c == '/'; }

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool EndsWithNoCase(const std::string& s, const std::string& suffix)
{
    return s.size() >= suffix.size() &&
           Lower(s.substr(s.size() - suffix.size())) == Lower(suffix);
}
}  // namespace

std::string ParentPath(const std::string& path)
{
    size_t end = path.size();
    while (end > 0 && IsSep(path[end - 1])) --end;
    while (end > 0 && !IsSep(path[end - 1])) --end;
    while (end > 0 && IsSep(path[end - 1])) --end;
    return path.substr(0, end);
}

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty()) return name;
    std::string out = dir;
    while (!out.empty() && IsSep(out.back())) out.pop_back();
    size_t start = 0;
    while (start < name.size() && IsSep(name[start])) ++start;
    return out + "\\" + name.substr(start);
}

std::string NormalisePath(const std::string& path)
{
    std::string out = Lower(path);
    std::replace(out.begin(), out.end(), '/', '\\');
    while (out.size() > 1 && out.back() == '\\') out.pop_back();
    return out;
}

bool MemoryFileSystem::FileExists(const std::string& path)
{
    return files_.count(NormalisePath(path)) != 0;
}

bool MemoryFileSystem::DirExists(const std::string& path)
{
    return dirs_.count(NormalisePath(path)) != 0;
}

bool MemoryFileSystem::Read(const std::string& path, std::string& data)
{
    auto it = files_.find(NormalisePath(path));
    if (it == files_.end()) return false;
    data = it->second.data;
    return true;
}

bool MemoryFileSystem::Write(const std::string& path, const std::string& data)
{
    std::string parent = ParentPath(path);
    if (!parent.empty() && !DirExists(parent)) return false;
    auto& file = files_[NormalisePath(path)];
    if (file.name.empty()) {
        size_t cut = path.find_last_of("\\/");
        file.name = cut == std::string::npos ? path : path.substr(cut + 1);
    }
    file.data = data;
    return true;
}

bool MemoryFileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists)
{
    std::string data;
    if (!Read(from, data)) return false;
    if (failIfExists && FileExists(to)) return false;
    return Write(to, data);
}

bool MemoryFileSystem::Remove(const std::string& path)
{
    return files_.erase(NormalisePath(path)) != 0;
}

bool MemoryFileSystem::MakeDir(const std::string& path)
{
    std::string parent = ParentPath(path);
    if (!parent.empty() && parent.find_first_of("\\/") != std::string::npos && !DirExists(parent))
        return false;
    dirs_[NormalisePath(path)] = true;
    return true;
}

bool MemoryFileSystem::Replace(const std::string& from, const std::string& to)
{
    auto it = files_.find(NormalisePath(from));
    if (it == files_.end() || DirExists(to)) return false;
    const std::string parent = ParentPath(to);
    if (!parent.empty() && !DirExists(parent)) return false;
    File moved = std::move(it->second);
    files_.erase(it);
    // The file keeps the name it is given now, as a rename does.
    size_t cut = to.find_last_of("\\/");
    moved.name = cut == std::string::npos ? to : to.substr(cut + 1);
    files_[NormalisePath(to)] = std::move(moved);
    return true;
}

std::vector<std::string> MemoryFileSystem::ListFiles(const std::string& dir, const std::string& suffix)
{
    std::vector<std::string> names;
    std::string key = NormalisePath(dir);
    for (const auto& [path, file] : files_) {
        if (ParentPath(path) == key && EndsWithNoCase(file.name, suffix)) names.push_back(file.name);
    }
    return names;
}

}  // namespace fw
