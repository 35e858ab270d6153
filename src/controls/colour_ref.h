#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quorvex {

// A colour as the controls persist it: red in the low byte, then green, then blue. A value with
// the high bit set names a system colour (its low byte is the system-colour index).
using ColorRef = std::uint32_t;

namespace colour {

constexpr ColorRef kSystemFlag = 0x80000000u;

// Indices of the system colours the controls use.
enum SystemColour : int {
    kWindow = 5,
    kWindowText = 8,
    kHighlight = 13,
    kHighlightText = 14,
    kButtonFace = 15,
    kButtonShadow = 16,
    kGrayText = 17,
    kButtonText = 18,
    kButtonHighlight = 20,
    kDarkShadow3D = 21,
    kLight3D = 22,
};

constexpr ColorRef system(int index) {
    return kSystemFlag | static_cast<ColorRef>(index & 0xff);
}
constexpr bool isSystem(ColorRef c) {
    return (c & kSystemFlag) != 0;
}

constexpr ColorRef clampChannel(long long v) {
    return static_cast<ColorRef>(v < 0 ? 0 : (v > 255 ? 255 : v));
}
constexpr ColorRef rgb(long long r, long long g, long long b) {
    return clampChannel(r) | (clampChannel(g) << 8) | (clampChannel(b) << 16);
}
constexpr int red(ColorRef c) {
    return static_cast<int>(c & 0xff);
}
constexpr int green(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int blue(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xff);
}

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xffffff;

// Rounds to the nearest integer, halves to the even neighbour; NaN gives 0 and the result is
// clamped to the 32-bit range, so no conversion is undefined.
inline std::int64_t nearest(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::nearbyint(x);
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483648LL;
    return static_cast<std::int64_t>(r);
}

// Each channel moves towards white: n + (255 - n) * channel / 255, capped at 255. Takes an RGB
// value (resolve system colours first).
constexpr ColorRef lighten(ColorRef c, int n) {
    const auto ch = [n](int v) { return static_cast<long long>(n) + (255LL - n) * v / 255; };
    return rgb(ch(red(c)), ch(green(c)), ch(blue(c)));
}

// Each channel becomes nearest(a * n / 255 + b * (255 - n) / 255).
inline ColorRef blend(ColorRef a, ColorRef b, int n) {
    const auto ch = [n](int x, int y) {
        return nearest(x * static_cast<double>(n) / 255.0 + y * (255.0 - n) / 255.0);
    };
    return rgb(ch(red(a), red(b)), ch(green(a), green(b)), ch(blue(a), blue(b)));
}

// Adds n to red and green; blue gets n added, or in XP mode blue * n / 192. Halved n when
// softBevel is set. Channels clamp to 0..255.
constexpr ColorRef shiftColor(ColorRef c, int n, bool xpMode, bool softBevel = false) {
    if (softBevel) n /= 2;
    const long long b = blue(c);
    const long long nb = xpMode ? b + b * n / 192 : b + n;
    return rgb(red(c) + static_cast<long long>(n), green(c) + static_cast<long long>(n), nb);
}

}  // namespace colour
}  // namespace quorvex
