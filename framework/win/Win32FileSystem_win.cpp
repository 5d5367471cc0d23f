#include "Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "Handle.h"

namespace fw {

bool Win32FileSystem::FileExists(const std::string& path)
{
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirExists(const std::string& path)
{
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::Read(const std::string& path, std::string& data)
{
    ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) return false;
    data.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!data.empty() && !ReadFile(file, &data[0], static_cast<DWORD>(data.size()), &got, nullptr))
        return false;
    data.resize(got);
    return true;
}

bool Win32FileSystem::Write(const std::string& path, const std::string& data)
{
    ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD put = 0;
    return data.empty() ||
           (WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &put, nullptr) &&
            put == data.size());
}

bool Win32FileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists)
{
    return CopyFileA(from.c_str(), to.c_str(), failIfExists) != 0;
}

bool Win32FileSystem::Remove(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool Win32FileSystem::MakeDir(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Win32FileSystem::Replace(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::vector<std::string> Win32FileSystem::ListFiles(const std::string& dir, const std::string& suffix)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(JoinPath(dir, "*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return names;
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::string name = fd.cFileName;
        if (name.size() >= suffix.size() &&
            lower(name.substr(name.size() - suffix.size())) == lower(suffix))
            names.push_back(name);
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return names;
}

IFileSystem& Files()
{
    static Win32FileSystem fs;
    return fs;
}

}  // namespace fw
