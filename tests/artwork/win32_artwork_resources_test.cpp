#include <gtest/gtest.h>

#include <cstdint>

#include "artwork/artwork_resources.h"

namespace quorvex::artwork {
namespace {

TEST(Win32ArtworkResourcesTest, EveryPictureIsCompiledInAtOneAndTwoTimesItsSize) {
    const struct {
        const char* drawing;
        std::uint32_t width, height;
    } pictures[] = {
        {"splash", 502, 271},
        {"background", 500, 600},
        {"home", 30, 30},
        {"link_cursor", 32, 32},
        {"icon_internet", 72, 72},
        {"icon_internet_hover", 72, 72},
        {"icon_advanced", 72, 72},
        {"icon_advanced_hover", 72, 72},
        {"icon_lan", 72, 72},
        {"icon_lan_hover", 72, 72},
        {"icon_firefox", 72, 72},
        {"icon_firefox_hover", 72, 72},
        {"icon_explorer", 72, 72},
        {"icon_explorer_hover", 72, 72},
        {"icon_automatic", 72, 72},
        {"icon_automatic_hover", 72, 72},
        {"header_internet", 470, 325},
        {"header_advanced", 470, 325},
        {"header_lan", 470, 325},
        {"header_firefox", 470, 325},
        {"header_explorer", 470, 325},
        {"button_apply", 478, 65},
        {"button_apply_hover", 478, 65},
        {"button_monitor", 478, 65},
        {"button_monitor_hover", 478, 65},
        {"button_back", 478, 65},
        {"button_back_hover", 478, 65},
    };
    for (const auto& p : pictures) {
        for (int scale : {1, 2}) {
            SCOPED_TRACE(ArtworkResourceName(p.drawing, scale));
            const auto image = LoadArtworkResource(p.drawing, scale);
            ASSERT_TRUE(image.has_value());
            EXPECT_EQ(image->width, p.width * scale);
            EXPECT_EQ(image->height, p.height * scale);
        }
    }
}

TEST(Win32ArtworkResourcesTest, PicturesKeepTheirLookAndUnknownNamesLoadNothing) {
    // The splash is white where no drawing covers it; the cursor's corner is clear and its
    // fingertip sits on the hot spot.
    const auto splash = LoadArtworkResource("splash", 1);
    ASSERT_TRUE(splash.has_value());
    const std::uint32_t corner = splash->pixels[100 * splash->width + 20];
    EXPECT_EQ(corner >> 24, 0xFFu);
    EXPECT_GE((corner >> 8) & 0xFF, 235u);
    const auto cursor = LoadArtworkResource("LINK_CURSOR", 1);
    ASSERT_TRUE(cursor.has_value()) << "resource names match without regard to case";
    EXPECT_EQ(cursor->pixels[0] >> 24, 0u);
    EXPECT_GT(cursor->pixels[5 * 32 + 13] >> 24, 128u);

    EXPECT_EQ(ArtworkResourceName("icon_lan", 1), "icon_lan");
    EXPECT_EQ(ArtworkResourceName("icon_lan", 2), "icon_lan_2x");
    EXPECT_FALSE(LoadArtworkResource("no_such_picture", 1).has_value());
    EXPECT_FALSE(LoadArtworkResource("AAA", 1).has_value()) << "an icon is no picture";
}

}  // namespace
}  // namespace quorvex::artwork
