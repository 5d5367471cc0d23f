#pragma once
// Receiver of the tray icon's mouse messages (the lParam of its notification).

namespace tessar {
// The mouse messages a tray notification carries (WM_LBUTTONDOWN, ...).
constexpr unsigned kMouseLeftDown = 0x201;
constexpr unsigned kMouseLeftUp = 0x202;
constexpr unsigned kMouseLeftDoubleClick = 0x203;
constexpr unsigned kMouseRightDown = 0x204;
constexpr unsigned kMouseRightUp = 0x205;
}  // namespace tessar

class CTrayIconMouseMsgHandler {
public:
    explicit CTrayIconMouseMsgHandler(unsigned registeredMessage)
        : registeredMessage_(registeredMessage) {}
    virtual ~CTrayIconMouseMsgHandler() = default;
    virtual void OnMouseMessage(unsigned mouseMessage) = 0;

    unsigned RegisteredMessage() const { return registeredMessage_; }

private:
    unsigned registeredMessage_;
};
