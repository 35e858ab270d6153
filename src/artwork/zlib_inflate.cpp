#include "artwork/zlib_inflate.h"

#include <zlib.h>

#include <climits>
#include <cstdint>

namespace quorvex::artwork {

namespace {

std::uint32_t BigEndian32(std::span<const std::byte> bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

}  // namespace

std::optional<std::vector<std::byte>> InflateZlib(std::span<const std::byte> stream,
                                                  std::size_t size) {
    // zlib counts in unsigned int: a stream or a picture beyond that is not one of ours.
    if (stream.size() > UINT_MAX || size > UINT_MAX) return std::nullopt;
    std::vector<std::byte> out(size);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::nullopt;
    // zlib reads through a non-const pointer but never writes the input.
    z.next_in = reinterpret_cast<Bytef*>(const_cast<std::byte*>(stream.data()));
    z.avail_in = static_cast<uInt>(stream.size());
    std::byte none{};  // zlib wants somewhere to write even when nothing is to come
    z.next_out = reinterpret_cast<Bytef*>(size == 0 ? &none : out.data());
    z.avail_out = static_cast<uInt>(size);
    // In one call: a stream that would give more than `size` bytes cannot reach its end.
    const int result = inflate(&z, Z_FINISH);
    // The whole stream, ending where it says (checksum checked), exactly `size` bytes, nothing
    // after it; a preset dictionary (Z_NEED_DICT) or damage is refused like a cut stream.
    const bool whole = result == Z_STREAM_END && z.total_out == size && z.avail_in == 0;
    inflateEnd(&z);
    if (!whole) return std::nullopt;
    return out;
}

std::optional<std::vector<std::byte>> UnpackPicture(std::span<const std::byte> packed) {
    if (packed.size() < 4) return std::nullopt;
    const std::uint32_t size = BigEndian32(packed);
    // DEFLATE expands at most about 1032 to 1: a length no stream of this size could fill is
    // refused before its memory is asked for.
    constexpr std::size_t kMaxExpansion = 1032;
    if (size > kMaxUnpackedPicture || size > (packed.size() - 4) * kMaxExpansion)
        return std::nullopt;
    return InflateZlib(packed.subspan(4), size);
}

}  // namespace quorvex::artwork
