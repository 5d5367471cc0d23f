#include "MousePen.h"

#include <cstdlib>

namespace wtstandin {

PressureSetting ParsePressureSetting(const std::string& value, uint32_t maxPressure)
{
    PressureSetting setting;
    setting.constant = (maxPressure + 1) / 2 - 1;
    if (value == "rise") {
        setting.rising = true;
        return setting;
    }
    if (value.empty() || value.size() > 10 || value.find_first_not_of("0123456789") != std::string::npos)
        return setting;
    const unsigned long long number = std::strtoull(value.c_str(), nullptr, 10);
    if (number >= 1 && number <= maxPressure) setting.constant = static_cast<uint32_t>(number);
    return setting;
}

bool MousePen::Sample(bool buttonDown, uint32_t now, PenReading& out)
{
    if (!buttonDown) {
        if (!down_) return false;
        down_ = false;
        out = PenReading{0, 0};
        return true;
    }
    if (!down_) {
        down_ = true;
        downSince_ = now;
    }
    out.buttons = 1;
    if (!setting_.rising) {
        out.pressure = setting_.constant;
    } else {
        const uint32_t held = now - downSince_;  // wraps correctly across the tick counter's wrap
        const uint32_t start = maxPressure_ / 8;
        const uint64_t span = maxPressure_ - start;
        out.pressure = held >= kRiseTimeMs ? maxPressure_
                                           : start + static_cast<uint32_t>(span * held / kRiseTimeMs);
    }
    return true;
}

}  // namespace wtstandin
