#pragma once
// Page pictures of a recording, as the portable core sees them: a picture is
// a bitmap of the platform's, the picture library writes and reads them as
// JPEG files, and the player's surface puts them on the window.
#include <memory>
#include <string>

#include "InkCanvas.h"
#include "Line.h"

namespace vexo {

class IPicture {
public:
    virtual ~IPicture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

class IPictureLibrary {
public:
    virtual ~IPictureLibrary() = default;
    // Writes the picture to path as a JPEG file. The result says nothing
    // reliable: callers look for the file.
    virtual void WriteJpeg(const IPicture& picture, const std::string& path) = 0;
    // The picture in the file, or none when it is not a picture the
    // platform can read.
    virtual std::unique_ptr<IPicture> ReadPictureFile(const std::string& path) = 0;
    // A picture nothing has painted, or none when that size cannot be made.
    virtual std::unique_ptr<IPicture> NewPicture(int width, int height) = 0;
};

// Where the player draws: the ink canvas of the player window, which also
// takes page pictures.
class IPlaybackSurface : public IInkCanvas {
public:
    // Copies the part of picture that lies inside area, the picture's
    // top-left corner placed at rect's.
    virtual void PutPicture(const IPicture& picture, const InkRect& rect, const InkRect& area) = 0;
};

}  // namespace vexo
