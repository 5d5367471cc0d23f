#include "MySliderControl_win.h"

#include <commctrl.h>

HBRUSH CMySliderControl::BackgroundBrush(HDC dc, HWND player, IBackdrop& backdrop)
{
    if (!m_hWnd) return nullptr;
    RECT r = {};
    GetWindowRect(m_hWnd, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (!background_ && width > 0 && height > 0) {
        // The player paints what lies behind the slider into a picture of
        // the slider's size, its origin moved to the slider's.
        POINT origin = {r.left, r.top};
        ScreenToClient(player, &origin);
        fw::ScopedGetDC screen(nullptr);
        fw::ScopedMemDC memory(screen);
        fw::ScopedBitmap picture(CreateCompatibleBitmap(screen, width, height));
        if (picture) {
            {
                fw::ScopedSelect select(memory, picture.Get());
                SetViewportOrgEx(memory, -origin.x, -origin.y, nullptr);
                const RECT area = {origin.x, origin.y, origin.x + width, origin.y + height};
                backdrop.PaintBehind(memory, area);
                SetViewportOrgEx(memory, 0, 0, nullptr);
            }
            background_.Reset(CreatePatternBrush(picture));
        }
    }
    if (!background_) return nullptr;
    SetBrushOrgEx(dc, 0, 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return background_;
}

void CMySliderControl::SetRange(uint32_t end)
{
    if (!m_hWnd) return;
    SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageA(m_hWnd, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(end));
}

void CMySliderControl::SetPosition(uint32_t ms)
{
    if (m_hWnd) SendMessageA(m_hWnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(ms));
}

uint32_t CMySliderControl::Position() const
{
    if (!m_hWnd) return 0;
    const LRESULT pos = SendMessageA(m_hWnd, TBM_GETPOS, 0, 0);
    return pos < 0 ? 0 : static_cast<uint32_t>(pos);
}
