#pragma once
// The replay file: pen packets written as text, played back as if a pen had
// made them.
//
// One packet a line, six whole numbers separated by blanks or tabs:
//     time cursor buttons x y pressure
// time: ms after the file was picked up, never less than the line before;
// cursor, buttons: as the packet carries them (1 the pen tip, 0 the other
// cursor); x, y: screen pixels, 0 at the top left of the virtual screen;
// pressure: 0 to the device maximum. '#' starts a comment; blank lines are
// ignored. A line that breaks these rules is skipped and reported.
#include <cstdint>
#include <string>
#include <vector>

namespace wtstandin {

struct ReplayPacket {
    uint32_t time = 0;
    uint32_t cursor = 0;
    uint32_t buttons = 0;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t pressure = 0;
};

struct ReplayError {
    int line = 0;          // 1-based
    std::string message;   // what is wrong, with the line's text
};

struct ReplayScript {
    std::vector<ReplayPacket> packets;
    std::vector<ReplayError> errors;
};

ReplayScript ParseReplay(const std::string& text, uint32_t maxPressure);

}  // namespace wtstandin
