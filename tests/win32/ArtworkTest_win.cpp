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

// ---------------------------------------------------------------- bitmaps

struct Picture {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<DWORD> pixels;
};

// Loads a bitmap resource as its file holds it (a DIB section keeps the depth).
bool LoadPicture(const char* name, Picture* out)
{
    HANDLE image = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!image) return false;
    HBITMAP bitmap = static_cast<HBITMAP>(image);
    DIBSECTION dib = {};
    GetObjectA(bitmap, sizeof(dib), &dib);
    out->width = dib.dsBm.bmWidth;
    out->height = dib.dsBm.bmHeight;
    out->bitsPerPixel = dib.dsBmih.biBitCount;
    out->pixels = PixelsOf(bitmap, out->width, out->height);
    DeleteObject(bitmap);
    return true;
}

// The spread of the picture's lightness around its mean: a greyed, faded
// drawing has less of it than the same drawing in full.
double Contrast(const Picture& p)
{
    std::vector<double> light;
    double mean = 0;
    for (DWORD px : p.pixels) {
        int b = px & 0xFF, g = (px >> 8) & 0xFF, r = (px >> 16) & 0xFF;
        light.push_back(0.299 * r + 0.587 * g + 0.114 * b);
        mean += light.back();
    }
    mean /= static_cast<double>(light.size());
    double spread = 0;
    for (double l : light) spread += (l - mean) * (l - mean);
    return spread / static_cast<double>(light.size());
}

struct FamilyCase {
    const char* name;  // spelt as the button caption or the code names it
    const char* images;
    int width, height;
};

const FamilyCase kFamilies[] = {
    // the classic strip: the captions of the toolbar dialog
    {"Arrow", "UDF", 23, 22},         {"ERASER", "UDF", 23, 22},       {"PEN", "UDF", 23, 22},
    {"WaterPen", "UDF", 23, 22},      {"Maker", "UDF", 23, 22},        {"ERASERALL", "UDF", 23, 22},
    {"PageUp", "UDFX", 23, 22},       {"PageDown", "UDFX", 23, 22},    {"NormalScreen", "UDFX", 23, 22},
    {"BlackScreen", "UDFX", 23, 22},  {"WhiteScreen", "UDFX", 23, 22}, {"Close", "UDFX", 23, 22},
    {"Exit", "UDF", 23, 22},          {"SaveAsJpg", "UDF", 23, 22},    {"MAILTO", "UDF", 23, 22},
    {"RECORD", "UDF", 23, 22},        {"STOP", "UDF", 23, 22},         {"Player", "UDF", 23, 22},
    {"PenWidth1", "UDF", 23, 22},     {"PenWidth3", "UDF", 23, 22},    {"PenWidth5", "UDF", 23, 22},
    {"1", "UDF", 23, 22},             {"2", "UDF", 23, 22},            {"3", "UDF", 23, 22},
    {"4", "UDF", 23, 22},             {"5", "UDF", 23, 22},            {"6", "UDF", 23, 22},
    {"7", "UDF", 23, 22},             {"8", "UDF", 23, 22},            {"9", "UDF", 23, 22},
    {"10", "UDF", 23, 22},            {"11", "UDF", 23, 22},           {"12", "UDF", 23, 22},
    {"13", "UDF", 23, 22},            {"14", "UDF", 23, 22},           {"15", "UDF", 23, 22},
    // the large strip
    {"ARROW1", "UDFX", 28, 28},       {"ERASER1", "UDFX", 28, 28},     {"PENCIL1", "UDFX", 28, 28},
    {"WATERPEN1", "UDFX", 28, 28},    {"MAKER1", "UDFX", 28, 28},      {"ERASERALL1", "UDFX", 28, 28},
    {"PREPAGE", "UDFX", 28, 28},      {"NEXTPAGE", "UDFX", 28, 28},    {"PageMenu", "UDFX", 28, 28},
    {"SLIDEBOARD", "UDFX", 28, 28},   {"BLACKBOARD", "UDFX", 28, 28},  {"WHITEBOARD", "UDFX", 28, 28},
    {"CLOSE1", "UDFX", 28, 28},       {"EXIT1", "UDFX", 28, 28},       {"SAVEJPG", "UDFX", 28, 28},
    {"MAIL1", "UDFX", 28, 28},        {"RECORD1", "UDFX", 28, 28},     {"STOP1", "UDFX", 28, 28},
    {"RECPLAY1", "UDFX", 28, 28},     {"COLORBLACK", "UDFX", 28, 28},  {"COLORWHITE", "UDFX", 28, 28},
    {"COLORRED", "UDFX", 28, 28},     {"Pallet", "UDFX", 28, 28},      {"MyPC", "UDFX", 28, 28},
    {"MyLink", "UDFX", 28, 28},       {"SELPENWIDTH1", "UDFX", 28, 28}, {"SelPenWidth3", "UDFX", 28, 28},
    {"SELPENWIDTH5", "UDFX", 28, 28}, {"PEN2WIDTH1", "UDFX", 28, 10},  {"PEN2WIDTH3", "UDFX", 28, 10},
    {"PEN2WIDTH5", "UDFX", 28, 10},
    // the player
    {"OPEN", "UDFX", 42, 24},         {"SAVE", "UDFX", 42, 24},        {"PLAY", "UDFX", 42, 24},
    {"PAUSE", "UDFX", 42, 24},        {"PLAYERSTOP", "UDFX", 42, 24},  {"PLAYERCLOSE", "UDF", 22, 24},
    // the player in the compact style
    {"UI1_PLAYER_PLAY", "UDFX", 36, 44},  {"UI1_PLAYER_PAUSE", "UDFX", 36, 44},
    {"UI1_PLAYER_STOP", "UDFX", 36, 44},  {"UI1_PLAYER_OPEN", "UDFX", 36, 44},
    {"UI1_PLAYER_SAVE", "UDFX", 36, 44},  {"EXIT_UI1", "UDF", 36, 44},
};

TEST(ArtworkBitmaps, EveryFamilyHasExactlyItsImagesAt24BitsAndItsSize)
{
    for (const FamilyCase& f : kFamilies) {
        for (char letter : std::string("UDFX")) {
            std::string name = std::string(f.name) + letter;
            SCOPED_TRACE(name);
            Picture picture;
            bool listed = std::string(f.images).find(letter) != std::string::npos;
            // A family without X must have none: the button then shows U when disabled.
            ASSERT_EQ(LoadPicture(name.c_str(), &picture), listed);
            if (!listed) continue;
            EXPECT_EQ(picture.width, f.width);
            EXPECT_EQ(picture.height, f.height);
            EXPECT_EQ(picture.bitsPerPixel, 24);
        }
    }
}

// Four images of one family that read as up, pressed, hover and disabled:
// none is a copy of another, and the disabled one is greyed.
void ExpectFourStates(const std::vector<std::string>& names)
{
    std::vector<Picture> pictures(names.size());
    for (size_t i = 0; i < names.size(); ++i) ASSERT_TRUE(LoadPicture(names[i].c_str(), &pictures[i])) << names[i];
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = i + 1; j < names.size(); ++j)
            EXPECT_NE(pictures[i].pixels, pictures[j].pixels) << names[i] << " and " << names[j];
    if (names.size() == 4) {
        EXPECT_LT(Contrast(pictures[3]), Contrast(pictures[0])) << names[3];
    }
}

TEST(ArtworkBitmaps, TheImagesOfAFamilyDifferAndItsDisabledImageIsGreyed)
{
    for (const FamilyCase& f : kFamilies) {
        SCOPED_TRACE(f.name);
        std::vector<std::string> names;
        for (const char* letter = f.images; *letter; ++letter) names.push_back(std::string(f.name) + *letter);
        ExpectFourStates(names);
    }
    // The open-document button of the large strip: 579 up, 577 pressed, 578 hover, 580 disabled.
    ExpectFourStates({"#579", "#577", "#578", "#580"});
}

struct NumberedCase {
    int id;
    int width, height;
};

TEST(ArtworkBitmaps, NumberedBitmapsHaveTheirSizes)
{
    const NumberedCase cases[] = {
        {279, 23, 22},   {280, 23, 22},   {281, 23, 22},   {285, 1280, 28}, {539, 1280, 34},
        {286, 1280, 28}, {506, 1280, 46}, {531, 150, 184}, {532, 150, 184}, {577, 28, 28},   {578, 28, 28},
        {579, 28, 28},   {580, 28, 28},   {572, 28, 48},
    };
    for (const NumberedCase& c : cases) {
        SCOPED_TRACE(c.id);
        Picture picture;
        ASSERT_TRUE(LoadPicture(MAKEINTRESOURCEA(c.id), &picture));
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, c.height);
        EXPECT_EQ(picture.bitsPerPixel, 24);
    }
    // The three user indicator states must be told apart.
    Picture states[3];
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(LoadPicture(MAKEINTRESOURCEA(279 + i), &states[i]));
    EXPECT_NE(states[0].pixels, states[1].pixels);
    EXPECT_NE(states[1].pixels, states[2].pixels);
    EXPECT_NE(states[0].pixels, states[2].pixels);
}

}  // namespace
