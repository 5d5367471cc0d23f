#include "PressureRange.h"

namespace {
IPressureQuery* g_query = nullptr;
int g_cached = 0;  // 0: not asked yet
}  // namespace

void SetPressureQuery(IPressureQuery* query)
{
    g_query = query;
    g_cached = 0;
}

int NewStrokeMaxPressure()
{
    if (g_cached == 0) {
        int value = g_query ? g_query->QueryMaxPressure() : 0;
        // A driver that reports no usable range must not leave strokes with a
        // pressure scale that drawing and hit testing would divide by.
        g_cached = value > 0 ? value : kDefaultMaxPressure;
    }
    return g_cached;
}
