#include "Window.h"

namespace fw {

const MessageMap* CMessageTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {
        {MapEntryKind::End, 0, nullptr, 0, 0, 0, nullptr, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

bool CMessageTarget::RouteMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry* e = map->entries; e->kind != MapEntryKind::End; ++e) {
            switch (e->kind) {
            case MapEntryKind::Message:
                if (e->message != msg) continue;
                result = (this->*e->onMessage)(wParam, lParam);
                return true;
            case MapEntryKind::RegisteredMessage:
                if (!e->registered || *e->registered == 0 || *e->registered != msg) continue;
                result = (this->*e->onMessage)(wParam, lParam);
                return true;
            case MapEntryKind::Command:
            case MapEntryKind::CommandRange:
                // Clicks, menu picks and accelerators carry codes 0 and 1.
                if (msg != WM_COMMAND || code > 1 || id < e->firstId || id > e->lastId) continue;
                (this->*e->onCommand)(id);
                result = 0;
                return true;
            case MapEntryKind::Notify:
                if (msg != WM_COMMAND || code != e->code || id != e->firstId) continue;
                (this->*e->onCommand)(id);
                result = 0;
                return true;
            case MapEntryKind::End:
                break;
            }
        }
    }
    return false;
}

// ---- CWindow ----

CWindow::~CWindow()
{
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
    }
}

bool CWindow::RegisterClass(HINSTANCE instance, const char* className, UINT style,
                            HCURSOR cursor, HBRUSH background, HICON icon)
{
    WNDCLASSEXA wc = {};
    if (GetClassInfoExA(instance, className, &wc)) return true;
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &CWindow::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

HWND CWindow::Create(const char* className, const char* title, DWORD style, DWORD exStyle,
                     int x, int y, int w, int h, HWND parent, HMENU menu, HINSTANCE instance)
{
    return CreateWindowExA(exStyle, className, title, style, x, y, w, h, parent, menu, instance, this);
}

void CWindow::Destroy()
{
    if (m_hWnd) DestroyWindow(m_hWnd);
}

LRESULT CWindow::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindow*>(cs->lpCreateParams);
        if (self) {
            self->m_hWnd = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    if (!self->FilterMessage(msg, wParam, lParam, result) &&
        !self->RouteMessage(msg, wParam, lParam, result) &&
        !(msg == WM_DRAWITEM && CSubclassedWindow::ReflectDrawItem(wParam, lParam, result)))
        result = self->DefaultProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->OnFinalMessage();
    }
    return result;
}

// ---- CDialog ----

INT_PTR CDialog::DoModal(HWND parent, HINSTANCE instance)
{
    mode_ = Mode::kModal;
    if (!instance) instance = GetModuleHandleA(nullptr);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId_), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::RunModalLoop(HWND parent, HINSTANCE instance)
{
    if (!instance) instance = GetModuleHandleA(nullptr);
    mode_ = Mode::kOwnLoop;
    loopEnded_ = false;
    loopResult_ = -1;
    const bool ownerWasEnabled = parent && IsWindowEnabled(parent);
    if (ownerWasEnabled) EnableWindow(parent, FALSE);
    const HWND hwnd = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId_), parent,
                                         &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd) {
        // A modal dialog shows itself once its initialisation is done.
        if (!loopEnded_) ShowWindow(hwnd, SW_SHOW);
        MSG msg;
        while (!loopEnded_ && IsWindow(hwnd)) {
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
                break;
            }
            if (got < 0) break;
            if (PreTranslateMessage(msg)) continue;
            if (IsDialogMessageA(hwnd, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ownerWasEnabled) EnableWindow(parent, TRUE);
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    } else if (ownerWasEnabled) {
        EnableWindow(parent, TRUE);
    }
    mode_ = Mode::kModeless;
    return loopResult_;
}

HWND CDialog::CreateModeless(HWND parent, HINSTANCE instance)
{
    mode_ = Mode::kModeless;
    if (!instance) instance = GetModuleHandleA(nullptr);
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId_), parent,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result)
{
    if (!m_hWnd) return;
    switch (mode_) {
    case Mode::kModal: ::EndDialog(m_hWnd, result); break;
    case Mode::kOwnLoop:
        // The loop ends at its next message and destroys the window there.
        loopEnded_ = true;
        loopResult_ = result;
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
        break;
    case Mode::kModeless: DestroyWindow(m_hWnd); break;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return FALSE;

    LRESULT filtered = 0;
    if (msg != WM_NCDESTROY && self->FilterMessage(msg, wParam, lParam, filtered)) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, filtered);
        return TRUE;
    }

    if (msg == WM_NCDESTROY) {
        // The dialog is gone after this message; forget it whoever handles it.
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        LRESULT ignored = 0;
        self->RouteMessage(msg, wParam, lParam, ignored);
        self->m_hWnd = nullptr;
        return FALSE;
    }

    LRESULT result = 0;
    if (self->RouteMessage(msg, wParam, lParam, result) ||
        (msg == WM_DRAWITEM && CSubclassedWindow::ReflectDrawItem(wParam, lParam, result))) {
        // Messages that return their value through the dialog procedure itself.
        switch (msg) {
        case WM_CTLCOLORDLG: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSCROLLBAR: case WM_COMPAREITEM:
        case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
            return static_cast<INT_PTR>(result);
        default:
            SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }

    switch (msg) {
    case WM_INITDIALOG:
        return self->OnInitDialog();
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) { self->OnOK(); return TRUE; }
        if (LOWORD(wParam) == IDCANCEL) { self->OnCancel(); return TRUE; }
        break;
    }
    return FALSE;
}

// ---- CSubclassedWindow ----

namespace {
// The window property that names a subclassed window's object.
constexpr char kSubclassProperty[] = "fw.CSubclassedWindow";
// Left behind when an object lets go of a window that was subclassed again
// after it: our procedure stays in that chain and passes everything on.
constexpr char kOrphanedProcProperty[] = "fw.CSubclassedWindow.original";
}  // namespace

CSubclassedWindow::~CSubclassedWindow() { Detach(); }

bool CSubclassedWindow::Attach(HWND hwnd)
{
    if (m_hWnd || !hwnd || !IsWindow(hwnd) || FromHandle(hwnd)) return false;
    if (!SetPropA(hwnd, kSubclassProperty, this)) return false;
    m_hWnd = hwnd;
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassedWindow::SubclassProc)));
    if (!original_) {
        RemovePropA(hwnd, kSubclassProperty);
        m_hWnd = nullptr;
        return false;
    }
    return true;
}

HWND CSubclassedWindow::Detach()
{
    HWND hwnd = m_hWnd;
    if (!hwnd) return nullptr;
    // Only put the old procedure back if nobody subclassed the window after us;
    // otherwise their chain would lose its link to us and to the original.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) == &CSubclassedWindow::SubclassProc)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    else
        SetPropA(hwnd, kOrphanedProcProperty, reinterpret_cast<HANDLE>(original_));
    RemovePropA(hwnd, kSubclassProperty);
    m_hWnd = nullptr;
    return hwnd;
}

CSubclassedWindow* CSubclassedWindow::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<CSubclassedWindow*>(GetPropA(hwnd, kSubclassProperty)) : nullptr;
}

bool CSubclassedWindow::ReflectDrawItem(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // wParam 0 is a menu item: it has no control to reflect to.
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (wParam == 0 || !item || item->CtlType == ODT_MENU) return false;
    CSubclassedWindow* control = FromHandle(item->hwndItem);
    return control && control->RouteMessage(WM_REFLECTED_DRAWITEM, wParam, lParam, result);
}

LRESULT CSubclassedWindow::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return original_ ? CallWindowProcA(original_, m_hWnd, msg, wParam, lParam)
                     : DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CSubclassedWindow* self = FromHandle(hwnd);
    if (!self) {
        auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOrphanedProcProperty));
        if (msg == WM_NCDESTROY) RemovePropA(hwnd, kOrphanedProcProperty);
        return original ? CallWindowProcA(original, hwnd, msg, wParam, lParam)
                        : DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    LRESULT result = 0;
    if (!self->RouteMessage(msg, wParam, lParam, result))
        result = self->DefaultProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->OnFinalMessage();
    }
    return result;
}

}  // namespace fw
