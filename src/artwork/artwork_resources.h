#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "artwork/artwork_image.h"

namespace quorvex::artwork {

// The resource name of an artwork picture in the Windows executable: the drawing's name
// ("splash", "icon_lan_hover") at scale 1, "<name>_2x" at scale 2 (resources/windows/quorvex.rc).
std::string ArtworkResourceName(std::string_view drawing, int scale);

// The picture `drawing` at `scale` (1 or 2; anything above 1 picks 2) from this executable's
// resources. Nothing when there is no such picture or it cannot be decoded. Windows only.
std::optional<ArtworkImage> LoadArtworkResource(std::string_view drawing, int scale);

// The packed bytes of that picture (src/artwork/zlib_inflate.h), as the executable holds them
// for its whole life; empty when there is no such picture. Windows only.
std::span<const std::byte> ArtworkResourceBytes(std::string_view drawing, int scale);

}  // namespace quorvex::artwork
