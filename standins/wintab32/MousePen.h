#pragma once
// The mouse as a pen: the left button is the pen tip. Fed one sample of the
// button every tick, it says when a packet is due and with what buttons and
// pressure.
#include <cstdint>
#include <string>

namespace wtstandin {

// How hard the mouse pen presses while the button is down.
struct PressureSetting {
    bool rising = false;      // rising with the time the button is held
    uint32_t constant = 1023;  // when not rising
};

// The setting an environment value names: a number (1 to maxPressure) for a
// constant pressure, "rise" for a pressure that rises from an eighth of the
// maximum to the maximum over the first second the button is held. Empty or
// anything else: the default, a constant half the maximum.
PressureSetting ParsePressureSetting(const std::string& value, uint32_t maxPressure);

constexpr uint32_t kRiseTimeMs = 1000;

struct PenReading {
    uint32_t buttons = 0;
    uint32_t pressure = 0;
};

class MousePen {
public:
    MousePen(PressureSetting setting, uint32_t maxPressure) : setting_(setting), maxPressure_(maxPressure) {}

    // true when a packet is due: every sample while the button is down
    // (buttons 1 and the pressure), and one pen-up packet (buttons 0,
    // pressure 0) at the first sample after it came up. now: ms.
    bool Sample(bool buttonDown, uint32_t now, PenReading& out);

private:
    PressureSetting setting_;
    uint32_t maxPressure_;
    bool down_ = false;
    uint32_t downSince_ = 0;
};

}  // namespace wtstandin
