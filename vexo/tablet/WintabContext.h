#pragma once
// The decisions of Vexo's WinTab binding that need no window: the context
// record Vexo opens and the pressure scale it draws with.
#include <cstdint>

#include "WintabTypes.h"

namespace vexo {

// The context Vexo opens, from the driver's default digitising context: named
// "Vexo", moving the system cursor and posting packets as messages, asking
// for every standard packet field, and giving x and y in virtual-screen
// pixels with 0 at the top left (the negative vertical extent turns the
// tablet's upward axis downwards). Everything else keeps the driver's values.
wintab::LOGCONTEXTA MakeVexoContext(const wintab::LOGCONTEXTA& defaults, int32_t virtualWidth,
                                    int32_t virtualHeight);

// The pressure maximum the soft renderer is given. Drivers of 1024 or 2048
// levels (and more) are scaled to 511; a maximum of 767 stays 767. A device
// with fewer than 512 levels keeps its own maximum; a maximum of 0 or less,
// which no renderer can divide by, is taken as the default 1023, as when no
// driver answers. Applying it again changes nothing.
int NormaliseMaxPressure(int deviceMax);

// The pressure maximum after asking the device: its axis maximum when the
// query answered with a usable one, else the value held before.
int MaxPressureFromDevice(bool answered, int32_t axisMax, int current);

}  // namespace vexo
