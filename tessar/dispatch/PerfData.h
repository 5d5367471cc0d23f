#pragma once
// Reads the running processes out of a performance data block (the answer
// of the registry's performance key for "230 784": object type 230, Process,
// with counter 784, ID Process). The block comes from another component and
// is taken as untrusted: every length and offset is checked against the
// block and its object before it is followed, and a walk that cannot go on
// stops with what it found so far.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessar {

inline constexpr std::uint32_t kPerfProcessObject = 230;
inline constexpr std::uint32_t kPerfIdProcessCounter = 784;

struct PerfProcessScan {
    // The block holds a Process object at all. Some systems (Wine) answer
    // with a block that has none; "no process of that name" is then unknown.
    bool hasProcessObject = false;
    std::vector<std::uint32_t> ids;
};

// Process ids of the instances whose name equals name, compared without
// regard to case (instance names carry no extension).
PerfProcessScan ScanPerfProcesses(const std::uint8_t* data, std::size_t size,
                                  const std::string& name);

// An image name without its extension ("Vexo.exe" -> "Vexo").
std::string ImageBaseName(const std::string& imageName);

// Whether a running image name (with its extension) is the process name.
bool SameProcessName(const std::string& imageName, const std::string& name);

}  // namespace tessar
