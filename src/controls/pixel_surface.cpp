#include "controls/pixel_surface.h"

#include <algorithm>

namespace quorvex {

namespace {

bool sideInRange(int v) {
    return v >= 1 && v <= PixelSurface::kMaxSide;
}

}  // namespace

PixelSurface::PixelSurface(int width, int height) {
    if (!sideInRange(width) || !sideInRange(height)) return;
    owned_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xff000000u);
    bits_ = owned_.data();
    width_ = width;
    height_ = height;
    stride_ = width;
}

PixelSurface PixelSurface::borrow(Pixel* bits, int width, int height, std::ptrdiff_t strideBytes) {
    PixelSurface s;
    if (bits == nullptr || !sideInRange(width) || !sideInRange(height)) return s;
    if (strideBytes % static_cast<std::ptrdiff_t>(sizeof(Pixel)) != 0) return s;
    const std::ptrdiff_t stride = strideBytes / static_cast<std::ptrdiff_t>(sizeof(Pixel));
    if (stride < width) return s;
    s.bits_ = bits;
    s.width_ = width;
    s.height_ = height;
    s.stride_ = stride;
    return s;
}

void PixelSurface::copyFrom(const PixelSurface& other) {
    owned_.clear();
    bits_ = nullptr;
    width_ = height_ = 0;
    stride_ = 0;
    if (other.isNull()) return;
    owned_.resize(static_cast<std::size_t>(other.width_) * static_cast<std::size_t>(other.height_));
    width_ = other.width_;
    height_ = other.height_;
    stride_ = width_;
    bits_ = owned_.data();
    for (int y = 0; y < height_; ++y) std::copy_n(other.row(y), width_, row(y));
}

PixelSurface::PixelSurface(const PixelSurface& other) {
    copyFrom(other);
}

PixelSurface& PixelSurface::operator=(const PixelSurface& other) {
    if (this != &other) copyFrom(other);
    return *this;
}

PixelSurface::PixelSurface(PixelSurface&& other) noexcept
    : owned_(std::move(other.owned_)),
      bits_(other.bits_),
      width_(other.width_),
      height_(other.height_),
      stride_(other.stride_) {
    other.owned_.clear();
    other.bits_ = nullptr;
    other.width_ = other.height_ = 0;
    other.stride_ = 0;
}

PixelSurface& PixelSurface::operator=(PixelSurface&& other) noexcept {
    if (this == &other) return *this;
    owned_ = std::move(other.owned_);
    bits_ = other.bits_;
    width_ = other.width_;
    height_ = other.height_;
    stride_ = other.stride_;
    other.owned_.clear();
    other.bits_ = nullptr;
    other.width_ = other.height_ = 0;
    other.stride_ = 0;
    return *this;
}

Pixel PixelSurface::pixel(long long x, long long y) const {
    if (isNull() || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return row(static_cast<int>(y))[x];
}

void PixelSurface::setPixel(long long x, long long y, Pixel p) {
    if (isNull() || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    row(static_cast<int>(y))[x] = p;
}

void PixelSurface::fill(Pixel p) {
    for (int y = 0; y < height_; ++y) std::fill_n(row(y), width_, p);
}

bool PixelSurface::samePixels(const PixelSurface& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y)
        if (!std::equal(row(y), row(y) + width_, other.row(y))) return false;
    return true;
}

}  // namespace quorvex
