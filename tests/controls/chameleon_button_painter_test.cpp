#include "controls/chameleon_button_painter.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/block_text_renderer.h"

namespace quorvex {
namespace {

using colour::rgb;

button::SchemeInput scheme(int number, int look) {
    button::SchemeInput in;
    in.scheme = number;
    in.look = look;
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
        l.buttonType = look;
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
    const PixelMask rounded = button::buttonRegion(3, 40, 20);
    for (const auto& [x, y] :
         {std::pair{0, 0}, {1, 0}, {0, 1}, {39, 0}, {38, 0}, {39, 1}, {0, 19}, {39, 19}, {38, 19}})
        EXPECT_FALSE(rounded.contains(x, y)) << x << "," << y;
    for (const auto& [x, y] : {std::pair{1, 1}, {2, 0}, {0, 2}, {38, 18}, {20, 10}})
        EXPECT_TRUE(rounded.contains(x, y)) << x << "," << y;

    const PixelMask oval = button::buttonRegion(13, 40, 20);
    EXPECT_TRUE(oval.contains(20, 10));
    EXPECT_TRUE(oval.contains(1, 10));
    EXPECT_FALSE(oval.contains(2, 2));
    EXPECT_FALSE(oval.contains(38, 18));
    EXPECT_TRUE(button::buttonRegion(2, 0, 5).isEmpty());
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
    two.look = 2;
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
    l.buttonType = 2;
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
