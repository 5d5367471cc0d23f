// The performance-data walker over any block: every id it reports comes
// from within the block, and the walk ends. The first byte gives the
// length of the process name looked for.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "PerfData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const size_t nameLength = in.Byte() % 16;
    std::string name;
    for (size_t i = 0; i < nameLength && !in.Empty(); ++i) name += static_cast<char>(in.Byte());
    // The block on its own allocation of exactly its size, so any read past
    // its end is caught.
    const std::string rest = in.Rest();
    std::vector<uint8_t> block(rest.begin(), rest.end());
    const tessar::PerfProcessScan scan = tessar::ScanPerfProcesses(block.data(), block.size(), name);
    // Each id is a 4-byte counter inside the block.
    FUZZ_CHECK(scan.ids.size() <= block.size() / 4);
    FUZZ_CHECK(scan.ids.empty() || scan.hasProcessObject);
    tessar::SameProcessName(name, name);
    tessar::ImageBaseName(name);
    return 0;
}
