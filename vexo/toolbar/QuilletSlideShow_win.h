#pragma once
// ISlideShow over "quillet.dll".
#include "SlideShow.h"

class CQuilletSlideShow : public ISlideShow {
public:
    int Action(int code) override;
    int SetPointerType(int type) override;
    int GetCurrentPage() override;
    // The library fills a pop-up menu; its items are read back into the data
    // menu and the pop-up is destroyed again.
    void SlideGotoMenu(CPageMenu& menu, int baseId) override;
    int SlideGoto(int slideNumber) override;
    void EndOle() override;
};
