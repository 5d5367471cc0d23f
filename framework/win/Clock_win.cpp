#include <windows.h>

#include <cstdint>

namespace fw {

uint32_t PlatformTickCount() { return GetTickCount(); }

}  // namespace fw
