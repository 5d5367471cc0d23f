#pragma once
// The registry and process lookups of the key actions: App Paths, the pen
// software's install folder, and the running processes of a name.
#include <windows.h>

#include "KeyActions.h"
#include "PerfData.h"

namespace tessar {

class CWin32ProgramLookup : public IProgramLookup {
public:
    std::optional<std::string> FindAppPath(const std::string& fileName) override;
    std::optional<std::string> FindInstallPath() override;
    // From the performance data of the Process object. Only a block without
    // any process object (Wine answers so) falls back to a process snapshot,
    // so that "is it running" still has a true answer there.
    std::vector<std::uint32_t> FindProcesses(const std::string& name) override;

    // The performance data block of "230 784" (empty when it cannot be read).
    static std::vector<std::uint8_t> ReadProcessPerfData();
    // Ids from a process snapshot.
    static std::vector<std::uint32_t> SnapshotProcesses(const std::string& name);
};

}  // namespace tessar
