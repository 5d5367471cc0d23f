#include "RightMouseClickMsgHandler.h"

void CRightMouseClickMsgHandler::OnMouseMessage(unsigned mouseMessage)
{
    if (mouseMessage == tessar::kMouseRightUp) window_.OnTrayIconRightClick();
}
