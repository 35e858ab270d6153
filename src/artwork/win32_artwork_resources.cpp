#include <windows.h>

#include <cstddef>
#include <span>

#include "artwork/artwork_resources.h"
#include "artwork/qoi_codec.h"
#include "artwork/zlib_inflate.h"

namespace quorvex::artwork {

std::string ArtworkResourceName(std::string_view drawing, int scale) {
    std::string name(drawing);
    if (scale > 1) name += "_2x";
    return name;
}

std::span<const std::byte> ArtworkResourceBytes(std::string_view drawing, int scale) {
    // Resource names match without regard to case; the module's resources live as long as it.
    const HMODULE module = GetModuleHandleW(nullptr);
    const std::string name = ArtworkResourceName(drawing, scale);
    const HRSRC found = FindResourceA(module, name.c_str(), RT_RCDATA);
    if (found == nullptr) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return {};
    return {static_cast<const std::byte*>(bytes), size};
}

std::optional<ArtworkImage> LoadArtworkResource(std::string_view drawing, int scale) {
    const auto qoi = UnpackPicture(ArtworkResourceBytes(drawing, scale));
    if (!qoi) return std::nullopt;
    return DecodeQoi(*qoi);
}

}  // namespace quorvex::artwork
