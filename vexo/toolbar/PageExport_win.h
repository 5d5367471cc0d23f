#pragma once
// The Save and Mail commands' steps on Windows: the screen capture, the
// picture library, the save dialog, the document, the temporary file and
// the mail program.
#include <windows.h>

#include <memory>
#include <string>

#include "DocumentFile.h"
#include "ExportFlow.h"

class CMyDrawWnd;
class CVexoApp;

namespace vexo {
class CDibPicture;
}

class CPageExport : public vexo::IExportHost, private vexo::IDocumentOwner {
public:
    CPageExport(CVexoApp& app, CMyDrawWnd& overlay);
    ~CPageExport() override;

    void SetToolbar(HWND toolbar) { toolbar_ = toolbar; }

    // vexo::IExportHost
    void EnableOverlayWindow(bool enable) override;
    void ShowOverlay(bool show) override;
    bool OverlayVisible() const override;
    void EnableTablet(bool enable) override;
    void ShowWaitCursor(bool wait) override;
    void Wait(int milliseconds) override;
    void CaptureScreen(bool drawInk) override;
    void ReleaseScreen() override;
    void WriteJpeg(const std::string& path) override;
    bool AskSavePath(const std::string& proposedName, std::string& chosenPath) override;
    void SaveDocument(const std::string& path) override;
    void TellNothingSaved(const std::string& path) override;
    std::string StoredJpgName() const override;
    void StoreJpgName(const std::string& name) override;
    vexo::LocalDate Today() const override;
    std::string ToolbarTitle() const override;
    std::string CreateTemporaryFile() override;
    void RemoveFile(const std::string& path) override;
    void EnterModalState() override;
    void LeaveModalState() override;
    bool RunMailProgram(const std::string& arguments) override;

private:
    // vexo::IDocumentOwner: the document is the current page's strokes.
    void Serialize(fw::CArchive& ar) override;

    CVexoApp& app_;
    CMyDrawWnd& overlay_;
    HWND toolbar_ = nullptr;
    std::unique_ptr<vexo::CDibPicture> capture_;
};
