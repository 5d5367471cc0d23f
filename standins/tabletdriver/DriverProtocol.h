#pragma once
// What the tablet driver and Lumora's programs agree on: window names, the
// messages the driver posts and receives, and their parameter layouts.
#include <cstdint>

namespace tabletdriver {

// Tessar's settings window, found by its class.
constexpr char kTessarClass[] = "Tessar";
// Vexo's overlay, found by its class.
constexpr char kOverlayClass[] = "MyWnd";
// The driver's hidden window, found by its title.
constexpr char kDriverWindowTitle[] = "OrvikUSBTablet";

// To Tessar.
constexpr unsigned WM_POWERBROADCAST_MSG = 0x218;  // wParam kSuspendRequest
constexpr uintptr_t kSuspendRequest = 2;
constexpr unsigned WM_STROKE_LINK = 0x4C8;         // wParam stroke number
constexpr unsigned WM_SHOW_EXTRA_SETTINGS = 0x530;
constexpr unsigned WM_RELOAD_PROFILE = 0x531;
constexpr unsigned WM_DRIVER_STOPPED = 0x532;
constexpr unsigned WM_MACROKEY_EVENT = 0x533;      // wParam event code, lParam non-zero press
constexpr unsigned WM_QUIT_MANAGER = 0x534;
constexpr unsigned WM_DRIVER_STARTED = 0x535;
// To Vexo's overlay: wParam the indicator state 0 to 3, lParam a user index 0 to 6.
constexpr unsigned WM_USER_INDICATOR = 0x590;
// From Tessar to the driver.
constexpr unsigned WM_RESPONSE_TIME_CHANGED = 0x46A;
constexpr unsigned WM_POINTING_SOUND_CHANGED = 0x46B;  // wParam the new state 0 or 1

// Key sides as the event code carries them.
enum KeySide : unsigned { kSideBottom = 0, kSideTop = 1, kSideLeft = 2, kSideRight = 3 };

// Bits 0 to 7 the side, bits 8 to 23 the raw key index on that side.
constexpr uint32_t MakeEventCode(unsigned side, unsigned rawIndex)
{
    return (side & 0xFFu) | ((rawIndex & 0xFFFFu) << 8);
}

}  // namespace tabletdriver
