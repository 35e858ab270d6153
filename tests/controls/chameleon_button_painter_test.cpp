#include "controls/chameleon_button_painter.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/block_text_renderer.h"

namespace quorvex {
namespace {

using colour::rgb;

button::SchemeInput scheme(int number, int look) {
    button::SchemeInput in;
    in.scheme = static_cast<ButtonScheme>(number);
    in.look = static_cast<ButtonLook>(look);
    in.system = classicSystemColours();
    return in;
}

TEST(ChameleonButtonPainter, AccessKeyRules) {
    const struct {
        const char* caption;
        char32_t key;
    } cases[] = {
        {"&Open", U'O'},
        {"Save && E&xit", U'x'},
        {"Fish && Chips", 0},
        {"&&", 0},
        {"&", 0},
        {"", 0},
        {"Ends&", 0},
        {"a&&&B", U'B'},
        {"&&x &y", U'y'},
        {"\xc3\xa9t&\xc3\xa9", U'\u00e9'},  // a two-byte character
    };
    for (const auto& c : cases) EXPECT_EQ(button::accessKey(c.caption), c.key) << c.caption;
}

TEST(ChameleonButtonPainter, ConditionsOfEveryLookDiffer) {
    testing::BlockTextRenderer text;
    for (int look = 1; look <= 14; ++look) {
        SCOPED_TRACE(look);
        button::Look l;
        l.buttonType = static_cast<ButtonLook>(look);
        l.colours = button::deriveColours(scheme(3, look));
        l.caption = "Go";
        const PixelSurface normal = button::paintButton(60, 24, l, text);
        l.pressed = true;
        EXPECT_FALSE(button::paintButton(60, 24, l, text).samePixels(normal)) << "pressed";
        l.pressed = false;
        l.enabled = false;
        EXPECT_FALSE(button::paintButton(60, 24, l, text).samePixels(normal)) << "disabled";
        l.enabled = true;
        l.focus = true;
        EXPECT_FALSE(button::paintButton(60, 24, l, text).samePixels(normal)) << "focused";
        EXPECT_TRUE(button::paintButton(0, 24, l, text).isNull());
    }
}

TEST(ChameleonButtonPainter, RegionsOfRoundedAndOvalLooks) {
    const PixelMask rounded = button::buttonRegion(ButtonLook::WindowsXp, 40, 20);
    for (const auto& [x, y] :
         {std::pair{0, 0}, {1, 0}, {0, 1}, {39, 0}, {38, 0}, {39, 1}, {0, 19}, {39, 19}, {38, 19}})
        EXPECT_FALSE(rounded.contains(x, y)) << x << "," << y;
    for (const auto& [x, y] : {std::pair{1, 1}, {2, 0}, {0, 2}, {38, 18}, {20, 10}})
        EXPECT_TRUE(rounded.contains(x, y)) << x << "," << y;

    const PixelMask oval = button::buttonRegion(ButtonLook::Oval, 40, 20);
    EXPECT_TRUE(oval.contains(20, 10));
    EXPECT_TRUE(oval.contains(1, 10));
    EXPECT_FALSE(oval.contains(2, 2));
    EXPECT_FALSE(oval.contains(38, 18));
    EXPECT_TRUE(button::buttonRegion(ButtonLook::Classic, 0, 5).isEmpty());
}

TEST(ChameleonButtonPainter, SchemeColoursDeriveFromTheFace) {
    button::SchemeInput two = scheme(2, 3);
    two.backColor = rgb(100, 100, 100);
    two.backOver = rgb(10, 20, 30);
    const button::Colours k = button::deriveColours(two);
    EXPECT_EQ(k.face, rgb(100, 100, 100));
    EXPECT_EQ(k.light, rgb(131, 131, 131));
    EXPECT_EQ(k.darkShadow, rgb(0, 0, 0));
    EXPECT_EQ(k.xpFace, rgb(148, 148, 125));  // blue + 100 * 48 / 192
    two.look = ButtonLook::Classic;
    two.hovering = true;
    const button::Colours hovered = button::deriveColours(two);
    EXPECT_EQ(hovered.face, rgb(10, 20, 30));
    EXPECT_EQ(hovered.highlight, rgb(57, 67, 77));
    EXPECT_EQ(colour::shiftColor(rgb(250, 5, 100), 20, false, true), rgb(255, 15, 110));
    EXPECT_EQ(colour::shiftColor(rgb(250, 5, 100), -20, false), rgb(230, 0, 80));
}

TEST(ChameleonButtonPainter, CaptionIsCentredWithItsAccessKeyAndShiftsWhenPressed) {
    testing::BlockTextRenderer text;
    button::Look l;
    l.buttonType = ButtonLook::Classic;
    l.colours = button::deriveColours(scheme(3, 2));
    l.caption = "E&xit";
    button::paintButton(80, 30, l, text);
    ASSERT_EQ(text.calls.size(), 1u);
    EXPECT_EQ(text.calls[0].text, "E&xit");
    EXPECT_EQ(text.calls[0].colour, colour::kBlack);
    EXPECT_EQ(text.calls[0].box, (PixelRect{4, 4, 76, 26}));
    EXPECT_EQ(text.calls[0].flags, text::kCentre | text::kWordWrap | text::kAccessKey);
    l.pressed = true;
    button::paintButton(80, 30, l, text);
    EXPECT_EQ(text.calls[1].box, (PixelRect{5, 5, 77, 27}));
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

TEST(ChameleonButtonPainter, TheOvalsRimFollowsItsMask) {
    testing::BlockTextRenderer text;
    for (const auto& [w, h] : {std::pair{130, 30}, {60, 24}, {31, 31}}) {
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        button::Look l;
        l.buttonType = ButtonLook::Oval;
        l.colours = button::deriveColours(scheme(1, 13));
        const PixelSurface face = button::paintButton(w, h, l, text);
        const PixelMask shape = button::buttonRegion(ButtonLook::Oval, w, h);
        int rim = 0, missed = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool edge = shape.contains(x, y) &&
                                  (!shape.contains(x - 1, y) || !shape.contains(x + 1, y) ||
                                   !shape.contains(x, y - 1) || !shape.contains(x, y + 1));
                if (!edge) continue;
                ++rim;
                missed += toColorRef(face.pixel(x, y)) != l.colours.darkShadow;
            }
        EXPECT_GT(rim, w);
        EXPECT_EQ(missed, 0) << "outline pixels that the window shape shows without the rim";
    }
}

TEST(ChameleonButtonPainter, ACaptionIsWrittenOverAPictureBehindIt) {
    testing::BlockTextRenderer text;
    PixelSurface picture(60, 20);
    picture.fill(toPixel(colour::rgb(0, 200, 0)));
    button::Look l;
    l.buttonType = ButtonLook::Classic;
    l.colours = button::deriveColours(scheme(3, 2));
    l.caption = "XXXX";
    l.pictureNormal = &picture;
    l.useMaskColor = false;
    l.picturePosition = 4;
    const PixelSurface face = button::paintButton(80, 30, l, text);
    // The caption's blocks sit in the middle, where the picture lies too.
    int captionPixels = 0;
    for (int x = 20; x < 60; ++x) captionPixels += toColorRef(face.pixel(x, 15)) == colour::kBlack;
    EXPECT_GT(captionPixels, 0);
    EXPECT_EQ(toColorRef(face.pixel(12, 15)), colour::rgb(0, 200, 0));
}

TEST(ChameleonButtonPainter, SoftBevelHalvesEveryColourShiftOfALook) {
    testing::BlockTextRenderer text;
    const auto frameOf = [&](int look, bool soft, bool pressed, bool hover, int x, int y) {
        button::SchemeInput in = scheme(3, look);
        in.softBevel = soft;
        button::Look l;
        l.buttonType = static_cast<ButtonLook>(look);
        l.softBevel = soft;
        l.pressed = pressed;
        l.hover = hover;
        l.colours = button::deriveColours(in);
        return std::pair{toColorRef(button::paintButton(60, 24, l, text).pixel(x, y)), l.colours};
    };
    using colour::shiftColor;
    // Look 5: its frame is the face shifted by -32, or -64 pressed.
    const auto [flat, k5] = frameOf(5, true, false, false, 10, 0);
    EXPECT_EQ(flat, shiftColor(k5.face, -32, false, true));
    const auto [flatPressed, k5p] = frameOf(5, true, true, true, 10, 0);
    EXPECT_EQ(flatPressed, shiftColor(k5p.face, -64, false, true));
    // Look 6: the lower-right edge is the light colour shifted by -64.
    const auto [edge, k6] = frameOf(6, true, false, false, 59, 10);
    EXPECT_EQ(edge, shiftColor(k6.light, -64, false, true));
    // Look 9 pressed: the selection face shifted by -24.
    const auto [selected, k9] = frameOf(9, true, true, true, 10, 10);
    EXPECT_EQ(selected, shiftColor(k9.selectionLight, -24, false, true));
}

}  // namespace
}  // namespace quorvex
