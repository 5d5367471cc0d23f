// The process list read from hand-built performance data blocks, including
// blocks whose lengths lie.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "PerfData.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    if (b.size() < at + 4) b.resize(at + 4);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Instance {
    std::string name;
    std::uint32_t id;
};

// One object type: 64-byte header, the given counters (40 bytes each; the
// ID counter at offset 8 of each instance's counter block), then instances.
Bytes Object(std::uint32_t index, const std::vector<std::uint32_t>& counters,
             const std::vector<Instance>& instances, bool noInstances = false)
{
    Bytes o(64, 0);
    const std::uint32_t definition = 64 + 40 * static_cast<std::uint32_t>(counters.size());
    Put32(o, 4, definition);
    Put32(o, 8, 64);
    Put32(o, 12, index);
    Put32(o, 32, static_cast<std::uint32_t>(counters.size()));
    Put32(o, 40, noInstances ? 0xFFFFFFFFu : static_cast<std::uint32_t>(instances.size()));
    for (std::size_t i = 0; i < counters.size(); ++i) {
        const std::size_t at = 64 + 40 * i;
        Put32(o, at, 40);
        Put32(o, at + 4, counters[i]);
        Put32(o, at + 32, 4);
        Put32(o, at + 36, 8 + 4 * static_cast<std::uint32_t>(i));
    }
    o.resize(definition);
    for (const Instance& inst : instances) {
        const std::size_t start = o.size();
        const std::uint32_t nameBytes = static_cast<std::uint32_t>(inst.name.size() + 1) * 2;
        const std::uint32_t length = (24 + nameBytes + 7) & ~7u;
        o.resize(start + length, 0);
        Put32(o, start, length);
        Put32(o, start + 16, 24);
        Put32(o, start + 20, nameBytes);
        for (std::size_t i = 0; i < inst.name.size(); ++i) o[start + 24 + 2 * i] = static_cast<std::uint8_t>(inst.name[i]);
        const std::size_t block = o.size();
        const std::uint32_t blockLength = 8 + 4 * static_cast<std::uint32_t>(counters.size());
        o.resize(block + blockLength, 0);
        Put32(o, block, blockLength);
        for (std::size_t i = 0; i < counters.size(); ++i)
            Put32(o, block + 8 + 4 * i, counters[i] == 784 ? inst.id : 0xDEAD);
    }
    Put32(o, 0, static_cast<std::uint32_t>(o.size()));
    return o;
}

Bytes Block(const std::vector<Bytes>& objects)
{
    Bytes b(88, 0);
    std::memcpy(b.data(), "P\0E\0R\0F\0", 8);
    Put32(b, 24, 88);
    Put32(b, 28, static_cast<std::uint32_t>(objects.size()));
    for (const Bytes& o : objects) b.insert(b.end(), o.begin(), o.end());
    Put32(b, 20, static_cast<std::uint32_t>(b.size()));
    return b;
}

tessar::PerfProcessScan Scan(const Bytes& b, const std::string& name)
{
    return tessar::ScanPerfProcesses(b.data(), b.size(), name);
}

const std::vector<Instance> kProcesses = {
    {"Idle", 0}, {"explorer", 1200}, {"Vexo", 3100}, {"vexo", 3300}, {"Vexon", 3500}, {"_Total", 0}};

TEST(PerfData, FindsEveryInstanceOfTheNameWithoutRegardToCase)
{
    const Bytes b = Block({Object(2, {10}, {{"cpu", 1}}), Object(230, {6, 784}, kProcesses)});
    const tessar::PerfProcessScan scan = Scan(b, "VEXO");
    EXPECT_TRUE(scan.hasProcessObject);
    EXPECT_EQ(scan.ids, (std::vector<std::uint32_t>{3100, 3300}));
    EXPECT_TRUE(Scan(b, "vex").ids.empty());
    EXPECT_TRUE(Scan(b, "").ids.empty());
}

TEST(PerfData, ABlockWithoutAProcessObjectSaysSo)
{
    EXPECT_FALSE(Scan(Block({Object(2, {10}, {{"cpu", 1}})}), "Vexo").hasProcessObject);
    EXPECT_FALSE(Scan(Block({}), "Vexo").hasProcessObject);
    EXPECT_FALSE(Scan(Bytes(10, 0), "Vexo").hasProcessObject);
    Bytes notPerf = Block({Object(230, {784}, kProcesses)});
    notPerf[0] = 'X';
    EXPECT_FALSE(Scan(notPerf, "Vexo").hasProcessObject);
    // A process object without instances, or without the ID counter.
    EXPECT_TRUE(Scan(Block({Object(230, {784}, {}, true)}), "Vexo").hasProcessObject);
    EXPECT_TRUE(Scan(Block({Object(230, {6}, kProcesses)}), "Vexo").ids.empty());
}

TEST(PerfData, TruncatedBlocksGiveWhatLiesInsideThem)
{
    const Bytes full = Block({Object(230, {784}, kProcesses)});
    for (std::size_t size = 0; size < full.size(); ++size) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        const tessar::PerfProcessScan scan = Scan(cut, "Vexo");
        // The object's own length reaches past the cut: it is not walked.
        EXPECT_FALSE(scan.hasProcessObject) << size;
        EXPECT_TRUE(scan.ids.empty()) << size;
    }
}

struct Lie {
    const char* what;
    std::size_t at;  // offset inside the process object
    std::uint32_t value;
};

class PerfDataLies : public ::testing::TestWithParam<Lie> {};

TEST_P(PerfDataLies, ALengthOrOffsetPointingOutsideIsNotFollowed)
{
    Bytes object = Object(230, {784}, kProcesses);
    Put32(object, GetParam().at, GetParam().value);
    const Bytes b = Block({object, Object(230, {784}, {{"Vexo", 9}})});
    const tessar::PerfProcessScan scan = Scan(b, "Vexo");
    for (std::uint32_t id : scan.ids) EXPECT_TRUE(id == 3100 || id == 3300 || id == 9) << id;
}

// Offsets: object header 0..63, one counter 64..103, first instance at 104
// (24-byte header, name "Idle" 10 bytes, padded to 40), its counter block at 144.
INSTANTIATE_TEST_SUITE_P(
    Lengths, PerfDataLies,
    ::testing::Values(Lie{"object length huge", 0, 0xFFFFFFF0u}, Lie{"object length zero", 0, 0},
                      Lie{"definition beyond object", 4, 0x7FFFFFFFu},
                      Lie{"header shorter than itself", 8, 4}, Lie{"counter count huge", 32, 100000},
                      Lie{"counter length zero", 64, 0}, Lie{"counter offset outside", 64 + 36, 0xFFFFFFF0u},
                      Lie{"instance count huge", 40, 0x7FFFFFFFu},
                      Lie{"instance length zero", 104, 0}, Lie{"instance length huge", 104, 0xFFFFFF00u},
                      Lie{"name offset outside", 104 + 16, 0xFFFFFFF0u},
                      Lie{"name length outside", 104 + 20, 0xFFFFFFF0u},
                      Lie{"counter block length zero", 144, 0},
                      Lie{"counter block length huge", 144, 0xFFFFFFF0u}));

TEST(PerfData, ImageNamesCompareWithoutTheirExtension)
{
    EXPECT_EQ(tessar::ImageBaseName("Vexo.exe"), "Vexo");
    EXPECT_EQ(tessar::ImageBaseName("my.app.exe"), "my.app");
    EXPECT_EQ(tessar::ImageBaseName("noext"), "noext");
    EXPECT_TRUE(tessar::SameProcessName("VEXO.EXE", "vexo"));
    EXPECT_FALSE(tessar::SameProcessName("Vexo.exe", ""));
    EXPECT_FALSE(tessar::SameProcessName("Vexon.exe", "Vexo"));
}

}  // namespace
