#include "ToolbarLayout.h"

#include <iterator>

#include "OverlayFlow.h"
#include "resource.h"

namespace {

constexpr int kParkX = 1;
constexpr int kParkY = 60;

constexpr int kClassicRowY = 4;
constexpr ButtonPlace kClassic[] = {
    {IDC_COLOUR_1, 1, kClassicRowY},      {1011, 25, kClassicRowY},  {1012, 49, kClassicRowY},
    {1013, 73, kClassicRowY},             {1014, 97, kClassicRowY},  {1016, 121, kClassicRowY},
    {1017, 145, kClassicRowY},            {1019, 169, kClassicRowY}, {1023, 193, kClassicRowY},
    {1024, 217, kClassicRowY},            {1025, 242, kClassicRowY}, {IDC_SLIDE_SCREEN, 269, kClassicRowY},
    {IDC_BLACK_BOARD, 294, kClassicRowY}, {IDC_WHITE_BOARD, 319, kClassicRowY},
    {IDC_WIDTH_1, 346, kClassicRowY},     {IDC_WIDTH_3, 371, kClassicRowY},
    {IDC_WIDTH_5, 396, kClassicRowY},     {IDC_ERASE_ALL, 423, kClassicRowY},
    {IDC_ERASER, 448, kClassicRowY},      {IDC_PEN, 473, kClassicRowY},
    {IDC_BRUSH, 498, kClassicRowY},       {IDC_MARKER, 523, kClassicRowY},
    {IDC_ARROW_TOOL, 548, kClassicRowY},       {IDC_PAGE_UP, 575, kClassicRowY},
    {IDC_PAGE_DOWN, 600, kClassicRowY},   {IDC_MAIL, 628, kClassicRowY},
    {IDC_SAVE_JPG, 653, kClassicRowY},    {IDC_RECORD, 682, kClassicRowY},
    {IDC_PLAYER, 708, kClassicRowY},      {IDC_END_SHOW, 737, kClassicRowY},
    {1, 762, kClassicRowY},
    // The classic strip shows eleven colours.
    {1015, kParkX, kParkY},               {1018, kParkX, kParkY},    {1021, kParkX, kParkY},
    {1022, kParkX, kParkY},
};

constexpr int kLargeRowY = 3;
constexpr ButtonPlace kLarge[] = {
    {IDC_COLOUR_1, 1, kLargeRowY},        {1011, 30, kLargeRowY},    {1012, 59, kLargeRowY},
    {IDC_PALETTE, 88, 4},                 {IDC_SLIDE_SCREEN, 124, kLargeRowY},
    {IDC_BLACK_BOARD, 153, kLargeRowY},   {IDC_WHITE_BOARD, 182, kLargeRowY},
    {IDC_WIDTH_POPUP, 218, kLargeRowY},   {IDC_ERASE_ALL, 254, kLargeRowY},
    {IDC_ERASER, 285, kLargeRowY},        {IDC_PEN, 314, kLargeRowY},
    {IDC_BRUSH, 343, kLargeRowY},         {IDC_MARKER, 372, kLargeRowY},
    {IDC_ARROW_TOOL, 401, kLargeRowY},         {IDC_PAGE_UP, 437, kLargeRowY},
    {IDC_PAGE_DOWN, 466, kLargeRowY},     {IDC_PAGE_MENU, 495, kLargeRowY},
    {IDC_MAIL, 531, kLargeRowY},          {IDC_SAVE_JPG, 560, kLargeRowY},
    {IDC_OPEN_DOCUMENT, 596, kLargeRowY}, {IDC_RECORD, 625, kLargeRowY},
    {IDC_PLAYER, 661, kLargeRowY},        {IDC_MY_PC, 690, kLargeRowY},
    {IDC_MY_LINK, 719, kLargeRowY},       {IDC_END_SHOW, 748, kLargeRowY},
    {1, 777, kLargeRowY},
    // The large strip shows black, white and red and no width buttons.
    {1013, kParkX, kParkY}, {1014, kParkX, kParkY}, {1015, kParkX, kParkY}, {1016, kParkX, kParkY},
    {1017, kParkX, kParkY}, {1018, kParkX, kParkY}, {1019, kParkX, kParkY}, {1021, kParkX, kParkY},
    {1022, kParkX, kParkY}, {1023, kParkX, kParkY}, {1024, kParkX, kParkY}, {1025, kParkX, kParkY},
    {IDC_WIDTH_1, kParkX, kParkY}, {IDC_WIDTH_3, kParkX, kParkY}, {IDC_WIDTH_5, kParkX, kParkY},
};

struct LargeFamily {
    int id;
    const char* family;
};
constexpr LargeFamily kLargeFamilies[] = {
    {IDC_PEN, "PENCIL1"},           {IDC_BRUSH, "WATERPEN1"},      {IDC_MARKER, "MAKER1"},
    {IDC_ERASER, "ERASER1"},        {IDC_ARROW_TOOL, "ARROW1"},         {IDC_ERASE_ALL, "ERASERALL1"},
    {IDC_PAGE_UP, "PREPAGE"},       {IDC_PAGE_DOWN, "NEXTPAGE"},   {IDC_SLIDE_SCREEN, "SLIDEBOARD"},
    {IDC_BLACK_BOARD, "BLACKBOARD"}, {IDC_WHITE_BOARD, "WHITEBOARD"}, {IDC_END_SHOW, "CLOSE1"},
    {1, "EXIT1"},                   {IDC_SAVE_JPG, "SAVEJPG"},     {IDC_MAIL, "MAIL1"},
    {IDC_RECORD, "RECORD1"},        {IDC_PLAYER, "RECPLAY1"},      {IDC_COLOUR_1, "COLORBLACK"},
    {1011, "COLORWHITE"},           {1012, "COLORRED"},
};

}  // namespace

std::vector<ButtonPlace> ButtonPlaces(int style)
{
    if (style == kStyleLarge) return {std::begin(kLarge), std::end(kLarge)};
    if (style == kStyleCompact) return {};
    return {std::begin(kClassic), std::end(kClassic)};
}

const char* LargeFamilyOf(int id)
{
    for (const LargeFamily& entry : kLargeFamilies) {
        if (entry.id == id) return entry.family;
    }
    return nullptr;
}
