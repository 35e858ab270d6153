#include "artwork/qoi_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace quorvex::artwork {
namespace {

ArtworkImage Image(std::uint32_t width, std::uint32_t height, std::vector<std::uint32_t> pixels) {
    return {width, height, std::move(pixels)};
}

std::vector<std::byte> Bytes(std::initializer_list<int> values) {
    std::vector<std::byte> out;
    for (int v : values) out.push_back(std::byte(v));
    return out;
}

// A QOI file of `width` x `height` with the given chunks and the end mark.
std::vector<std::byte> File(std::uint32_t width, std::uint32_t height,
                            std::initializer_list<int> chunks, int channels = 4) {
    std::vector<std::byte> out = Bytes({'q', 'o', 'i', 'f'});
    for (std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::byte(v >> shift));
    out.push_back(std::byte(channels));
    out.push_back(std::byte{0});
    for (int c : chunks) out.push_back(std::byte(c));
    for (int b : {0, 0, 0, 0, 0, 0, 0, 1}) out.push_back(std::byte(b));
    return out;
}

TEST(QoiCodecTest, EveryKindOfChunkDecodesAsTheFormatDefinesIt) {
    struct Case {
        const char* what;
        std::vector<std::byte> file;
        std::vector<std::uint32_t> pixels;
    };
    const Case cases[] = {
        {"literal RGB keeps the opaque start alpha", File(1, 1, {0xFE, 10, 20, 30}), {0xFF0A141E}},
        {"literal RGBA", File(1, 1, {0xFF, 10, 20, 30, 40}), {0x280A141E}},
        {"a run repeats the start pixel, opaque black",
         File(3, 1, {0xC0 | 2}),
         {0xFF000000, 0xFF000000, 0xFF000000}},
        // +1 red, -2 green, +0 blue: biases of 2.
        {"small difference",
         File(2, 1, {0xFE, 100, 100, 100, 0x40 | 3 << 4 | 0 << 2 | 2}),
         {0xFF646464, 0xFF656264}},
        {"differences wrap around",
         File(2, 1, {0xFE, 255, 0, 0, 0x40 | 3 << 4 | 1 << 2 | 2}),
         {0xFFFF0000, 0xFF00FF00}},
        // Green +20, red = green - 3, blue = green + 5.
        {"luma",
         File(2, 1, {0xFE, 50, 50, 50, 0x80 | (20 + 32), (-3 + 8) << 4 | (5 + 8)}),
         {0xFF323232, 0xFF43464B}},
        {"index recalls a colour seen before",
         File(3, 1, {0xFE, 1, 2, 3, 0xFE, 9, 9, 9, (1 * 3 + 2 * 5 + 3 * 7 + 255 * 11) % 64}),
         {0xFF010203, 0xFF090909, 0xFF010203}},
        {"three channels", File(1, 1, {0xFE, 7, 8, 9}, 3), {0xFF070809}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto image = DecodeQoi(c.file);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->pixels, c.pixels);
    }
}

TEST(QoiCodecTest, DamagedOrHostileFilesAreRefusedWithoutReadingPastTheirEnd) {
    std::vector<std::byte> badMagic = File(1, 1, {0xFE, 1, 2, 3});
    badMagic[0] = std::byte{'Q'};
    std::vector<std::byte> cut = File(2, 1, {0xFE, 1, 2, 3, 0xFE, 4, 5, 6});
    cut.resize(cut.size() - 1);
    const struct {
        const char* what;
        std::vector<std::byte> file;
    } cases[] = {
        {"empty", {}},
        {"header only", Bytes({'q', 'o', 'i', 'f', 0, 0, 0, 1, 0, 0, 0, 1, 4, 0})},
        {"wrong magic", badMagic},
        {"no pixels", File(0, 5, {})},
        {"too many pixels", File(65536, 65536, {0xC0 | 61})},
        {"five channels", File(1, 1, {0xFE, 1, 2, 3}, 5)},
        {"chunks end before the last pixel", File(2, 1, {0xFE, 1, 2, 3})},
        {"a literal cut by the end mark", File(1, 1, {0xFF, 1, 2})},
        {"a truncated end mark", cut},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeQoi(c.file).has_value()) << c.what;
}

TEST(QoiCodecTest, PicturesComeBackExactlyAndFlatOnesPackSmall) {
    std::mt19937 random(7);
    std::vector<ArtworkImage> images;
    // Noise: literals and index hits.
    {
        std::vector<std::uint32_t> noise(97 * 13);
        for (auto& p : noise) p = random();
        images.push_back(Image(97, 13, noise));
    }
    // A soft gradient with a translucent edge: differences and luma.
    {
        std::vector<std::uint32_t> ramp;
        for (std::uint32_t y = 0; y < 40; ++y)
            for (std::uint32_t x = 0; x < 70; ++x)
                ramp.push_back((x < 2 ? 0x40u : 0xFFu) << 24 | (x * 3) << 16 | (y * 5) << 8 |
                               (x + y));
        images.push_back(Image(70, 40, ramp));
    }
    // Runs longer than one chunk holds, ending on the last pixel.
    images.push_back(Image(200, 3, std::vector<std::uint32_t>(600, 0xFF424242)));
    images.push_back(Image(1, 1, {0xFF000000}));
    images.push_back(Image(1, 1, {0x00000000}));
    for (const ArtworkImage& image : images) {
        const std::vector<std::byte> file = EncodeQoi(image);
        ASSERT_FALSE(file.empty());
        const auto back = DecodeQoi(file);
        ASSERT_TRUE(back.has_value()) << image.width;
        EXPECT_EQ(*back, image) << image.width;
        // Into memory the caller holds: the same pixels, and only into exactly that many.
        const auto size = QoiHeaderSize(file);
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->width, image.width);
        EXPECT_EQ(size->height, image.height);
        std::vector<std::uint32_t> pixels(image.pixels.size(), 0x12345678);
        EXPECT_TRUE(DecodeQoiInto(file, pixels));
        EXPECT_EQ(pixels, image.pixels);
        std::vector<std::uint32_t> tooFew(image.pixels.size() - 1);
        EXPECT_FALSE(DecodeQoiInto(file, tooFew));
        std::vector<std::uint32_t> tooMany(image.pixels.size() + 1);
        EXPECT_FALSE(DecodeQoiInto(file, tooMany));
        const std::span<const std::byte> cut(file.data(), file.size() - 12);
        EXPECT_FALSE(DecodeQoiInto(cut, pixels)) << "data that ends before the last pixel";
    }
    // 600 equal pixels: header, one literal, ten runs (the other 599), end mark.
    EXPECT_EQ(EncodeQoi(images[2]).size(), 14u + 4u + 10u + 8u);

    EXPECT_TRUE(EncodeQoi(Image(2, 2, {1, 2, 3})).empty()) << "pixels missing";
    EXPECT_TRUE(EncodeQoi(Image(0, 0, {})).empty());
}

TEST(QoiCodecTest, PremultiplyingScalesTheColourByItsAlpha) {
    const ArtworkImage image = Image(4, 1, {0xFFC08040, 0x80FF8000, 0x00FFFFFF, 0x01FFFFFF});
    const std::vector<std::uint32_t> expected{0xFFC08040, 0x80804000, 0x00000000, 0x01010101};
    EXPECT_EQ(Premultiplied(image), expected);
    std::vector<std::uint32_t> inPlace = image.pixels;
    PremultiplyInPlace(inPlace);
    EXPECT_EQ(inPlace, expected);
}

}  // namespace
}  // namespace quorvex::artwork
