#include "TrayIcon.h"

#include <cstring>

#include "TrayIconMouseMsgHandler.h"

namespace tessar {

void CopyTrayTip(const char* tip, char (&out)[kTrayTipSize])
{
    out[0] = '\0';
    if (!tip) return;
    size_t len = 0;
    while (len < kTrayTipSize - 1 && tip[len]) ++len;
    std::memcpy(out, tip, len);
    out[len] = '\0';
}

}  // namespace tessar

CTrayIcon::CTrayIcon(tessar::ITrayShell& shell, tessar::WindowHandle owner, unsigned id,
                     tessar::IconHandle icon, const char* tip,
                     CTrayIconMouseMsgHandler* const* handlers, int count)
    : shell_(shell), owner_(owner), id_(id), icon_(icon), tip_(tip)
{
    if (handlers && count > 0) handlers_.assign(handlers, handlers + count);
}

CTrayIcon::~CTrayIcon() { Remove(); }

void CTrayIcon::SetIcon(tessar::WindowHandle owner, unsigned id, tessar::IconHandle icon,
                        const char* tip)
{
    owner_ = owner;
    id_ = id;
    icon_ = icon;
    tip_ = tip;
}

tessar::TrayIconRecord CTrayIcon::ShownRecord() const
{
    tessar::TrayIconRecord record;
    record.owner = owner_;
    record.id = id_;
    record.flags = tessar::kTrayFlagsShown;
    record.callbackMessage = shell_.CallbackMessage();
    record.icon = icon_;
    tessar::CopyTrayTip(tip_, record.tip);
    return record;
}

bool CTrayIcon::Show()
{
    // Wanted even when the shell refuses: a shell that starts later asks for it again.
    shown_ = true;
    return shell_.NotifyIcon(tessar::TrayAction::Add, ShownRecord());
}

bool CTrayIcon::ShowAgain() { return shown_ && Show(); }

void CTrayIcon::Remove()
{
    shown_ = false;
    tessar::TrayIconRecord record;
    record.owner = owner_;
    record.id = id_;
    shell_.NotifyIcon(tessar::TrayAction::Delete, record);
}

void CTrayIcon::Dispatch(unsigned mouseMessage)
{
    for (CTrayIconMouseMsgHandler* handler : handlers_)
        if (handler) handler->OnMouseMessage(mouseMessage);
}
