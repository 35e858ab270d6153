#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace quorvex::win32 {

struct WindowFont {
    std::string face = "Tahoma";
    double points = 9.0;
    bool bold = false;
};

// Fonts made for a DPI (height -points × dpi / 72), kept while the cache lives and released
// with it, so a control never outlives its font.
class FontCache {
  public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT get(const WindowFont& wanted, int dpi);

  private:
    std::map<std::tuple<std::string, int, bool, int>, HFONT> fonts_;
};

// Font height in pixels for a size in points at a DPI (negative: a character height).
int fontHeight(double points, int dpi);

}  // namespace quorvex::win32
