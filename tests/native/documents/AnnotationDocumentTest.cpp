// Annotation documents: the page's strokes byte for byte, and opens and saves
// that fail without touching the page or the earlier file.
#include <gtest/gtest.h>

#include "DocumentFakes.h"
#include "Lines.h"
#include "RecordingCanvas.h"
#include "VexoDoc.h"

namespace {

using docfake::ByteWriter;
using docfake::Bytes;
using vexo::DocResult;

constexpr const char* kDoc = "C:\\Talks\\slide.flmz";

// The toolbar's part: the current page's strokes, repainted after a load.
class PageOwner : public vexo::IDocumentOwner {
public:
    CLines page;
    int repaints = 0;
    void Serialize(fw::CArchive& ar) override
    {
        page.Serialize(ar);
        if (ar.IsLoading()) ++repaints;
    }
};

class AnnotationDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs.MakeDir("C:");
        fs.MakeDir("C:\\Talks");
    }
    DocResult Open(const Bytes& bytes)
    {
        fs.Write(kDoc, docfake::Str(bytes));
        return vexo::CVexoDoc(fs).Open(kDoc, owner);
    }
    Bytes Saved()
    {
        EXPECT_EQ(vexo::CVexoDoc(fs).Save(kDoc, owner), DocResult::kOk);
        std::string data;
        fs.Read(kDoc, data);
        return docfake::ToBytes(data);
    }
    // One pen stroke the page holds before a failing open.
    void PutOneStroke()
    {
        owner.page.AddStroke(0x0000FF, kPenPen);
        owner.page.AddPoint(5, 6, 1, 77);
    }

    docfake::FailingWrites fs;
    PageOwner owner;
};

TEST_F(AnnotationDocument, StoresTheStrokeListFieldByField)
{
    EXPECT_EQ(Saved(), (Bytes{0, 0, 0, 0})) << "an empty page";

    owner.page.AddStroke(0x00FF00, kPenBrush);  // no points
    owner.page.AddStroke(0x123456, kPenMarker);
    owner.page.AddPoint(10, 20, 6, 1000);
    owner.page.AddPoint(-3, 25, 6, 0xFFFFFFF0);
    const Bytes expected = ByteWriter{}
                               .u32(2)
                               .stroke(0, 0, 0, 0, 0, 0x00FF00, kPenBrush, 0)
                               .stroke(2, -5, 18, 12, 27, 0x123456, kPenMarker, 0)
                               .point(10, 20, 6, 1000)
                               .point(-3, 25, 6, 0xFFFFFFF0)
                               .out;
    const Bytes saved = Saved();
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(saved.size(), 4 + 30 + 30 + 2 * 10) << "a stroke without points takes 30 bytes";

    // Loading onto a page with other strokes replaces them; saving again
    // gives the same bytes.
    PageOwner other;
    other.page.AddStroke(1, kPenPen);
    fs.Write(kDoc, docfake::Str(saved));
    ASSERT_EQ(vexo::CVexoDoc(fs).Open(kDoc, other), DocResult::kOk);
    EXPECT_EQ(other.repaints, 1);
    ASSERT_EQ(other.page.Count(), 2);
    EXPECT_EQ(other.page.At(1).GetBounds(), (InkRect{-5, 18, 12, 27}));
    ASSERT_EQ(vexo::CVexoDoc(fs).Save("C:\\Talks\\again.flmz", other), DocResult::kOk);
    std::string again;
    fs.Read("C:\\Talks\\again.flmz", again);
    EXPECT_EQ(docfake::ToBytes(again), saved);
}

TEST_F(AnnotationDocument, AStrokeErasedInTheFileLoadsButIsNotDrawn)
{
    const Bytes file = ByteWriter{}
                           .u32(1)
                           .stroke(2, 1, 1, 40, 40, 0, kPenPen, 500)
                           .point(1, 1, 6, 0)
                           .point(40, 40, 6, 10)
                           .out;
    ASSERT_EQ(Open(file), DocResult::kOk);
    ASSERT_EQ(owner.page.Count(), 1);
    EXPECT_EQ(owner.page.At(0).EraseTime(), 500u);
    RecordingCanvas canvas;
    owner.page.DrawAll(canvas);
    EXPECT_TRUE(canvas.shapes.empty());
    EXPECT_TRUE(canvas.Painted().empty());
    EXPECT_EQ(Saved(), file);
}

TEST_F(AnnotationDocument, AFailedOpenLeavesThePageAsItWas)
{
    const Bytes whole = ByteWriter{}.u32(1).stroke(1, 2, 3, 2, 3, 0xFF, kPenPen, 0).point(2, 3, 1, 9).out;
    struct Case {
        const char* what;
        Bytes file;
        DocResult result;
    } cases[] = {
        {"cut inside a point", Bytes(whole.begin(), whole.end() - 3), DocResult::kCutShort},
        {"cut inside the rectangle block", Bytes(whole.begin(), whole.begin() + 4 + 4 + 10), DocResult::kCutShort},
        {"cut inside the count", Bytes{1, 0}, DocResult::kCutShort},
        {"more strokes than the file holds", ByteWriter{}.u32(0x10000000).stroke(0, 0, 0, 0, 0, 0, 3, 0).out,
         DocResult::kCutShort},
        {"more points than the file holds", ByteWriter{}.u32(1).stroke(0x7FFFFFFF, 0, 0, 0, 0, 0, 3, 0).out,
         DocResult::kCutShort},
        {"a count read as negative", ByteWriter{}.u32(0xFFFFFFFF).out, DocResult::kCutShort},
        {"a byte after the last stroke", [&] { Bytes b = whole; b.push_back(0); return b; }(),
         DocResult::kNotADocument},
        {"a JPEG", Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0}, DocResult::kCutShort},
    };
    PutOneStroke();
    for (const Case& c : cases) {
        EXPECT_EQ(Open(c.file), c.result) << c.what;
        ASSERT_EQ(owner.page.Count(), 1) << c.what;
        EXPECT_EQ(owner.page.At(0).Points()[0].time, 77u) << c.what;
    }
    EXPECT_EQ(owner.repaints, 0);

    EXPECT_EQ(vexo::CVexoDoc(fs).Open("C:\\Talks\\missing.flmz", owner), DocResult::kCannotOpen);
    // An empty file reads nothing and is no failure.
    EXPECT_EQ(Open({}), DocResult::kOk);
    EXPECT_EQ(owner.page.Count(), 1);
}

TEST_F(AnnotationDocument, AFailedSaveLeavesTheEarlierFileAsItWas)
{
    PutOneStroke();
    const Bytes earlier = Saved();
    owner.page.AddStroke(0, kPenMarker);
    for (int i = 0; i < 50; ++i) owner.page.AddPoint(i, i, 2, i);

    fs.failPathSuffix = ".saving";  // the disk fills half-way through
    fs.keepBytes = 200;
    EXPECT_EQ(vexo::CVexoDoc(fs).Save(kDoc, owner), DocResult::kCannotSave);
    fs.failPathSuffix.clear();
    fs.replaceFails = true;  // the file is locked by another program
    EXPECT_EQ(vexo::CVexoDoc(fs).Save(kDoc, owner), DocResult::kCannotSave);

    std::string data;
    ASSERT_TRUE(fs.Read(kDoc, data));
    EXPECT_EQ(docfake::ToBytes(data), earlier);
    EXPECT_EQ(fs.ListFiles("C:\\Talks", ""), std::vector<std::string>{"slide.flmz"}) << "no half-written file left";

    EXPECT_EQ(vexo::CVexoDoc(fs).Save("C:\\NoSuchFolder\\a.flmz", owner), DocResult::kCannotSave);
}

TEST(DocumentMessages, EachFailureHasItsOwnTextThatNamesTheFile)
{
    using vexo::DocKind;
    const DocResult failures[] = {DocResult::kCannotOpen, DocResult::kCutShort, DocResult::kNotADocument,
                                  DocResult::kOutOfMemory, DocResult::kCannotSave};
    for (DocKind kind : {DocKind::kAnnotation, DocKind::kRecording}) {
        std::vector<unsigned> ids;
        for (DocResult r : failures) ids.push_back(vexo::FailureTextId(r, kind));
        if (kind == DocKind::kRecording) ids.push_back(vexo::FailureTextId(DocResult::kInvalidArgument, kind));
        for (size_t i = 0; i < ids.size(); ++i)
            for (size_t j = i + 1; j < ids.size(); ++j) EXPECT_NE(ids[i], ids[j]);
    }
    EXPECT_NE(vexo::FailureTextId(DocResult::kCutShort, DocKind::kAnnotation),
              vexo::FailureTextId(DocResult::kCutShort, DocKind::kRecording));
    EXPECT_EQ(vexo::FailureText("Cannot open %s.", "C:\\a 100%.flmz"), "Cannot open C:\\a 100%.flmz.");
}

}  // namespace
