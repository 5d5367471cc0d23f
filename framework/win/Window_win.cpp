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
        !self->RouteMessage(msg, wParam, lParam, result))
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
    modal_ = true;
    if (!instance) instance = GetModuleHandleA(nullptr);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId_), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND CDialog::CreateModeless(HWND parent, HINSTANCE instance)
{
    modal_ = false;
    if (!instance) instance = GetModuleHandleA(nullptr);
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId_), parent,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result)
{
    if (!m_hWnd) return;
    if (modal_) ::EndDialog(m_hWnd, result);
    else DestroyWindow(m_hWnd);
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
    if (self->RouteMessage(msg, wParam, lParam, result)) {
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

}  // namespace fw
