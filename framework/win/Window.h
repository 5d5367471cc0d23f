#pragma once
// Window and dialog classes whose derived classes declare, in a table, which
// handler method takes which window message or control command:
//
//   class CFooDlg : public fw::CDialog {
//       ...
//       void OnOk(UINT id);
//       LRESULT OnTimer(WPARAM, LPARAM);
//       FW_DECLARE_MESSAGE_MAP()
//   };
//   FW_BEGIN_MESSAGE_MAP(CFooDlg, fw::CDialog)
//       FW_ON_MESSAGE(WM_TIMER, OnTimer)
//       FW_ON_COMMAND(IDOK, OnOk)
//   FW_END_MESSAGE_MAP()
//
// The window procedure routes to the first matching entry of the most derived
// table, then the base tables; unhandled messages go to the default handling.
//
// A control made by a dialog template gets a C++ object the same way through
// CSubclassedWindow::Attach; an owner-drawn control then receives its parent's
// WM_DRAWITEM as WM_REFLECTED_DRAWITEM in its own map, so it draws itself.
// FilterMessage sees every message before the tables do.
#include <windows.h>

namespace fw {

class CMessageTarget;
using MessageHandler = LRESULT (CMessageTarget::*)(WPARAM, LPARAM);
using CommandHandler = void (CMessageTarget::*)(UINT id);

enum class MapEntryKind { End, Message, RegisteredMessage, Command, CommandRange, Notify };

struct MessageMapEntry {
    MapEntryKind kind;
    UINT message;             // Message
    const UINT* registered;   // RegisteredMessage: where the registered id is kept
    UINT firstId;             // Command, CommandRange, Notify
    UINT lastId;
    UINT code;                // Notify: the notification code (BN_CLICKED for commands)
    MessageHandler onMessage;
    CommandHandler onCommand;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
};

class CMessageTarget {
public:
    virtual ~CMessageTarget() = default;

protected:
    // Called by the window or dialog procedure for every message before the
    // message map (a window's from WM_NCCREATE on, a dialog's from
    // WM_INITDIALOG on, except WM_NCDESTROY); true (with result set) when the
    // message is fully handled and goes no further.
    virtual bool FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
    {
        (void)msg, (void)wParam, (void)lParam, (void)result;
        return false;
    }
    // Finds and calls the handler for a message; false when the tables have none.
    bool RouteMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();
};

#define FW_DECLARE_MESSAGE_MAP()                         \
protected:                                               \
    static const ::fw::MessageMap* GetThisMessageMap();  \
    const ::fw::MessageMap* GetMessageMap() const override;

#define FW_BEGIN_MESSAGE_MAP(ThisClass, BaseClass)                                        \
    const ::fw::MessageMap* ThisClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::fw::MessageMap* ThisClass::GetThisMessageMap()                                \
    {                                                                                     \
        using TheClass = ThisClass;                                                       \
        using TheBase = BaseClass;                                                        \
        static const ::fw::MessageMapEntry entries[] = {

#define FW_ON_MESSAGE(msg, fn)                                                 \
    {::fw::MapEntryKind::Message, (msg), nullptr, 0, 0, 0,                     \
     static_cast<::fw::MessageHandler>(&TheClass::fn), nullptr},

#define FW_ON_REGISTERED_MESSAGE(pMsgId, fn)                                   \
    {::fw::MapEntryKind::RegisteredMessage, 0, (pMsgId), 0, 0, 0,              \
     static_cast<::fw::MessageHandler>(&TheClass::fn), nullptr},

#define FW_ON_COMMAND(id, fn)                                                  \
    {::fw::MapEntryKind::Command, 0, nullptr, (id), (id), 0, nullptr,          \
     static_cast<::fw::CommandHandler>(&TheClass::fn)},

#define FW_ON_COMMAND_RANGE(first, last, fn)                                   \
    {::fw::MapEntryKind::CommandRange, 0, nullptr, (first), (last), 0, nullptr, \
     static_cast<::fw::CommandHandler>(&TheClass::fn)},

// A WM_COMMAND notification other than a click or menu pick (EN_CHANGE, ...).
#define FW_ON_NOTIFY_CODE(code, id, fn)                                        \
    {::fw::MapEntryKind::Notify, 0, nullptr, (id), (id), (code), nullptr,      \
     static_cast<::fw::CommandHandler>(&TheClass::fn)},

#define FW_END_MESSAGE_MAP()                                                   \
    {::fw::MapEntryKind::End, 0, nullptr, 0, 0, 0, nullptr, nullptr}};         \
        static const ::fw::MessageMap map = {TheBase::GetThisMessageMap(), entries}; \
        return &map;                                                           \
    }

// A window created from a registered class; its procedure routes through the
// message map.
class CWindow : public CMessageTarget {
public:
    HWND m_hWnd = nullptr;

    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    ~CWindow() override;

    // Registers (once) a class whose procedure serves CWindow objects.
    static bool RegisterClass(HINSTANCE instance, const char* className, UINT style,
                              HCURSOR cursor, HBRUSH background, HICON icon = nullptr);
    HWND Create(const char* className, const char* title, DWORD style, DWORD exStyle,
                int x, int y, int w, int h, HWND parent, HMENU menu, HINSTANCE instance);
    void Destroy();

protected:
    // Called for messages the map does not handle.
    virtual LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when m_hWnd is already gone.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// A dialog bound to its template id, run modally or modeless.
class CDialog : public CMessageTarget {
public:
    HWND m_hWnd = nullptr;

    explicit CDialog(UINT templateId) : templateId_(templateId) {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    UINT TemplateId() const { return templateId_; }
    INT_PTR DoModal(HWND parent = nullptr, HINSTANCE instance = nullptr);
    // Modal too, but the dialog runs its own message loop, so that every
    // message of the thread passes PreTranslateMessage before the dialog
    // manager's keyboard handling sees it.
    INT_PTR RunModalLoop(HWND parent = nullptr, HINSTANCE instance = nullptr);
    HWND CreateModeless(HWND parent = nullptr, HINSTANCE instance = nullptr);
    void EndDialog(INT_PTR result);

    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }

protected:
    // WM_INITDIALOG; return TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // IDOK and IDCANCEL end the dialog unless the map handles them.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // RunModalLoop only: true when the message was dealt with and must not
    // be dispatched.
    virtual bool PreTranslateMessage(MSG&) { return false; }

private:
    enum class Mode { kModeless, kModal, kOwnLoop };
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    UINT templateId_;
    Mode mode_ = Mode::kModeless;
    bool loopEnded_ = false;
    INT_PTR loopResult_ = 0;
};

// A parent's notification sent on to the control it is about, at this offset.
inline constexpr UINT kReflectedMessageBase = WM_USER + 0x1C00;
// wParam, lParam as for WM_DRAWITEM; the handler returns TRUE when it drew.
inline constexpr UINT WM_REFLECTED_DRAWITEM = kReflectedMessageBase + WM_DRAWITEM;

// An existing window (usually a dialog's control) taken over by a C++ object:
// its messages route through the object's map first; the rest, and whatever a
// handler passes on through DefaultProc, reach the window's original procedure.
class CSubclassedWindow : public CMessageTarget {
public:
    HWND m_hWnd = nullptr;

    CSubclassedWindow() = default;
    CSubclassedWindow(const CSubclassedWindow&) = delete;
    CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;
    // Gives the window its own procedure back; the window itself stays.
    ~CSubclassedWindow() override;

    // False if this object already holds a window, hwnd is not a window or
    // already belongs to another object.
    bool Attach(HWND hwnd);
    bool AttachDlgItem(int id, HWND parent) { return Attach(GetDlgItem(parent, id)); }
    // Restores the original procedure; returns the window, null if none was held.
    HWND Detach();

    // The object holding a window, or null.
    static CSubclassedWindow* FromHandle(HWND hwnd);
    // Hands a parent's WM_DRAWITEM to the object of the control it names.
    // True when that object handled it (result holds its answer).
    static bool ReflectDrawItem(WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // The window's original procedure.
    virtual LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when the object no longer holds the window.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    WNDPROC original_ = nullptr;
};

}  // namespace fw
