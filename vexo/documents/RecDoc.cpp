#include "RecDoc.h"

namespace vexo {

class CRecDoc::Forward : public IDocumentOwner {
public:
    explicit Forward(CRecDoc& doc) : doc_(doc) {}
    void Serialize(fw::CArchive& ar) override { doc_.Serialize(ar); }

private:
    CRecDoc& doc_;
};

DocResult CRecDoc::Open(const std::string& path, IDocumentOwner& owner)
{
    owner_ = &owner;
    Forward self(*this);
    return OpenDocumentFile(fs_, path, self, nullptr);
}

DocResult CRecDoc::Save(const std::string& path, IDocumentOwner& owner)
{
    owner_ = &owner;
    Forward self(*this);
    return SaveDocumentFile(fs_, path, self);
}

void CRecDoc::Serialize(fw::CArchive& ar)
{
    if (owner_) owner_->Serialize(ar);
}

}  // namespace vexo
