#include "WintabPressure.h"

#include "Handle.h"
#include "WintabApi.h"

int CWintabPressureQuery::QueryMaxPressure()
{
    // By bare name: the driver installs the library in the system folder.
    fw::ScopedLibrary wintab("wintab32.dll");
    auto info = wintab.Proc<wintab::WTInfoAFn>("WTInfoA");
    if (!info) return 0;
    wintab::AXIS axis = {};
    if (info(wintab::WTI_DEVICES, wintab::DVC_NPRESSURE, &axis) == 0) return 0;
    return axis.axMax;
}
