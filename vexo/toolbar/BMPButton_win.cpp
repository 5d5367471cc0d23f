#include "BMPButton.h"

#include <string>

namespace {
ImageButtonFlags g_sharedFlags;

// The longest caption a family name is read from.
constexpr int kCaptionLength = 64;
}  // namespace

FW_BEGIN_MESSAGE_MAP(CBMPButton, fw::CSubclassedWindow)
    FW_ON_MESSAGE(fw::WM_REFLECTED_DRAWITEM, OnDrawItem)
    FW_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    FW_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
    FW_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
    FW_ON_MESSAGE(WM_DESTROY, OnDestroy)
FW_END_MESSAGE_MAP()

CBMPButton::~CBMPButton() = default;

ImageButtonFlags& CBMPButton::SharedFlags() { return g_sharedFlags; }

bool CBMPButton::Subclass(int controlId, HWND parentDialog)
{
    HWND control = GetDlgItem(parentDialog, controlId);
    if (!control) return false;
    if (m_hWnd != control && !Attach(control)) return false;
    // The button draws itself only as an owner-drawn button.
    const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW)
        SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    return true;
}

bool CBMPButton::AutoLoad(int controlId, HWND parentDialog)
{
    if (!Subclass(controlId, parentDialog)) return false;
    char caption[kCaptionLength] = "";
    GetWindowTextA(m_hWnd, caption, sizeof caption);
    LoadFamily(caption);
    if (!images_[static_cast<int>(ButtonImage::kUp)]) return false;
    SizeToContent();
    return true;
}

bool CBMPButton::LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled)
{
    for (auto& image : images_) image.Reset();
    const char* names[kButtonImageCount] = {up, down, focus, disabled};
    bool all = true;
    for (int i = 0; i < kButtonImageCount; ++i) {
        if (!names[i]) continue;
        images_[i].Reset(LoadBitmapA(module_, names[i]));
        if (!images_[i]) {
            all = false;
            // Without its up image a button has nothing to show.
            if (i == static_cast<int>(ButtonImage::kUp)) return false;
        }
    }
    return all;
}

bool CBMPButton::LoadFamily(const char* family, bool withDisabled)
{
    const std::string base = family ? family : "";
    const std::string u = ButtonImageName(base, ButtonImage::kUp);
    const std::string d = ButtonImageName(base, ButtonImage::kDown);
    const std::string f = ButtonImageName(base, ButtonImage::kFocus);
    const std::string x = ButtonImageName(base, ButtonImage::kDisabled);
    return LoadBitmaps(u.c_str(), d.c_str(), f.c_str(), withDisabled ? x.c_str() : nullptr);
}

void CBMPButton::SizeToContent()
{
    HBITMAP up = images_[static_cast<int>(ButtonImage::kUp)];
    BITMAP info = {};
    if (!m_hWnd || !up || !GetObjectA(up, sizeof info, &info)) return;
    SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBITMAP CBMPButton::Image(ButtonImage which) const
{
    const int index = static_cast<int>(which);
    return index >= 0 && index < kButtonImageCount ? images_[index].Get() : nullptr;
}

LRESULT CBMPButton::OnDrawItem(WPARAM, LPARAM lParam)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    ButtonDrawState state;
    state.selected = (item->itemState & ODS_SELECTED) != 0;
    state.focused = (item->itemState & ODS_FOCUS) != 0;
    state.disabled = (item->itemState & ODS_DISABLED) != 0;
    ButtonImagesPresent present;
    present.up = Image(ButtonImage::kUp) != nullptr;
    present.down = Image(ButtonImage::kDown) != nullptr;
    present.focus = Image(ButtonImage::kFocus) != nullptr;
    present.disabled = Image(ButtonImage::kDisabled) != nullptr;

    HBITMAP chosen = Image(ChooseButtonImage(state, present));
    if (!chosen) return TRUE;
    fw::ScopedMemDC memory(item->hDC);
    fw::ScopedSelect select(memory, chosen);
    const RECT& r = item->rcItem;
    BitBlt(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    return TRUE;
}

LRESULT CBMPButton::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    // Signed client coordinates: left of or above the button they are negative.
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (OnImageButtonMouseMove(g_sharedFlags, PtInRect(&client, point) != FALSE)) {
    case HoverStep::kLeave:
        ReleaseCapture();
        if (HWND sink = GetDlgItem(GetParent(m_hWnd), kFocusSinkControlId)) SetFocus(sink);
        break;
    case HoverStep::kEnter:
        SetCapture(m_hWnd);
        SetFocus(m_hWnd);
        break;
    case HoverStep::kNone:
        break;
    }
    return DefaultProc(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT CBMPButton::OnLeftButtonDown(WPARAM wParam, LPARAM lParam)
{
    OnImageButtonLeftDown(g_sharedFlags);
    return DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CBMPButton::OnLeftButtonUp(WPARAM wParam, LPARAM lParam)
{
    OnImageButtonLeftUp(g_sharedFlags);
    // The button's own handling sends the click command, which may close
    // windows: decide on tracking after it.
    LRESULT result = DefaultProc(WM_LBUTTONUP, wParam, lParam);
    ReleaseCapture();
    if (KeepsHoverTracking(g_sharedFlags) && m_hWnd) SetCapture(m_hWnd);
    return result;
}

LRESULT CBMPButton::OnDestroy(WPARAM wParam, LPARAM lParam)
{
    OnImageButtonDestroyed(g_sharedFlags);
    return DefaultProc(WM_DESTROY, wParam, lParam);
}
