#pragma once
// The nine WinTab entry points Vexo binds, as function types, and the
// context handle they pass around.
#include <windows.h>

#include "WintabTypes.h"

namespace wintab {

struct HCTX__;
using HCTX = HCTX__*;

// The context handle as the 32-bit value packets and WT_PACKET's lParam carry.
inline uint32_t ContextId(HCTX context) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(context)); }
inline HCTX ContextFromId(uintptr_t id) { return reinterpret_cast<HCTX>(id); }

using WTInfoAFn = UINT(WINAPI*)(UINT category, UINT index, LPVOID output);
using WTOpenAFn = HCTX(WINAPI*)(HWND window, LOGCONTEXTA* context, BOOL enable);
using WTCloseFn = BOOL(WINAPI*)(HCTX context);
using WTPacketFn = BOOL(WINAPI*)(HCTX context, UINT serial, LPVOID packet);
using WTPacketsGetFn = int(WINAPI*)(HCTX context, int maxPackets, LPVOID packets);
using WTEnableFn = BOOL(WINAPI*)(HCTX context, BOOL enable);
using WTOverlapFn = BOOL(WINAPI*)(HCTX context, BOOL toTop);
using WTGetAFn = BOOL(WINAPI*)(HCTX context, LOGCONTEXTA* record);
using WTQueueSizeSetFn = BOOL(WINAPI*)(HCTX context, int packets);

}  // namespace wintab
