#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "artwork/artwork_image.h"

namespace quorvex::artwork {

// The "Quite OK Image" format (qoiformat.org, version 1.0): lossless, a 14-byte header, then
// runs, a 64-entry colour index, small differences and literal pixels, then an 8-byte end mark.
// Flat artwork packs about as small as PNG and decodes with no library, so the Windows program
// carries its pictures as QOI resources instead of uncompressed bitmaps (30 MB).

// Pictures larger than this are refused, so a damaged header cannot ask for gigabytes.
inline constexpr std::uint64_t kMaxQoiPixels = 16u * 1024u * 1024u;

// Encodes `image` with four channels (RGBA, sRGB colour with linear alpha). An image whose pixel
// count does not match its size, or that is empty or larger than kMaxQoiPixels, gives nothing.
std::vector<std::byte> EncodeQoi(const ArtworkImage& image);

// Decodes a QOI file with three or four channels. Nothing for a bad header, an empty or too large
// picture, or data that ends before the last pixel.
std::optional<ArtworkImage> DecodeQoi(std::span<const std::byte> data);

// The picture's size from a QOI header, checked as DecodeQoi checks it.
struct QoiSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};
std::optional<QoiSize> QoiHeaderSize(std::span<const std::byte> data);

// Decodes into memory that the caller holds (a bitmap's), exactly width × height pixels; false
// (with the pixels partly written) where DecodeQoi gives nothing.
bool DecodeQoiInto(std::span<const std::byte> data, std::span<std::uint32_t> pixels);

}  // namespace quorvex::artwork
