// The overlay window on the real window system: pen packets fed through its
// intake leave ink on the window where they went, and a repaint of the
// opaque window composes its capture and the page's strokes again.
#include <gtest/gtest.h>

#include <vector>

#include "Gdi.h"
#include "MyDrawWnd_win.h"
#include "SlideShow.h"

namespace {

class QuietHost : public vexo::IOverlayHost {
public:
    int SlideShowState() const override { return 0; }
    int ToolbarStyle() const override { return 0; }
    vexo::ScreenRect ToolbarRect() const override { return {}; }
    void OnOverlayShown(bool shown) override { shownReports.push_back(shown); }
    void OnUserIndicator(uintptr_t w, intptr_t l) override
    {
        indicatorState = static_cast<int>(w);
        indicatorUser = static_cast<int>(l);
    }
    bool DisplayChanged() const override { return false; }
    void RecoverDisplay() override {}

    std::vector<bool> shownReports;
    int indicatorState = -1;
    int indicatorUser = -1;
};

class NoShow : public ISlideShow {
public:
    int Action(int) override { return 0; }
    int SetPointerType(int) override { return 0; }
    int GetCurrentPage() override { return 0; }
    void SlideGotoMenu(CPageMenu&, int) override {}
    int SlideGoto(int) override { return 0; }
    void EndOle() override {}
};

void Pump()
{
    MSG msg;
    for (int i = 0; i < 5; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
}

// The window's pixels, 0x00RRGGBB, rows top first.
std::vector<uint32_t> WindowPixels(HWND window, int width, int height)
{
    fw::ScopedGetDC dc(window);
    void* bits = nullptr;
    fw::ScopedBitmap copy(fw::CreateDib32(dc, width, height, &bits));
    fw::ScopedMemDC copyDc(dc);
    fw::ScopedSelect select(copyDc, copy);
    BitBlt(copyDc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> out(p, p + static_cast<size_t>(width) * height);
    for (uint32_t& v : out) v &= 0xFFFFFF;
    return out;
}

int Count(const std::vector<uint32_t>& px, int width, RECT area, uint32_t colour)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += px[static_cast<size_t>(y) * width + x] == colour;
    return n;
}

TabletPacket PenAt(int x, int y, uint32_t pressure)
{
    TabletPacket p;
    p.cursor = kCursorPen;
    p.buttons = pressure ? kButtonsTip : 0;
    p.x = x;
    p.y = y;
    p.pressure = pressure;
    return p;
}

class OverlayWindowTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        CMyDrawWnd::RegisterOverlayClass(GetModuleHandleA(nullptr));
        overlay = std::make_unique<CMyDrawWnd>(GetModuleHandleA(nullptr), GetParam(), host, show);
        ASSERT_TRUE(overlay->CreateOverlay(nullptr));
        RECT r;
        GetClientRect(overlay->m_hWnd, &r);
        width = r.right;
        height = r.bottom;
    }
    void TearDown() override { overlay.reset(); }

    QuietHost host;
    NoShow show;
    std::unique_ptr<CMyDrawWnd> overlay;
    int width = 0, height = 0;
};

constexpr uint32_t kRed = 0xFF0000;  // as the window's pixels hold it
constexpr uint32_t kWhite = 0xFFFFFF;
const RECT kAlongTheStroke = {110, 190, 390, 210};
const RECT kAwayFromIt = {500, 400, 700, 500};

TEST_P(OverlayWindowTest, PenPacketsInkTheWindowAndARepaintKeepsTheInk)
{
    ASSERT_GT(width, 700);
    ASSERT_GT(height, 500);
    // A white board behind the ink.
    if (GetParam()) SetClassLongPtrA(overlay->m_hWnd, GCLP_HBRBACKGROUND,
                                     reinterpret_cast<LONG_PTR>(GetStockObject(WHITE_BRUSH)));
    overlay->SetSlideModeFlag(0);
    overlay->ShowPage(kPageRequestLastWhiteBoard, false);
    overlay->SetTool(kPenPen);  // shows the overlay
    overlay->SetPenWidth(5);
    overlay->SetPenColour(0x0000FF);  // red as 0x00BBGGRR
    Pump();
    EXPECT_TRUE(overlay->IsShown());
    EXPECT_EQ(host.shownReports, std::vector<bool>{true});

    CPenIntake& intake = overlay->Intake();
    intake.SetButtonDown(true);
    for (int x = 100; x <= 400; x += 10) intake.Packet(PenAt(x, 200, 500));
    intake.Packet(PenAt(400, 200, 0));
    intake.SetButtonDown(false);
    ASSERT_EQ(overlay->Pages().CurrentLines().Count(), 1);
    EXPECT_EQ(overlay->Pages().CurrentCode(), -2);

    std::vector<uint32_t> px = WindowPixels(overlay->m_hWnd, width, height);
    EXPECT_GT(Count(px, width, kAlongTheStroke, kRed), 2000) << "live ink";
    EXPECT_EQ(Count(px, width, kAwayFromIt, kWhite), 200 * 100);

    // Painted again from the page alone.
    InvalidateRect(overlay->m_hWnd, nullptr, TRUE);
    UpdateWindow(overlay->m_hWnd);
    Pump();
    px = WindowPixels(overlay->m_hWnd, width, height);
    EXPECT_GT(Count(px, width, kAlongTheStroke, kRed), 2000) << "repainted ink";
    EXPECT_EQ(Count(px, width, kAwayFromIt, kWhite), 200 * 100);

    // The driver's indicator message goes to the toolbar unchanged.
    SendMessageA(overlay->m_hWnd, WM_USER_INDICATOR, 2, 5);
    EXPECT_EQ(host.indicatorState, 2);
    EXPECT_EQ(host.indicatorUser, 5);
}

INSTANTIATE_TEST_SUITE_P(BothModes, OverlayWindowTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& i) {
                             return std::string(i.param ? "Transparent" : "Opaque");
                         });

}  // namespace
