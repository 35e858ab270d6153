#pragma once

#include <windows.h>

#include <cstdint>

#include "controls/pixel_surface.h"

namespace quorvex::win32 {

// A top-down 32-bit DIB section with its own memory DC: owner-drawn controls paint their pixels
// here (through the shared painters and GDI text) and copy them out in WM_PAINT.
class DibSurface {
  public:
    DibSurface() = default;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // Makes the surface width × height unless it has that size already; false when it cannot.
    bool resize(int width, int height);
    // Makes the surface at least width × height, growing it when it is smaller on either side:
    // a scratch surface shared by many windows settles at the largest size any of them asks.
    bool reserve(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels as 0x00RRGGBB, row after row, `width()` to a row.
    std::uint32_t* pixels() { return pixels_; }
    HDC dc() const { return dc_; }
    // The DIB's memory as a surface for the shared painters (null before resize()).
    PixelSurface borrowed();
    // Copies `source` into the top-left corner, clipped to both.
    void copyFrom(const PixelSurface& source);
    // Copies the whole surface to `target` at its origin.
    void copyTo(HDC target) const;

  private:
    void release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace quorvex::win32
