#include "Archive.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace fw {

void CArchive::WriteBytes(const void* src, size_t n)
{
    const auto* p = static_cast<const uint8_t*>(src);
    data_.insert(data_.end(), p, p + n);
}

void CArchive::ReadBytes(void* dst, size_t n)
{
    if (n > Remaining()) throw ArchiveError(ArchiveError::Kind::EndOfFile, "archive ends early");
    if (n) std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
}

const uint8_t* CArchive::Take(size_t n)
{
    if (n > Remaining()) throw ArchiveError(ArchiveError::Kind::EndOfFile, "archive ends early");
    const uint8_t* p = data_.data() + pos_;
    pos_ += n;
    return p;
}

uint8_t* CArchive::Extend(size_t n)
{
    data_.resize(data_.size() + n);
    return data_.data() + data_.size() - n;
}

void CArchive::RequireRecords(int32_t count, size_t recordSize) const
{
    // A negative count read as the unsigned number it was written from is
    // larger than any archive too.
    if (count < 0 || (recordSize && static_cast<uint64_t>(count) > Remaining() / recordSize))
        throw ArchiveError(ArchiveError::Kind::EndOfFile, "archive ends early");
}

CArchive& CArchive::PutLE(uint64_t v, int n)
{
    for (int i = 0; i < n; ++i) data_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
}

uint64_t CArchive::GetLE(int n)
{
    uint8_t bytes[8];
    ReadBytes(bytes, static_cast<size_t>(n));
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | bytes[i];
    return v;
}

bool CArchive::SaveToFile(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
    return static_cast<bool>(out.flush());
}

bool CArchive::LoadFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace fw
