#pragma once
// Acts when the right button is released over the tray icon.
#include "TrayIconActions.h"
#include "TrayIconMouseMsgHandler.h"

class CRightMouseClickMsgHandler : public CTrayIconMouseMsgHandler {
public:
    explicit CRightMouseClickMsgHandler(tessar::ITrayIconActions& window)
        : CTrayIconMouseMsgHandler(tessar::kMouseRightDown), window_(window) {}
    void OnMouseMessage(unsigned mouseMessage) override;

private:
    tessar::ITrayIconActions& window_;
};
