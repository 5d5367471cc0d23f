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
    HWND CreateModeless(HWND parent = nullptr, HINSTANCE instance = nullptr);
    void EndDialog(INT_PTR result);

    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }

protected:
    // WM_INITDIALOG; return TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // IDOK and IDCANCEL end the dialog unless the map handles them.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    UINT templateId_;
    bool modal_ = false;
};

}  // namespace fw
