#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::artwork {

// A picture of the artwork: rows top to bottom, one 32-bit pixel each, 0xAARRGGBB with the colour
// not premultiplied by alpha (in memory on a little-endian machine: B, G, R, A).
struct ArtworkImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> pixels;

    bool operator==(const ArtworkImage&) const = default;
};

// The same pixels with the colour premultiplied by alpha, as a 32-bit DIB section drawn with
// AlphaBlend, or QImage::Format_ARGB32_Premultiplied, expects them.
std::vector<std::uint32_t> Premultiplied(const ArtworkImage& image);
// The same for pixels in place (a bitmap's own memory), so that a picture is held only once.
void PremultiplyInPlace(std::span<std::uint32_t> pixels);

}  // namespace quorvex::artwork
