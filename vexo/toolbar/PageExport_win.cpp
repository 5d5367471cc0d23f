#include "PageExport_win.h"

#include "Archive.h"
#include "DocumentMessages_win.h"
#include "FileDialog.h"
#include "FileSystem.h"
#include "InkOnDc.h"
#include "MyDrawWnd_win.h"
#include "Strings.h"
#include "TolvanePictures_win.h"
#include "Win32FileSystem.h"
#include "VexoApp.h"
#include "VexoDoc.h"
#include "resource.h"

namespace {

constexpr char kJpgSection[] = "JPG";
constexpr char kDefaultFileNameKey[] = "DefaultFileName";
constexpr int kStoredNameLength = 16;
constexpr char kSaveFilter[] = "JPG (*.jpg)\0*.jpg\0Lumora (*.flmz)\0*.flmz\0";
constexpr char kSaveDefaultExtension[] = "jpg";
constexpr char kTemporaryPrefix[] = "pp";
constexpr char kMailProgram[] = "\\Posterly.exe";

}  // namespace

CPageExport::CPageExport(CVexoApp& app, CMyDrawWnd& overlay) : app_(app), overlay_(overlay) {}

CPageExport::~CPageExport() = default;

void CPageExport::EnableOverlayWindow(bool enable)
{
    if (overlay_.m_hWnd) EnableWindow(overlay_.m_hWnd, enable ? TRUE : FALSE);
}

void CPageExport::ShowOverlay(bool show) { overlay_.Show(show); }

bool CPageExport::OverlayVisible() const { return overlay_.IsShown(); }

void CPageExport::EnableTablet(bool enable) { overlay_.EnableTablet(enable); }

void CPageExport::ShowWaitCursor(bool wait) { SetCursor(LoadCursorA(nullptr, wait ? IDC_WAIT : IDC_ARROW)); }

void CPageExport::Wait(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

void CPageExport::CaptureScreen(bool drawInk)
{
    RECT r = {};
    if (overlay_.m_hWnd) GetWindowRect(overlay_.m_hWnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    capture_ = width > 0 && height > 0 ? vexo::CDibPicture::Blank(width, height) : nullptr;
    if (capture_) {
        // The screen as it is, with a visible overlay and its ink.
        fw::ScopedGetDC screen(nullptr);
        BitBlt(capture_->Dc(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
        if (drawInk) DrawAll(capture_->Dc(), overlay_.Pages().CurrentLines());
    }
    overlay_.Show(false);
}

void CPageExport::ReleaseScreen() { capture_.reset(); }

void CPageExport::WriteJpeg(const std::string& path)
{
    if (!capture_) return;
    vexo::CTolvanePictures pictures;
    pictures.WriteJpeg(*capture_, path);
}

bool CPageExport::AskSavePath(const std::string& proposedName, std::string& chosenPath)
{
    chosenPath = proposedName;
    return fw::AskSaveFileName(toolbar_, kSaveFilter, kSaveDefaultExtension, chosenPath);
}

void CPageExport::Serialize(fw::CArchive& ar) { overlay_.Pages().CurrentLines().Serialize(ar); }

void CPageExport::SaveDocument(const std::string& path)
{
    vexo::CVexoDoc document(fw::Files());
    const vexo::DocResult result = document.Save(path, *this);
    vexo::ReportDocumentFailure(toolbar_, result, vexo::DocKind::kAnnotation, path);
}

void CPageExport::TellNothingSaved(const std::string& path)
{
    const std::string text = vexo::FailureText(fw::LoadStr(IDS_EXPORT_NOTHING_SAVED), path);
    fw::MsgBoxText(toolbar_, text, fw::LoadStr(IDS_SAVE_AS_JPG).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

std::string CPageExport::StoredJpgName() const
{
    char name[kStoredNameLength] = "";
    GetPrivateProfileStringA(kJpgSection, kDefaultFileNameKey, "", name, sizeof name, app_.SettingsPath().c_str());
    return name;
}

void CPageExport::StoreJpgName(const std::string& name)
{
    WritePrivateProfileStringA(kJpgSection, kDefaultFileNameKey, name.c_str(), app_.SettingsPath().c_str());
}

vexo::LocalDate CPageExport::Today() const
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

std::string CPageExport::ToolbarTitle() const
{
    char title[64] = "";
    if (toolbar_) GetWindowTextA(toolbar_, title, sizeof title);
    return title;
}

std::string CPageExport::CreateTemporaryFile()
{
    char folder[MAX_PATH] = "";
    char file[MAX_PATH] = "";
    if (!GetTempPathA(MAX_PATH, folder)) return {};
    if (!GetTempFileNameA(folder, kTemporaryPrefix, 0, file)) return {};
    return file;
}

void CPageExport::RemoveFile(const std::string& path) { ::DeleteFileA(path.c_str()); }

void CPageExport::EnterModalState()
{
    EnableOverlayWindow(false);
    if (toolbar_) SetCapture(toolbar_);
    SetFocus(nullptr);
}

void CPageExport::LeaveModalState()
{
    ReleaseCapture();
    if (toolbar_) {
        EnableWindow(toolbar_, TRUE);
        SetActiveWindow(toolbar_);
        if (HWND sink = GetDlgItem(toolbar_, IDC_HID)) SetFocus(sink);
    }
    EnableOverlayWindow(true);
}

bool CPageExport::RunMailProgram(const std::string& arguments)
{
    const std::string program = CVexoApp::GetProgramFolder() + kMailProgram;
    return app_.LaunchProgram(program, arguments, true);
}
