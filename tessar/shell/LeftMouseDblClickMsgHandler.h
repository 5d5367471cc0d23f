#pragma once
// Acts on a double click of the tray icon.
#include "TrayIconActions.h"
#include "TrayIconMouseMsgHandler.h"

class CLeftMouseDblClickMsgHandler : public CTrayIconMouseMsgHandler {
public:
    explicit CLeftMouseDblClickMsgHandler(tessar::ITrayIconActions& window)
        : CTrayIconMouseMsgHandler(tessar::kMouseLeftDown), window_(window) {}
    void OnMouseMessage(unsigned mouseMessage) override;

private:
    tessar::ITrayIconActions& window_;
};
