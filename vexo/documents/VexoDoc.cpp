#include "VexoDoc.h"

#include "Line.h"
#include "Lines.h"

namespace vexo {

// The sequences serialise the document, which hands the archive on.
class CVexoDoc::Forward : public IDocumentOwner {
public:
    explicit Forward(CVexoDoc& doc) : doc_(doc) {}
    void Serialize(fw::CArchive& ar) override { doc_.Serialize(ar); }

private:
    CVexoDoc& doc_;
};

DocResult CVexoDoc::Open(const std::string& path, IDocumentOwner& owner)
{
    owner_ = &owner;
    Forward self(*this);
    return OpenDocumentFile(fs_, path, self, &CVexoDoc::CheckStrokeList);
}

DocResult CVexoDoc::Save(const std::string& path, IDocumentOwner& owner)
{
    owner_ = &owner;
    Forward self(*this);
    return SaveDocumentFile(fs_, path, self);
}

void CVexoDoc::Serialize(fw::CArchive& ar)
{
    if (owner_) owner_->Serialize(ar);
}

void CVexoDoc::CheckStrokeList(fw::CArchive& ar)
{
    int32_t lines = 0;
    ar >> lines;
    ar.RequireRecords(lines, CLine::kStoredHeaderSize);
    for (int32_t i = 0; i < lines; ++i) {
        int32_t points = 0;
        ar >> points;
        ar.Take(CLine::kStoredHeaderSize - sizeof(points));
        ar.RequireRecords(points, CLine::kStoredPointSize);
        ar.Take(static_cast<size_t>(points) * CLine::kStoredPointSize);
    }
    if (ar.Remaining() != 0)
        throw fw::ArchiveError(fw::ArchiveError::Kind::BadFormat, "bytes after the last stroke");
}

}  // namespace vexo
