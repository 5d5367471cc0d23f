#pragma once
// The Save and Mail commands: the order of the capture, the save dialog,
// the picture, the document, the mail program and the overlay's return. The
// window side carries each step out through IExportHost, so every path
// (cancelled, refused, failed) is checked without a window to restore the
// overlay and the pen.
#include <string>

namespace vexo {

struct LocalDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

class IExportHost {
public:
    virtual ~IExportHost() = default;

    // The overlay window, the pen input and the cursor.
    virtual void EnableOverlayWindow(bool enable) = 0;
    virtual void ShowOverlay(bool show) = 0;
    virtual bool OverlayVisible() const = 0;
    virtual void EnableTablet(bool enable) = 0;
    virtual void ShowWaitCursor(bool wait) = 0;
    virtual void Wait(int milliseconds) = 0;

    // The overlay's screen area copied from the screen, with the current
    // page's strokes drawn on it when asked; then the overlay is hidden.
    // ReleaseCapture drops it again.
    virtual void CaptureScreen(bool drawInk) = 0;
    virtual void ReleaseScreen() = 0;
    // The capture written as a JPEG file.
    virtual void WriteJpeg(const std::string& path) = 0;

    // The save dialog, starting with the proposed name; false when cancelled.
    virtual bool AskSavePath(const std::string& proposedName, std::string& chosenPath) = 0;
    // The current page's annotations as a document; the host tells a failure.
    virtual void SaveDocument(const std::string& path) = 0;
    // Tells the user that nothing was saved under a name whose extension is
    // not one of the two the dialog offers.
    virtual void TellNothingSaved(const std::string& path) = 0;

    // [JPG] DefaultFileName of the settings file.
    virtual std::string StoredJpgName() const = 0;
    virtual void StoreJpgName(const std::string& name) = 0;
    virtual LocalDate Today() const = 0;

    virtual std::string ToolbarTitle() const = 0;
    // An empty file in the temporary folder; empty when none could be made.
    virtual std::string CreateTemporaryFile() = 0;
    virtual void RemoveFile(const std::string& path) = 0;
    // While the mail program runs the strip takes no input.
    virtual void EnterModalState() = 0;
    virtual void LeaveModalState() = 0;
    // Starts the mail program with the argument string and waits until it
    // ends; false when it could not be started.
    virtual bool RunMailProgram(const std::string& arguments) = 0;
};

class CExportFlow {
public:
    CExportFlow(int style, IExportHost& host) : style_(style), host_(host) {}

    // The picture of the screen: to targetPath when given, else through the
    // save dialog (which may save a document instead).
    void Export(bool drawInk, const std::string& targetPath);
    void Save();
    void Mail();

    static constexpr int kRestoreWaitMs = 800;

private:
    void SaveThroughDialog();

    int style_;
    IExportHost& host_;
};

}  // namespace vexo
