#pragma once
// What an image button shows and how hover tracking passes the highlight
// from button to button. The button window (CBMPButton) carries the steps
// out; the decisions live here.
#include <string>

// The four images of a button, in the order the button holds them.
enum class ButtonImage { kNone = -1, kUp = 0, kDown = 1, kFocus = 2, kDisabled = 3 };
inline constexpr int kButtonImageCount = 4;

// The item state of an owner-draw request, and which images the button has.
struct ButtonDrawState {
    bool selected = false;
    bool focused = false;
    bool disabled = false;
};
struct ButtonImagesPresent {
    bool up = false;
    bool down = false;
    bool focus = false;
    bool disabled = false;
};

// Pressed shows D, focused (the mouse is over it) F, otherwise U, and a
// disabled button X instead of U; a missing image falls back to the next of
// those. kNone when the button has no U and nothing else applies.
ButtonImage ChooseButtonImage(const ButtonDrawState& state, const ButtonImagesPresent& present);

// The resource names of a family: base + "U", "D", "F", "X".
std::string ButtonImageName(const std::string& family, ButtonImage image);

// Flags every image button of the program shares: the highlight is one for
// the whole program, not one per button.
struct ImageButtonFlags {
    bool hovering = false;  // some button holds the mouse capture to track hover
    bool pressing = false;  // the left button went down on some image button
    bool closing = false;   // an image button was destroyed; stays set
};

// What a mouse move over a button asks of the window.
enum class HoverStep {
    kNone,   // nothing beyond default processing
    kLeave,  // release the capture, focus to the dialog's focus sink
    kEnter,  // capture the mouse to this button and focus it
};

// A mouse move; inside: the point lies in the button's client rectangle.
HoverStep OnImageButtonMouseMove(ImageButtonFlags& flags, bool inside);
void OnImageButtonLeftDown(ImageButtonFlags& flags);
void OnImageButtonLeftUp(ImageButtonFlags& flags);
// Asked after the click was handled: whether the button takes the mouse
// capture back so that hover tracking goes on. Not once windows are closing.
bool KeepsHoverTracking(const ImageButtonFlags& flags);
void OnImageButtonDestroyed(ImageButtonFlags& flags);
