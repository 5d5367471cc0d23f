#pragma once
// What the tray icon's mouse handlers ask of the settings window.

namespace tessar {

class ITrayIconActions {
public:
    virtual ~ITrayIconActions() = default;
    virtual void OnTrayIconDoubleClick() = 0;
    virtual void OnTrayIconRightClick() = 0;
};

}  // namespace tessar
