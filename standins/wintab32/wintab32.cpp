// WinTab stand-in: answers the device queries a tablet driver would. The
// pressure range matches a common 2048-level pen.
#include <windows.h>

#include <cstring>

#include "WintabApi.h"

namespace {
constexpr LONG kMaxPressure = 2047;
}

extern "C" UINT WINAPI WTInfoA(UINT category, UINT index, LPVOID output)
{
    if (category == wintab::WTI_DEVICES && index == wintab::DVC_NPRESSURE) {
        const wintab::AXIS axis = {0, kMaxPressure, 0, 0};
        if (output) std::memcpy(output, &axis, sizeof axis);
        return sizeof axis;
    }
    return 0;
}
