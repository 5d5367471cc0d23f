// Serialising and loading a page of 10,000 strokes of 100 points, against a
// plain memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "Archive.h"
#include "Lines.h"

namespace {

void FillPage(CLines& page)
{
    for (int s = 0; s < 10000; ++s) {
        page.AddStroke(kColourTable[1 + s % 15], static_cast<uint16_t>(kPenPen + s % 3));
        for (int p = 0; p < 100; ++p) page.AddPoint(s % 1900 + p, s % 1000 + p / 2, 6, static_cast<uint32_t>(s * 100 + p));
    }
}

const std::vector<uint8_t>& PageBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        CLines page;
        FillPage(page);
        fw::CArchive ar;
        page.Serialize(ar);
        return ar.Data();
    }();
    return bytes;
}

void BM_StorePage(benchmark::State& state)
{
    CLines page;
    FillPage(page);
    for (auto _ : state) {
        fw::CArchive ar;
        page.Serialize(ar);
        benchmark::DoNotOptimize(ar.Data().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * PageBytes().size()));
}
BENCHMARK(BM_StorePage)->Unit(benchmark::kMillisecond);

void BM_LoadPage(benchmark::State& state)
{
    const auto& bytes = PageBytes();
    for (auto _ : state) {
        fw::CArchive ar(bytes);
        CLines page;
        page.Serialize(ar);
        benchmark::DoNotOptimize(page.Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadPage)->Unit(benchmark::kMillisecond);

void BM_MemcpyPage(benchmark::State& state)
{
    const auto& bytes = PageBytes();
    std::vector<uint8_t> copy(bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_MemcpyPage)->Unit(benchmark::kMillisecond);

}  // namespace
