#include "ImageButtonRules.h"

ButtonImage ChooseButtonImage(const ButtonDrawState& state, const ButtonImagesPresent& present)
{
    if (state.selected && present.down) return ButtonImage::kDown;
    if (state.focused && present.focus) return ButtonImage::kFocus;
    if (state.disabled && present.disabled) return ButtonImage::kDisabled;
    return present.up ? ButtonImage::kUp : ButtonImage::kNone;
}

std::string ButtonImageName(const std::string& family, ButtonImage image)
{
    static const char kLetters[kButtonImageCount] = {'U', 'D', 'F', 'X'};
    const int index = static_cast<int>(image);
    if (index < 0 || index >= kButtonImageCount) return std::string();
    return family + kLetters[index];
}

HoverStep OnImageButtonMouseMove(ImageButtonFlags& flags, bool inside)
{
    // While the left button is down the press owns the mouse.
    if (flags.pressing) return HoverStep::kNone;
    if (!inside) {
        flags.hovering = false;
        return HoverStep::kLeave;
    }
    if (flags.hovering) return HoverStep::kNone;
    flags.hovering = true;
    return HoverStep::kEnter;
}

void OnImageButtonLeftDown(ImageButtonFlags& flags) { flags.pressing = true; }

void OnImageButtonLeftUp(ImageButtonFlags& flags) { flags.pressing = false; }

bool KeepsHoverTracking(const ImageButtonFlags& flags) { return !flags.closing; }

void OnImageButtonDestroyed(ImageButtonFlags& flags) { flags.closing = true; }
