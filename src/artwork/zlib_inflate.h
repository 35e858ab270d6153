#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace quorvex::artwork {

// The Windows program's pictures are QOI files packed once more with DEFLATE, which halves them:
// QOI leaves the repeats between rows and between the 1x and 2x drawings' flat areas to a coder
// with a window. A packed picture is the QOI file's length (4 bytes, most significant first) and
// then the QOI file as a zlib stream (RFC 1950 around RFC 1951).

// Packed pictures claiming more than this are refused before anything is allocated.
inline constexpr std::size_t kMaxUnpackedPicture = 96u * 1024u * 1024u;

// Inflates a zlib stream into exactly `size` bytes. Nothing for a bad header, a preset
// dictionary, damaged or cut blocks, output longer or shorter than `size`, or a wrong checksum.
std::optional<std::vector<std::byte>> InflateZlib(std::span<const std::byte> stream,
                                                  std::size_t size);

// The QOI file inside a packed picture; nothing where InflateZlib gives nothing, or for a length
// above kMaxUnpackedPicture or beyond what the stream could hold.
std::optional<std::vector<std::byte>> UnpackPicture(std::span<const std::byte> packed);

}  // namespace quorvex::artwork
