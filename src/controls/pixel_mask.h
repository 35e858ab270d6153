#pragma once

#include <cstdint>
#include <vector>

namespace quorvex {

// Which pixels of a width x height area belong to a shape (a control's window region). Qt turns
// it into a QRegion, Windows into an HRGN; both see exactly these pixels.
class PixelMask {
  public:
    PixelMask() = default;
    // Every pixel set or every pixel clear; an empty mask when a side is below 1.
    PixelMask(int width, int height, bool set);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }
    // False outside the area.
    bool contains(long long x, long long y) const;
    void set(long long x, long long y, bool on);
    // Pixels left <= x < right on row y, clipped to the area.
    void setSpan(long long y, long long left, long long right, bool on);
    friend bool operator==(const PixelMask&, const PixelMask&) = default;

  private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint8_t> bits_;
};

}  // namespace quorvex
