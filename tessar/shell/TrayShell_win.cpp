#include "TrayShell.h"

#include <cstring>

#include "TessarMessages.h"
#include "TrayIconMouseMsgHandler.h"

static_assert(NOTIFYICONDATAA_V3_SIZE == (sizeof(void*) == 8 ? 520 : 504),
              "the shell expects the version 3 record");
static_assert(tessar::kTrayFlagsShown == (NIF_MESSAGE | NIF_ICON | NIF_TIP), "tray flags");
static_assert(tessar::kTrayTipSize == sizeof(NOTIFYICONDATAA{}.szTip), "tip field");
static_assert(tessar::kMouseLeftDown == WM_LBUTTONDOWN && tessar::kMouseLeftDoubleClick == WM_LBUTTONDBLCLK &&
                  tessar::kMouseRightDown == WM_RBUTTONDOWN && tessar::kMouseRightUp == WM_RBUTTONUP,
              "mouse messages");

namespace tessar {

void FillNotifyIconData(const TrayIconRecord& record, NOTIFYICONDATAA& data)
{
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V3_SIZE;
    data.hWnd = static_cast<HWND>(record.owner);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = static_cast<HICON>(record.icon);
    std::memcpy(data.szTip, record.tip, sizeof data.szTip);
    data.szTip[sizeof data.szTip - 1] = '\0';
}

unsigned CShellTray::CallbackMessage() const { return g_notifyIconMessage; }

bool CShellTray::NotifyIcon(TrayAction action, const TrayIconRecord& record)
{
    NOTIFYICONDATAA data;
    FillNotifyIconData(record, data);
    return Shell_NotifyIconA(action == TrayAction::Add ? NIM_ADD : NIM_DELETE, &data) != FALSE;
}

}  // namespace tessar
