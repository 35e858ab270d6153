#include "win32/gdi_text_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvex::win32 {

namespace {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

UINT drawTextFormat(unsigned flags) {
    UINT f = DT_NOCLIP;
    f |= (flags & text::kHCentre) ? DT_CENTER : (flags & text::kRight) ? DT_RIGHT : DT_LEFT;
    if (flags & text::kWordWrap)
        f |= DT_WORDBREAK;
    else
        f |= DT_SINGLELINE;
    if (!(flags & text::kAccessKey)) f |= DT_NOPREFIX;
    return f;
}

}  // namespace

GdiTextRenderer::GdiTextRenderer(int dpi) : dpi_(dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI) {
    dc_ = CreateCompatibleDC(nullptr);
}

GdiTextRenderer::~GdiTextRenderer() {
    releaseScratch();
    releaseFonts();
    if (dc_ != nullptr) DeleteDC(dc_);
}

void GdiTextRenderer::setDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    releaseFonts();
    dpi_ = dpi;
}

void GdiTextRenderer::releaseFonts() {
    if (dc_ != nullptr && previousFont_ != nullptr) SelectObject(dc_, previousFont_);
    previousFont_ = nullptr;
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

void GdiTextRenderer::releaseScratch() {
    if (dc_ != nullptr && previousBitmap_ != nullptr) SelectObject(dc_, previousBitmap_);
    previousBitmap_ = nullptr;
    if (scratch_ != nullptr) DeleteObject(scratch_);
    scratch_ = nullptr;
    scratchBits_ = nullptr;
    scratchWidth_ = scratchHeight_ = 0;
}

HFONT GdiTextRenderer::fontFor(const FontSpec& wanted) {
    // Hundredths of a point, so that 8.25 points keep their quarter.
    const long hundredths = std::lround(std::max(wanted.pointSize, 1.0) * 100.0);
    const FontKey key{wanted.face,   hundredths,       wanted.bold,
                      wanted.italic, wanted.underline, wanted.strikeOut};
    if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    const std::wstring face = widen(wanted.face).substr(0, LF_FACESIZE - 1);
    const HFONT font =
        CreateFontW(-MulDiv(static_cast<int>(hundredths), dpi_, 7200), 0, 0, 0,
                    wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic, wanted.underline,
                    wanted.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (font != nullptr) fonts_.emplace(key, font);
    return font;
}

bool GdiTextRenderer::ensureScratch(int width, int height) {
    if (dc_ == nullptr) return false;
    if (scratch_ != nullptr && width <= scratchWidth_ && height <= scratchHeight_) return true;
    const int w = std::max(width, scratchWidth_), h = std::max(height, scratchHeight_);
    releaseScratch();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down rows, as PixelSurface has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    scratch_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (scratch_ == nullptr || bits == nullptr) {
        scratch_ = nullptr;
        return false;
    }
    previousBitmap_ = SelectObject(dc_, scratch_);
    scratchBits_ = static_cast<Pixel*>(bits);
    scratchWidth_ = w;
    scratchHeight_ = h;
    return true;
}

TextExtent GdiTextRenderer::measure(const FontSpec& font, std::string_view utf8) {
    const HFONT f = fontFor(font);
    if (dc_ == nullptr || f == nullptr) return {};
    const HGDIOBJ old = SelectObject(dc_, f);
    if (previousFont_ == nullptr) previousFont_ = old;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    const std::wstring text = widen(utf8);
    SIZE size{};
    if (!text.empty())
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return {static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
}

void GdiTextRenderer::draw(PixelSurface& surface, const FontSpec& font, std::string_view utf8,
                           ColorRef colour, const PixelRect& box, unsigned flags,
                           const PixelRect& clip) {
    const PixelRect area = clip.intersected(surface.rect());
    const std::wstring text = widen(utf8);
    if (area.isEmpty() || text.empty()) return;
    const int w = static_cast<int>(area.width()), h = static_cast<int>(area.height());
    const HFONT f = fontFor(font);
    if (f == nullptr || !ensureScratch(w, h)) return;

    // The clipped part of the surface goes to the scratch bitmap, the text is written over it
    // with the scratch's origin at the clip's corner, and the result comes back.
    GdiFlush();
    for (int y = 0; y < h; ++y)
        std::memcpy(scratchBits_ + static_cast<std::ptrdiff_t>(y) * scratchWidth_,
                    surface.row(static_cast<int>(area.top) + y) + area.left,
                    static_cast<std::size_t>(w) * sizeof(Pixel));
    const HGDIOBJ old = SelectObject(dc_, f);
    if (previousFont_ == nullptr) previousFont_ = old;
    SelectClipRgn(dc_, nullptr);
    IntersectClipRect(dc_, 0, 0, w, h);
    SetViewportOrgEx(dc_, -static_cast<int>(area.left), -static_cast<int>(area.top), nullptr);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(colour::red(colour), colour::green(colour), colour::blue(colour)));

    RECT rc{static_cast<LONG>(box.left), static_cast<LONG>(box.top), static_cast<LONG>(box.right),
            static_cast<LONG>(box.bottom)};
    const UINT format = drawTextFormat(flags);
    if (flags & (text::kVCentre | text::kBottom)) {
        // DrawText places only single lines vertically: measure the block and move it.
        RECT measured = rc;
        const int height = DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &measured,
                                     format | DT_CALCRECT);
        const LONG free = (rc.bottom - rc.top) - height;
        rc.top += (flags & text::kBottom) ? free : free / 2;
    }
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, format);
    SetViewportOrgEx(dc_, 0, 0, nullptr);
    SelectClipRgn(dc_, nullptr);
    GdiFlush();

    // GDI leaves the alpha byte of what it writes at zero; the surface is opaque.
    for (int y = 0; y < h; ++y) {
        const Pixel* from = scratchBits_ + static_cast<std::ptrdiff_t>(y) * scratchWidth_;
        Pixel* to = surface.row(static_cast<int>(area.top) + y) + area.left;
        for (int x = 0; x < w; ++x) to[x] = from[x] | 0xff000000u;
    }
}

}  // namespace quorvex::win32
