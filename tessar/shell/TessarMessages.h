#pragma once
// The window class and the messages of Tessar's settings window.
#include <windows.h>

namespace tessar {

// Other programs and a second Tessar find the running copy by this class.
constexpr char kTessarClass[] = "Tessar";

// Registered when the program loads: the tray icon's callback message and the
// shell's notice that it recreated the notification area.
extern const UINT g_notifyIconMessage;
extern const UINT g_taskbarCreatedMessage;

// Posted by the tablet driver (and WM_SHOW_EXTRA_SETTINGS by a second start
// with "-s"). WM_POWERBROADCAST with kSuspendRequest asks for a suspend.
constexpr WPARAM kSuspendRequest = 2;
constexpr UINT WM_STROKE_LINK = 0x4C8;
constexpr UINT WM_SHOW_EXTRA_SETTINGS = 0x530;
constexpr UINT WM_RELOAD_PROFILE = 0x531;
constexpr UINT WM_DRIVER_STOPPED = 0x532;
constexpr UINT WM_MACROKEY_EVENT = 0x533;
constexpr UINT WM_QUIT_MANAGER = 0x534;
constexpr UINT WM_DRIVER_STARTED = 0x535;

// The tablet driver's hidden window and Tessar's notices to it.
constexpr char kDriverWindowTitle[] = "OrvikUSBTablet";
constexpr UINT WM_DRIVER_RESPONSE_TIME = 0x46A;
constexpr UINT WM_DRIVER_POINTING_SOUND = 0x46B;  // wParam: the pointing sound, 0 or 1

}  // namespace tessar
