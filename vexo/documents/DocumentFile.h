#pragma once
// The open and save sequences that annotation documents and recordings
// share. A file is read whole and handed to its owner's Serialize; a save is
// written beside the file and takes the file's place only once it is
// complete, so a failed or interrupted save leaves the earlier file as it was.
#include <stdexcept>
#include <string>

#include "Archive.h"
#include "FileSystem.h"

namespace vexo {

// What an open or save came to; each failure has its own message text.
enum class DocResult {
    kOk,
    kCannotOpen,       // missing, locked or unreadable
    kCutShort,         // ends inside a record, or announces more than it holds
    kNotADocument,     // bytes left over after the last record
    kInvalidArgument,  // a recording's time line or layer links do not hold
    kOutOfMemory,
    kCannotSave,       // the new file could not be written or put in place
};

// Which kind of file an open or save was about, for the message text.
enum class DocKind { kAnnotation, kRecording };

// The window whose Serialize reads or writes a file's content.
class IDocumentOwner {
public:
    virtual ~IDocumentOwner() = default;
    // Loading throws fw::ArchiveError (or RecordingLinkError) when the data
    // does not hold; it must leave the owner as it was when it throws.
    virtual void Serialize(fw::CArchive& ar) = 0;
};

// A recording whose time line or layer links are outside their lists or do
// not form whole chains.
class RecordingLinkError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A save that could not write a part it depends on (the section pictures).
class SaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checks the bytes before the owner sees them; throws like Serialize.
using DocumentCheck = void (*)(fw::CArchive& ar);

// The file a save writes first, in the same folder so that putting it in
// place is a rename.
std::string SaveSidePath(const std::string& path);

// Reads the file and, unless it is empty, runs check (when given) and then
// owner.Serialize with a loading archive over its bytes.
DocResult OpenDocumentFile(fw::IFileSystem& fs, const std::string& path, IDocumentOwner& owner,
                           DocumentCheck check);
// Runs owner.Serialize with a storing archive and writes the bytes.
DocResult SaveDocumentFile(fw::IFileSystem& fs, const std::string& path, IDocumentOwner& owner);

// String-table id of the message that reports a failed result (0 for kOk).
unsigned FailureTextId(DocResult result, DocKind kind);
// The message's text: fmt with its "%s" replaced by the file's path.
std::string FailureText(const std::string& fmt, const std::string& path);

}  // namespace vexo
