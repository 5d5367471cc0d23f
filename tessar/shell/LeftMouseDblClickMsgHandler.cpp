#include "LeftMouseDblClickMsgHandler.h"

void CLeftMouseDblClickMsgHandler::OnMouseMessage(unsigned mouseMessage)
{
    if (mouseMessage == tessar::kMouseLeftDoubleClick) window_.OnTrayIconDoubleClick();
}
