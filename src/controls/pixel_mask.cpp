#include "controls/pixel_mask.h"

#include <algorithm>

#include "controls/pixel_surface.h"

namespace quorvex {

PixelMask::PixelMask(int width, int height, bool set) {
    if (width < 1 || height < 1 || width > PixelSurface::kMaxSide ||
        height > PixelSurface::kMaxSide)
        return;
    width_ = width;
    height_ = height;
    bits_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), set ? 1 : 0);
}

bool PixelMask::contains(long long x, long long y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)] != 0;
}

void PixelMask::set(long long x, long long y, bool on) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = on ? 1 : 0;
}

void PixelMask::setSpan(long long y, long long left, long long right, bool on) {
    if (y < 0 || y >= height_) return;
    left = std::max<long long>(left, 0);
    right = std::min<long long>(right, width_);
    if (left >= right) return;
    const auto rowStart = bits_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(rowStart + left, rowStart + right, on ? 1 : 0);
}

}  // namespace quorvex
