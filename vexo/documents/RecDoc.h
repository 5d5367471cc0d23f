#pragma once
// A recording file: the open and save sequences of an annotation document,
// with the player (which holds the recorder's layers) as the owner.
#include <string>

#include "DocumentFile.h"

namespace vexo {

class CRecDoc {
public:
    explicit CRecDoc(fw::IFileSystem& fs) : fs_(fs) {}

    // A failed open leaves the owner's recording as it was: the owner loads
    // into fresh layers and keeps them only when the whole file was read.
    DocResult Open(const std::string& path, IDocumentOwner& owner);
    DocResult Save(const std::string& path, IDocumentOwner& owner);
    void Serialize(fw::CArchive& ar);

private:
    class Forward;

    fw::IFileSystem& fs_;
    IDocumentOwner* owner_ = nullptr;
};

}  // namespace vexo
