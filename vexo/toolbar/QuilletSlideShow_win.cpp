#include "QuilletSlideShow_win.h"

#include "PageMenus_win.h"
#include "QuilletApi.h"

int CQuilletSlideShow::Action(int code)
{
    return Quillet_PP_Action(code);
}

int CQuilletSlideShow::SetPointerType(int type)
{
    return Quillet_PP_SetPointerType(type);
}

int CQuilletSlideShow::GetCurrentPage()
{
    return Quillet_PP_GetCurrentPage();
}

void CQuilletSlideShow::SlideGotoMenu(CPageMenu& menu, int baseId)
{
    ScopedPopupMenu popup(CreatePopupMenu());
    if (!popup) return;
    Quillet_PP_SlideGotoMenu(popup, baseId);
    ReadPageMenu(popup, menu);
}

int CQuilletSlideShow::SlideGoto(int slideNumber)
{
    return Quillet_PP_SlideGoto(slideNumber);
}

void CQuilletSlideShow::EndOle()
{
    Quillet_PP_EndOle();
}
