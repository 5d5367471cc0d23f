// The page loader: any bytes either load or fail with ArchiveError, and a
// page that loaded is stored and loaded again to the same strokes.
#include <cstdint>
#include <vector>

#include "Archive.h"
#include "FuzzCheck.h"
#include "Lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CLines page;
    try {
        fw::CArchive in(std::vector<uint8_t>(data, data + size));
        page.Serialize(in);
    } catch (const fw::ArchiveError&) {
        return 0;
    }

    fw::CArchive out;
    page.Serialize(out);
    CLines again;
    fw::CArchive back(out.Data());
    again.Serialize(back);
    FUZZ_CHECK(again.Count() == page.Count());
    for (int i = 0; i < page.Count(); ++i) {
        const CLine& a = page.At(i);
        const CLine& b = again.At(i);
        FUZZ_CHECK(a.PenKind() == b.PenKind());
        FUZZ_CHECK(a.Points().size() == b.Points().size());
        const InkRect ra = a.GetBounds(), rb = b.GetBounds();
        FUZZ_CHECK(ra.left == rb.left && ra.top == rb.top && ra.right == rb.right && ra.bottom == rb.bottom);
    }
    fw::CArchive out2;
    again.Serialize(out2);
    FUZZ_CHECK(out2.Data() == out.Data());
    return 0;
}
