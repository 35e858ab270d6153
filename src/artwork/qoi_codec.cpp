#include "artwork/qoi_codec.h"

#include <array>

namespace quorvex::artwork {

namespace {

constexpr std::uint8_t kOpIndex = 0x00;  // 00xxxxxx
constexpr std::uint8_t kOpDiff = 0x40;   // 01xxxxxx
constexpr std::uint8_t kOpLuma = 0x80;   // 10xxxxxx
constexpr std::uint8_t kOpRun = 0xC0;    // 11xxxxxx
constexpr std::uint8_t kOpRgb = 0xFE;
constexpr std::uint8_t kOpRgba = 0xFF;
constexpr std::uint8_t kMask = 0xC0;
constexpr int kMaxRun = 62;
constexpr std::size_t kHeaderSize = 14;
constexpr std::array<std::uint8_t, 8> kEndMark{0, 0, 0, 0, 0, 0, 0, 1};

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

Rgba FromPixel(std::uint32_t p) {
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
            static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)};
}

std::uint32_t ToPixel(Rgba c) {
    return std::uint32_t{c.a} << 24 | std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
}

std::size_t Hash(Rgba c) {
    return (c.r * 3u + c.g * 5u + c.b * 7u + c.a * 11u) % 64u;
}

void PutU32(std::vector<std::byte>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::byte(v >> shift));
}

std::uint32_t GetU32(std::span<const std::byte> d, std::size_t at) {
    return std::to_integer<std::uint32_t>(d[at]) << 24 |
           std::to_integer<std::uint32_t>(d[at + 1]) << 16 |
           std::to_integer<std::uint32_t>(d[at + 2]) << 8 |
           std::to_integer<std::uint32_t>(d[at + 3]);
}

bool SizeAllowed(std::uint32_t width, std::uint32_t height) {
    const std::uint64_t count = std::uint64_t{width} * height;
    return count > 0 && count <= kMaxQoiPixels;
}

}  // namespace

void PremultiplyInPlace(std::span<std::uint32_t> pixels) {
    for (std::uint32_t& pixel : pixels) {
        const Rgba c = FromPixel(pixel);
        auto scale = [a = c.a](std::uint8_t v) {
            return static_cast<std::uint8_t>((v * a + 127) / 255);
        };
        pixel = ToPixel({scale(c.r), scale(c.g), scale(c.b), c.a});
    }
}

std::vector<std::uint32_t> Premultiplied(const ArtworkImage& image) {
    std::vector<std::uint32_t> out = image.pixels;
    PremultiplyInPlace(out);
    return out;
}

std::vector<std::byte> EncodeQoi(const ArtworkImage& image) {
    if (!SizeAllowed(image.width, image.height) ||
        image.pixels.size() != std::uint64_t{image.width} * image.height)
        return {};
    std::vector<std::byte> out;
    out.reserve(kHeaderSize + image.pixels.size() + kEndMark.size());
    for (char c : {'q', 'o', 'i', 'f'}) out.push_back(std::byte(c));
    PutU32(out, image.width);
    PutU32(out, image.height);
    out.push_back(std::byte{4});  // RGBA
    out.push_back(std::byte{0});  // sRGB with linear alpha

    std::array<Rgba, 64> index{};
    Rgba previous{0, 0, 0, 255};
    int run = 0;
    auto put = [&out](unsigned v) { out.push_back(std::byte(v)); };
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Rgba px = FromPixel(image.pixels[i]);
        if (px == previous) {
            ++run;
            if (run == kMaxRun || i + 1 == image.pixels.size()) {
                put(kOpRun | (run - 1));
                run = 0;
            }
            continue;
        }
        if (run > 0) {
            put(kOpRun | (run - 1));
            run = 0;
        }
        const std::size_t slot = Hash(px);
        if (index[slot] == px) {
            put(kOpIndex | slot);
        } else {
            index[slot] = px;
            if (px.a == previous.a) {
                const auto dr = static_cast<std::int8_t>(px.r - previous.r);
                const auto dg = static_cast<std::int8_t>(px.g - previous.g);
                const auto db = static_cast<std::int8_t>(px.b - previous.b);
                const int drDg = dr - dg;
                const int dbDg = db - dg;
                if (dr >= -2 && dr <= 1 && dg >= -2 && dg <= 1 && db >= -2 && db <= 1) {
                    put(kOpDiff | (dr + 2) << 4 | (dg + 2) << 2 | (db + 2));
                } else if (drDg >= -8 && drDg <= 7 && dg >= -32 && dg <= 31 && dbDg >= -8 &&
                           dbDg <= 7) {
                    put(kOpLuma | (dg + 32));
                    put((drDg + 8) << 4 | (dbDg + 8));
                } else {
                    put(kOpRgb);
                    put(px.r);
                    put(px.g);
                    put(px.b);
                }
            } else {
                put(kOpRgba);
                put(px.r);
                put(px.g);
                put(px.b);
                put(px.a);
            }
        }
        previous = px;
    }
    for (std::uint8_t b : kEndMark) put(b);
    return out;
}

std::optional<QoiSize> QoiHeaderSize(std::span<const std::byte> data) {
    constexpr std::array<char, 4> kMagic{'q', 'o', 'i', 'f'};
    if (data.size() < kHeaderSize + kEndMark.size()) return std::nullopt;
    for (std::size_t i = 0; i < kMagic.size(); ++i)
        if (data[i] != std::byte(kMagic[i])) return std::nullopt;
    const QoiSize size{GetU32(data, 4), GetU32(data, 8)};
    const auto channels = std::to_integer<unsigned>(data[12]);
    const auto colourSpace = std::to_integer<unsigned>(data[13]);
    if (!SizeAllowed(size.width, size.height) || (channels != 3 && channels != 4) ||
        colourSpace > 1)
        return std::nullopt;
    return size;
}

std::optional<ArtworkImage> DecodeQoi(std::span<const std::byte> data) {
    const auto size = QoiHeaderSize(data);
    if (!size) return std::nullopt;
    ArtworkImage image;
    image.width = size->width;
    image.height = size->height;
    image.pixels.resize(std::size_t{image.width} * image.height);
    if (!DecodeQoiInto(data, image.pixels)) return std::nullopt;
    return image;
}

bool DecodeQoiInto(std::span<const std::byte> data, std::span<std::uint32_t> pixels) {
    const auto size = QoiHeaderSize(data);
    if (!size || pixels.size() != std::size_t{size->width} * size->height) return false;
    // Chunks never reach into the end mark.
    const std::size_t end = data.size() - kEndMark.size();
    std::size_t at = kHeaderSize;
    std::array<Rgba, 64> index{};
    Rgba px{0, 0, 0, 255};
    int run = 0;
    auto next = [&](std::uint8_t& b) {
        if (at >= end) return false;
        b = std::to_integer<std::uint8_t>(data[at++]);
        return true;
    };
    for (std::uint32_t& pixel : pixels) {
        if (run > 0) {
            --run;
        } else {
            std::uint8_t b1 = 0;
            if (!next(b1)) return false;
            if (b1 == kOpRgb) {
                if (!next(px.r) || !next(px.g) || !next(px.b)) return false;
            } else if (b1 == kOpRgba) {
                if (!next(px.r) || !next(px.g) || !next(px.b) || !next(px.a)) return false;
            } else if ((b1 & kMask) == kOpIndex) {
                px = index[b1];
            } else if ((b1 & kMask) == kOpDiff) {
                px.r = static_cast<std::uint8_t>(px.r + ((b1 >> 4) & 3) - 2);
                px.g = static_cast<std::uint8_t>(px.g + ((b1 >> 2) & 3) - 2);
                px.b = static_cast<std::uint8_t>(px.b + (b1 & 3) - 2);
            } else if ((b1 & kMask) == kOpLuma) {
                std::uint8_t b2 = 0;
                if (!next(b2)) return false;
                const int dg = (b1 & 0x3F) - 32;
                px.r = static_cast<std::uint8_t>(px.r + dg - 8 + (b2 >> 4));
                px.g = static_cast<std::uint8_t>(px.g + dg);
                px.b = static_cast<std::uint8_t>(px.b + dg - 8 + (b2 & 0x0F));
            } else {
                run = b1 & 0x3F;
            }
            index[Hash(px)] = px;
        }
        pixel = ToPixel(px);
    }
    return true;
}

}  // namespace quorvex::artwork
