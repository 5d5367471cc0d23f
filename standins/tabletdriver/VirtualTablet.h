#pragma once
// A small window that shows the tablet with its macro keys around the pen
// area, each side where the model has it. A click on a key reports it to
// Tessar as the driver does: a press and a release with the key's event code.
#include <windows.h>

#include <string>
#include <vector>

#include "TabletModels.h"
#include "Window.h"

namespace tabletdriver {

class CVirtualTablet : public fw::CWindow {
public:
    static constexpr char kClassName[] = "LumoraVirtualTablet";
    // Key buttons have the ids kFirstKeyId + key number - 1.
    static constexpr int kFirstKeyId = 100;
    static constexpr int kStatusId = 10;
    static constexpr int kLastEventId = 11;

    explicit CVirtualTablet(const TabletModel& model);
    bool Open(HINSTANCE instance);
    void ShowSettings(const DriverSettings& settings);

private:
    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    void OnKey(UINT id);

    void LayOutKeys();
    RECT PenArea() const;

    const TabletModel& model_;
    std::vector<VirtualKey> keys_;
    DriverSettings settings_;

    FW_DECLARE_MESSAGE_MAP()
};

}  // namespace tabletdriver
