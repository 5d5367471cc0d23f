#pragma once
// The tablet driver's pressure range, asked of "wintab32.dll".
#include "PressureRange.h"

class CWintabPressureQuery : public IPressureQuery {
public:
    int QueryMaxPressure() override;
};
