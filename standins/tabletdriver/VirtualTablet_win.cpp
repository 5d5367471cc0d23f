#include "VirtualTablet.h"

#include <cstdio>

#include "DriverLink.h"
#include "DriverProtocol.h"
#include "Gdi.h"

namespace tabletdriver {

namespace {
constexpr int kKeyWidth = 44;
constexpr int kKeyHeight = 24;
constexpr int kGap = 6;
constexpr int kPenAreaWidth = 360;
constexpr int kPenAreaHeight = 220;
constexpr int kTextHeight = 20;
// Room for the left and right key columns and the top and bottom rows.
constexpr int kMargin = kKeyWidth + 2 * kGap;
constexpr int kClientWidth = kPenAreaWidth + 2 * kMargin;
constexpr int kClientHeight = kPenAreaHeight + 2 * (kKeyHeight + 2 * kGap) + 2 * kTextHeight + kGap;

const char* SideName(unsigned side)
{
    switch (side) {
    case kSideBottom: return "bottom";
    case kSideTop: return "top";
    case kSideLeft: return "left";
    case kSideRight: return "right";
    default: return "?";
    }
}
}  // namespace

FW_BEGIN_MESSAGE_MAP(CVirtualTablet, fw::CWindow)
    FW_ON_MESSAGE(WM_CREATE, OnCreate)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_CLOSE, OnClose)
    FW_ON_COMMAND_RANGE(kFirstKeyId, kFirstKeyId + 99, OnKey)
FW_END_MESSAGE_MAP()

CVirtualTablet::CVirtualTablet(const TabletModel& model) : model_(model), keys_(KeysOf(model)) {}

bool CVirtualTablet::Open(HINSTANCE instance)
{
    fw::CWindow::RegisterClass(instance, kClassName, CS_HREDRAW | CS_VREDRAW,
                               LoadCursorA(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    const std::string title = "Virtual tablet - " + model_.displayName;
    if (!Create(kClassName, title.c_str(), style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance))
        return false;
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    return true;
}

RECT CVirtualTablet::PenArea() const
{
    const int top = kTextHeight + kKeyHeight + 2 * kGap;
    return {kMargin, top, kMargin + kPenAreaWidth, top + kPenAreaHeight};
}

LRESULT CVirtualTablet::OnCreate(WPARAM, LPARAM)
{
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, kGap, 2, kClientWidth - 2 * kGap,
                    kTextHeight - 4, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)),
                    instance, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, kGap, kClientHeight - kTextHeight + 2,
                    kClientWidth - 2 * kGap, kTextHeight - 4, m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLastEventId)), instance, nullptr);
    for (const VirtualKey& key : keys_) {
        char label[16];
        std::snprintf(label, sizeof label, "K%d", key.keyNumber);
        const HWND button = CreateWindowExA(
            0, "BUTTON", label, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, kKeyWidth, kKeyHeight,
            m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstKeyId + key.keyNumber - 1)),
            instance, nullptr);
        // A key the model's map cannot report stays, greyed, in its place.
        if (key.rawIndex < 0) EnableWindow(button, FALSE);
    }
    LayOutKeys();
    return 0;
}

void CVirtualTablet::LayOutKeys()
{
    const RECT pen = PenArea();
    for (const VirtualKey& key : keys_) {
        const int count = model_.counts[key.side];
        int x = 0, y = 0;
        if (key.side == kSideTop || key.side == kSideBottom) {
            const int step = (pen.right - pen.left) / count;
            x = pen.left + step * (key.keyOnSide - 1) + (step - kKeyWidth) / 2;
            y = key.side == kSideTop ? pen.top - kGap - kKeyHeight : pen.bottom + kGap;
        } else {
            const int step = (pen.bottom - pen.top) / count;
            y = pen.top + step * (key.keyOnSide - 1) + (step - kKeyHeight) / 2;
            x = key.side == kSideLeft ? pen.left - kGap - kKeyWidth : pen.right + kGap;
        }
        SetWindowPos(GetDlgItem(m_hWnd, kFirstKeyId + key.keyNumber - 1), nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT CVirtualTablet::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC dc(m_hWnd);
    const RECT pen = PenArea();
    fw::ScopedBrush surface(CreateSolidBrush(RGB(0x3C, 0x3F, 0x44)));
    FillRect(dc, &pen, surface);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xC8, 0xC8, 0xC8));
    RECT text = pen;
    DrawTextA(dc, model_.displayName.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return 0;
}

LRESULT CVirtualTablet::OnClose(WPARAM, LPARAM)
{
    // Closing the tablet ends the driver.
    PostQuitMessage(0);
    return 0;
}

void CVirtualTablet::ShowSettings(const DriverSettings& settings)
{
    settings_ = settings;
    char text[128];
    std::snprintf(text, sizeof text, "Response time: %d ms, pointing sound: %s",
                  settings.responseTimeMs, settings.pointingSound ? "on" : "off");
    SetDlgItemTextA(m_hWnd, kStatusId, text);
}

void CVirtualTablet::OnKey(UINT id)
{
    const int number = static_cast<int>(id) - kFirstKeyId + 1;
    if (number < 1 || number > static_cast<int>(keys_.size())) return;
    const VirtualKey& key = keys_[static_cast<size_t>(number - 1)];
    if (key.rawIndex < 0) return;

    const uintptr_t code = MakeEventCode(key.side, static_cast<unsigned>(key.rawIndex));
    const bool delivered = PostToTarget({Target::Tessar, WM_MACROKEY_EVENT, code, 1});
    PostToTarget({Target::Tessar, WM_MACROKEY_EVENT, code, 0});
    if (settings_.pointingSound) MessageBeep(MB_OK);

    char text[128];
    std::snprintf(text, sizeof text, "K%d: %s key %d, code 0x%06X%s", number, SideName(key.side),
                  key.keyOnSide, static_cast<unsigned>(code), delivered ? "" : " (Tessar is not running)");
    SetDlgItemTextA(m_hWnd, kLastEventId, text);
}

}  // namespace tabletdriver
