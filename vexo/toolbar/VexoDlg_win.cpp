#include "VexoDlg.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "AboutDlg.h"
#include "FileDialog.h"
#include "Gdi.h"
#include "MyAboutDlg.h"
#include "PenKinds.h"
#include "StartupFile.h"
#include "VexoDoc.h"
#include "DocumentMessages_win.h"
#include "Win32FileSystem.h"
#include "ToolbarKeys.h"
#include "ToolbarLayout.h"
#include "VexoApp.h"
#include "Strings.h"
#include "resource.h"

namespace {

// The system menu's about item: ids 16 to 31 open the about box.
constexpr UINT kAboutCommand = 16;
constexpr UINT kSystemCommandMask = 0xFFF0;

// The strip's background colour behind the background bitmap.
constexpr COLORREF kStripColour = RGB(192, 192, 192);

// The link button's tip: [LINK] "APPATH" of the settings file.
constexpr char kLinkSection[] = "LINK";
constexpr char kLinkTargetKey[] = "APPATH";
constexpr DWORD kLinkTipLength = 255;

constexpr char kMutiUserSection[] = "Option";
constexpr char kMutiUserKey[] = "MutiUser";

// The key-F1 message the dialog manager sends for help.
constexpr UINT kKeyF1Message = 0x4D;
// The help files under the program-files folder: the PDF, else the page.
constexpr char kHelpPdf[] = "\\Lumora\\help.pdf";
constexpr char kHelpPage[] = "\\Lumora\\Lumora.htm";

// A key message's extended-key flag (bit 24 of lParam).
constexpr LPARAM kExtendedKeyFlag = 1 << 24;

constexpr char kMyComputerCommand[] = "explorer /e,/select,c:";

constexpr char kTaskbarClass[] = "Shell_traywnd";

// The open-document dialog's filter and default extension.
constexpr char kDocumentFilter[] = "flmz (*.flmz)\0*.flmz\0\0";
constexpr char kDocumentExtension[] = "flmz";
// Where section pictures pass on their way to and from a recording file.
constexpr char kTempPicture[] = "\\temp.JPG";

PlayerSetup PlayerSetupFor(const CVexoApp& app)
{
    PlayerSetup setup;
    setup.instance = app.Instance();
    setup.style = app.Settings().style;
    setup.settingsPath = app.SettingsPath();
    setup.tempPicturePath = CVexoApp::GetCommonAppDataFolder() + kTempPicture;
    if (vexo::StartupOpenFor(app.CommandLine()) == vexo::StartupOpen::kRecording)
        setup.startupRecording = app.CommandLine().fileName;
    return setup;
}

// The strip's buttons: id and the tooltip's string id (0: none).
struct ButtonSpec {
    int id;
    int tipId;
};
constexpr ButtonSpec kButtons[] = {
    {IDC_PEN, IDS_TOOL_PEN},         {IDC_BRUSH, IDS_TOOL_BRUSH},      {IDC_MARKER, IDS_TOOL_MARKER},
    {IDC_ERASER, IDS_TOOL_ERASER},   {IDC_ARROW_TOOL, IDS_TOOL_ARROW},      {IDC_ERASE_ALL, IDS_ERASE_ALL},
    {IDC_PAGE_UP, IDS_PAGE_UP},      {IDC_PAGE_DOWN, IDS_PAGE_DOWN},   {IDC_SLIDE_SCREEN, IDS_SLIDE_SCREEN},
    {IDC_BLACK_BOARD, IDS_BLACK_SCREEN}, {IDC_WHITE_BOARD, IDS_WHITE_SCREEN}, {IDC_END_SHOW, IDS_END_SLIDE_SHOW},
    {IDOK, IDS_CLOSE},               {IDC_SAVE_JPG, IDS_SAVE_AS_JPG},  {IDC_MAIL, IDS_SEND_MAIL},
    {IDC_OPEN_DOCUMENT, 0},          {IDC_RECORD, IDS_RECORD},         {IDC_PLAYER, IDS_PLAY_BACK},
    {IDC_COLOUR_1, IDS_PEN_COLOUR},  {1011, IDS_PEN_COLOUR},           {1012, IDS_PEN_COLOUR},
    {1013, IDS_PEN_COLOUR},          {1014, IDS_PEN_COLOUR},           {1015, IDS_PEN_COLOUR},
    {1016, IDS_PEN_COLOUR},          {1017, IDS_PEN_COLOUR},           {1018, IDS_PEN_COLOUR},
    {1019, IDS_PEN_COLOUR},          {1021, IDS_PEN_COLOUR},           {1022, IDS_PEN_COLOUR},
    {1023, IDS_PEN_COLOUR},          {1024, IDS_PEN_COLOUR},           {1025, IDS_PEN_COLOUR},
    {IDC_WIDTH_1, 0},                {IDC_WIDTH_3, 0},                 {IDC_WIDTH_5, 0},
    {IDC_PALETTE, IDS_PEN_COLOUR},   {IDC_MY_PC, IDS_MY_COMPUTER},     {IDC_PAGE_MENU, IDS_PAGE},
    {IDC_WIDTH_POPUP, IDS_PEN_THICKNESS},
};
static_assert(sizeof kButtons / sizeof kButtons[0] == 40, "40 image buttons besides the link button");

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// True when hwnd is the toolbar or lies below it in the parent and owner chain.
bool BelongsTo(HWND hwnd, HWND toolbar)
{
    for (int depth = 0; hwnd && depth < 64; ++depth) {
        if (hwnd == toolbar) return true;
        HWND up = GetParent(hwnd);
        if (!up) up = GetWindow(hwnd, GW_OWNER);
        hwnd = up;
    }
    return false;
}

}  // namespace

FW_BEGIN_MESSAGE_MAP(CVexoDlg, CAppBarDlg)
    FW_ON_MESSAGE(WM_PAINT, OnPaint)
    FW_ON_MESSAGE(WM_TIMER, OnTimer)
    FW_ON_MESSAGE(WM_DESTROY, OnDestroyToolbar)
    FW_ON_MESSAGE(WM_TOOLBAR_COMMAND, OnToolbarCommand)
    FW_ON_MESSAGE(WM_USER_INDICATOR, OnUserIndicatorMessage)
    FW_ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
    FW_ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    FW_ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
    FW_ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    FW_ON_COMMAND(ID_HELP_COMMAND, OnHelp)
    FW_ON_COMMAND(IDC_PAGE_MENU, OnPageMenu)
    FW_ON_COMMAND(IDC_MY_PC, OnMyComputer)
    FW_ON_COMMAND(IDC_OPEN_DOCUMENT, OnOpenDocument)
    FW_ON_COMMAND(IDC_WIDTH_POPUP, OnWidthPopup)
    FW_ON_COMMAND(IDC_SAVE_JPG, OnSaveJpg)
    FW_ON_COMMAND(IDC_MAIL, OnMail)
    FW_ON_COMMAND_RANGE(IDC_PEN, IDC_PALETTE, OnCommandButton)
FW_END_MESSAGE_MAP()

CVexoDlg::CVexoDlg(CVexoApp& app, UINT templateId)
    : CAppBarDlg(templateId),
      app_(app),
      style_(app.Settings().style),
      transparent_(app.Settings().transparent != 0),
      overlay_(app.Instance(), transparent_, *this, slideShow_),
      player_(PlayerSetupFor(app), &overlay_),
      pageExport_(app, overlay_),
      exportFlow_(style_, pageExport_)
{
    commands_ = std::make_unique<CToolbarCommands>(style_, transparent_, overlay_, slideShow_,
                                                   static_cast<IToolbarView&>(*this));
}

CVexoDlg::~CVexoDlg()
{
    for (HBITMAP& image : indicatorImages_) {
        if (image) DeleteObject(image);
    }
}

INT_PTR CVexoDlg::Run() { return RunModalLoop(nullptr, app_.Instance()); }

bool CVexoDlg::Large() const { return style_ == kStyleLarge; }

// ---- creation and initialisation ----

// The window's creation steps: title, topmost, no caption, docked at the
// bottom. The dialog manager sends WM_INITDIALOG right after creation, so
// they run first thing there.
void CVexoDlg::CreateStrip()
{
    SetWindowTextA(m_hWnd, app_.Title().c_str());
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    CreateAppBar(style_);
}

BOOL CVexoDlg::OnInitDialog()
{
    CreateStrip();
    SetUpSystemMenu();
    icon_ = LoadIconA(app_.Instance(), MAKEINTRESOURCEA(IDI_VEXO));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    commands_->Reset();
    pageExport_.SetToolbar(m_hWnd);
    CMyDrawWnd::RegisterOverlayClass(app_.Instance());
    overlay_.CreateOverlay(m_hWnd);
    DetermineTaskbar();

    LoadButtonImages();
    SetFocus(Item(IDC_HID));
    CreateTooltips();
    SetTimer(m_hWnd, TIMER_SLIDESHOW_POLL, kSlideShowPollMs, nullptr);
    player_.Create(m_hWnd);
    overlay_.SetRecorder(player_);

    commands_->StartUp();
    LayOutButtons();
    ShowIndicators();
    OpenCommandLineDocument();
    return FALSE;  // the focus stays on the focus sink
}

void CVexoDlg::SetUpSystemMenu()
{
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu) return;
    char title[64] = "";
    GetWindowTextA(m_hWnd, title, sizeof title);
    const std::string about = fw::LoadStr(IDS_ABOUT);
    char item[160] = "";
    std::snprintf(item, sizeof item, "%s %s...", about.c_str(), title);
    if (about.empty() && title[0] == '\0') item[0] = '\0';
    if (item[0]) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, kAboutCommand, item);
    }
    RemoveMenu(menu, 1, MF_BYPOSITION);
    EnableMenuItem(menu, 0, MF_BYPOSITION | MF_DISABLED | MF_GRAYED);
}

void CVexoDlg::DetermineTaskbar()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    GetVersionExA(&version);
    const int osKind = OsKindFrom(static_cast<int>(version.dwPlatformId), static_cast<int>(version.dwMajorVersion),
                                  static_cast<int>(version.dwMinorVersion));
    int state = 0;
    if (HWND taskbar = FindWindowA(kTaskbarClass, "")) {
        APPBARDATA data = {};
        data.cbSize = sizeof data;
        data.hWnd = taskbar;
        state = static_cast<int>(SHAppBarMessage(ABM_GETSTATE, &data));
    }
    commands_->SetTaskbar(osKind, state);
}

void CVexoDlg::LoadButtonImages()
{
    for (int i = 0; i < 40; ++i) {
        const int id = kButtons[i].id;
        buttonIds_[i] = id;
        CBMPButton& button = buttons_[i];
        button.SetResourceModule(app_.Instance());
        if (!Large()) {
            button.AutoLoad(id, m_hWnd);
            continue;
        }
        button.Subclass(id, m_hWnd);
        if (id == IDC_OPEN_DOCUMENT) {
            button.LoadBitmaps(MAKEINTRESOURCEA(IDB_OPEN_DOCUMENT_U), MAKEINTRESOURCEA(IDB_OPEN_DOCUMENT_D),
                               MAKEINTRESOURCEA(IDB_OPEN_DOCUMENT_F), MAKEINTRESOURCEA(IDB_OPEN_DOCUMENT_X));
        } else if (const char* family = LargeFamilyOf(id)) {
            button.LoadFamily(family);
        } else {
            char caption[64] = "";
            GetDlgItemTextA(m_hWnd, id, caption, sizeof caption);
            button.LoadFamily(caption);
        }
        button.SizeToContent();
    }
    link_.SetResourceModule(app_.Instance());
    link_.AutoLoad(IDC_MY_LINK, m_hWnd);
}

void CVexoDlg::CreateTooltips()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, app_.Instance(),
                               nullptr);
    if (!tooltip_) return;
    for (const ButtonSpec& spec : kButtons) {
        if (spec.tipId) SetButtonTip(spec.id, spec.tipId);
    }
    char target[kLinkTipLength + 1] = "";
    GetPrivateProfileStringA(kLinkSection, kLinkTargetKey, "", target, sizeof target, app_.SettingsPath().c_str());
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(IDC_MY_LINK));
    tool.lpszText = target;
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

void CVexoDlg::LayOutButtons()
{
    for (const ButtonPlace& place : ButtonPlaces(style_)) {
        if (HWND button = Item(place.id)) {
            SetWindowPos(button, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void CVexoDlg::ShowIndicators()
{
    const int flag = static_cast<int>(
        GetPrivateProfileIntA(kMutiUserSection, kMutiUserKey, 0, app_.SettingsPath().c_str()));
    if (flag == 0) return;
    commands_->SetMultiUser(true);
    for (int user = 0; user < kUserCount; ++user) {
        SetIndicator(user, IDB_INDICATOR_ON);
        ShowWindow(Item(IDC_INDICATOR_FIRST + user), SW_SHOW);
    }
}

void CVexoDlg::OpenCommandLineDocument()
{
    // A recording named there is the player's, which opens and plays it.
    if (vexo::StartupOpenFor(app_.CommandLine()) == vexo::StartupOpen::kDocument)
        OpenDocument(app_.CommandLine().fileName);
}

void CVexoDlg::OpenDocument(const std::string& path)
{
    const vexo::DocResult result = vexo::CVexoDoc(fw::Files()).Open(path, *this);
    const HWND owner = overlay_.m_hWnd && IsWindowVisible(overlay_.m_hWnd) ? overlay_.m_hWnd : m_hWnd;
    vexo::ReportDocumentFailure(owner, result, vexo::DocKind::kAnnotation, path);
}

bool CVexoDlg::SaveDocument(const std::string& path)
{
    const vexo::DocResult result = vexo::CVexoDoc(fw::Files()).Save(path, *this);
    const HWND owner = overlay_.m_hWnd && IsWindowVisible(overlay_.m_hWnd) ? overlay_.m_hWnd : m_hWnd;
    vexo::ReportDocumentFailure(owner, result, vexo::DocKind::kAnnotation, path);
    return result == vexo::DocResult::kOk;
}

void CVexoDlg::Serialize(fw::CArchive& ar)
{
    overlay_.Pages().CurrentLines().Serialize(ar);
    if (ar.IsLoading() && overlay_.m_hWnd) InvalidateRect(overlay_.m_hWnd, nullptr, TRUE);
}

// ---- IOverlayHost ----

int CVexoDlg::SlideShowState() const { return commands_->SlideShowState(); }

vexo::ScreenRect CVexoDlg::ToolbarRect() const
{
    RECT r = {};
    if (m_hWnd) GetWindowRect(m_hWnd, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void CVexoDlg::OnOverlayShown(bool shown)
{
    if (transparent_) return;
    EnableButton(IDC_MY_PC, !shown);
    EnableButton(IDC_MY_LINK, !shown);
}

void CVexoDlg::OnUserIndicator(uintptr_t wParam, intptr_t lParam)
{
    commands_->OnUserIndicator(static_cast<int>(wParam), static_cast<int>(lParam));
}

bool CVexoDlg::DisplayChanged() const { return commands_->DisplayChanged(); }

void CVexoDlg::RecoverDisplay() { commands_->RecoverDisplay(false); }

// ---- messages ----

LRESULT CVexoDlg::OnPaint(WPARAM, LPARAM)
{
    fw::ScopedPaintDC dc(m_hWnd);
    if (IsIconic(m_hWnd)) {
        RECT r;
        GetClientRect(m_hWnd, &r);
        const int x = (r.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (r.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, icon_);
    } else {
        RECT r;
        GetClientRect(m_hWnd, &r);
        fw::ScopedBrush strip(CreateSolidBrush(kStripColour));
        FillRect(dc, &r, strip.Get());
        fw::ScopedBitmap background(static_cast<HBITMAP>(LoadImageA(
            app_.Instance(), MAKEINTRESOURCEA(Large() ? IDB_STRIP_LARGE : IDB_STRIP_CLASSIC), IMAGE_BITMAP, 0, 0, 0)));
        if (background) {
            BITMAP info = {};
            GetObjectA(background.Get(), sizeof info, &info);
            fw::ScopedMemDC memory(dc);
            fw::ScopedSelect select(memory, background.Get());
            BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        }
    }
    return 0;
}

LRESULT CVexoDlg::OnTimer(WPARAM id, LPARAM)
{
    if (id == TIMER_SLIDESHOW_POLL) {
        commands_->OnSlideShowPoll(slideShow_.Action(kSlideShowQuery));
    } else if (id == TIMER_DISPLAY_RECOVERY) {
        commands_->RecoverDisplay(true);
    }
    return 0;
}

LRESULT CVexoDlg::OnDestroyToolbar(WPARAM wParam, LPARAM lParam)
{
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    commands_->HandleTaskbar(0);
    KillTimer(m_hWnd, TIMER_SLIDESHOW_POLL);
    slideShow_.EndOle();
    return CAppBarDlg::OnDestroy(wParam, lParam);
}

LRESULT CVexoDlg::OnToolbarCommand(WPARAM code, LPARAM)
{
    commands_->OnToolbarCommand(static_cast<int>(code));
    return 0;
}

LRESULT CVexoDlg::OnUserIndicatorMessage(WPARAM wParam, LPARAM lParam)
{
    OnUserIndicator(wParam, lParam);
    return 0;
}

LRESULT CVexoDlg::OnMouseWheel(WPARAM wParam, LPARAM)
{
    const short delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (delta > 0) commands_->Page(true);
    else if (delta < 0) commands_->Page(false);
    return 0;
}

LRESULT CVexoDlg::OnSysCommand(WPARAM id, LPARAM lParam)
{
    if ((id & kSystemCommandMask) == kAboutCommand) {
        CAboutDlg about(m_hWnd);
        about.DoModal(m_hWnd, app_.Instance());
        return 0;
    }
    return DefWindowProcA(m_hWnd, WM_SYSCOMMAND, id, lParam);
}

LRESULT CVexoDlg::OnDisplayChange(WPARAM wParam, LPARAM lParam)
{
    commands_->OnDisplayChange();
    return DefWindowProcA(m_hWnd, WM_DISPLAYCHANGE, wParam, lParam);
}

LRESULT CVexoDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(icon_); }

void CVexoDlg::OnCommandButton(UINT id) { commands_->OnButton(static_cast<int>(id)); }

void CVexoDlg::OnOK() { commands_->Exit(); }

void CVexoDlg::OnHelp(UINT) { app_.OnHelp(); }

void CVexoDlg::OpenHelpFile()
{
    const std::string programFiles = CVexoApp::GetProgramFilesFolder();
    const std::string pdf = programFiles + kHelpPdf;
    const bool havePdf = GetFileAttributesA(pdf.c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::string file = havePdf ? pdf : programFiles + kHelpPage;
    ShellExecuteA(m_hWnd, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CVexoDlg::OnPageMenu(UINT)
{
    RECT r = {};
    GetWindowRect(Item(IDC_PAGE_MENU), &r);
    overlay_.ShowPageMenu((r.left + r.right) / 2, r.top);
    SetCapture(m_hWnd);
}

void CVexoDlg::OnMyComputer(UINT)
{
    std::string command = kMyComputerCommand;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

void CVexoDlg::OnOpenDocument(UINT)
{
    std::string path;
    if (fw::AskOpenFileName(m_hWnd, kDocumentFilter, kDocumentExtension, path)) OpenDocument(path);
}

void CVexoDlg::OnWidthPopup(UINT) { ShowWidthPopup(!WidthPopupVisible()); }

// The button's tip would be part of the picture.
void CVexoDlg::HideTip()
{
    if (tooltip_) SendMessageA(tooltip_, TTM_POP, 0, 0);
}

void CVexoDlg::OnSaveJpg(UINT)
{
    HideTip();
    exportFlow_.Save();
}

void CVexoDlg::OnMail(UINT)
{
    HideTip();
    exportFlow_.Mail();
}

bool CVexoDlg::PreTranslateMessage(MSG& msg)
{
    if (tooltip_ && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
        SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    }
    const bool helpKey = msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && BelongsTo(msg.hwnd, m_hWnd);
    if ((msg.message == kKeyF1Message && msg.hwnd == m_hWnd) || helpKey) {
        OpenHelpFile();
        msg.message = 0;
        msg.wParam = 0;
        msg.hwnd = nullptr;
        return true;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (!BelongsTo(msg.hwnd, m_hWnd)) return false;
        // The player's keys page nothing: its overlay is hidden.
        if (player_.m_hWnd && BelongsTo(msg.hwnd, player_.m_hWnd)) return false;
        const bool extended = (msg.lParam & kExtendedKeyFlag) != 0;
        switch (ToolbarKeyOf(static_cast<unsigned>(msg.wParam), extended)) {
        case ToolbarKey::kPreviousPage: commands_->Page(true); return true;
        case ToolbarKey::kNextPage: commands_->Page(false); return true;
        case ToolbarKey::kEscape:
            // Passed on without the dialog's keyboard handling, which would
            // close the strip.
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            return true;
        case ToolbarKey::kNone: break;
        }
    }
    return false;
}

// ---- IToolbarView ----

CBMPButton* CVexoDlg::Button(int id)
{
    for (int i = 0; i < 40; ++i) {
        if (buttonIds_[i] == id) return &buttons_[i];
    }
    if (id == IDC_MY_LINK) return &link_;
    return nullptr;
}

void CVexoDlg::SetButtonImages(int id, const char* family, ButtonLook look)
{
    CBMPButton* button = Button(id);
    if (!button) return;
    if (look == ButtonLook::kNormal) {
        button->LoadFamily(family);
    } else {
        const std::string base(family);
        const std::string down = base + "D";
        const std::string disabled = base + "X";
        if (!button->LoadBitmaps(down.c_str(), down.c_str(), down.c_str(), disabled.c_str())) {
            // A family without a disabled image keeps its three others.
            button->LoadBitmaps(down.c_str(), down.c_str(), down.c_str());
        }
    }
    if (button->m_hWnd) InvalidateRect(button->m_hWnd, nullptr, TRUE);
}

void CVexoDlg::EnableButton(int id, bool enable)
{
    if (HWND button = Item(id)) EnableWindow(button, enable ? TRUE : FALSE);
}

void CVexoDlg::SetButtonTip(int id, int stringId)
{
    if (!tooltip_) return;
    std::string text = fw::LoadStr(static_cast<UINT>(stringId));
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
    tool.lpszText = &text[0];
    if (SendMessageA(tooltip_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) {
        tool.lpszText = &text[0];
        SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The width pop-up belongs to the compact toolbar's pickers; until it exists
// the large strip's width button has nothing to show.
void CVexoDlg::ShowWidthPopup(bool) {}
bool CVexoDlg::WidthPopupVisible() const { return false; }

void CVexoDlg::SetIndicator(int user, int bitmapId)
{
    const int slot = bitmapId - IDB_INDICATOR_OFF;
    if (slot < 0 || slot >= 3) return;
    if (!indicatorImages_[slot]) {
        indicatorImages_[slot] = static_cast<HBITMAP>(
            LoadImageA(app_.Instance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
    }
    SendDlgItemMessageA(m_hWnd, IDC_INDICATOR_FIRST + user, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(indicatorImages_[slot]));
}

void CVexoDlg::SetOverlayBackground(OverlayBackground background)
{
    HWND hwnd = overlay_.m_hWnd;
    if (!hwnd) return;
    LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    if (background == OverlayBackground::kTransparent) {
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_TRANSPARENT);
        SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, 0);
        return;
    }
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle & ~WS_EX_TRANSPARENT);
    const int brush = background == OverlayBackground::kBlack ? BLACK_BRUSH : WHITE_BRUSH;
    SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(GetStockObject(brush)));
}

void CVexoDlg::EnableOverlayWindow(bool enable)
{
    if (overlay_.m_hWnd) EnableWindow(overlay_.m_hWnd, enable ? TRUE : FALSE);
}

void CVexoDlg::InvalidateOverlay()
{
    if (overlay_.m_hWnd) InvalidateRect(overlay_.m_hWnd, nullptr, FALSE);
}

bool CVexoDlg::PickColour(uint32_t& colour)
{
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = m_hWnd;
    choose.rgbResult = RGB(0, 0, 0);
    choose.lpCustColors = customColours_;
    if (!ChooseColorA(&choose)) return false;
    colour = choose.rgbResult;
    return true;
}

void CVexoDlg::Wait(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

bool CVexoDlg::SecretKeysDown() const { return KeyDown(VK_CONTROL) && KeyDown(VK_SHIFT) && KeyDown(VK_END); }

void CVexoDlg::ShowPictureBox()
{
    CMyAboutDlg pictures;
    pictures.DoModal(m_hWnd, app_.Instance());
}

bool CVexoDlg::ConfirmClose()
{
    char title[64] = "";
    GetWindowTextA(m_hWnd, title, sizeof title);
    const std::string caption = fw::LoadStr(IDS_CLOSE) + " " + title;
    const HWND owner = overlay_.m_hWnd && IsWindowVisible(overlay_.m_hWnd) ? overlay_.m_hWnd : m_hWnd;
    return MessageBoxA(owner, fw::LoadStr(IDS_ARE_YOU_SURE).c_str(), caption.c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CVexoDlg::EndToolbar() { EndDialog(IDOK); }

void CVexoDlg::StartRecording() { player_.StartRecording(); }

void CVexoDlg::StopRecording() { player_.StopRecording(); }

void CVexoDlg::ShowPlayer() { player_.ShowPlayer(); }

bool CVexoDlg::AppBarRegistered() const { return IsAppBarRegistered(); }

void CVexoDlg::LeaveAppBar() { RemoveAppBar(); }

void CVexoDlg::RestoreAppBar() { RegisterAppBar(); }

void CVexoDlg::SpanScreenBottom()
{
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    MoveWindow(m_hWnd, 0, height - client.bottom, width, client.bottom, TRUE);
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CVexoDlg::StartDisplayRecoveryTimer() { SetTimer(m_hWnd, TIMER_DISPLAY_RECOVERY, kDisplayRecoveryMs, nullptr); }

void CVexoDlg::KillDisplayRecoveryTimer() { KillTimer(m_hWnd, TIMER_DISPLAY_RECOVERY); }

bool CVexoDlg::TaskbarExists() const { return FindWindowA(kTaskbarClass, "") != nullptr; }

void CVexoDlg::SetTaskbarTopmost(bool topmost)
{
    if (HWND taskbar = FindWindowA(kTaskbarClass, "")) {
        SetWindowPos(taskbar, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void CVexoDlg::ShowTaskbar(bool show)
{
    if (HWND taskbar = FindWindowA(kTaskbarClass, "")) ShowWindow(taskbar, show ? SW_SHOW : SW_HIDE);
}

void CVexoDlg::SetTaskbarState(int state)
{
    if (HWND taskbar = FindWindowA(kTaskbarClass, "")) {
        APPBARDATA data = {};
        data.cbSize = sizeof data;
        data.hWnd = taskbar;
        data.lParam = state;
        SHAppBarMessage(ABM_SETSTATE, &data);
    }
}
