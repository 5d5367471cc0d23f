#pragma once
// The few file operations the portable core needs, so that it can run against
// the real disk on Windows and against an in-memory tree in native tests.
// Paths are Windows paths ("C:\ProgramData\Tablet\orvtbl.ini"); '/' is accepted too.
#include <map>
#include <string>
#include <vector>

namespace fw {

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirExists(const std::string& path) = 0;
    virtual bool Read(const std::string& path, std::string& data) = 0;
    virtual bool Write(const std::string& path, const std::string& data) = 0;
    // Like CopyFileA: fails when the source is missing or when failIfExists
    // is set and the target exists.
    virtual bool Copy(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool Remove(const std::string& path) = 0;
    virtual bool MakeDir(const std::string& path) = 0;
    // Like MoveFileExA with MOVEFILE_REPLACE_EXISTING: from takes the place
    // of to in one step, so a reader finds either the old or the new file.
    // Fails, changing nothing, when from is missing or to is a folder.
    // The fallback copies and removes, for file systems without a rename.
    virtual bool Replace(const std::string& from, const std::string& to)
    {
        return !DirExists(to) && Copy(from, to, false) && Remove(from);
    }
    // Names (not paths) of the files directly inside dir whose name ends with
    // suffix, compared without regard to case ("" lists every file).
    virtual std::vector<std::string> ListFiles(const std::string& dir, const std::string& suffix) = 0;
};

// Folder part of a path without its trailing separator ("C:\a\b.ini" -> "C:\a").
std::string ParentPath(const std::string& path);
// Joins with exactly one backslash.
std::string JoinPath(const std::string& dir, const std::string& name);
// Lower-case, '\' separators, no trailing separator: the key under which a
// case-insensitive file system knows a path.
std::string NormalisePath(const std::string& path);

// In-memory file tree with Windows' case-insensitive names, for tests.
class MemoryFileSystem : public IFileSystem {
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

private:
    struct File {
        std::string name;  // as first written, for listings
        std::string data;
    };
    std::map<std::string, File> files_;
    std::map<std::string, bool> dirs_;
};

}  // namespace fw
