#include "PerfData.h"

#include <cctype>
#include <cstring>

namespace tessar {

namespace {

// Offsets of the fields read, in the little-endian layout the platform
// writes (the same for 32- and 64-bit programs).
constexpr std::size_t kBlockHeaderLength = 24;   // PERF_DATA_BLOCK.HeaderLength
constexpr std::size_t kBlockNumObjects = 28;     // .NumObjectTypes
constexpr std::size_t kBlockMinSize = 88;
constexpr std::size_t kObjTotalLength = 0;       // PERF_OBJECT_TYPE.TotalByteLength
constexpr std::size_t kObjDefinitionLength = 4;
constexpr std::size_t kObjHeaderLength = 8;
constexpr std::size_t kObjNameIndex = 12;
constexpr std::size_t kObjNumCounters = 32;
constexpr std::size_t kObjNumInstances = 40;
constexpr std::size_t kObjMinSize = 64;
constexpr std::size_t kCtrByteLength = 0;        // PERF_COUNTER_DEFINITION.ByteLength
constexpr std::size_t kCtrNameIndex = 4;
constexpr std::size_t kCtrSize = 32;
constexpr std::size_t kCtrOffset = 36;
constexpr std::size_t kCtrMinSize = 40;
constexpr std::size_t kInstByteLength = 0;       // PERF_INSTANCE_DEFINITION.ByteLength
constexpr std::size_t kInstNameOffset = 16;
constexpr std::size_t kInstNameLength = 20;
constexpr std::size_t kInstMinSize = 24;
constexpr std::size_t kCounterBlockMinSize = 4;  // PERF_COUNTER_BLOCK.ByteLength

// A bounded view: reads outside [begin, end) fail.
struct Span {
    const std::uint8_t* data;
    std::size_t begin;
    std::size_t end;

    bool Has(std::size_t at, std::size_t len) const
    {
        return at >= begin && at <= end && len <= end - at;
    }
    bool U32(std::size_t at, std::uint32_t& out) const
    {
        if (!Has(at, 4)) return false;
        out = static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
              static_cast<std::uint32_t>(data[at + 2]) << 16 |
              static_cast<std::uint32_t>(data[at + 3]) << 24;
        return true;
    }
    Span Sub(std::size_t at, std::size_t len) const { return {data, at, at + len}; }
};

// The instance's UTF-16 name, narrowed; names with characters outside ASCII
// cannot equal an ASCII process name and come back with '?' in their place.
bool InstanceName(const Span& inst, std::string& out)
{
    std::uint32_t offset = 0, length = 0;
    if (!inst.U32(inst.begin + kInstNameOffset, offset) ||
        !inst.U32(inst.begin + kInstNameLength, length))
        return false;
    const std::size_t at = inst.begin + offset;
    if (offset < kInstMinSize || !inst.Has(at, length)) return false;
    out.clear();
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const unsigned ch = inst.data[at + i] | inst.data[at + i + 1] << 8;
        if (ch == 0) break;
        out.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
    }
    return true;
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Where the ID Process counter sits in each instance's counter block.
bool FindIdCounter(const Span& obj, std::uint32_t headerLength, std::uint32_t definitionLength,
                   std::uint32_t& offset, std::uint32_t& size)
{
    std::uint32_t count = 0;
    if (!obj.U32(obj.begin + kObjNumCounters, count)) return false;
    std::size_t at = obj.begin + headerLength;
    const Span defs = obj.Sub(obj.begin, definitionLength);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t len = 0, index = 0;
        if (!defs.Has(at, kCtrMinSize) || !defs.U32(at + kCtrByteLength, len) ||
            len < kCtrMinSize || !defs.Has(at, len))
            return false;
        defs.U32(at + kCtrNameIndex, index);
        if (index == kPerfIdProcessCounter) {
            defs.U32(at + kCtrSize, size);
            defs.U32(at + kCtrOffset, offset);
            return size == 4 || size == 8;
        }
        at += len;
    }
    return false;
}

void ScanProcessObject(const Span& obj, const std::string& name, PerfProcessScan& scan)
{
    std::uint32_t definitionLength = 0, headerLength = 0, counterOffset = 0, counterSize = 0;
    std::uint32_t numInstances = 0;
    if (!obj.U32(obj.begin + kObjDefinitionLength, definitionLength) ||
        !obj.U32(obj.begin + kObjHeaderLength, headerLength) ||
        !obj.U32(obj.begin + kObjNumInstances, numInstances))
        return;
    if (headerLength < kObjMinSize || definitionLength < headerLength ||
        !obj.Has(obj.begin, definitionLength))
        return;
    if (!FindIdCounter(obj, headerLength, definitionLength, counterOffset, counterSize)) return;
    // PERF_NO_INSTANCES (-1) and any other negative count: nothing to walk.
    if (static_cast<std::int32_t>(numInstances) <= 0) return;

    std::size_t at = obj.begin + definitionLength;
    for (std::uint32_t i = 0; i < numInstances; ++i) {
        std::uint32_t instLength = 0, blockLength = 0;
        if (!obj.U32(at + kInstByteLength, instLength) || instLength < kInstMinSize ||
            !obj.Has(at, instLength))
            return;
        const Span inst = obj.Sub(at, instLength);
        const std::size_t block = at + instLength;
        if (!obj.U32(block, blockLength) || blockLength < kCounterBlockMinSize ||
            !obj.Has(block, blockLength))
            return;
        std::string instName;
        if (InstanceName(inst, instName) && EqualNoCase(instName, name)) {
            const Span counters = obj.Sub(block, blockLength);
            std::uint32_t id = 0;
            if (counterOffset >= kCounterBlockMinSize && counters.Has(block + counterOffset, counterSize) &&
                counters.U32(block + counterOffset, id))
                scan.ids.push_back(id);
        }
        at = block + blockLength;
    }
}

}  // namespace

PerfProcessScan ScanPerfProcesses(const std::uint8_t* data, std::size_t size, const std::string& name)
{
    PerfProcessScan scan;
    if (!data || size < kBlockMinSize) return scan;
    const Span all = {data, 0, size};
    if (std::memcmp(data, "P\0E\0R\0F\0", 8) != 0) return scan;
    std::uint32_t headerLength = 0, numObjects = 0;
    all.U32(kBlockHeaderLength, headerLength);
    all.U32(kBlockNumObjects, numObjects);
    if (headerLength < kBlockMinSize) return scan;

    std::size_t at = headerLength;
    for (std::uint32_t i = 0; i < numObjects; ++i) {
        std::uint32_t total = 0, index = 0;
        // A length that would not move on, or would leave the block, ends the walk.
        if (!all.U32(at + kObjTotalLength, total) || total < kObjMinSize || !all.Has(at, total))
            break;
        all.U32(at + kObjNameIndex, index);
        if (index == kPerfProcessObject) {
            scan.hasProcessObject = true;
            if (!name.empty()) ScanProcessObject(all.Sub(at, total), name, scan);
        }
        at += total;
    }
    return scan;
}

std::string ImageBaseName(const std::string& imageName)
{
    const std::size_t dot = imageName.rfind('.');
    return dot == std::string::npos ? imageName : imageName.substr(0, dot);
}

bool SameProcessName(const std::string& imageName, const std::string& name)
{
    return !name.empty() && EqualNoCase(ImageBaseName(imageName), name);
}

}  // namespace tessar
