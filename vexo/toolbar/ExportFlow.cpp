#include "ExportFlow.h"

#include "ExportRules.h"
#include "OverlayFlow.h"

namespace vexo {

void CExportFlow::Export(bool drawInk, const std::string& targetPath)
{
    host_.CaptureScreen(drawInk);
    if (!targetPath.empty()) {
        host_.WriteJpeg(targetPath);
    } else {
        SaveThroughDialog();
    }
    host_.ReleaseScreen();
}

void CExportFlow::SaveThroughDialog()
{
    // Only the compact toolbar proposes a name, counted per day.
    const bool propose = style_ == kStyleCompact;
    std::string proposed;
    if (propose) {
        const LocalDate today = host_.Today();
        proposed = ProposeJpgName(host_.StoredJpgName(), today.month, today.day, today.year);
    }
    std::string chosen;
    if (!host_.AskSavePath(proposed, chosen)) return;
    switch (SaveKindForExtension(FileExtension(chosen))) {
    case SaveKind::Picture:
        host_.WriteJpeg(chosen);
        if (propose && KeepsProposedName(FileTitle(chosen), proposed)) host_.StoreJpgName(proposed);
        break;
    case SaveKind::Document: host_.SaveDocument(chosen); break;
    case SaveKind::Refused: host_.TellNothingSaved(chosen); break;
    }
}

void CExportFlow::Save()
{
    host_.EnableOverlayWindow(false);
    Export(false, std::string());
    host_.Wait(kRestoreWaitMs);
    host_.EnableOverlayWindow(true);
    host_.ShowOverlay(true);
}

void CExportFlow::Mail()
{
    host_.EnableTablet(false);
    const std::string title = host_.ToolbarTitle();
    host_.ShowWaitCursor(true);
    const std::string picture = host_.CreateTemporaryFile();
    if (!picture.empty()) {
        const bool visible = host_.OverlayVisible();
        Export(visible, picture);
        if (visible) host_.ShowOverlay(false);
        std::string arguments;
        // An argument string past the limit would cut the picture's path:
        // then nothing is mailed.
        if (BuildMailArguments(title, picture, arguments)) {
            host_.EnterModalState();
            host_.RunMailProgram(arguments);
            host_.LeaveModalState();
        }
        host_.RemoveFile(picture);
    }
    host_.Wait(kRestoreWaitMs);
    host_.ShowOverlay(true);
    host_.EnableTablet(true);
    host_.ShowWaitCursor(false);
}

}  // namespace vexo
