#pragma once
// Section pictures on Windows: bitmaps selected into memory contexts, written
// and read through the picture library "Tolvane.dll".
#include <windows.h>

#include "Gdi.h"
#include "Picture.h"
#include "TolvaneApi.h"

namespace vexo {

// A bitmap of the picture's size selected into its own memory context.
class CDibPicture : public IPicture {
public:
    // Takes the bitmap; its size is the picture's.
    explicit CDibPicture(HBITMAP bitmap);
    ~CDibPicture() override;
    CDibPicture(const CDibPicture&) = delete;
    CDibPicture& operator=(const CDibPicture&) = delete;

    // A 32-bit picture nothing has painted; null when that size cannot be made.
    static std::unique_ptr<CDibPicture> Blank(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }

private:
    fw::ScopedBitmap bitmap_;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

class CTolvanePictures : public IPictureLibrary {
public:
    CTolvanePictures();
    ~CTolvanePictures() override;
    CTolvanePictures(const CTolvanePictures&) = delete;
    CTolvanePictures& operator=(const CTolvanePictures&) = delete;

    // False when the library or one of its functions is missing: pictures
    // are then neither written nor read.
    bool Loaded() const { return createAttachment_ && createBitmapFromFile_; }

    // Pictures must be CDibPictures.
    void WriteJpeg(const IPicture& picture, const std::string& path) override;
    std::unique_ptr<IPicture> ReadPictureFile(const std::string& path) override;
    std::unique_ptr<IPicture> NewPicture(int width, int height) override;

private:
    HMODULE library_ = nullptr;
    CreateAttachmentFn createAttachment_ = nullptr;
    CreateBitmapFromFileFn createBitmapFromFile_ = nullptr;
};

}  // namespace vexo
