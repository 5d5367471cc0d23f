#pragma once
// What our wintab32.dll's one device looks like: a tablet that covers the
// virtual screen one unit a pixel (y upwards, as on a real tablet), a pen of
// 2048 pressure levels, and the answers WTInfoA gives about it.
#include <cstdint>

#include "WintabTypes.h"

namespace wtstandin {

constexpr int32_t kMaxPressure = 2047;
constexpr uint32_t kPacketRate = 200;  // Hz: the mouse is sampled this often
constexpr int kMaxContexts = 16;
constexpr uint32_t kCursorCount = 2;   // 0 the other cursor, 1 the pen

struct VirtualScreen {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

// A tablet position.
struct TabletPoint {
    int32_t x = 0, y = 0;
};

// The default digitising context (output y upwards, like the tablet) and
// the default system context (CXO_SYSTEM) for a screen.
wintab::LOGCONTEXTA DefaultDigitizingContext(const VirtualScreen& screen);
wintab::LOGCONTEXTA DefaultSystemContext(const VirtualScreen& screen);

// The tablet point under a screen pixel (virtual-screen coordinates).
TabletPoint TabletFromScreen(const VirtualScreen& screen, int32_t screenX, int32_t screenY);

// A tablet point in a context's output coordinates: clipped to the input
// area, scaled from the input extent to the output extent, and counted from
// the other end of an axis whose output extent is negative.
void MapToOutput(const wintab::LOGCONTEXTA& context, TabletPoint in, int32_t& outX, int32_t& outY);

// What WTInfoA needs besides the screen.
struct InfoState {
    uint32_t openContexts = 0;
    uint32_t systemContexts = 0;
};

// WTInfoA: copies the item into output when it is not null and returns its
// size in bytes; 0 for a category or index the device does not have.
// Category 0 returns the size of the largest item.
uint32_t AnswerInfo(const VirtualScreen& screen, const InfoState& state, uint32_t category,
                    uint32_t index, void* output);

}  // namespace wtstandin
