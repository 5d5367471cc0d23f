#include "TolvanePictures_win.h"

namespace vexo {

CDibPicture::CDibPicture(HBITMAP bitmap) : bitmap_(bitmap)
{
    BITMAP info = {};
    if (bitmap && GetObject(bitmap, sizeof(info), &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    }
    fw::ScopedGetDC screen(nullptr);
    dc_ = CreateCompatibleDC(screen);
    if (dc_ && bitmap) old_ = SelectObject(dc_, bitmap);
}

CDibPicture::~CDibPicture()
{
    if (old_) SelectObject(dc_, old_);
    if (dc_) DeleteDC(dc_);
}

std::unique_ptr<CDibPicture> CDibPicture::Blank(int width, int height)
{
    if (width <= 0 || height <= 0) return nullptr;
    fw::ScopedGetDC screen(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = fw::CreateDib32(screen, width, height, &bits);
    if (!bitmap) return nullptr;
    return std::make_unique<CDibPicture>(bitmap);
}

std::unique_ptr<CDibPicture> CDibPicture::FromScreen(int width, int height)
{
    auto picture = Blank(width, height);
    if (!picture) return nullptr;
    fw::ScopedGetDC screen(nullptr);
    BitBlt(picture->Dc(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    return picture;
}

std::unique_ptr<CDibPicture> CDibPicture::Filled(int width, int height, COLORREF colour)
{
    auto picture = Blank(width, height);
    if (!picture) return nullptr;
    fw::ScopedBrush brush(CreateSolidBrush(colour));
    RECT all = {0, 0, width, height};
    FillRect(picture->Dc(), &all, brush);
    return picture;
}

void CDcPlaybackSurface::PutPicture(const IPicture& picture, const InkRect& rect, const InkRect& area)
{
    const auto& dib = static_cast<const CDibPicture&>(picture);
    const RECT placed = {rect.left, rect.top, rect.left + dib.Width(), rect.top + dib.Height()};
    const RECT wanted = {area.left, area.top, area.right, area.bottom};
    RECT part;
    if (!IntersectRect(&part, &placed, &wanted)) return;
    ink_.Flush();
    BitBlt(dc_, part.left, part.top, part.right - part.left, part.bottom - part.top, dib.Dc(),
           part.left - rect.left, part.top - rect.top, SRCCOPY);
}

CTolvanePictures::CTolvanePictures() : library_(LoadLibraryA(kTolvaneLibrary))
{
    if (!library_) return;
    createAttachment_ =
        reinterpret_cast<CreateAttachmentFn>(reinterpret_cast<void*>(GetProcAddress(library_, kCreateAttachmentName)));
    createBitmapFromFile_ = reinterpret_cast<CreateBitmapFromFileFn>(
        reinterpret_cast<void*>(GetProcAddress(library_, kCreateBitmapFromFileName)));
}

CTolvanePictures::~CTolvanePictures()
{
    if (library_) FreeLibrary(library_);
}

void CTolvanePictures::WriteJpeg(const IPicture& picture, const std::string& path)
{
    const auto& dib = static_cast<const CDibPicture&>(picture);
    if (createAttachment_ && dib.Dc()) createAttachment_(dib.Dc(), dib.Bitmap(), path.c_str(), kAttachmentJpeg, 0, 0);
}

std::unique_ptr<IPicture> CTolvanePictures::ReadPictureFile(const std::string& path)
{
    if (!createBitmapFromFile_) return nullptr;
    int width = 0, height = 0;
    HBITMAP bitmap = createBitmapFromFile_(path.c_str(), &width, &height);
    if (!bitmap) return nullptr;
    return std::make_unique<CDibPicture>(bitmap);
}

std::unique_ptr<IPicture> CTolvanePictures::NewPicture(int width, int height)
{
    return CDibPicture::Blank(width, height);
}

}  // namespace vexo
