// The player window under Wine: the painter thread draws the recording but
// never the bottom bar the window paints; a close from the system during a
// long playback ends both threads; the slider sets the clock only while
// stopped; a recording saved through the player opens again whole.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "Gdi.h"
#include "PlaybackClock.h"
#include "PlayerDlg_win.h"
#include "TolvanePictures_win.h"
#include "resource.h"

namespace {

// Runs the thread's messages until done() holds; false if it still does not
// after capMs (a guard against hanging, not a timing goal).
template <typename Done>
bool PumpUntil(Done done, DWORD capMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start > capMs) return false;
        Sleep(10);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

std::string TempPath(const char* name)
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    return std::string(base) + "lumora-player-" + std::to_string(GetCurrentProcessId()) + name;
}

class PlayerWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetPlaying(false);
        SetPlaybackClock(0);
        setup.instance = GetModuleHandleA(nullptr);
        setup.settingsPath = TempPath(".ini");
        setup.tempPicturePath = TempPath("-temp.JPG");
        player = std::make_unique<CPlayerDlg>(setup, nullptr);
        ASSERT_TRUE(player->Create(nullptr));
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    void TearDown() override
    {
        DeleteFileA(setup.tempPicturePath.c_str());
        DeleteFileA(setup.settingsPath.c_str());
    }

    // One full-screen red section whose pen stroke's last point comes at
    // lastTime on the playback clock.
    void RedSection(uint32_t lastTime)
    {
        CRecording& rec = player->Recorder().Recording();
        rec.sections.push_back(std::make_unique<CSection>());
        CSection& s = *rec.sections.back();
        s.rect = {0, 0, width, height};
        s.SetPicture(vexo::CDibPicture::Filled(width, height, RGB(255, 0, 0)));
        s.SetIndexOfAction(0);
        CLine& line = s.Lines().AddStroke(RGB(0, 0, 255), kPenPen);
        for (int i = 0; i <= 4; ++i) line.AddPoint(100 + 50 * i, 200, 5, lastTime / 4 * i);
        rec.Link();
    }
    bool PlayEnabled() const { return IsWindowEnabled(player->Item(IDC_PLAYER_PLAY)) != FALSE; }
    COLORREF WindowPixel(int x, int y) const
    {
        fw::ScopedGetDC dc(player->m_hWnd);
        return GetPixel(dc, x, y);
    }

    fw::ScopedGdiplus gdiplus;
    PlayerSetup setup;
    // Made in SetUp, once the setup is complete.
    std::unique_ptr<CPlayerDlg> player;
    int width = 0, height = 0;
};

TEST_F(PlayerWindow, ThePainterLeavesTheBottomBarToTheWindow)
{
    RedSection(3000);
    ShowWindow(player->m_hWnd, SW_SHOW);
    PumpFor(300);
    player->StartPlayback();
    ASSERT_FALSE(PlayEnabled()) << "PLAY is disabled while playing";
    // The painter has put the red page up; the bar below stays the bar.
    ASSERT_TRUE(PumpUntil([&] { return WindowPixel(width / 2, 400) == RGB(255, 0, 0); }, 5000));
    fw::ScopedBitmap bar(static_cast<HBITMAP>(
        LoadImageA(setup.instance, MAKEINTRESOURCEA(IDB_PLAYER_BAR), IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(bar);
    BITMAP info = {};
    GetObjectA(bar, sizeof info, &info);
    fw::ScopedGetDC screen(nullptr);
    fw::ScopedMemDC memory(screen);
    fw::ScopedSelect select(memory, bar.Get());
    const int x = (width < info.bmWidth ? width : info.bmWidth) - 20;
    EXPECT_TRUE(IsPlaying());
    EXPECT_EQ(WindowPixel(x, height - 4), GetPixel(memory, x, info.bmHeight - 4)) << "the bar while playing";
    EXPECT_NE(WindowPixel(x, height - 4), RGB(255, 0, 0));
    player->StopPlayback();
    EXPECT_FALSE(IsPlaying());
    EXPECT_TRUE(PlayEnabled());
}

TEST_F(PlayerWindow, ASystemCloseDuringALongPlaybackEndsBothThreads)
{
    RedSection(600000);
    ShowWindow(player->m_hWnd, SW_SHOW);
    player->StartPlayback();
    PumpFor(300);
    ASSERT_TRUE(IsPlaying());
    // Answered only once both threads were joined: the close waits for
    // nothing the painter or the clock could hold.
    SendMessageA(player->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsPlaying());
    PumpFor(100);
    EXPECT_EQ(PlaybackClock(), 0u) << "the clock thread ended and put the clock back";
}

TEST_F(PlayerWindow, TheSliderSetsTheClockOnlyWhileStopped)
{
    RedSection(20000);
    ShowWindow(player->m_hWnd, SW_SHOW);
    ShowWindow(player->m_hWnd, SW_HIDE);
    HWND slider = player->Item(IDC_PLAYER_SLIDER);
    SendMessageA(slider, TBM_SETRANGEMAX, TRUE, 20000);
    auto drag = [&](int ms) {
        SendMessageA(slider, TBM_SETPOS, TRUE, ms);
        SendMessageA(player->m_hWnd, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, ms), reinterpret_cast<LPARAM>(slider));
    };
    drag(1500);
    EXPECT_EQ(PlaybackClock(), 1500u);
    player->StartPlayback();
    drag(15000);
    EXPECT_LT(PlaybackClock(), 15000u) << "moving the slider while playing changes nothing";
    player->StopPlayback();
}

TEST_F(PlayerWindow, ARecordingSavedThroughThePlayerOpensAgainWhole)
{
    RedSection(900);
    CRecording& rec = player->Recorder().Recording();
    rec.collections.push_back(std::make_unique<CCollection>());
    rec.collections.back()->pageId = 0;
    rec.collections.back()->startTime = 1000;
    rec.collections.back()->SetIndexOfAction(1);
    rec.sections[0]->SetIndexOfCollection(0);
    rec.collections.back()->Lines().AddStroke(RGB(0, 0, 0), kPenMarker).AddPoint(5, 6, 3, 1200);
    rec.actions.clear();
    rec.Link();
    const std::string path = TempPath(".Lmz");
    ASSERT_TRUE(player->SaveRecording(path));
    rec.Clear();
    player->OpenRecording(path);
    ASSERT_EQ(rec.sections.size(), 1u);
    ASSERT_EQ(rec.collections.size(), 1u);
    ASSERT_EQ(rec.actions.size(), 2u);
    EXPECT_EQ(rec.collections[0]->Parent(), rec.sections[0].get());
    EXPECT_EQ(rec.actions[1]->Lines().At(0).PenKind(), kPenMarker);
    ASSERT_NE(rec.sections[0]->Picture(), nullptr);
    EXPECT_EQ(rec.sections[0]->Picture()->Width(), width);
    HWND slider = player->Item(IDC_PLAYER_SLIDER);
    EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 1200) << "the slider ends at the last action's end";
    DeleteFileA(path.c_str());
}

}  // namespace
