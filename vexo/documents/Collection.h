#pragma once
// A later layer of a page the recording had visited before; it continues its
// parent and has no picture of its own.
#include "Layer.h"

class CCollection : public CLayer {
public:
    CLayer* Parent() const override { return parent_; }
    void SetParent(CLayer* parent) { parent_ = parent; }

    uint32_t GetEndTime() const override;

    void Serialize(fw::CArchive& ar) { SerializeLayer(ar); }

private:
    CLayer* parent_ = nullptr;
};
