#include "WintabContext.h"

#include <cstring>

#include "PressureRange.h"

namespace vexo {

wintab::LOGCONTEXTA MakeVexoContext(const wintab::LOGCONTEXTA& defaults, int32_t virtualWidth,
                                    int32_t virtualHeight)
{
    wintab::LOGCONTEXTA record = defaults;
    std::memset(record.lcName, 0, sizeof record.lcName);
    std::memcpy(record.lcName, "Vexo", 4);
    record.lcOptions |= wintab::CXO_SYSTEM | wintab::CXO_MESSAGES;
    record.lcPktData = wintab::PK_STANDARD;
    record.lcOutOrgX = 0;
    record.lcOutOrgY = 0;
    record.lcOutExtX = virtualWidth;
    record.lcOutExtY = -virtualHeight;
    return record;
}

int NormaliseMaxPressure(int deviceMax)
{
    if (deviceMax <= 0) deviceMax = kDefaultMaxPressure;
    // In 64 bits: INT_MAX + 1 must not overflow.
    const long long levels = static_cast<long long>(deviceMax) + 1;
    const long long divisor = levels / 512;
    if (divisor == 0) return deviceMax;  // fewer than 512 levels: nothing to scale
    return static_cast<int>(levels / divisor - 1);
}

int MaxPressureFromDevice(bool answered, int32_t axisMax, int current)
{
    return answered && axisMax > 0 ? axisMax : current;
}

}  // namespace vexo
