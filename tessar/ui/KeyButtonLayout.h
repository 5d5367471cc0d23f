#pragma once
// Where the settings window puts a button for every macro key on the tablet
// picture, which command each button sends, and the keys' labels.
#include <string>
#include <vector>

#include "ProfileStore.h"

namespace tessar {

// First command id of each side's buttons; the k-th key of a side is base + k.
inline constexpr int kTopButtonBase = 6001;
inline constexpr int kBottomButtonBase = 7001;
inline constexpr int kLeftButtonBase = 8001;
inline constexpr int kRightButtonBase = 9001;

struct ButtonRect {
    int left, top, right, bottom;
    bool operator==(const ButtonRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct KeyButtonPlace {
    int keyNumber = 0;     // 1-based: top keys, bottom, left, right
    int side = kSideTop;
    int k = 0;             // position within the side
    int commandId = 0;
    bool hasWindow = false;  // models without a side layout show their top keys only
    ButtonRect rect{};
};

struct KeyButtonLayout {
    int width = 0;  // W
    int x0 = 0;     // X0
    std::vector<KeyButtonPlace> buttons;  // one per key, in key-number order
};

KeyButtonLayout LayOutKeyButtons(int modelId, int oemId, const KeyCounts& counts);

// The key list entry a key button's command selects; -1 for another id.
int KeyIndexForCommand(int commandId, const KeyCounts& counts);

// "K3"; OEM id 2 labels "01" to "09", then "10", "11", ...
std::string KeyLabel(int keyNumber, int oemId);

}  // namespace tessar
