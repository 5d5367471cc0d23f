#pragma once
// The notification area of the Windows shell, for CTrayIcon.
#include <windows.h>
#include <shellapi.h>

#include "TrayIcon.h"

namespace tessar {

// The record as Shell_NotifyIconA takes it: the version 3 layout (504 bytes on
// 32-bit Windows, 520 on x64), which every shell since Windows 2000 accepts.
void FillNotifyIconData(const TrayIconRecord& record, NOTIFYICONDATAA& data);

class CShellTray : public ITrayShell {
public:
    unsigned CallbackMessage() const override;
    bool NotifyIcon(TrayAction action, const TrayIconRecord& record) override;
};

}  // namespace tessar
