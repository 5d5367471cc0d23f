#include <gtest/gtest.h>

#include "Archive.h"

using fw::ArchiveError;
using fw::CArchive;

TEST(Archive, StoresLittleEndianAndReadsBack)
{
    CArchive out;
    out << int16_t(-2) << uint32_t(0x11223344) << int32_t(-1);
    EXPECT_EQ(out.Data(), (std::vector<uint8_t>{0xFE, 0xFF, 0x44, 0x33, 0x22, 0x11, 0xFF, 0xFF, 0xFF, 0xFF}));

    CArchive in(out.Data());
    int16_t a;
    uint32_t b;
    int32_t c;
    in >> a >> b >> c;
    EXPECT_EQ(a, -2);
    EXPECT_EQ(b, 0x11223344u);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, ReadingPastTheEndIsEndOfFile)
{
    CArchive in(std::vector<uint8_t>{1, 2, 3});
    uint32_t v;
    try {
        in >> v;
        FAIL() << "read past the end";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.kind(), ArchiveError::Kind::EndOfFile);
    }
}

TEST(Archive, RequireRecordsRejectsCountsTheDataCannotHold)
{
    CArchive in(std::vector<uint8_t>(20));
    EXPECT_NO_THROW(in.RequireRecords(2, 10));
    EXPECT_THROW(in.RequireRecords(3, 10), ArchiveError);
    for (int32_t count : {INT32_MAX, -1, INT32_MIN}) {
        try {
            in.RequireRecords(count, 10);
            FAIL() << count;
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.kind(), ArchiveError::Kind::EndOfFile) << count;
        }
    }
}
