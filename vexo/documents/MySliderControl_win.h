#pragma once
// The player's position slider: a horizontal trackbar whose channel shows
// the player's bottom bar as it lay behind the slider, so the slider sits on
// the bar without a grey box around it.
#include <windows.h>

#include <cstdint>

#include "Gdi.h"
#include "Window.h"

class CMySliderControl : public fw::CSubclassedWindow {
public:
    // What the player paints behind a rectangle of its client area.
    class IBackdrop {
    public:
        virtual ~IBackdrop() = default;
        virtual void PaintBehind(HDC dc, const RECT& clientArea) = 0;
    };

    // The brush the player returns for the slider's WM_CTLCOLORSTATIC: the
    // background behind the slider, captured at the first call and kept.
    HBRUSH BackgroundBrush(HDC dc, HWND player, IBackdrop& backdrop);
    // Drops the captured background (the layout moved the slider).
    void ForgetBackground() { background_.Reset(); }

    void SetRange(uint32_t end);
    void SetPosition(uint32_t ms);
    uint32_t Position() const;

private:
    fw::ScopedBrush background_;
};
