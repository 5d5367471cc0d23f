#pragma once
// An owner-drawn button showing one of four bitmaps: U (up), D (pressed),
// F (focus, which follows the mouse and so acts as the hover image) and
// X (disabled). It takes over a button of a dialog template; the images are
// bitmap resources named after a family, usually the button's caption.
#include <windows.h>

#include "Gdi.h"
#include "ImageButtonRules.h"
#include "Window.h"

// The invisible button every toolbar and pop-up dialog has to hold the
// keyboard focus while no image button should show its focus image.
inline constexpr int kFocusSinkControlId = 1020;

class CBMPButton : public fw::CSubclassedWindow {
public:
    CBMPButton() = default;
    ~CBMPButton() override;

    // Takes over control id of the dialog without loading images (for
    // images named by code); the control is made owner-drawn if its template
    // is not. True if this button now holds that control.
    bool Subclass(int controlId, HWND parentDialog);
    // Subclass, then loads the family the control's caption names and, if
    // the U image loaded, sizes the button to it. Returns whether U loaded.
    bool AutoLoad(int controlId, HWND parentDialog);
    // Drops the four images, then loads the named ones (null leaves that image
    // empty; without U nothing else is loaded). True only if every named
    // image loaded. Does not repaint: the caller invalidates the button.
    bool LoadBitmaps(const char* up, const char* down = nullptr, const char* focus = nullptr,
                     const char* disabled = nullptr);
    // LoadBitmaps with the family's U, D, F and X names; withDisabled false
    // leaves X empty.
    bool LoadFamily(const char* family, bool withDisabled = true);
    // Resizes (no move) to the U image.
    void SizeToContent();

    HBITMAP Image(ButtonImage which) const;
    // The module whose bitmap resources the names refer to.
    void SetResourceModule(HINSTANCE module) { module_ = module; }

    // The flags all image buttons share.
    static ImageButtonFlags& SharedFlags();

protected:
    LRESULT OnDrawItem(WPARAM, LPARAM item);
    LRESULT OnMouseMove(WPARAM, LPARAM point);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM);
    LRESULT OnLeftButtonUp(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);

    FW_DECLARE_MESSAGE_MAP()

private:
    fw::ScopedBitmap images_[kButtonImageCount];
    HINSTANCE module_ = GetModuleHandleA(nullptr);
};
