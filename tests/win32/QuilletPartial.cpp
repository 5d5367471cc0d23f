// A slide-show library that lacks Quillet_PP_SetPointerColor, for the
// binding's resolution order.
#include <windows.h>

extern "C" int WINAPI Quillet_PP_SetPointerType(int) { return 1; }
extern "C" int WINAPI Quillet_PP_GetSlideShowActive() { return 0; }
extern "C" int WINAPI Quillet_PP_Action(int) { return 0; }
