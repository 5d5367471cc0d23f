#pragma once
// A page's first layer in a recording, with the picture of the page as it
// looked when the layer began.
#include <memory>
#include <string>

#include "Layer.h"

namespace fw {
class IFileSystem;
}

// What reading and writing section pictures goes through: the picture
// library works on files, so each picture passes through one temporary file.
struct RecordingFiles {
    fw::IFileSystem& fs;
    vexo::IPictureLibrary& pictures;
    std::string tempPicturePath;  // the common application data folder + "\temp.JPG"
};

class CSection : public CLayer {
public:
    static constexpr size_t kStoredHeaderSize = 16 + 4;

    InkRect rect;

    vexo::IPicture* Picture() const { return picture_.get(); }
    void SetPicture(std::unique_ptr<vexo::IPicture> picture) { picture_ = std::move(picture); }

    uint32_t GetEndTime() const override;

    // The section record. Storing throws vexo::SaveError when the picture
    // does not come back from its file.
    void Serialize(fw::CArchive& ar, RecordingFiles& files);

private:
    std::unique_ptr<vexo::IPicture> picture_;
};
