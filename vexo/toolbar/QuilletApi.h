#pragma once
// The slide-show control library "quillet.dll". Vexo links it at load time
// (import library made from quillet.def). Every argument and result is a
// 32-bit int, except the menu the slide menu is built into.
#include <windows.h>

#ifndef QUILLET_API
#define QUILLET_API __declspec(dllimport)
#endif

extern "C" {
// -1: 0 while no show runs, non-zero while one runs. 0 next slide, 1 previous
// slide, 3 end the show, 4 slide screen, 5 black screen, 6 white screen.
QUILLET_API int WINAPI Quillet_PP_Action(int code);
QUILLET_API int WINAPI Quillet_PP_SetPointerType(int type);
QUILLET_API int WINAPI Quillet_PP_SetPointerColor(int colour);  // a COLORREF
QUILLET_API int WINAPI Quillet_PP_GetSlideShowActive();
QUILLET_API int WINAPI Quillet_PP_GetCurrentPage();
// Appends one item per slide to menu; slide n gets the command id baseId + n.
QUILLET_API int WINAPI Quillet_PP_SlideGotoMenu(HMENU menu, int baseId);
QUILLET_API int WINAPI Quillet_PP_SlideGoto(int slideNumber);
QUILLET_API int WINAPI Quillet_PP_EndOle();
}
