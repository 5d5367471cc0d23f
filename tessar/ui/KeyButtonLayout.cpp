#include "KeyButtonLayout.h"

namespace tessar {

namespace {

constexpr int kKeyWidth = 20;
constexpr int kTopRowY = 264;
constexpr int kRowHeight = 17;

bool IsFirstFamily(int modelId) { return modelId == 50 || modelId == 52 || modelId == 55 || modelId == 56; }
bool IsStudioFamily(int modelId) { return modelId == 1280 || modelId == 1281; }

}  // namespace

KeyButtonLayout LayOutKeyButtons(int modelId, int oemId, const KeyCounts& c)
{
    KeyButtonLayout out;
    if (c.top != 0)
        out.width = 20 * c.top + (oemId == 1 && modelId == 52 ? 20 : 0);
    else if (c.bottom != 0)
        out.width = 20 * c.bottom;
    else
        out.width = 300;
    out.x0 = (580 - out.width) / 2;
    const int x0 = out.x0;
    const int T = c.top, B = c.bottom, L = c.left;
    const int yb = c.left != 0 ? 17 * c.left + 276 : c.right != 0 ? 17 * c.right + 276 : 412;
    const int v9 = c.bottom != 0 ? x0 + 20 * c.bottom : x0 + 300;

    for (int i = 0; i < c.total; ++i) {
        KeyButtonPlace p;
        p.keyNumber = i + 1;
        if (i < T) { p.side = kSideTop; p.k = i; p.commandId = kTopButtonBase + i; }
        else if (i < T + B) { p.side = kSideBottom; p.k = i - T; p.commandId = kBottomButtonBase + p.k; }
        else if (i < T + B + L) { p.side = kSideLeft; p.k = i - T - B; p.commandId = kLeftButtonBase + p.k; }
        else { p.side = kSideRight; p.k = i - T - B - L; p.commandId = kRightButtonBase + p.k; }
        const int k = p.k;

        if (IsFirstFamily(modelId)) {
            const int e = (oemId == 1 && modelId == 52 && i > 5) ? 21 : 0;
            p.hasWindow = true;
            switch (p.side) {
            case kSideTop: {
                const int x = 21 * k + x0 + e;
                p.rect = {x, kTopRowY, x + kKeyWidth, kTopRowY + kRowHeight};
                break;
            }
            case kSideBottom: {
                const int x = 21 * k + x0 + e;
                p.rect = {x, yb, x + kKeyWidth, yb + kRowHeight};
                break;
            }
            case kSideLeft:
                p.rect = {x0 - 20, 24 * k + 283, x0, 24 * k + 306};
                break;
            default: {
                int x;
                if (e == 21) x = T != 0 ? 21 * T + x0 + 21 : v9;
                else x = T != 0 ? x0 + 21 * T - 1 : v9;
                p.rect = {x, 24 * k + 283, x + kKeyWidth, 24 * k + 306};
                break;
            }
            }
        } else if (IsStudioFamily(modelId)) {
            p.hasWindow = true;
            switch (p.side) {
            case kSideTop: {
                const int x = x0 + 20 * k;
                p.rect = {x, kTopRowY, x + kKeyWidth, kTopRowY + kRowHeight};
                break;
            }
            case kSideBottom: {
                const int x = x0 + 20 * k;
                p.rect = {x, yb, x + kKeyWidth, yb + kRowHeight};
                break;
            }
            case kSideLeft:
                p.rect = {x0 - 15, 23 * k + 280, x0 + 5, 23 * k + 303};
                break;
            default: {
                const int x = T != 0 ? x0 + 20 * T - 5 : v9;
                p.rect = {x, 23 * k + 280, x + kKeyWidth, 23 * k + 303};
                break;
            }
            }
        } else if (p.side == kSideTop) {
            p.hasWindow = true;
            const int x = 21 * k + x0 + 2;
            p.rect = {x, kTopRowY, x + kKeyWidth, kTopRowY + kRowHeight};
        }
        out.buttons.push_back(p);
    }
    return out;
}

int KeyIndexForCommand(int commandId, const KeyCounts& c)
{
    struct Range {
        int base;
        int first;  // key list entry of the side's first key
        int count;
    } ranges[] = {
        {kTopButtonBase, 0, c.top},
        {kBottomButtonBase, c.top, c.bottom},
        {kLeftButtonBase, c.top + c.bottom, c.left},
        {kRightButtonBase, c.top + c.bottom + c.left, c.right},
    };
    for (const Range& r : ranges) {
        const int k = commandId - r.base;
        if (k >= 0 && k < kMaxKeysPerSide) return k < r.count ? r.first + k : -1;
    }
    return -1;
}

std::string KeyLabel(int keyNumber, int oemId)
{
    if (oemId == 2) return (keyNumber <= 9 ? "0" : "") + std::to_string(keyNumber);
    return "K" + std::to_string(keyNumber);
}

}  // namespace tessar
