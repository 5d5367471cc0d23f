#pragma once
// What replacing a file does, as one table for the in-memory file system of
// the native tests and for the Win32 one under Wine, so that the native
// tests cannot rely on a behaviour Windows does not have.
#include <string>
#include <vector>

#include "FileSystem.h"

namespace filecases {

struct ReplaceCase {
    const char* what;
    const char* from;            // name inside the folder
    const char* to;
    bool fromExists;
    bool toExists;               // as a file holding "old"
    bool toIsFolder;
    bool ok;                     // what Replace reports
    const char* toAfter;         // the target's content afterwards ("" = missing)
    bool fromAfter;              // whether the source still exists
};

inline const std::vector<ReplaceCase>& ReplaceCases()
{
    static const std::vector<ReplaceCase> cases = {
        {"onto a missing file", "a.saving", "a.flmz", true, false, false, true, "new", false},
        {"over an existing file", "b.saving", "b.flmz", true, true, false, true, "new", false},
        {"from a missing file", "d.saving", "d.flmz", false, true, false, false, "old", false},
        {"onto a folder", "e.saving", "e.flmz", true, false, true, false, "", true},
        {"into a missing folder", "f.saving", "nofolder\\f.flmz", true, false, false, false, "", true},
    };
    return cases;
}

// Runs one case in folder (which exists and is empty of these names);
// returns a description of every difference from the table.
inline std::vector<std::string> RunReplaceCase(fw::IFileSystem& fs, const std::string& folder, const ReplaceCase& c)
{
    std::vector<std::string> faults;
    const std::string from = fw::JoinPath(folder, c.from), to = fw::JoinPath(folder, c.to);
    if (c.fromExists) fs.Write(from, "new");
    if (c.toExists) fs.Write(to, "old");
    if (c.toIsFolder) fs.MakeDir(to);
    if (fs.Replace(from, to) != c.ok) faults.push_back("result");
    std::string after;
    const bool toFile = fs.FileExists(to) && fs.Read(to, after);
    if ((toFile ? after : std::string()) != c.toAfter) faults.push_back("target holds '" + after + "'");
    if (fs.FileExists(from) != c.fromAfter) faults.push_back("source left or lost");
    return faults;
}

}  // namespace filecases
