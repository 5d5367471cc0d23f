#pragma once
// A dialog that docks at a screen edge as an application bar and snaps back
// to its band whenever it is moved or resized. The toolbar derives from it
// and calls CreateAppBar at the end of its own creation steps.
//
// A message goes to the first handler in the derived map, then this one: a
// derived dialog that maps WM_MOVE, WM_SIZE, WM_WINDOWPOSCHANGED or
// WM_DESTROY itself calls the handler of the same name here from its own.
#include <windows.h>

#include <memory>

#include "AppBar.h"
#include "Window.h"

class CShellAppBar;

class CAppBarDlg : public fw::CDialog {
public:
    explicit CAppBarDlg(UINT templateId);
    ~CAppBarDlg() override;

    // The app bar's state, for leaving the band during a slide show and
    // taking it again afterwards. Before CreateAppBar and after destruction
    // there is no app bar: not registered, edge bottom, calls do nothing.
    bool IsAppBarRegistered() const;
    // Registers with the shell again and docks at the stored edge.
    void RegisterAppBar();
    void RemoveAppBar();
    void SetAppBarEdge(int edge);
    void ReDockAppBar();
    int AppBarEdge() const;
    CAppBar* AppBar() { return appBar_.get(); }
    // The window rectangle once docked at creation.
    const RECT& CreationRect() const { return creationRect_; }

protected:
    // Registers the window as an app bar docked at the bottom edge, its
    // thickness from the dialog base units for the toolbar style ([UI] Style).
    void CreateAppBar(int style);

    LRESULT OnMove(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM sizeType, LPARAM);
    LRESULT OnWindowPosChanged(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    // The shell is not told about activation: the bar never changes its
    // z-order on its account.
    LRESULT OnActivate(WPARAM, LPARAM) { return 0; }

    FW_DECLARE_MESSAGE_MAP()

private:
    void DestroyAppBar();

    std::unique_ptr<CShellAppBar> shell_;
    std::unique_ptr<CAppBar> appBar_;
    RECT creationRect_ = {};
};
