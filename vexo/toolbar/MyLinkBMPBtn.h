#pragma once
// The link button: an image button whose right click runs the "My Link"
// dialog, which edits the program the button starts.
#include <functional>
#include <utility>

#include "BMPButton.h"

class CMyLinkBMPBtn : public CBMPButton {
public:
    // Runs the "My Link" dialog modally; set by the button's owner.
    using LinkDialogRunner = std::function<void(HWND button)>;
    void SetLinkDialog(LinkDialogRunner runner) { runLinkDialog_ = std::move(runner); }

protected:
    LRESULT OnRightButtonDown(WPARAM, LPARAM);

    FW_DECLARE_MESSAGE_MAP()

private:
    LinkDialogRunner runLinkDialog_;
};
