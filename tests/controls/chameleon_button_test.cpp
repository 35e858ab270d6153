#include "controls/chameleon_button.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/block_text_renderer.h"

namespace quorvex {
namespace {

// The window a button draws for: a fixed size, the events it raised, in order.
struct FakeWindow : ChameleonButtonWindow {
    int surfaceWidth() const override { return width; }
    int surfaceHeight() const override { return height; }
    ColorRef containerBack() const override { return colour::rgb(10, 120, 30); }
    ColorRef containerText() const override { return colour::kBlack; }
    void showImage() override { ++shown; }
    bool captureBackground(PixelSurface& out) override {
        ++captures;
        out = PixelSurface(width, height);
        out.fill(toPixel(containerBack()));
        return true;
    }
    void moveFocus(bool next) override { events.push_back(next ? "next" : "previous"); }
    void clicked() override { events.push_back("Click"); }
    void pointerOver() override { events.push_back("MouseOver"); }
    void pointerOut() override { events.push_back("MouseOut"); }

    int width = 120, height = 33;
    int shown = 0, captures = 0;
    std::vector<std::string> events;
};

struct Fixture {
    explicit Fixture(bool check = false) {
        button.properties().ButtonType = 3;
        button.properties().Caption = "E&xit";
        button.properties().CheckBoxBehaviour = check;
        button.setFont(FontSpec{"Tahoma", 8.25});
        button.shown();
    }
    std::vector<std::string> events() const { return window.events; }
    FakeWindow window;
    testing::BlockTextRenderer text;
    ChameleonButton button{window, text};
};

using Events = std::vector<std::string>;

TEST(ChameleonButtonTest, CheckBehaviourTogglesByMouseSpaceAndAccessKey) {
    Fixture f(true);
    f.button.mouseDown(MouseButton::Left);
    f.button.mouseUp(MouseButton::Left, true);
    EXPECT_TRUE(f.button.properties().Value);
    EXPECT_TRUE(f.button.isDrawnPressed()) << "a checked button stays pressed";
    f.button.keyDown(ButtonKey::Space, false);
    f.button.keyUp(ButtonKey::Space, false);
    EXPECT_FALSE(f.button.properties().Value);
    EXPECT_FALSE(f.button.isDrawnPressed());
    f.button.accessKeyPressed();
    EXPECT_TRUE(f.button.properties().Value);
    EXPECT_EQ(f.events(), (Events{"Click", "Click", "Click"}));
}

TEST(ChameleonButtonTest, SpaceClicksOnItsReleaseAndNothingElseDoes) {
    struct Case {
        const char* name;
        std::vector<std::pair<ButtonKey, bool>> downs;  // key, auto-repeat
        ButtonKey released;
        bool releaseRepeats;
        bool pressedBeforeRelease;
        Events events;
    };
    const Case cases[] = {
        {"space", {{ButtonKey::Space, false}}, ButtonKey::Space, false, true, {"Click"}},
        {"held space repeats",
         {{ButtonKey::Space, false}, {ButtonKey::Space, true}},
         ButtonKey::Space,
         false,
         true,
         {"Click"}},
        {"enter", {{ButtonKey::Enter, false}}, ButtonKey::Enter, false, false, {}},
        {"space released after enter",
         {{ButtonKey::Space, false}, {ButtonKey::Enter, false}},
         ButtonKey::Space,
         false,
         true,
         {}},
        {"a repeated release", {{ButtonKey::Space, false}}, ButtonKey::Space, true, true, {}},
        {"a repeat is no first press",
         {{ButtonKey::Space, true}},
         ButtonKey::Space,
         false,
         false,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        for (const auto& [key, repeat] : c.downs) f.button.keyDown(key, repeat);
        EXPECT_EQ(f.button.isDrawnPressed(), c.pressedBeforeRelease);
        EXPECT_TRUE(f.events().empty()) << "nothing clicks on a key going down";
        f.button.keyUp(c.released, c.releaseRepeats);
        EXPECT_EQ(f.events(), c.events);
    }
}

TEST(ChameleonButtonTest, ArrowKeysMoveTheFocus) {
    Fixture f;
    for (ButtonKey key : {ButtonKey::Down, ButtonKey::Right, ButtonKey::Up, ButtonKey::Left})
        f.button.keyDown(key, false);
    EXPECT_EQ(f.events(), (Events{"next", "next", "previous", "previous"}));
}

TEST(ChameleonButtonTest, RightButtonNeitherPressesNorClicks) {
    Fixture f;
    const PixelSurface normal = f.button.image();
    f.button.mouseDown(MouseButton::Right);
    EXPECT_FALSE(f.button.isDrawnPressed());
    f.button.mouseUp(MouseButton::Right, true);
    EXPECT_TRUE(f.events().empty());
    f.button.mouseDown(MouseButton::Middle);
    f.button.mouseUp(MouseButton::Middle, true);
    EXPECT_TRUE(f.events().empty()) << "only the left button clicks";
    f.button.mouseDown(MouseButton::Left);
    EXPECT_TRUE(f.button.isDrawnPressed());
    EXPECT_FALSE(f.button.image().samePixels(normal));
    f.button.mouseUp(MouseButton::Left, false);
    EXPECT_TRUE(f.events().empty()) << "released outside";
    f.button.mouseDown(MouseButton::Left);
    f.button.mouseUp(MouseButton::Left, true);
    EXPECT_EQ(f.events(), (Events{"Click"}));
    EXPECT_TRUE(f.button.image().samePixels(normal));
}

TEST(ChameleonButtonTest, HoverRaisesMouseOverOnceAndMouseOutOnLeaving) {
    Fixture f;
    const PixelSurface normal = f.button.image();
    f.button.pointerEntered(0);
    f.button.mouseMove(0, true);
    f.button.mouseMove(0, true);
    f.button.pointerEntered(0);
    EXPECT_TRUE(f.button.isHovering());
    EXPECT_FALSE(f.button.image().samePixels(normal)) << "hover look";
    f.button.pointerLeft();
    f.button.pointerLeft();
    EXPECT_FALSE(f.button.isHovering());
    EXPECT_TRUE(f.button.image().samePixels(normal));
    EXPECT_EQ(f.events(), (Events{"MouseOver", "MouseOut"}));
}

TEST(ChameleonButtonTest, DraggingOutAndBackShowsPressedOnlyOverTheButton) {
    Fixture f;
    const int left = static_cast<int>(MouseButton::Left);
    f.button.mouseDown(MouseButton::Left);
    f.button.mouseMove(left, false);
    EXPECT_FALSE(f.button.isDrawnPressed());
    f.button.mouseMove(left, true);
    EXPECT_TRUE(f.button.isDrawnPressed());
    EXPECT_FALSE(f.button.isHovering()) << "a held button does not start hovering";
    f.button.mouseMove(left | static_cast<int>(MouseButton::Right), false);
    EXPECT_TRUE(f.button.isDrawnPressed()) << "two buttons held: ignored";
}

TEST(ChameleonButtonTest, DisabledButtonIgnoresClicksAndLooksDisabled) {
    Fixture f;
    const PixelSurface enabled = f.button.image();
    f.button.enabledChanged(false);
    EXPECT_FALSE(f.button.image().samePixels(enabled));
    f.button.mouseDown(MouseButton::Left);
    f.button.mouseUp(MouseButton::Left, true);
    f.button.accessKeyPressed();
    EXPECT_TRUE(f.events().empty());
    EXPECT_FALSE(f.button.isDrawnPressed());
}

TEST(ChameleonButtonTest, NothingIsDrawnWhileSuspendedOrWithoutHeight) {
    Fixture f;
    const int before = f.window.shown;
    f.button.disableRefresh();
    f.button.focusChanged(true);
    f.button.hidden();
    f.button.redrawNormal();
    EXPECT_EQ(f.window.shown, before);
    f.button.refresh();
    EXPECT_EQ(f.window.shown, before + 1);
    f.window.height = 0;
    f.button.redrawNormal();
    EXPECT_EQ(f.window.shown, before + 1);
}

TEST(ChameleonButtonTest, TheTransparentLookCopiesTheContainerWhenShownAndRefreshed) {
    Fixture f;
    f.button.refresh();
    EXPECT_EQ(f.window.captures, 0) << "only look 11 copies the container";
    f.button.properties().ButtonType = 11;
    f.button.properties().Caption = "x";
    f.button.shown();
    EXPECT_EQ(f.window.captures, 1);
    EXPECT_EQ(toColorRef(f.button.image().pixel(2, 2)), colour::rgb(10, 120, 30));
}

TEST(ChameleonButtonTest, SavesEveryKeyAndReadsAbsentOnesAsTheirDefaults) {
    ChameleonButtonProperties read;
    PropertyBag partial;
    partial.writeAlways("bcol", std::int64_t{colour::rgb(1, 2, 3)});
    partial.writeAlways("Fcol", std::int64_t{colour::rgb(4, 5, 6)});
    partial.writeAlways("ENAB", false);
    read.Font = "current";
    read.load(partial);
    EXPECT_EQ(read.BackOver, colour::rgb(1, 2, 3)) << "the hover face follows BCOL";
    EXPECT_EQ(read.ForeOver, colour::rgb(4, 5, 6));
    EXPECT_FALSE(read.Enabled);
    EXPECT_EQ(read.ButtonType, 2);
    EXPECT_EQ(read.MaskColor, colour::rgb(192, 192, 192));
    EXPECT_EQ(read.Font, "current") << "an absent font keeps the current one";

    PropertyBag saved;
    read.save(saved);
    EXPECT_EQ(saved.size(), 23u);
    ChameleonButtonProperties again;
    again.load(saved);
    PropertyBag resaved;
    again.save(resaved);
    EXPECT_EQ(resaved, saved);
}

}  // namespace
}  // namespace quorvex
