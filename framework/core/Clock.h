#pragma once
#include <cstdint>

namespace fw {

// The platform's millisecond tick count (GetTickCount on Windows).
uint32_t TickCount();

// Tests replace the tick source; nullptr restores the platform's.
using TickSource = uint32_t (*)();
void SetTickSourceForTesting(TickSource source);

}  // namespace fw
