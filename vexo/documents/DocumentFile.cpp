#include "DocumentFile.h"

#include <new>
#include <vector>

#include "resource.h"

namespace vexo {

std::string SaveSidePath(const std::string& path) { return path + ".saving"; }

DocResult OpenDocumentFile(fw::IFileSystem& fs, const std::string& path, IDocumentOwner& owner,
                           DocumentCheck check)
{
    try {
        std::string data;
        if (!fs.Read(path, data)) return DocResult::kCannotOpen;
        if (data.empty()) return DocResult::kOk;
        std::vector<uint8_t> bytes(data.begin(), data.end());
        data.clear();
        data.shrink_to_fit();
        if (check) {
            fw::CArchive scan(bytes);
            check(scan);
        }
        fw::CArchive ar(std::move(bytes));
        owner.Serialize(ar);
        return DocResult::kOk;
    } catch (const fw::ArchiveError& e) {
        return e.kind() == fw::ArchiveError::Kind::EndOfFile ? DocResult::kCutShort : DocResult::kNotADocument;
    } catch (const RecordingLinkError&) {
        return DocResult::kInvalidArgument;
    } catch (const std::bad_alloc&) {
        return DocResult::kOutOfMemory;
    }
}

DocResult SaveDocumentFile(fw::IFileSystem& fs, const std::string& path, IDocumentOwner& owner)
{
    const std::string side = SaveSidePath(path);
    try {
        fw::CArchive ar;
        owner.Serialize(ar);
        const std::vector<uint8_t>& bytes = ar.Data();
        if (!fs.Write(side, std::string(bytes.begin(), bytes.end()))) {
            fs.Remove(side);
            return DocResult::kCannotSave;
        }
    } catch (const SaveError&) {
        return DocResult::kCannotSave;
    } catch (const std::bad_alloc&) {
        fs.Remove(side);
        return DocResult::kOutOfMemory;
    }
    if (!fs.Replace(side, path)) {
        fs.Remove(side);
        return DocResult::kCannotSave;
    }
    return DocResult::kOk;
}

unsigned FailureTextId(DocResult result, DocKind kind)
{
    const bool rec = kind == DocKind::kRecording;
    switch (result) {
    case DocResult::kOk: return 0;
    case DocResult::kCannotOpen: return IDS_DOC_CANNOT_OPEN;
    case DocResult::kCutShort: return rec ? IDS_REC_CUT_SHORT : IDS_DOC_CUT_SHORT;
    case DocResult::kNotADocument: return rec ? IDS_REC_NOT_RECORDING : IDS_DOC_NOT_DOCUMENT;
    case DocResult::kInvalidArgument: return IDS_REC_BAD_TIME_LINE;
    case DocResult::kOutOfMemory: return IDS_DOC_OUT_OF_MEMORY;
    case DocResult::kCannotSave: return IDS_DOC_CANNOT_SAVE;
    }
    return IDS_DOC_CANNOT_OPEN;
}

std::string FailureText(const std::string& fmt, const std::string& path)
{
    const size_t at = fmt.find("%s");
    if (at == std::string::npos) return fmt;
    return fmt.substr(0, at) + path + fmt.substr(at + 2);
}

}  // namespace vexo
