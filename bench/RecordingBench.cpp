// Saving and loading a recording of 20 sections with 1,000 strokes of 50
// points each, against a plain memcpy of the same number of bytes. The
// pictures go through an in-memory file system and a library that writes a
// fixed 64 KB "JPEG", so the figures are the recording's own work.
#include <benchmark/benchmark.h>

#include <cstring>

#include "Archive.h"
#include "FileSystem.h"
#include "Recording.h"

namespace {

struct BlobPicture : vexo::IPicture {
    int Width() const override { return 1920; }
    int Height() const override { return 1080; }
};

class BlobPictures : public vexo::IPictureLibrary {
public:
    explicit BlobPictures(fw::IFileSystem& fs) : fs_(fs), blob_(64 * 1024, '\x5A') {}
    void WriteJpeg(const vexo::IPicture&, const std::string& path) override { fs_.Write(path, blob_); }
    std::unique_ptr<vexo::IPicture> ReadPictureFile(const std::string&) override
    {
        return std::make_unique<BlobPicture>();
    }
    std::unique_ptr<vexo::IPicture> NewPicture(int, int) override { return std::make_unique<BlobPicture>(); }

private:
    fw::IFileSystem& fs_;
    std::string blob_;
};

struct Setup {
    Setup()
    {
        fs.MakeDir("C:");
        for (int s = 0; s < 20; ++s) {
            recording.sections.push_back(std::make_unique<CSection>());
            CSection& section = *recording.sections.back();
            section.pageId = s + 1;
            section.startTime = static_cast<uint32_t>(s * 60000);
            section.rect = {0, 0, 1920, 1080};
            section.SetPicture(std::make_unique<BlobPicture>());
            section.SetIndexOfAction(s);
            for (int k = 0; k < 1000; ++k) {
                section.Lines().AddStroke(kColourTable[1 + k % 15], static_cast<uint16_t>(kPenPen + k % 3));
                for (int p = 0; p < 50; ++p)
                    section.Lines().AddPoint(k % 1900 + p, k % 1000 + p / 2, 6,
                                             section.startTime + static_cast<uint32_t>(k * 50 + p));
            }
        }
        recording.Link();
        fw::CArchive ar;
        recording.Serialize(ar, files);
        bytes = ar.Data();
    }
    fw::MemoryFileSystem fs;
    BlobPictures pictures{fs};
    RecordingFiles files{fs, pictures, "C:\\temp.JPG"};
    CRecording recording;
    std::vector<uint8_t> bytes;
};

Setup& Shared()
{
    static Setup setup;
    return setup;
}

void BM_SaveRecording(benchmark::State& state)
{
    Setup& s = Shared();
    for (auto _ : state) {
        fw::CArchive ar;
        s.recording.Serialize(ar, s.files);
        benchmark::DoNotOptimize(ar.Data().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.bytes.size()));
    state.counters["MB"] = static_cast<double>(s.bytes.size()) / 1e6;
}
BENCHMARK(BM_SaveRecording)->Unit(benchmark::kMillisecond);

void BM_LoadRecording(benchmark::State& state)
{
    Setup& s = Shared();
    for (auto _ : state) {
        fw::CArchive ar(s.bytes);
        CRecording loaded;
        loaded.Serialize(ar, s.files);
        benchmark::DoNotOptimize(loaded.actions.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.bytes.size()));
}
BENCHMARK(BM_LoadRecording)->Unit(benchmark::kMillisecond);

void BM_MemcpyRecording(benchmark::State& state)
{
    Setup& s = Shared();
    std::vector<uint8_t> copy(s.bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), s.bytes.data(), s.bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.bytes.size()));
}
BENCHMARK(BM_MemcpyRecording)->Unit(benchmark::kMillisecond);

}  // namespace
