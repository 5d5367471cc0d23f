#include "Clock.h"

namespace fw {

uint32_t PlatformTickCount();  // Clock_native.cpp or Clock_win.cpp

namespace {
TickSource g_tickSource = nullptr;
}

uint32_t TickCount() { return g_tickSource ? g_tickSource() : PlatformTickCount(); }

void SetTickSourceForTesting(TickSource source) { g_tickSource = source; }

}  // namespace fw
