// The recording loader: any bytes either load or are refused with the
// loader's own errors, a refused file leaves the recording as it was, and a
// loaded one stores and loads again to the same layers and time line.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Archive.h"
#include "DocumentFile.h"
#include "FileSystem.h"
#include "FuzzCheck.h"
#include "Picture.h"
#include "Recording.h"

namespace {

constexpr const char kTemp[] = "C:\\ProgramData\\temp.JPG";

struct Picture : vexo::IPicture {
    Picture(int w, int h) : w(w), h(h) {}
    int Width() const override { return w; }
    int Height() const override { return h; }
    int w, h;
};

// "Pictures" are files "PIC w h"; anything else is not a picture. Sizes are
// those the file claims, as a real library would report them, but nothing
// is allocated for them.
class Pictures : public vexo::IPictureLibrary {
public:
    explicit Pictures(fw::IFileSystem& fs) : fs_(fs) {}
    void WriteJpeg(const vexo::IPicture& p, const std::string& path) override
    {
        fs_.Write(path, "PIC " + std::to_string(p.Width()) + " " + std::to_string(p.Height()));
    }
    std::unique_ptr<vexo::IPicture> ReadPictureFile(const std::string& path) override
    {
        std::string data;
        int w = 0, h = 0;
        if (!fs_.Read(path, data) || std::sscanf(data.c_str(), "PIC %d %d", &w, &h) != 2) return nullptr;
        return std::make_unique<Picture>(w, h);
    }
    std::unique_ptr<vexo::IPicture> NewPicture(int w, int h) override { return std::make_unique<Picture>(w, h); }

private:
    fw::IFileSystem& fs_;
};

struct Shape {
    size_t sections, collections, actions;
    bool operator==(const Shape& o) const
    {
        return sections == o.sections && collections == o.collections && actions == o.actions;
    }
};
Shape ShapeOf(const CRecording& r) { return {r.sections.size(), r.collections.size(), r.actions.size()}; }

bool Load(CRecording& recording, RecordingFiles& files, std::vector<uint8_t> bytes)
{
    try {
        fw::CArchive in(std::move(bytes));
        recording.Serialize(in, files);
        return true;
    } catch (const fw::ArchiveError&) {
    } catch (const vexo::RecordingLinkError&) {
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fw::MemoryFileSystem fs;
    fs.MakeDir("C:");
    fs.MakeDir("C:\\ProgramData");
    Pictures pictures(fs);
    RecordingFiles files{fs, pictures, kTemp};

    // A recording already open: a refused file must leave it whole.
    CRecording recording;
    static const std::vector<uint8_t> kOneSection = [] {
        fw::CArchive ar;
        ar << uint32_t{1} << uint32_t{0};                                         // sections, collections
        ar << int32_t{0} << int32_t{0} << int32_t{4} << int32_t{3};              // rect
        const std::string pic = "PIC 4 3";
        ar << static_cast<uint32_t>(pic.size());
        ar.WriteBytes(pic.data(), pic.size());
        ar << int32_t{1} << uint32_t{0} << int32_t{-1} << int32_t{0} << uint32_t{0};  // layer, no strokes
        return ar.Data();
    }();
    FUZZ_CHECK(Load(recording, files, kOneSection));
    const Shape before = ShapeOf(recording);

    if (!Load(recording, files, std::vector<uint8_t>(data, data + size))) {
        FUZZ_CHECK(ShapeOf(recording) == before);
        return 0;
    }
    fw::CArchive out;
    try {
        recording.Serialize(out, files);
    } catch (const vexo::SaveError&) {
        return 0;  // a section without a picture to store: refused, reported by the caller
    }
    CRecording again;
    FUZZ_CHECK(Load(again, files, out.Data()));
    FUZZ_CHECK(ShapeOf(again) == ShapeOf(recording));
    for (size_t i = 0; i < recording.actions.size(); ++i)
        FUZZ_CHECK(recording.actions[i]->startTime == again.actions[i]->startTime);
    return 0;
}
