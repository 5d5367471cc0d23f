// Documents and recordings on Windows: the picture library stand-in's JPEG
// files, recordings whose pictures go through it, saves interrupted on the
// real disk, and the file system's replace against the shared table.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FileReplaceCases.h"
#include "Gdi.h"
#include "Lines.h"
#include "RecDoc.h"
#include "Recording.h"
#include "Strings.h"
#include "TolvaneApi.h"
#include "TolvanePictures_win.h"
#include "VexoDoc.h"
#include "Win32FileSystem.h"
#include "resource.h"

namespace {

class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path_ = fw::JoinPath(base, "lumora-documents-" + std::to_string(GetCurrentProcessId()));
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    std::string operator/(const std::string& name) const { return fw::JoinPath(path_, name); }
    const std::string& Path() const { return path_; }

private:
    static void RemoveTree(const std::string& dir)
    {
        WIN32_FIND_DATAA fd;
        HANDLE find = FindFirstFileA(fw::JoinPath(dir, "*").c_str(), &fd);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = fd.cFileName;
                if (name == "." || name == "..") continue;
                const std::string full = fw::JoinPath(dir, name);
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else
                    DeleteFileA(full.c_str());
            } while (FindNextFileA(find, &fd));
            FindClose(find);
        }
        RemoveDirectoryA(dir.c_str());
    }
    std::string path_;
};

std::string ReadAll(const std::string& path)
{
    std::string data;
    fw::Files().Read(path, data);
    return data;
}

// A picture with areas of plain colour and a ramp, the kind of page JPEG
// keeps within a few levels.
COLORREF PatternAt(int x, int y)
{
    if (y < 24) return x < 32 ? RGB(220, 30, 30) : RGB(30, 160, 40);
    return x < 32 ? RGB(20, 40, 200) : RGB(4 * (x - 32) + 100, 4 * (x - 32) + 100, 4 * (x - 32) + 100);
}

std::unique_ptr<vexo::CDibPicture> PatternPicture(int width, int height)
{
    auto picture = vexo::CDibPicture::Blank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixel(picture->Dc(), x, y, PatternAt(x, y));
    GdiFlush();
    return picture;
}

// Largest and mean difference of a channel from the pattern.
struct Difference {
    int largest = 0;
    double mean = 0;
};

Difference CompareWithPattern(HDC dc, int width, int height)
{
    Difference d;
    long total = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF got = GetPixel(dc, x, y), want = PatternAt(x, y);
            for (int shift : {0, 8, 16}) {
                const int diff = std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF));
                d.largest = std::max(d.largest, diff);
                total += diff;
            }
        }
    d.mean = static_cast<double>(total) / (3.0 * width * height);
    return d;
}

class Tolvane : public ::testing::Test {
protected:
    void SetUp() override
    {
        library_ = LoadLibraryA(kTolvaneLibrary);
        ASSERT_NE(library_, nullptr) << "Tolvane.dll beside the test";
        attach_ = reinterpret_cast<CreateAttachmentFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, kCreateAttachmentName)));
        read_ = reinterpret_cast<CreateBitmapFromFileFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, kCreateBitmapFromFileName)));
        ASSERT_TRUE(attach_ && read_);
    }
    void TearDown() override
    {
        if (library_) FreeLibrary(library_);
    }

    HMODULE library_ = nullptr;
    CreateAttachmentFn attach_ = nullptr;
    CreateBitmapFromFileFn read_ = nullptr;
    TempFolder temp_;
};

TEST_F(Tolvane, AJpegItWritesDecodesToTheSamePicture)
{
    auto picture = PatternPicture(64, 48);
    const std::string path = temp_ / "page.jpg";
    EXPECT_TRUE(attach_(picture->Dc(), picture->Bitmap(), path.c_str(), 1, RGB(255, 255, 255), 0));
    const std::string jpeg = ReadAll(path);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg.substr(0, 3), std::string("\xFF\xD8\xFF")) << "a JPEG file";

    int width = 0, height = 0;
    fw::ScopedBitmap bitmap(read_(path.c_str(), &width, &height));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(width, 64);
    EXPECT_EQ(height, 48);
    vexo::CDibPicture back(bitmap.Release());
    const Difference d = CompareWithPattern(back.Dc(), 64, 48);
    EXPECT_LT(d.mean, 4.0);
    EXPECT_LT(d.largest, 64) << "only along the colour edges";
}

TEST_F(Tolvane, ReadsOtherPictureFilesAndRefusesTheRest)
{
    // A 2 x 1 24-bit BMP file: blue, then red.
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    const unsigned char row[8] = {255, 0, 0, 0, 0, 255, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + sizeof row;
    info.biSize = sizeof info;
    info.biWidth = 2;
    info.biHeight = 1;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::string bmp(reinterpret_cast<const char*>(&file), sizeof file);
    bmp.append(reinterpret_cast<const char*>(&info), sizeof info);
    bmp.append(reinterpret_cast<const char*>(row), sizeof row);
    const std::string bmpPath = temp_ / "two.bmp";
    fw::Files().Write(bmpPath, bmp);
    int width = 0, height = 0;
    fw::ScopedBitmap bitmap(read_(bmpPath.c_str(), &width, &height));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(width, 2);
    vexo::CDibPicture picture(bitmap.Release());
    EXPECT_EQ(GetPixel(picture.Dc(), 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(picture.Dc(), 1, 0), RGB(255, 0, 0));

    const std::string text = temp_ / "notes.jpg";
    fw::Files().Write(text, "these are not the pixels you are looking for");
    width = 7;
    EXPECT_EQ(read_(text.c_str(), &width, &height), nullptr);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(read_((temp_ / "missing.jpg").c_str(), nullptr, nullptr), nullptr);
    EXPECT_EQ(read_(nullptr, nullptr, nullptr), nullptr);

    auto page = PatternPicture(8, 8);
    EXPECT_FALSE(attach_(page->Dc(), page->Bitmap(), (temp_ / "kind2.jpg").c_str(), 2, 0, 0));
    EXPECT_FALSE(fw::Files().FileExists(temp_ / "kind2.jpg"));
}

TEST(Recordings, SectionPicturesTravelAsJpegThroughTheLibrary)
{
    TempFolder temp;
    vexo::CTolvanePictures pictures;
    ASSERT_TRUE(pictures.Loaded());
    RecordingFiles files{fw::Files(), pictures, temp / "temp.JPG"};

    struct Player : vexo::IDocumentOwner {
        RecordingFiles* files;
        CRecording recording;
        void Serialize(fw::CArchive& ar) override { recording.Serialize(ar, *files); }
    } player, other;
    player.files = other.files = &files;
    player.recording.sections.push_back(std::make_unique<CSection>());
    CSection& section = *player.recording.sections.back();
    section.rect = {0, 0, 64, 48};
    section.pageId = 2;
    section.SetIndexOfAction(0);
    section.SetPicture(PatternPicture(64, 48));
    section.Lines().AddStroke(RGB(255, 0, 0), kPenPen).AddPoint(3, 4, 1, 10);

    const std::string path = temp / "lesson.Lmz";
    ASSERT_EQ(vexo::CRecDoc(fw::Files()).Save(path, player), vexo::DocResult::kOk);
    EXPECT_EQ(ReadAll(path).substr(8 + 20, 3), std::string("\xFF\xD8\xFF")) << "the picture is a JPEG file";
    ASSERT_EQ(vexo::CRecDoc(fw::Files()).Open(path, other), vexo::DocResult::kOk);
    ASSERT_EQ(other.recording.sections.size(), 1u);
    auto* back = static_cast<vexo::CDibPicture*>(other.recording.sections[0]->Picture());
    ASSERT_NE(back, nullptr);
    EXPECT_LT(CompareWithPattern(back->Dc(), 64, 48).mean, 4.0);
    EXPECT_EQ(other.recording.sections[0]->Lines().Count(), 1);
}

TEST(Recordings, ThePainterPutsPicturesAndInkOnTheWindowSurface)
{
    fw::ScopedGdiplus gdiplus;
    auto target = vexo::CDibPicture::Filled(120, 80, RGB(255, 255, 255));
    auto page = vexo::CDibPicture::Filled(100, 60, RGB(0, 0, 0));
    ASSERT_TRUE(target && page);
    {
        vexo::CDcPlaybackSurface surface(target->Dc());
        surface.PutPicture(*page, {10, 10, 110, 70}, {0, 0, 40, 30});  // only the area asked for
        surface.SolidLine({60, 50}, {100, 50}, 6, RGB(255, 0, 0));
        surface.PutPicture(*page, {10, 10, 110, 70}, {90, 40, 200, 200});  // over the ink, after it
        surface.Flush();
    }
    GdiFlush();
    EXPECT_EQ(GetPixel(target->Dc(), 5, 5), RGB(255, 255, 255)) << "outside the picture";
    EXPECT_EQ(GetPixel(target->Dc(), 20, 20), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(target->Dc(), 50, 40), RGB(255, 255, 255)) << "outside the area";
    EXPECT_EQ(GetPixel(target->Dc(), 75, 50), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target->Dc(), 95, 50), RGB(0, 0, 0)) << "the picture put back over the ink";
}

// Writes stop half-way through and fail, as on a full disk.
class HalfWrites : public fw::Win32FileSystem {
public:
    bool Write(const std::string& path, const std::string& data) override
    {
        fw::Win32FileSystem::Write(path, data.substr(0, data.size() / 2));
        return false;
    }
};

class PageOwner : public vexo::IDocumentOwner {
public:
    CLines page;
    void Serialize(fw::CArchive& ar) override { page.Serialize(ar); }
};

TEST(AnnotationDocuments, ASaveInterruptedHalfWayLeavesTheEarlierFile)
{
    TempFolder temp;
    const std::string path = temp / "slide.flmz";
    PageOwner owner;
    owner.page.AddStroke(RGB(0, 0, 255), kPenPen).AddPoint(10, 10, 1, 5);
    ASSERT_EQ(vexo::CVexoDoc(fw::Files()).Save(path, owner), vexo::DocResult::kOk);
    const std::string earlier = ReadAll(path);
    ASSERT_EQ(earlier.size(), 4u + 30 + 10);

    for (int i = 0; i < 100; ++i) owner.page.AddStroke(0, kPenMarker).AddPoint(i, i, 2, i);
    HalfWrites full;
    EXPECT_EQ(vexo::CVexoDoc(full).Save(path, owner), vexo::DocResult::kCannotSave);
    EXPECT_EQ(ReadAll(path), earlier);
    EXPECT_FALSE(fw::Files().FileExists(vexo::SaveSidePath(path)));

    // A file another program holds open without sharing cannot be replaced.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(vexo::CVexoDoc(fw::Files()).Save(path, owner), vexo::DocResult::kCannotSave);
    CloseHandle(held);
    EXPECT_EQ(ReadAll(path), earlier);

    PageOwner reader;
    EXPECT_EQ(vexo::CVexoDoc(fw::Files()).Open(path, reader), vexo::DocResult::kOk);
    EXPECT_EQ(reader.page.Count(), 1);
}

TEST(Win32FileSystem, ReplacesFilesAsTheSharedTableSays)
{
    TempFolder temp;
    for (const auto& c : filecases::ReplaceCases())
        EXPECT_EQ(filecases::RunReplaceCase(fw::Files(), temp.Path(), c), std::vector<std::string>{}) << c.what;
}

TEST(DocumentMessages, EveryFailureTextIsInTheStringTable)
{
    using vexo::DocResult;
    for (auto kind : {vexo::DocKind::kAnnotation, vexo::DocKind::kRecording})
        for (DocResult r : {DocResult::kCannotOpen, DocResult::kCutShort, DocResult::kNotADocument,
                            DocResult::kInvalidArgument, DocResult::kOutOfMemory, DocResult::kCannotSave}) {
            const std::string text = fw::LoadStr(vexo::FailureTextId(r, kind));
            EXPECT_NE(text.find("%s"), std::string::npos) << static_cast<int>(r);
        }
    EXPECT_EQ(fw::LoadStr(IDS_INDEX_OF_ACTION_SET), "m_IndexOfAction have been set");
    EXPECT_EQ(fw::LoadStr(IDS_SET_INDEX_OF_COLLECTION), "SetIndexOfCollection");
}

}  // namespace
