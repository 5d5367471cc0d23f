#pragma once
// An annotation document: the strokes of one overlay page. The document only
// runs the open and save sequences; its owner (the toolbar) serialises the
// current page.
#include <string>

#include "DocumentFile.h"

namespace vexo {

class CVexoDoc {
public:
    explicit CVexoDoc(fw::IFileSystem& fs) : fs_(fs) {}

    // A file that is cut short or has bytes after its last stroke never
    // reaches the owner, so a failed open leaves the page as it was.
    DocResult Open(const std::string& path, IDocumentOwner& owner);
    DocResult Save(const std::string& path, IDocumentOwner& owner);
    void Serialize(fw::CArchive& ar);

    // Walks the stroke list of a document without keeping anything; throws
    // like the load when the bytes are not exactly one stroke list.
    static void CheckStrokeList(fw::CArchive& ar);

private:
    class Forward;

    fw::IFileSystem& fs_;
    IDocumentOwner* owner_ = nullptr;
};

}  // namespace vexo
