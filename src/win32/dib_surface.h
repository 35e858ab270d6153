#pragma once

#include <windows.h>

#include <cstdint>

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
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels as 0x00RRGGBB, row after row, `width()` to a row.
    std::uint32_t* pixels() { return pixels_; }
    HDC dc() const { return dc_; }
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
