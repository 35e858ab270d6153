// A packed artwork picture as a damaged executable or a hostile resource may hold it. Nothing may
// read or write out of bounds; what unpacks has exactly the length it claims, and what decodes
// has exactly the pixels its header promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "artwork/qoi_codec.h"
#include "artwork/zlib_inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span bytes(reinterpret_cast<const std::byte*>(data), size);
    const auto qoi = quorvex::artwork::UnpackPicture(bytes);
    if (!qoi) return 0;
    const std::size_t claimed = std::size_t{data[0]} << 24 | std::size_t{data[1]} << 16 |
                                std::size_t{data[2]} << 8 | data[3];
    if (qoi->size() != claimed) std::abort();
    const auto image = quorvex::artwork::DecodeQoi(*qoi);
    if (image && image->pixels.size() != std::size_t{image->width} * image->height) std::abort();
    return 0;
}
