#pragma once
// IFileSystem over the Win32 file calls.
#include "FileSystem.h"

namespace fw {

class Win32FileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) override;
    bool DirExists(const std::string& path) override;
    bool Read(const std::string& path, std::string& data) override;
    bool Write(const std::string& path, const std::string& data) override;
    bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
    bool Remove(const std::string& path) override;
    bool MakeDir(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    std::vector<std::string> ListFiles(const std::string& dir, const std::string& suffix) override;
};

IFileSystem& Files();

}  // namespace fw
