// The toolbar's parts in real windows: image buttons on a dialog drawing
// Vexo's own bitmaps (linked from its resource script), the hover highlight,
// window shapes from bitmaps, and a dialog docked through the shell.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AppBarDlg.h"
#include "BMPButton.h"
#include "BitmapRegion_win.h"
#include "Gdi.h"
#include "MyLinkBMPBtn.h"
#include "ToolbarPartsTest.h"
#include "Window.h"

namespace {

using Pixels = std::vector<DWORD>;

Pixels ReadPixels(HBITMAP bitmap, int width, int height)
{
    Pixels pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    fw::ScopedGetDC screen(nullptr);
    EXPECT_EQ(GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS), height);
    for (DWORD& p : pixels) p &= 0x00FFFFFF;
    return pixels;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

// The pixels of one of Vexo's bitmap resources.
Pixels ResourcePixels(const std::string& name)
{
    fw::ScopedBitmap bitmap(LoadBitmapA(GetModuleHandleA(nullptr), name.c_str()));
    EXPECT_TRUE(bitmap) << name;
    if (!bitmap) return {};
    const SIZE size = BitmapSize(bitmap);
    return ReadPixels(bitmap, size.cx, size.cy);
}

// What the button paints for its present state: the button's own paint
// (WM_PRINTCLIENT) asks its parent to draw the item, with the pressed,
// focus and disabled state it has, into a bitmap of the button's size.
Pixels Painted(HWND button)
{
    RECT client = {};
    GetClientRect(button, &client);
    fw::ScopedGetDC screen(nullptr);
    fw::ScopedMemDC memory(screen);
    void* bits = nullptr;
    fw::ScopedBitmap target(fw::CreateDib32(memory, client.right, client.bottom, &bits));
    {
        fw::ScopedSelect select(memory, target);
        fw::ScopedBrush fill(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(memory, &client, fill);
        SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)), PRF_CLIENT);
    }
    return ReadPixels(target, client.right, client.bottom);
}

SIZE ClientSize(HWND hwnd)
{
    RECT r = {};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

LPARAM ClientPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// ------------------------------------------------------------ image buttons

class CButtonStripDlg : public fw::CDialog {
public:
    CBMPButton arrow, arrow1, pen, missing;
    CMyLinkBMPBtn link;
    bool loaded[5] = {};
    std::vector<UINT> clicks;

    CButtonStripDlg() : fw::CDialog(IDD_TEST_BUTTONS) {}

protected:
    BOOL OnInitDialog() override
    {
        loaded[0] = arrow.AutoLoad(IDC_TEST_ARROW, m_hWnd);
        loaded[1] = arrow1.AutoLoad(IDC_TEST_ARROW1, m_hWnd);
        loaded[2] = pen.AutoLoad(IDC_TEST_PEN, m_hWnd);
        loaded[3] = missing.AutoLoad(IDC_TEST_MISSING, m_hWnd);
        loaded[4] = link.AutoLoad(IDC_TEST_LINK, m_hWnd);
        SetFocus(Item(IDC_TEST_FOCUS_SINK));
        return FALSE;
    }
    void OnButton(UINT id) { clicks.push_back(id); }

    FW_DECLARE_MESSAGE_MAP()
};

FW_BEGIN_MESSAGE_MAP(CButtonStripDlg, fw::CDialog)
    FW_ON_COMMAND_RANGE(IDC_TEST_ARROW, IDC_TEST_LINK, OnButton)
FW_END_MESSAGE_MAP()

class ImageButtonTest : public testing::Test {
protected:
    CButtonStripDlg dlg;

    void SetUp() override
    {
        CBMPButton::SharedFlags() = ImageButtonFlags{};
        ASSERT_NE(dlg.CreateModeless(), nullptr);
        SetWindowPos(dlg.m_hWnd, HWND_TOP, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        ReleaseCapture();
        if (dlg.m_hWnd) DestroyWindow(dlg.m_hWnd);
    }
    HWND Sink() const { return dlg.Item(IDC_TEST_FOCUS_SINK); }
};

TEST_F(ImageButtonTest, AutoLoadTakesTheFamilyFromTheCaptionAndSizesTheButton)
{
    EXPECT_TRUE(dlg.loaded[0]);  // "Arrow" finds ARROWU
    EXPECT_TRUE(dlg.loaded[1]);
    EXPECT_TRUE(dlg.loaded[4]);
    EXPECT_FALSE(dlg.loaded[3]);

    const SIZE arrow = ClientSize(dlg.arrow.m_hWnd);
    EXPECT_EQ(arrow.cx, 23);
    EXPECT_EQ(arrow.cy, 22);
    const SIZE arrow1 = ClientSize(dlg.arrow1.m_hWnd);
    EXPECT_EQ(arrow1.cx, 28);
    EXPECT_EQ(arrow1.cy, 28);

    // The classic family has no disabled image, the large one has all four.
    EXPECT_NE(dlg.arrow.Image(ButtonImage::kFocus), nullptr);
    EXPECT_EQ(dlg.arrow.Image(ButtonImage::kDisabled), nullptr);
    EXPECT_NE(dlg.arrow1.Image(ButtonImage::kDisabled), nullptr);
    EXPECT_EQ(dlg.missing.Image(ButtonImage::kUp), nullptr);

    // Taking over again is harmless; a control another button holds is refused.
    EXPECT_TRUE(dlg.arrow.Subclass(IDC_TEST_ARROW, dlg.m_hWnd));
    EXPECT_NE(dlg.arrow.Image(ButtonImage::kUp), nullptr);
    EXPECT_FALSE(dlg.pen.Subclass(IDC_TEST_ARROW, dlg.m_hWnd));
    EXPECT_FALSE(dlg.pen.AutoLoad(IDC_TEST_ARROW, dlg.m_hWnd));

    // The plain push button of the template was made owner-drawn.
    EXPECT_EQ(GetWindowLongPtrA(dlg.arrow.m_hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(ImageButtonTest, DrawsTheImageOfItsState)
{
    struct Case {
        const char* what;
        CBMPButton CButtonStripDlg::*button;
        const char* family;
        bool pressed, focused, disabled;
        char expected;
    };
    const Case cases[] = {
        {"normal", &CButtonStripDlg::arrow1, "ARROW1", false, false, false, 'U'},
        {"pressed", &CButtonStripDlg::arrow1, "ARROW1", true, false, false, 'D'},
        {"under the mouse", &CButtonStripDlg::arrow1, "ARROW1", false, true, false, 'F'},
        {"pressed under the mouse", &CButtonStripDlg::arrow1, "ARROW1", true, true, false, 'D'},
        {"disabled", &CButtonStripDlg::arrow1, "ARROW1", false, false, true, 'X'},
        {"classic normal", &CButtonStripDlg::arrow, "ARROW", false, false, false, 'U'},
        {"classic pressed", &CButtonStripDlg::arrow, "ARROW", true, false, false, 'D'},
        {"classic under the mouse", &CButtonStripDlg::arrow, "ARROW", false, true, false, 'F'},
        {"classic disabled, no X", &CButtonStripDlg::arrow, "ARROW", false, false, true, 'U'},
    };
    // The images must tell the states apart for the comparison to mean anything.
    ASSERT_NE(ResourcePixels("ARROW1U"), ResourcePixels("ARROW1D"));
    ASSERT_NE(ResourcePixels("ARROW1U"), ResourcePixels("ARROW1F"));
    ASSERT_NE(ResourcePixels("ARROW1U"), ResourcePixels("ARROW1X"));
    ASSERT_NE(ResourcePixels("ARROWU"), ResourcePixels("ARROWF"));

    for (const Case& c : cases) {
        HWND button = (dlg.*c.button).m_hWnd;
        SetFocus(c.focused ? button : Sink());
        SendMessageA(button, BM_SETSTATE, c.pressed, 0);
        EnableWindow(button, !c.disabled);
        EXPECT_EQ(Painted(button), ResourcePixels(std::string(c.family) + c.expected)) << c.what;
        SendMessageA(button, BM_SETSTATE, FALSE, 0);
        EnableWindow(button, TRUE);
    }

    // No image at all: the button paints nothing over what was there.
    const Pixels nothing = Painted(dlg.missing.m_hWnd);
    ASSERT_FALSE(nothing.empty());
    for (DWORD p : nothing) ASSERT_EQ(p, 0x00FF00FFu);
}

TEST_F(ImageButtonTest, TheHighlightFollowsTheMouseFromButtonToButton)
{
    HWND a = dlg.arrow.m_hWnd;
    HWND b = dlg.pen.m_hWnd;
    RECT ra = {}, rb = {};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);

    SendMessageA(a, WM_MOUSEMOVE, 0, ClientPoint(5, 5));
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(GetCapture(), a);
    EXPECT_TRUE(CBMPButton::SharedFlags().hovering);
    EXPECT_EQ(Painted(a), ResourcePixels("ARROWF"));

    // A holds the capture, so it sees the move that lands on B first.
    SendMessageA(a, WM_MOUSEMOVE, 0, ClientPoint(rb.left - ra.left + 5, 5));
    EXPECT_EQ(GetFocus(), Sink());
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(b, WM_MOUSEMOVE, 0, ClientPoint(5, 5));
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_EQ(Painted(a), ResourcePixels("ARROWU"));
    EXPECT_EQ(Painted(b), ResourcePixels("PENF"));

    // Left of the strip: nothing is highlighted.
    SendMessageA(b, WM_MOUSEMOVE, 0, ClientPoint(-3, 5));
    EXPECT_EQ(GetFocus(), Sink());
    EXPECT_EQ(Painted(b), ResourcePixels("PENU"));
}

TEST_F(ImageButtonTest, AClickCommandsAndHoverTrackingGoesOnUntilWindowsClose)
{
    HWND pen = dlg.pen.m_hWnd;
    SendMessageA(pen, WM_MOUSEMOVE, 0, ClientPoint(5, 5));
    SendMessageA(pen, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(5, 5));
    EXPECT_TRUE(CBMPButton::SharedFlags().pressing);
    // Pressed and dragged off: the press keeps the focus where it is.
    SendMessageA(pen, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(-10, 5));
    EXPECT_EQ(GetFocus(), pen);
    SendMessageA(pen, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(5, 5));
    SendMessageA(pen, WM_LBUTTONUP, 0, ClientPoint(5, 5));
    EXPECT_FALSE(CBMPButton::SharedFlags().pressing);
    EXPECT_EQ(dlg.clicks, std::vector<UINT>{IDC_TEST_PEN});
    EXPECT_EQ(GetCapture(), pen);

    // Once any image button is gone, a click no longer takes the capture back.
    DestroyWindow(dlg.missing.m_hWnd);
    EXPECT_TRUE(CBMPButton::SharedFlags().closing);
    EXPECT_EQ(dlg.missing.m_hWnd, nullptr);
    SendMessageA(pen, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(5, 5));
    SendMessageA(pen, WM_LBUTTONUP, 0, ClientPoint(5, 5));
    EXPECT_EQ(dlg.clicks.size(), 2u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ImageButtonTest, LoadBitmapsReplacesAllFourAndReportsMissingOnes)
{
    CBMPButton& b = dlg.pen;
    EXPECT_TRUE(b.LoadBitmaps("PENWIDTH1U", "PENWIDTH1D", "PENWIDTH1F"));
    EXPECT_EQ(b.Image(ButtonImage::kDisabled), nullptr);
    EXPECT_EQ(ReadPixels(b.Image(ButtonImage::kUp), 23, 22), ResourcePixels("PENWIDTH1U"));

    // A requested image that is missing: false, the others loaded.
    EXPECT_FALSE(b.LoadBitmaps("PEND", "PEND", nullptr, "PENX"));
    EXPECT_NE(b.Image(ButtonImage::kUp), nullptr);
    EXPECT_NE(b.Image(ButtonImage::kDown), nullptr);
    EXPECT_EQ(b.Image(ButtonImage::kFocus), nullptr);
    EXPECT_EQ(b.Image(ButtonImage::kDisabled), nullptr);

    // Without U nothing is kept.
    EXPECT_FALSE(b.LoadBitmaps("NOSUCHU", "PEND", "PENF"));
    for (ButtonImage i : {ButtonImage::kUp, ButtonImage::kDown, ButtonImage::kFocus, ButtonImage::kDisabled})
        EXPECT_EQ(b.Image(i), nullptr);

    // Case does not matter, and sizing follows the new U image.
    EXPECT_TRUE(b.LoadFamily("ColorBlack"));
    b.SizeToContent();
    const SIZE size = ClientSize(b.m_hWnd);
    EXPECT_EQ(size.cx, 28);
    EXPECT_EQ(size.cy, 28);
}

TEST_F(ImageButtonTest, TheLinkButtonRunsItsDialogOnARightClick)
{
    HWND ran = nullptr;
    dlg.link.SetLinkDialog([&](HWND button) { ran = button; });
    SendMessageA(dlg.link.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, ClientPoint(3, 3));
    EXPECT_EQ(ran, dlg.link.m_hWnd);
    // The other buttons do nothing of the kind; a left click is a click.
    SendMessageA(dlg.link.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(3, 3));
    SendMessageA(dlg.link.m_hWnd, WM_LBUTTONUP, 0, ClientPoint(3, 3));
    EXPECT_EQ(dlg.clicks, std::vector<UINT>{IDC_TEST_LINK});
}

// ------------------------------------------------------------ window shapes

TEST(WindowShape, TheRegionCoversExactlyTheOpaquePixels)
{
    fw::ScopedBitmap shape(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEST_SHAPE)));
    ASSERT_TRUE(shape);
    const SIZE size = BitmapSize(shape);
    const Pixels pixels = ReadPixels(shape, size.cx, size.cy);
    fw::ScopedRegion region(RegionFromBitmap(nullptr, shape, RGB(255, 255, 255)));
    ASSERT_TRUE(region);
    int opaque = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            const bool isOpaque = pixels[y * size.cx + x] != 0x00FFFFFF;
            opaque += isOpaque;
            ASSERT_EQ(PtInRegion(region, x, y) != FALSE, isOpaque) << x << "," << y;
        }
    EXPECT_GT(opaque, 0);
    EXPECT_LT(opaque, size.cx * size.cy);

    // Another transparent colour: the background of a button image.
    fw::ScopedBitmap arrow(LoadBitmapA(GetModuleHandleA(nullptr), "ARROWU"));
    const Pixels arrowPixels = ReadPixels(arrow, 23, 22);
    const DWORD background = arrowPixels[0];
    fw::ScopedRegion icon(RegionFromBitmap(nullptr, arrow, RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF)));
    ASSERT_TRUE(icon);
    EXPECT_FALSE(PtInRegion(icon, 0, 0));
    for (int i = 0; i < 23 * 22; ++i)
        ASSERT_EQ(PtInRegion(icon, i % 23, i / 23) != FALSE, arrowPixels[i] != background) << i;
}

TEST(WindowShape, AllWhiteGivesAnEmptyRegionAndLeavesTheWindowAlone)
{
    fw::ScopedGetDC screen(nullptr);
    fw::ScopedBitmap white(CreateCompatibleBitmap(screen, 7, 5));
    {
        fw::ScopedMemDC memory(screen);
        fw::ScopedSelect select(memory, white);
        RECT all = {0, 0, 7, 5};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    fw::ScopedRegion region(RegionFromBitmap(nullptr, white, RGB(255, 255, 255)));
    ASSERT_TRUE(region);
    RECT box = {};
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);

    // A missing bitmap leaves the window unshaped.
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 12, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ShapeWindow(window, 1));
    fw::ScopedRegion none(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, none), ERROR);

    EXPECT_TRUE(ShapeWindow(window, IDB_TEST_SHAPE));
    fw::ScopedRegion shaped(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, shaped), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(shaped, 0, 0));         // a cut corner
    EXPECT_FALSE(PtInRegion(shaped, 19, 5));        // the hole
    EXPECT_TRUE(PtInRegion(shaped, 10, 5));
    EXPECT_TRUE(PtInRegion(shaped, 39, 6));         // the right edge
    DestroyWindow(window);
}

// ------------------------------------------------------------ docking

class CTestBarDlg : public CAppBarDlg {
public:
    explicit CTestBarDlg(int style) : CAppBarDlg(IDD_TEST_APPBAR), style_(style) {}
    int moves = 0;

protected:
    BOOL OnInitDialog() override
    {
        CreateAppBar(style_);
        return TRUE;
    }
    // A derived dialog's own map comes first, then the bar's.
    LRESULT OnKeyDown(WPARAM, LPARAM) { return 0; }

    FW_DECLARE_MESSAGE_MAP()

private:
    int style_;
};

FW_BEGIN_MESSAGE_MAP(CTestBarDlg, CAppBarDlg)
    FW_ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
FW_END_MESSAGE_MAP()

RECT WindowRectOf(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

// What the shell offers a new bar at the bottom edge, asked through a
// window of our own that registers as a second bar.
RECT BottomBandForAnotherBar(int thickness)
{
    HWND probe = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    APPBARDATA data = {};
    data.cbSize = sizeof data;
    data.hWnd = probe;
    data.uCallbackMessage = kAppBarCallbackMessage;
    SHAppBarMessage(ABM_NEW, &data);
    data.uEdge = ABE_BOTTOM;
    data.rc = RECT{0, GetSystemMetrics(SM_CYSCREEN) - thickness, GetSystemMetrics(SM_CXSCREEN),
                   GetSystemMetrics(SM_CYSCREEN)};
    SHAppBarMessage(ABM_QUERYPOS, &data);
    SHAppBarMessage(ABM_REMOVE, &data);
    DestroyWindow(probe);
    return data.rc;
}

int ExpectedThickness(int eighths) { return HIWORD(GetDialogBaseUnits()) * eighths / 8; }

TEST(AppBarDialog, DocksAtTheBottomFullWidthAndSnapsBack)
{
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    const RECT free = BottomBandForAnotherBar(10);

    CTestBarDlg bar(0);
    ASSERT_NE(bar.CreateModeless(), nullptr);
    ShowWindow(bar.m_hWnd, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(bar.IsAppBarRegistered());
    EXPECT_EQ(bar.AppBarEdge(), kEdgeBottom);
    EXPECT_EQ(HIWORD(GetDialogBaseUnits()), 16);  // the usual units: the strip is 28 high
    RECT r = WindowRectOf(bar.m_hWnd);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, screenW);
    EXPECT_EQ(r.bottom, free.bottom);
    EXPECT_EQ(r.bottom - r.top, ExpectedThickness(14));
    const RECT created = bar.CreationRect();
    EXPECT_TRUE(EqualRect(&created, &r));

    // The shell keeps the band: another bar is offered the room above it.
    const RECT other = BottomBandForAnotherBar(10);
    EXPECT_LE(other.bottom, r.top);

    // Moved by program: straight back.
    SetWindowPos(bar.m_hWnd, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT back = WindowRectOf(bar.m_hWnd);
    EXPECT_TRUE(EqualRect(&back, &r));

    // Resized to 40: docked at 40 from then on.
    SetWindowPos(bar.m_hWnd, nullptr, 0, 0, screenW, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT tall = WindowRectOf(bar.m_hWnd);
    EXPECT_EQ(tall.bottom, free.bottom);
    EXPECT_EQ(tall.bottom - tall.top, 40);
    EXPECT_EQ(tall.left, 0);
    EXPECT_EQ(tall.right, screenW);
    MoveWindow(bar.m_hWnd, 200, 300, 500, 40, TRUE);
    RECT again = WindowRectOf(bar.m_hWnd);
    EXPECT_TRUE(EqualRect(&again, &tall));
    // Moved and resized at once: the new height still counts.
    MoveWindow(bar.m_hWnd, 10, 10, 600, 34, TRUE);
    RECT both = WindowRectOf(bar.m_hWnd);
    EXPECT_EQ(both.bottom, free.bottom);
    EXPECT_EQ(both.bottom - both.top, 34);
    EXPECT_EQ(both.right - both.left, screenW);
    MoveWindow(bar.m_hWnd, 0, 0, screenW, 40, TRUE);
    again = WindowRectOf(bar.m_hWnd);
    EXPECT_TRUE(EqualRect(&again, &tall));

    // Leaving the band for a slide show and taking it again.
    bar.RemoveAppBar();
    EXPECT_FALSE(bar.IsAppBarRegistered());
    EXPECT_EQ(BottomBandForAnotherBar(10).bottom, free.bottom);
    MoveWindow(bar.m_hWnd, 0, screenH - 30, screenW, 30, TRUE);
    RECT show = WindowRectOf(bar.m_hWnd);
    EXPECT_EQ(show.top, screenH - 30);  // unregistered, it stays put
    bar.RegisterAppBar();
    EXPECT_TRUE(bar.IsAppBarRegistered());
    RECT redocked = WindowRectOf(bar.m_hWnd);
    EXPECT_EQ(redocked.bottom, free.bottom);
    EXPECT_EQ(redocked.bottom - redocked.top, 40);

    // Destroyed: the band is given back.
    DestroyWindow(bar.m_hWnd);
    EXPECT_FALSE(bar.IsAppBarRegistered());
    EXPECT_EQ(BottomBandForAnotherBar(10).bottom, free.bottom);
}

TEST(AppBarDialog, TheLargeAndCompactStripsAreTallerFromTheStart)
{
    for (const auto& [style, eighths] : {std::pair<int, int>{2, 17}, std::pair<int, int>{1, 23}}) {
        CTestBarDlg bar(style);
        ASSERT_NE(bar.CreateModeless(), nullptr);
        const RECT r = WindowRectOf(bar.m_hWnd);
        EXPECT_EQ(r.bottom - r.top, ExpectedThickness(eighths)) << "style " << style;
        DestroyWindow(bar.m_hWnd);
    }
}

}  // namespace
