#include "win32/dib_surface.h"

#include <algorithm>
#include <cstring>

namespace quorvex::win32 {

DibSurface::~DibSurface() {
    release();
}

void DibSurface::release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    pixels_ = nullptr;
    width_ = height_ = 0;
}

bool DibSurface::resize(int width, int height) {
    if (width == width_ && height == height_ && bitmap_) return true;
    release();
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) return false;
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

bool DibSurface::reserve(int width, int height) {
    if (bitmap_ && width <= width_ && height <= height_) return true;
    return resize(std::max(width, width_), std::max(height, height_));
}

PixelSurface DibSurface::borrowed() {
    return PixelSurface::borrow(pixels_, width_, height_,
                                static_cast<std::ptrdiff_t>(width_) * sizeof(std::uint32_t));
}

void DibSurface::copyFrom(const PixelSurface& source) {
    if (!pixels_ || source.isNull()) return;
    const int width = std::min(width_, source.width());
    const int height = std::min(height_, source.height());
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels_ + static_cast<std::ptrdiff_t>(y) * width_, source.row(y),
                    static_cast<std::size_t>(width) * sizeof(std::uint32_t));
}

void DibSurface::copyTo(HDC target) const {
    if (!dc_) return;
    GdiFlush();
    BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace quorvex::win32
