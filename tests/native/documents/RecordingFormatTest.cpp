// Recording files: sections with their pictures, collections, the time line
// rebuilt from the layers' indices, and files that must be refused whole.
#include <gtest/gtest.h>

#include "DocumentFakes.h"
#include "RecDoc.h"
#include "Recording.h"

namespace {

using docfake::ByteWriter;
using docfake::Bytes;
using vexo::DocResult;

constexpr const char* kRec = "C:\\Talks\\lesson.Lmz";
constexpr const char* kTemp = "C:\\ProgramData\\temp.JPG";

struct Layer {
    int32_t page;
    uint32_t start;
    int32_t indexOfCollection;
    int32_t indexOfAction;
};

ByteWriter& LayerRecord(ByteWriter& w, const Layer& l, uint32_t strokes = 0)
{
    w.i32(l.page).u32(l.start).i32(l.indexOfCollection).i32(l.indexOfAction).u32(strokes);
    for (uint32_t i = 0; i < strokes; ++i)
        w.stroke(1, 7, 8, 7, 8, 0xFF, kPenPen, 0).point(7, 8, 1, l.start + 10 * (i + 1));
    return w;
}

ByteWriter& SectionRecord(ByteWriter& w, const Layer& l, const std::string& jpeg = "FAKEJPEG 4 3 255",
                          uint32_t strokes = 0)
{
    w.i32(0).i32(0).i32(4).i32(3).u32(static_cast<uint32_t>(jpeg.size())).bytes(jpeg);
    return LayerRecord(w, l, strokes);
}

// The player's part: the recording, read and written whole.
class PlayerOwner : public vexo::IDocumentOwner {
public:
    PlayerOwner(RecordingFiles& files) : files_(files) {}
    CRecording recording;
    void Serialize(fw::CArchive& ar) override { recording.Serialize(ar, files_); }

private:
    RecordingFiles& files_;
};

class RecordingFormat : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* dir : {"C:", "C:\\Talks", "C:\\ProgramData"}) fs.MakeDir(dir);
    }
    DocResult Open(const Bytes& bytes)
    {
        fs.Write(kRec, docfake::Str(bytes));
        return vexo::CRecDoc(fs).Open(kRec, player);
    }
    Bytes Saved()
    {
        EXPECT_EQ(vexo::CRecDoc(fs).Save(kRec, player), DocResult::kOk);
        std::string data;
        fs.Read(kRec, data);
        return docfake::ToBytes(data);
    }
    // Page 1, then page 2, then page 1 again.
    static Bytes ThreeVisits()
    {
        ByteWriter w;
        w.u32(2).u32(1);
        SectionRecord(w, {1, 0, 0, 0}, "FAKEJPEG 4 3 255", 1);
        SectionRecord(w, {2, 100, -1, 1}, "FAKEJPEG 4 3 65280");
        LayerRecord(w, {1, 200, -1, 2}, 2);
        return w.out;
    }

    docfake::FailingWrites fs;
    docfake::FakePictures pictures{fs};
    RecordingFiles files{fs, pictures, kTemp};
    PlayerOwner player{files};
};

TEST_F(RecordingFormat, ANoLayerRecordingIsEightZeroBytes)
{
    EXPECT_EQ(Saved(), Bytes(8, 0));
    ASSERT_EQ(Open(Bytes(8, 0)), DocResult::kOk);
    uint32_t end = 1234;
    EXPECT_FALSE(player.recording.SliderEnd(end));
    EXPECT_EQ(end, 1234u);
}

TEST_F(RecordingFormat, LoadingLinksTheTimeLineAndSavingGivesTheSameBytes)
{
    const Bytes file = ThreeVisits();
    ASSERT_EQ(Open(file), DocResult::kOk);
    CRecording& r = player.recording;
    ASSERT_EQ(r.sections.size(), 2u);
    ASSERT_EQ(r.collections.size(), 1u);
    ASSERT_EQ(r.actions.size(), 3u);
    EXPECT_EQ(r.actions[0], r.sections[0].get());
    EXPECT_EQ(r.actions[1], r.sections[1].get());
    EXPECT_EQ(r.actions[2], r.collections[0].get());
    EXPECT_EQ(r.collections[0]->Parent(), r.sections[0].get());
    EXPECT_EQ(r.collections[0]->Root(), r.sections[0].get());
    EXPECT_EQ(r.collections[0]->Lines().Count(), 2);

    // The pictures came back through the library and its temporary file.
    auto* first = static_cast<docfake::FakePicture*>(r.sections[0]->Picture());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->colour, 255u);
    EXPECT_EQ(static_cast<docfake::FakePicture*>(r.sections[1]->Picture())->colour, 65280u);
    EXPECT_TRUE(fs.FileExists(kTemp));

    uint32_t end = 0;
    ASSERT_TRUE(r.SliderEnd(end));
    EXPECT_EQ(end, 220u) << "the collection's last point";

    EXPECT_EQ(Saved(), file);
}

TEST_F(RecordingFormat, ASectionWhosePictureCannotBeReadGetsAnUnpaintedOne)
{
    ByteWriter w;
    w.u32(1).u32(0);
    SectionRecord(w, {3, 0, -1, 0}, "not a picture at all");
    ASSERT_EQ(Open(w.out), DocResult::kOk);
    auto* picture = static_cast<docfake::FakePicture*>(player.recording.sections[0]->Picture());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->colour, docfake::kUnpainted);
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 3);
}

TEST_F(RecordingFormat, ABrokenFileIsRefusedWholeAndTheRecordingStays)
{
    auto build = [](auto&& fill) {
        ByteWriter w;
        fill(w);
        return w.out;
    };
    const Bytes good = ThreeVisits();
    struct Case {
        const char* what;
        Bytes file;
        DocResult result;
    } cases[] = {
        {"cut inside the picture", Bytes(good.begin(), good.begin() + 8 + 20 + 5), DocResult::kCutShort},
        {"cut inside the rectangle block", Bytes(good.begin(), good.begin() + 8 + 10), DocResult::kCutShort},
        {"cut inside a collection's point", Bytes(good.begin(), good.end() - 4), DocResult::kCutShort},
        {"more sections than the file holds", build([](ByteWriter& w) { w.u32(0x7FFFFFFF).u32(0); }),
         DocResult::kCutShort},
        {"more collections than the file holds", build([](ByteWriter& w) { w.u32(0).u32(0xFFFFFFF0); }),
         DocResult::kCutShort},
        {"a picture longer than the file",
         build([](ByteWriter& w) { w.u32(1).u32(0).i32(0).i32(0).i32(4).i32(3).u32(0xFFFFFFF0).bytes("FAKE"); }),
         DocResult::kCutShort},
        {"a byte after the last layer", [&] { Bytes b = good; b.push_back(1); return b; }(),
         DocResult::kNotADocument},
        {"a position outside the time line",
         build([](ByteWriter& w) { w.u32(1).u32(0); SectionRecord(w, {1, 0, -1, 1}); }),
         DocResult::kInvalidArgument},
        {"a collection index outside the collections",
         build([](ByteWriter& w) { w.u32(1).u32(0); SectionRecord(w, {1, 0, 0, 0}); }),
         DocResult::kInvalidArgument},
        {"two layers at one position (a gap)",
         build([](ByteWriter& w) {
             w.u32(2).u32(0);
             SectionRecord(w, {1, 0, -1, 0});
             SectionRecord(w, {2, 5, -1, 0});
         }),
         DocResult::kInvalidArgument},
        {"a layer never placed",
         build([](ByteWriter& w) { w.u32(1).u32(0); SectionRecord(w, {1, 0, -1, -1}); }),
         DocResult::kInvalidArgument},
        {"a collection without a parent",
         build([](ByteWriter& w) {
             w.u32(1).u32(1);
             SectionRecord(w, {1, 0, -1, 0});
             LayerRecord(w, {1, 5, -1, 1});
         }),
         DocResult::kInvalidArgument},
        {"a collection named by two layers",
         build([](ByteWriter& w) {
             w.u32(2).u32(1);
             SectionRecord(w, {1, 0, 0, 0});
             SectionRecord(w, {2, 3, 0, 1});
             LayerRecord(w, {1, 5, -1, 2});
         }),
         DocResult::kInvalidArgument},
        {"collections continuing each other in a ring",
         build([](ByteWriter& w) {
             w.u32(1).u32(2);
             SectionRecord(w, {1, 0, -1, 0});
             LayerRecord(w, {1, 5, 1, 1});
             LayerRecord(w, {1, 9, 0, 2});
         }),
         DocResult::kInvalidArgument},
    };
    ASSERT_EQ(Open(good), DocResult::kOk);
    const CLayer* before = player.recording.actions[2];
    for (const Case& c : cases) {
        EXPECT_EQ(Open(c.file), c.result) << c.what;
        ASSERT_EQ(player.recording.actions.size(), 3u) << c.what;
        EXPECT_EQ(player.recording.actions[2], before) << c.what;
    }
    EXPECT_EQ(vexo::CRecDoc(fs).Open("C:\\Talks\\none.Lmz", player), DocResult::kCannotOpen);
}

TEST_F(RecordingFormat, ASaveWithoutItsPictureFailsAndKeepsTheEarlierFile)
{
    ASSERT_EQ(Open(ThreeVisits()), DocResult::kOk);
    pictures.writes = false;  // the library leaves no file
    EXPECT_EQ(vexo::CRecDoc(fs).Save(kRec, player), DocResult::kCannotSave);
    std::string data;
    fs.Read(kRec, data);
    EXPECT_EQ(docfake::ToBytes(data), ThreeVisits());
    EXPECT_FALSE(fs.FileExists(std::string(kRec) + ".saving"));
}

}  // namespace

#include "StartupFile.h"

TEST(StartupFile, OnlyALowerCaseFlmzNameIsADocument)
{
    using vexo::StartupOpen;
    const struct {
        const char* commandLine;
        StartupOpen open;
    } cases[] = {
        {"", StartupOpen::kNothing},
        {"C:\\talk.flmz", StartupOpen::kDocument},
        {"C:\\TALK.FLMZ", StartupOpen::kRecording},
        {"C:\\lesson.Lmz", StartupOpen::kRecording},
        {"\"C:\\My Talks\\notes.txt\"", StartupOpen::kRecording},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vexo::StartupOpenFor(ParseVexoCommandLine(c.commandLine)), c.open) << c.commandLine;
}
