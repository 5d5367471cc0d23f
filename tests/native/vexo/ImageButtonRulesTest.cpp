#include <gtest/gtest.h>

#include "ImageButtonRules.h"

namespace {

struct DrawCase {
    const char* what;
    ButtonDrawState state;
    ButtonImagesPresent present;
    ButtonImage expected;
};

constexpr ButtonImagesPresent kAll{true, true, true, true};
constexpr ButtonImagesPresent kNoX{true, true, true, false};  // the classic tool families
constexpr ButtonImagesPresent kOnlyU{true, false, false, false};

const DrawCase kDrawCases[] = {
    {"normal", {}, kAll, ButtonImage::kUp},
    {"pressed", {true, false, false}, kAll, ButtonImage::kDown},
    {"pressed under the mouse", {true, true, false}, kAll, ButtonImage::kDown},
    {"under the mouse", {false, true, false}, kAll, ButtonImage::kFocus},
    {"disabled", {false, false, true}, kAll, ButtonImage::kDisabled},
    {"disabled without X", {false, false, true}, kNoX, ButtonImage::kUp},
    {"pressed without D, under the mouse", {true, true, false}, {true, false, true, true}, ButtonImage::kFocus},
    {"pressed with only U", {true, true, false}, kOnlyU, ButtonImage::kUp},
    {"focused and disabled without F", {false, true, true}, {true, true, false, true}, ButtonImage::kDisabled},
    {"no images", {true, true, true}, {}, ButtonImage::kNone},
};

TEST(ImageButtonDraw, ChoosesDThenFThenUOrX)
{
    for (const DrawCase& c : kDrawCases)
        EXPECT_EQ(ChooseButtonImage(c.state, c.present), c.expected) << c.what;
}

TEST(ImageButtonDraw, FamilyNamesAppendTheImageLetter)
{
    EXPECT_EQ(ButtonImageName("Arrow", ButtonImage::kUp), "ArrowU");
    EXPECT_EQ(ButtonImageName("7", ButtonImage::kDisabled), "7X");
    EXPECT_EQ(ButtonImageName("Arrow", ButtonImage::kNone), "");
}

// Two buttons A and B side by side share the flags; A holds the capture
// while the mouse is over it, so it also sees the move that lands on B.
TEST(ImageButtonHover, HighlightPassesFromButtonToButton)
{
    ImageButtonFlags flags;
    EXPECT_EQ(OnImageButtonMouseMove(flags, true), HoverStep::kEnter);   // onto A
    EXPECT_TRUE(flags.hovering);
    EXPECT_EQ(OnImageButtonMouseMove(flags, true), HoverStep::kNone);    // within A
    EXPECT_EQ(OnImageButtonMouseMove(flags, false), HoverStep::kLeave);  // A sees the move onto B
    EXPECT_FALSE(flags.hovering);
    EXPECT_EQ(OnImageButtonMouseMove(flags, true), HoverStep::kEnter);   // B's own move
    EXPECT_TRUE(flags.hovering);
    // Off every button: the button holding the capture lets go each time.
    EXPECT_EQ(OnImageButtonMouseMove(flags, false), HoverStep::kLeave);
    EXPECT_EQ(OnImageButtonMouseMove(flags, false), HoverStep::kLeave);
}

TEST(ImageButtonHover, APressOwnsTheMouseAndTrackingEndsWhenClosing)
{
    ImageButtonFlags flags;
    OnImageButtonMouseMove(flags, true);
    OnImageButtonLeftDown(flags);
    EXPECT_TRUE(flags.pressing);
    // Dragging off the pressed button neither moves the focus nor drops hover.
    EXPECT_EQ(OnImageButtonMouseMove(flags, false), HoverStep::kNone);
    EXPECT_TRUE(flags.hovering);
    OnImageButtonLeftUp(flags);
    EXPECT_FALSE(flags.pressing);
    EXPECT_TRUE(KeepsHoverTracking(flags));

    // A click that closes a window: from then on no button takes the capture back.
    OnImageButtonLeftDown(flags);
    OnImageButtonDestroyed(flags);
    OnImageButtonLeftUp(flags);
    EXPECT_FALSE(KeepsHoverTracking(flags));
    OnImageButtonLeftDown(flags);
    OnImageButtonLeftUp(flags);
    EXPECT_FALSE(KeepsHoverTracking(flags));
}

}  // namespace
