#include "artwork/zlib_inflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <vector>

#include "artwork/qoi_codec.h"

namespace quorvex::artwork {
namespace {

// The reference coder, with the level and strategy that make each kind of block.
std::vector<std::byte> Deflate(const std::vector<std::byte>& data, int level,
                               int strategy = Z_DEFAULT_STRATEGY) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, 15, 9, strategy), Z_OK);
    std::vector<std::byte> out(deflateBound(&z, data.size()));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<std::byte*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::vector<std::byte> Packed(const std::vector<std::byte>& data, int level = 9) {
    std::vector<std::byte> out;
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::byte(data.size() >> shift));
    const auto stream = Deflate(data, level);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

// Artwork-like: flat fields, soft gradients, a translucent edge, some noise.
ArtworkImage Drawing(std::uint32_t width, std::uint32_t height, unsigned seed) {
    std::mt19937 random(seed);
    ArtworkImage image{width, height, {}};
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint32_t pixel = 0xFFF0F4F8;
            if (x > width / 3) pixel = 0xFF000000 | (x * 255 / width) << 16 | (y * 255 / height);
            if (y < 3) pixel = 0x80336699;
            if ((x + y) % 97 == 0) pixel = random();
            image.pixels.push_back(pixel);
        }
    return image;
}

// Writes a hand-made deflate stream: header fields least significant bit first, Huffman codes
// most significant first.
struct BitWriter {
    std::vector<std::byte> bytes{std::byte{0x78}, std::byte{0x01}};
    unsigned buffer = 0;
    int count = 0;
    void bits(unsigned value, int n) {
        for (int i = 0; i < n; ++i) put((value >> i) & 1u);
    }
    void code(unsigned value, int n) {
        for (int i = n - 1; i >= 0; --i) put((value >> i) & 1u);
    }
    void put(unsigned bit) {
        buffer |= bit << count;
        if (++count == 8) flush();
    }
    void flush() {
        if (count == 0) return;
        bytes.push_back(std::byte(buffer));
        buffer = 0;
        count = 0;
    }
};

TEST(ZlibInflateTest, EveryKindOfBlockComesBackByteForByte) {
    std::mt19937 random(11);
    std::vector<std::byte> noise(70000);
    for (auto& b : noise) b = std::byte(random());
    std::vector<std::byte> text;
    for (int i = 0; i < 5000; ++i)
        for (char c : "Quite OK pictures, packed once more ") text.push_back(std::byte(c));
    std::vector<std::byte> qoi = EncodeQoi(Drawing(300, 200, 3));
    const struct {
        const char* what;
        int level;
        int strategy;
    } coders[] = {
        {"stored blocks", 0, Z_DEFAULT_STRATEGY}, {"fixed codes", 9, Z_FIXED},
        {"dynamic codes", 9, Z_DEFAULT_STRATEGY}, {"fast matches", 1, Z_DEFAULT_STRATEGY},
        {"literals only", 9, Z_HUFFMAN_ONLY},     {"distance one only", 9, Z_RLE},
    };
    for (const auto& coder : coders)
        for (const auto* data : {&noise, &text, &qoi}) {
            SCOPED_TRACE(testing::Message() << coder.what << ", " << data->size() << " bytes");
            const auto back =
                InflateZlib(Deflate(*data, coder.level, coder.strategy), data->size());
            ASSERT_TRUE(back.has_value());
            EXPECT_TRUE(*back == *data);
        }
    const auto empty = InflateZlib(Deflate({}, 9), 0);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
}

TEST(ZlibInflateTest, PackedPicturesDecodeToTheSamePixelsAndPackSmallerThanQoi) {
    for (unsigned seed : {1u, 2u}) {
        const ArtworkImage image = Drawing(470, 325, seed);
        const std::vector<std::byte> qoi = EncodeQoi(image);
        const std::vector<std::byte> packed = Packed(qoi);
        EXPECT_LT(packed.size(), qoi.size());
        const auto unpacked = UnpackPicture(packed);
        ASSERT_TRUE(unpacked.has_value());
        const auto back = DecodeQoi(*unpacked);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, image);
    }
}

TEST(ZlibInflateTest, DamagedOrHostileStreamsAreRefusedWithoutReadingPastTheirEnd) {
    std::vector<std::byte> text;
    for (int i = 0; i < 400; ++i) text.push_back(std::byte('a' + i % 7));
    const std::vector<std::byte> good = Deflate(text, 9);
    ASSERT_TRUE(InflateZlib(good, text.size()).has_value());

    // Every cut, however short, is refused (the sanitizers watch the reads).
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(InflateZlib(std::span(good).first(n), text.size()).has_value()) << n;

    auto changed = [&good](std::size_t at, int value) {
        std::vector<std::byte> copy = good;
        copy[at] = std::byte(value);
        return copy;
    };
    std::vector<std::byte> trailing = good;
    trailing.push_back(std::byte{0});
    std::vector<std::byte> checksum = good;
    checksum.back() ^= std::byte{1};
    BitWriter farBack;  // a fixed block starting with a match of distance 1: nothing to copy
    farBack.bits(1, 1);
    farBack.bits(1, 2);
    farBack.code(1, 7);  // length 3
    farBack.code(0, 5);  // distance 1
    farBack.code(0, 7);  // end of block
    farBack.flush();
    BitWriter badLengths;  // a dynamic block whose code-length code is over-subscribed
    badLengths.bits(1, 1);
    badLengths.bits(2, 2);
    badLengths.bits(0, 5);
    badLengths.bits(0, 5);
    badLengths.bits(15, 4);
    for (int i = 0; i < 19; ++i) badLengths.bits(1, 3);
    badLengths.flush();
    BitWriter reserved;  // block type 3
    reserved.bits(1, 1);
    reserved.bits(3, 2);
    reserved.flush();
    BitWriter storedLie;  // a stored block whose length and complement disagree
    storedLie.bits(1, 1);
    storedLie.bits(0, 2);
    storedLie.flush();
    for (int b : {1, 0, 0, 0, int{'x'}}) storedLie.bytes.push_back(std::byte(b));

    const struct {
        const char* what;
        std::vector<std::byte> stream;
        std::size_t size;
    } cases[] = {
        {"output longer than asked", good, text.size() - 1},
        {"output shorter than asked", good, text.size() + 1},
        {"not deflate", changed(0, 0x79), text.size()},
        {"a header that does not check", changed(1, 0x02), text.size()},
        {"a preset dictionary", changed(1, 0xBB), text.size()},  // 0x78BB is a multiple of 31
        {"a wrong checksum", checksum, text.size()},
        {"bytes after the checksum", trailing, text.size()},
        {"a distance before the start", farBack.bytes, 3},
        {"an over-subscribed code", badLengths.bytes, 1},
        {"the reserved block type", reserved.bytes, 1},
        {"a stored length that disagrees with its complement", storedLie.bytes, 1},
    };
    for (const auto& c : cases) EXPECT_FALSE(InflateZlib(c.stream, c.size).has_value()) << c.what;

    std::vector<std::byte> huge{std::byte{0x7F}, std::byte{0xFF}, std::byte{0xFF}, std::byte{0xFF}};
    huge.insert(huge.end(), good.begin(), good.end());
    EXPECT_FALSE(UnpackPicture(huge).has_value()) << "a length above the limit";
    EXPECT_FALSE(UnpackPicture(std::span(huge).first(3)).has_value()) << "no length";
    std::vector<std::byte> beyond{std::byte{0}, std::byte{0x10}, std::byte{0}, std::byte{0}};
    beyond.insert(beyond.end(), good.begin(), good.end());
    EXPECT_FALSE(UnpackPicture(beyond).has_value()) << "a length no such stream could fill";
    // The most a stream expands: a million equal bytes fit in about a thousand.
    const std::vector<std::byte> zeros(1u << 20, std::byte{0});
    const auto packed = Packed(zeros);
    const auto unpacked = UnpackPicture(packed);
    ASSERT_TRUE(unpacked.has_value()) << packed.size() << " bytes";
    EXPECT_TRUE(*unpacked == zeros);
}

}  // namespace
}  // namespace quorvex::artwork
