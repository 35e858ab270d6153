#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/colour_ref.h"

namespace quorvex {

// One pixel as 0xAARRGGBB in native byte order: the layout of QImage's 32-bit formats and of a
// 32-bit top-down DIB section, so either can hand its memory to a surface.
using Pixel = std::uint32_t;

constexpr Pixel toPixel(ColorRef c) {
    return 0xff000000u | (static_cast<Pixel>(colour::red(c)) << 16) |
           (static_cast<Pixel>(colour::green(c)) << 8) | static_cast<Pixel>(colour::blue(c));
}
constexpr ColorRef toColorRef(Pixel p) {
    return colour::rgb((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
}
constexpr int alphaOf(Pixel p) {
    return static_cast<int>(p >> 24);
}

// A rectangle of pixels: left <= x < right, top <= y < bottom.
struct PixelRect {
    long long left = 0, top = 0, right = 0, bottom = 0;

    long long width() const { return right - left; }
    long long height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(long long x, long long y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    PixelRect intersected(const PixelRect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    PixelRect translated(long long dx, long long dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    PixelRect adjusted(long long dl, long long dt, long long dr, long long db) const {
        return {left + dl, top + dt, right + dr, bottom + db};
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A 32-bit image that owns its pixels or borrows someone else's (a QImage's, a DIB section's).
// Rows are `strideBytes` apart. Copying a surface copies its pixels into memory of its own;
// a borrowed surface must not outlive the memory it borrows.
class PixelSurface {
  public:
    // Side limit: larger surfaces are refused (a null surface), so no size computation overflows.
    static constexpr int kMaxSide = 1 << 15;

    PixelSurface() = default;
    // Owned memory, every pixel opaque black; null when a side is not in 1 .. kMaxSide.
    PixelSurface(int width, int height);
    // Borrowed memory; null when the pointer is null, a side is out of range or the stride is
    // shorter than a row or not a multiple of four bytes.
    static PixelSurface borrow(Pixel* bits, int width, int height, std::ptrdiff_t strideBytes);

    PixelSurface(const PixelSurface& other);
    PixelSurface& operator=(const PixelSurface& other);
    PixelSurface(PixelSurface&& other) noexcept;
    PixelSurface& operator=(PixelSurface&& other) noexcept;
    ~PixelSurface() = default;

    bool isNull() const { return bits_ == nullptr; }
    bool ownsMemory() const { return !owned_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::ptrdiff_t strideBytes() const {
        return stride_ * static_cast<std::ptrdiff_t>(sizeof(Pixel));
    }
    PixelRect rect() const { return {0, 0, width_, height_}; }
    Pixel* bits() { return bits_; }
    const Pixel* bits() const { return bits_; }
    // Row y, which must lie in 0 .. height - 1.
    Pixel* row(int y) { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    const Pixel* row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }

    // 0 outside the surface.
    Pixel pixel(long long x, long long y) const;
    void setPixel(long long x, long long y, Pixel p);
    void fill(Pixel p);
    // Same size and pixels (strides may differ).
    bool samePixels(const PixelSurface& other) const;

  private:
    void copyFrom(const PixelSurface& other);

    std::vector<Pixel> owned_;
    Pixel* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    std::ptrdiff_t stride_ = 0;  // in pixels
};

}  // namespace quorvex
