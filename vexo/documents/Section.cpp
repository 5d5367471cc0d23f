#include "Section.h"

#include <algorithm>

#include "Archive.h"
#include "DocumentFile.h"
#include "FileSystem.h"

namespace {

// The picture size a rectangle asks for; 0 by 0 for one that is empty or
// larger than any screen, which a damaged file may hold.
void PictureSize(const InkRect& rect, int& width, int& height)
{
    constexpr int64_t kLargest = 1 << 15;
    const int64_t w = int64_t{rect.right} - rect.left, h = int64_t{rect.bottom} - rect.top;
    const bool usable = w > 0 && h > 0 && w <= kLargest && h <= kLargest;
    width = usable ? static_cast<int>(w) : 0;
    height = usable ? static_cast<int>(h) : 0;
}

std::unique_ptr<vexo::IPicture> BlankPicture(vexo::IPictureLibrary& pictures, const InkRect& rect)
{
    int width = 0, height = 0;
    PictureSize(rect, width, height);
    return width > 0 ? pictures.NewPicture(width, height) : nullptr;
}

}  // namespace

uint32_t CSection::GetEndTime() const { return std::max(startTime, Lines().GetEndTime()); }

void CSection::Serialize(fw::CArchive& ar, RecordingFiles& files)
{
    if (ar.IsStoring()) {
        ar << rect.left << rect.top << rect.right << rect.bottom;
        if (!picture_) picture_ = BlankPicture(files.pictures, rect);
        // A picture the library failed to write must not be replaced by
        // whatever an earlier save left in the file.
        files.fs.Remove(files.tempPicturePath);
        if (picture_) files.pictures.WriteJpeg(*picture_, files.tempPicturePath);
        std::string jpeg;
        if (!files.fs.Read(files.tempPicturePath, jpeg) || jpeg.empty())
            throw vexo::SaveError("the section picture was not written");
        ar << static_cast<uint32_t>(jpeg.size());
        ar.WriteBytes(jpeg.data(), jpeg.size());
    } else {
        ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
        uint32_t length = 0;
        ar >> length;
        const uint8_t* jpeg = ar.Take(length);
        picture_.reset();
        if (files.fs.Write(files.tempPicturePath, std::string(reinterpret_cast<const char*>(jpeg), length)))
            picture_ = files.pictures.ReadPictureFile(files.tempPicturePath);
        if (!picture_) picture_ = BlankPicture(files.pictures, rect);
    }
    SerializeLayer(ar);
}
