#include "win32/window_fonts.h"

#include <cmath>

#include "win32/wnd.h"

namespace quorvex::win32 {

int fontHeight(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

FontCache::~FontCache() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::get(const WindowFont& wanted, int dpi) {
    const auto key = std::make_tuple(
        wanted.face, static_cast<int>(std::lround(wanted.points * 100)), wanted.bold, dpi);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = fontHeight(wanted.points, dpi);
    lf.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring face = wide(wanted.face);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&lf);
    fonts_.emplace(key, font);
    return font;
}

}  // namespace quorvex::win32
