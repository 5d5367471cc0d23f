#pragma once
// Section pictures on Windows: bitmaps selected into memory contexts, written
// and read through the picture library "Tolvane.dll".
#include <windows.h>

#include "Gdi.h"
#include "GdiInkCanvas.h"
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
    // A new section's picture: the screen's pixels from its origin, or a
    // board's plain colour.
    static std::unique_ptr<CDibPicture> FromScreen(int width, int height);
    static std::unique_ptr<CDibPicture> Filled(int width, int height, COLORREF colour);

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

// The painter's surface on the player window: strokes through the ink canvas
// of the device context, pictures copied with BitBlt.
class CDcPlaybackSurface : public IPlaybackSurface {
public:
    explicit CDcPlaybackSurface(HDC dc) : dc_(dc), ink_(dc) {}

    void PutPicture(const IPicture& picture, const InkRect& rect, const InkRect& area) override;
    void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) override
    {
        ink_.SolidLine(from, to, width, colour);
    }
    void MarkerCurve(const InkPoint (&points)[4], int width, ColourRef colour) override
    {
        ink_.MarkerCurve(points, width, colour);
    }
    void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) override
    {
        ink_.SoftSegment(from, to, width, colour);
    }
    void Flush() override { ink_.Flush(); }
    ColourRef GetPixel(int x, int y) override { return ink_.GetPixel(x, y); }
    void SetPixel(int x, int y, ColourRef colour) override { ink_.SetPixel(x, y, colour); }
    void ReadPixels(int left, int top, int width, int height, ColourRef* out) override
    {
        ink_.ReadPixels(left, top, width, height, out);
    }
    void WritePixels(int left, int top, int width, int height, const ColourRef* in) override
    {
        ink_.WritePixels(left, top, width, height, in);
    }

private:
    HDC dc_;
    CGdiInkCanvas ink_;
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
