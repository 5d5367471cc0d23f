#pragma once
// The few WinTab declarations Vexo uses, from the published interface.
#include <windows.h>

namespace wintab {

constexpr UINT WTI_DEVICES = 100;
constexpr UINT DVC_NPRESSURE = 15;

using FIX32 = DWORD;

struct AXIS {
    LONG axMin;
    LONG axMax;
    UINT axUnits;
    FIX32 axResolution;
};

using WTInfoAFn = UINT(WINAPI*)(UINT category, UINT index, LPVOID output);

}  // namespace wintab
