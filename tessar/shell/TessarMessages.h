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

// Posted by the tablet driver, and by a second start with "-s".
constexpr UINT WM_SHOW_EXTRA_SETTINGS = 0x530;

}  // namespace tessar
