#include <gtest/gtest.h>

#include <chrono>

#include "Archive.h"
#include "Clock.h"
#include "Lines.h"
#include "PressureRange.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Store(CLines& lines)
{
    fw::CArchive ar;
    lines.Serialize(ar);
    return ar.Data();
}

fw::ArchiveError::Kind LoadError(const Bytes& bytes, CLines& into)
{
    fw::CArchive ar(bytes);
    try {
        into.Serialize(ar);
    } catch (const fw::ArchiveError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "load of " << bytes.size() << " bytes succeeded";
    return fw::ArchiveError::Kind::BadFormat;
}

TEST(StrokeModel, StrokeWithoutPointsIsThirtyBytes)
{
    CLines lines;
    EXPECT_EQ(Store(lines), (Bytes{0, 0, 0, 0}));

    lines.AddStroke(0x0000FF, kPenMarker);
    const Bytes expected = {
        1, 0, 0, 0,                                       // stroke count
        0, 0, 0, 0,                                       // point count
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // bounds, unset
        0xFF, 0, 0, 0,                                    // colour
        5, 0,                                             // pen kind
        0, 0, 0, 0,                                       // erase time
    };
    EXPECT_EQ(Store(lines), expected);
    EXPECT_EQ(expected.size() - 4, CLine::kStoredHeaderSize);
}

TEST(StrokeModel, PointsAndBoundsAreStoredInFieldOrder)
{
    CLines lines;
    lines.AddStroke(0x102030, kPenPen);
    lines.AddPoint(-2, 300, 6, 0x01020304);
    lines.At(0).SetErased(7);
    const Bytes expected = {
        1, 0, 0, 0,
        1, 0, 0, 0,
        0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0,
        0x30, 0x20, 0x10, 0,
        3, 0,
        7, 0, 0, 0,
        0xFE, 0xFF, 0x2C, 1, 6, 0, 4, 3, 2, 1,
    };
    EXPECT_EQ(Store(lines), expected);
}

TEST(StrokeModel, RoundTripKeepsStoredBoundsAndEveryField)
{
    CLines lines;
    lines.AddStroke(0xFF8080, kPenMarker);
    lines.AddPoint(100, 50, 10, 5);
    lines.AddPoint(120, 40, 10, 9);
    lines.AddStroke(0, kPenEraser);
    lines.AddPoint(3, 4, 1, 11);
    Bytes bytes = Store(lines);

    // Bounds come from the file, not from the points.
    bytes[8] = 1;  // first stroke's left = 1

    CLines loaded;
    loaded.AddStroke(0, kPenPen);  // replaced by the load
    fw::CArchive ar(bytes);
    loaded.Serialize(ar);
    ASSERT_EQ(loaded.Count(), 2);
    const CLine& marker = loaded.At(0);
    EXPECT_EQ(marker.GetBounds(), (InkRect{1, 36, 124, 54}));
    EXPECT_EQ(marker.Colour(), 0xFF8080u);
    EXPECT_EQ(marker.PenKind(), kPenMarker);
    ASSERT_EQ(marker.PointCount(), 2);
    EXPECT_EQ(marker.Points()[1].x, 120);
    EXPECT_EQ(marker.Points()[1].time, 9u);
    EXPECT_EQ(loaded.At(1).PenKind(), kPenEraser);
    EXPECT_EQ(loaded.GetEndTime(), 11u);
}

TEST(StrokeModel, TruncatedArchiveFailsAndKeepsOnlyCompleteStrokes)
{
    CLines lines;
    lines.AddStroke(1, kPenPen);
    lines.AddPoint(1, 2, 1, 3);
    lines.AddStroke(2, kPenBrush);
    lines.AddPoint(4, 5, 6, 7);
    const Bytes full = Store(lines);
    // A count the remaining bytes cannot hold fails before any stroke is read;
    // past that, the first stroke is kept once it was read whole.
    const size_t roomForCount = 4 + 2 * CLine::kStoredHeaderSize;

    for (size_t size = 0; size < full.size(); ++size) {
        CLines loaded;
        EXPECT_EQ(LoadError(Bytes(full.begin(), full.begin() + size), loaded),
                  fw::ArchiveError::Kind::EndOfFile) << size;
        EXPECT_EQ(loaded.Count(), size >= roomForCount ? 1 : 0) << size;
    }
}

TEST(StrokeModel, HugeCountsFailAtOnceWithoutAllocating)
{
    // 12 bytes claiming about 4 billion strokes, and a stroke claiming 2^31 - 1 points.
    const Bytes hugeStrokeCount = {0x00, 0x28, 0x6B, 0xEE, 0, 0, 0, 0, 0, 0, 0, 0};
    Bytes hugePointCount = {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    hugePointCount.resize(4 + CLine::kStoredHeaderSize + 20);

    for (const Bytes& bytes : {hugeStrokeCount, hugePointCount}) {
        CLines loaded;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(LoadError(bytes, loaded), fw::ArchiveError::Kind::EndOfFile);
        EXPECT_EQ(loaded.Count(), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
}

TEST(StrokeModel, BoundsFollowThePenKind)
{
    struct Case {
        uint16_t kind;
        int width;
        InkRect expected;  // of a single point at (10, 20)
    } cases[] = {
        {kPenMarker, 2, {10, 20, 10, 20}},
        {kPenMarker, 6, {8, 18, 12, 22}},
        {kPenMarker, 10, {6, 16, 14, 24}},
        {kPenMarker, 5, {7, 17, 13, 23}},
        {kPenPen, 10, {10, 20, 10, 20}},
        {kPenBrush, 300, {10, 20, 10, 20}},
    };
    for (const auto& c : cases) {
        CLine line;
        line.SetStrokeStyle(0, c.kind);
        line.AddPoint(10, 20, c.width, 0);
        EXPECT_EQ(line.GetBounds(), c.expected) << c.kind << "/" << c.width;
    }

    CLine grow;
    grow.SetStrokeStyle(0, kPenMarker);
    grow.AddPoint(10, 20, 6, 0);
    grow.AddPoint(5, 30, 6, 0);
    EXPECT_EQ(grow.GetBounds(), (InkRect{3, 18, 12, 32}));
}

TEST(StrokeModel, FirstPointAtOriginLeavesBoundsUnset)
{
    CLine line;
    line.AddPoint(0, 0, 1, 0);
    EXPECT_TRUE(line.GetBounds().IsUnset());
    line.AddPoint(5, 7, 1, 0);
    EXPECT_EQ(line.GetBounds(), (InkRect{5, 7, 5, 7}));
}

TEST(StrokeModel, SetErasedTakesOnlyTheFirstRealTime)
{
    CLine ink;
    ink.SetErased(0);
    EXPECT_EQ(ink.EraseTime(), 0u);
    ink.SetErased(40);
    ink.SetErased(90);
    EXPECT_EQ(ink.EraseTime(), 40u);

    CLine eraser;
    eraser.SetStrokeStyle(0, kPenEraser);
    eraser.SetErased(40);
    EXPECT_EQ(eraser.EraseTime(), 0u);
}

uint32_t FixedTick() { return 5000; }

TEST(StrokeModel, EraseAllMarksOrDeletes)
{
    CLines lines;
    EXPECT_EQ(lines.GetEndTime(), 0u);
    lines.AddStroke(0, kPenPen);
    lines.AddPoint(1, 1, 1, 100);
    lines.AddStroke(0, kPenEraser);
    lines.AddPoint(1, 1, 1, 200);
    EXPECT_EQ(lines.GetEndTime(), 200u);

    fw::SetTickSourceForTesting(&FixedTick);
    lines.EraseAllStrokes(false, 1000);
    fw::SetTickSourceForTesting(nullptr);
    EXPECT_EQ(lines.At(0).EraseTime(), 4000u);
    EXPECT_EQ(lines.At(1).EraseTime(), 0u);
    EXPECT_EQ(lines.Count(), 2);

    lines.EraseAllStrokes(true, 0);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Current(), nullptr);
}

class FakePressure : public IPressureQuery {
public:
    explicit FakePressure(int value) : value_(value) {}
    int QueryMaxPressure() override
    {
        ++calls;
        return value_;
    }
    int calls = 0;

private:
    int value_;
};

TEST(StrokeModel, NewStrokesTakeTheDriversPressureRangeAskedOnce)
{
    SetPressureQuery(nullptr);
    EXPECT_EQ(CLine().MaxPressure(), kDefaultMaxPressure);

    FakePressure driver(2047);
    SetPressureQuery(&driver);
    CLines lines;
    EXPECT_EQ(lines.AddStroke(0, kPenBrush).MaxPressure(), 2047);
    EXPECT_EQ(lines.AddStroke(0, kPenBrush).MaxPressure(), 2047);
    EXPECT_EQ(driver.calls, 1);

    FakePressure broken(0);
    SetPressureQuery(&broken);
    EXPECT_EQ(CLine().MaxPressure(), kDefaultMaxPressure);
    SetPressureQuery(nullptr);
}

}  // namespace
