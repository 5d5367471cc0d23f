#pragma once
// Page menus realised as Win32 pop-up menus for the moment they are shown or
// filled by the slide-show library.
#include <windows.h>

#include <utility>

#include "PageMenus.h"

// CreatePopupMenu / DestroyMenu.
class ScopedPopupMenu {
public:
    explicit ScopedPopupMenu(HMENU menu) : menu_(menu) {}
    ~ScopedPopupMenu()
    {
        if (menu_) DestroyMenu(menu_);
    }
    ScopedPopupMenu(const ScopedPopupMenu&) = delete;
    ScopedPopupMenu& operator=(const ScopedPopupMenu&) = delete;
    ScopedPopupMenu(ScopedPopupMenu&& o) noexcept : menu_(std::exchange(o.menu_, nullptr)) {}
    operator HMENU() const { return menu_; }
    explicit operator bool() const { return menu_ != nullptr; }

private:
    HMENU menu_;
};

// A pop-up menu with the items of menu, in order; empty on failure.
ScopedPopupMenu RealisePageMenu(const CPageMenu& menu);
// Appends the command items of a pop-up menu (ids and texts; separators and
// sub-menus are skipped) to menu.
void ReadPageMenu(HMENU popup, CPageMenu& menu);

// Tracks a page menu as a pop-up owned by the main window, centred on the
// point, and returns the chosen command id (0: none).
class CPopupPageMenuTracker : public IPageMenuTracker {
public:
    explicit CPopupPageMenuTracker(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    int Track(const CPageMenu& menu, int x, int y) override;

private:
    HWND owner_;
};
