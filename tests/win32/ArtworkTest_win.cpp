// Vexo's cursors and bitmaps, loaded the way the program loads them, from
// Vexo's own resource script linked into this test.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>


namespace {

// The pixels of a bitmap as 32-bit top-down BGRX words.
std::vector<DWORD> PixelsOf(HBITMAP bitmap, int width, int height)
{
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rows, height);
    return pixels;
}

// ---------------------------------------------------------------- cursors

struct CursorCase {
    int id;
    const char* tool;
    int width;
};

// The overlay's cursor table: tool and width level of every cursor id.
const CursorCase kCursors[] = {
    {241, "pen", 1},    {235, "pen", 3},    {242, "pen", 5},    {243, "brush", 1},
    {238, "brush", 3},  {244, "brush", 5},  {237, "marker", 1}, {239, "marker", 3},
    {240, "marker", 5}, {236, "eraser", 0},
};

struct LoadedCursor {
    int width = 0, height = 0;
    POINT hotSpot = {};
    std::vector<bool> opaque;  // from the AND mask: true where the cursor draws
};

LoadedCursor LoadCursorPicture(int id)
{
    LoadedCursor result;
    HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!cursor) return result;
    ICONINFO icon = {};
    if (GetIconInfo(cursor, &icon)) {
        BITMAP mask = {};
        GetObjectA(icon.hbmMask, sizeof(mask), &mask);
        result.width = mask.bmWidth;
        // Without a colour bitmap the mask holds AND and XOR halves.
        result.height = icon.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
        result.hotSpot = {static_cast<LONG>(icon.xHotspot), static_cast<LONG>(icon.yHotspot)};
        std::vector<DWORD> pixels = PixelsOf(icon.hbmMask, mask.bmWidth, mask.bmHeight);
        for (int i = 0; i < result.width * result.height; ++i)
            result.opaque.push_back((pixels[i] & 0xFFFFFF) == 0);
        DeleteObject(icon.hbmMask);
        if (icon.hbmColor) DeleteObject(icon.hbmColor);
    }
    DestroyCursor(cursor);
    return result;
}

bool OpaqueNear(const LoadedCursor& c, POINT p, int radius)
{
    for (int y = p.y - radius; y <= p.y + radius; ++y)
        for (int x = p.x - radius; x <= p.x + radius; ++x)
            if (x >= 0 && y >= 0 && x < c.width && y < c.height && c.opaque[y * c.width + x])
                return true;
    return false;
}

// Every tool is drawn leaning up and right from its nib, so the nib is the
// part of the drawing that reaches furthest down and left.
bool NearTheNib(const LoadedCursor& c, POINT p)
{
    int lowest = 1 << 20;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.opaque[y * c.width + x]) lowest = (std::min)(lowest, x - y);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.opaque[y * c.width + x] && x - y <= lowest + 2 && std::abs(x - p.x) <= 3 &&
                std::abs(y - p.y) <= 3)
                return true;
    return false;
}

int OpaqueCount(const LoadedCursor& c)
{
    int n = 0;
    for (bool b : c.opaque) n += b;
    return n;
}

TEST(ArtworkCursors, EachIs32PixelsWithItsHotSpotOnTheDrawnNib)
{
    for (const CursorCase& c : kCursors) {
        SCOPED_TRACE(std::to_string(c.id) + " " + c.tool);
        LoadedCursor cursor = LoadCursorPicture(c.id);
        ASSERT_EQ(cursor.width, 32);
        ASSERT_EQ(cursor.height, 32);
        // The ink lands where the nib is drawn, not somewhere in the box.
        EXPECT_TRUE(OpaqueNear(cursor, cursor.hotSpot, 1));
        EXPECT_TRUE(NearTheNib(cursor, cursor.hotSpot))
            << "hot spot " << cursor.hotSpot.x << "," << cursor.hotSpot.y;
        EXPECT_FALSE(cursor.opaque[0]) << "the corners stay transparent";
    }
}

TEST(ArtworkCursors, AWiderLevelDrawsMoreInkForTheSameTool)
{
    // Ids listed by width level 1, 3, 5: a swapped id shows as a count that
    // does not grow.
    for (int tool = 0; tool < 3; ++tool) {
        const CursorCase* row = &kCursors[tool * 3];
        SCOPED_TRACE(row->tool);
        int thin = OpaqueCount(LoadCursorPicture(row[0].id));
        int middle = OpaqueCount(LoadCursorPicture(row[1].id));
        int wide = OpaqueCount(LoadCursorPicture(row[2].id));
        EXPECT_LT(thin, middle);
        EXPECT_LT(middle, wide);
    }
}

}  // namespace
