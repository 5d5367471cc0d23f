#pragma once
// Little-endian binary archive for the Serialize operations of ink and
// recording records. A store appends to a byte buffer; a load reads from one
// and throws ArchiveError when the data ends early or makes no sense, so a
// Serialize can read field by field without checking each step.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw {

class ArchiveError : public std::runtime_error {
public:
    enum class Kind { EndOfFile, BadFormat };
    ArchiveError(Kind kind, const char* what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

class CArchive {
public:
    // An archive for storing.
    CArchive() : storing_(true) {}
    // An archive for loading the given bytes.
    explicit CArchive(std::vector<uint8_t> bytes) : storing_(false), data_(std::move(bytes)) {}

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }
    const std::vector<uint8_t>& Data() const { return data_; }
    size_t Remaining() const { return data_.size() - pos_; }

    void WriteBytes(const void* src, size_t n);
    void ReadBytes(void* dst, size_t n);
    // Bulk access for records read or written field by field in a tight loop:
    // Take returns the next n bytes (throws at the end), Extend appends n bytes
    // to fill in. The pointer is valid until the next operation.
    const uint8_t* Take(size_t n);
    uint8_t* Extend(size_t n);

    // Loading a count of records that take at least recordSize bytes each:
    // fails as an early end of file when the rest of the archive cannot hold
    // them (negative counts included), before anyone allocates room for a
    // count that a damaged or hostile file made up.
    void RequireRecords(int32_t count, size_t recordSize) const;

    CArchive& operator<<(uint8_t v) { return PutLE(v, 1); }
    CArchive& operator<<(int16_t v) { return PutLE(static_cast<uint16_t>(v), 2); }
    CArchive& operator<<(uint16_t v) { return PutLE(v, 2); }
    CArchive& operator<<(int32_t v) { return PutLE(static_cast<uint32_t>(v), 4); }
    CArchive& operator<<(uint32_t v) { return PutLE(v, 4); }
    CArchive& operator<<(uint64_t v) { return PutLE(v, 8); }

    CArchive& operator>>(uint8_t& v) { v = static_cast<uint8_t>(GetLE(1)); return *this; }
    CArchive& operator>>(int16_t& v) { v = static_cast<int16_t>(GetLE(2)); return *this; }
    CArchive& operator>>(uint16_t& v) { v = static_cast<uint16_t>(GetLE(2)); return *this; }
    CArchive& operator>>(int32_t& v) { v = static_cast<int32_t>(GetLE(4)); return *this; }
    CArchive& operator>>(uint32_t& v) { v = static_cast<uint32_t>(GetLE(4)); return *this; }
    CArchive& operator>>(uint64_t& v) { v = GetLE(8); return *this; }

    // Whole-file helpers; false when the file cannot be opened or written.
    bool SaveToFile(const std::string& path) const;
    static bool LoadFile(const std::string& path, std::vector<uint8_t>& bytes);

private:
    CArchive& PutLE(uint64_t v, int n);
    uint64_t GetLE(int n);

    bool storing_;
    std::vector<uint8_t> data_;
    size_t pos_ = 0;
};

}  // namespace fw
