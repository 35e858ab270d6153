#include "win32/artwork.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "artwork/artwork_resources.h"
#include "artwork/qoi_codec.h"
#include "artwork/zlib_inflate.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

std::wstring artworkResourceName(const std::string& name, bool doubled) {
    // Resource names are stored in upper case and match without regard to it.
    std::string upper;
    for (char c : artwork::ArtworkResourceName(name, doubled ? 2 : 1))
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return wide(upper);
}

Artwork::~Artwork() {
    unload();
}

void Artwork::unload() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    size_ = {};
    opaque_ = false;
}

void Artwork::load(const std::string& name, int dpi) {
    const bool doubled = dpi >= 144;
    if (bitmap_ && name == name_ && doubled == doubled_) return;
    if (bitmap_) DeleteObject(bitmap_);
    name_ = name;
    doubled_ = doubled;
    bitmap_ = nullptr;
    size_ = {};
    opaque_ = false;
    // Only the scale in use is decoded, straight into the bitmap: the picture is held once (its
    // unpacked QOI file only while it is decoded).
    auto packed = artwork::ArtworkResourceBytes(name, doubled ? 2 : 1);
    if (packed.empty() && doubled) packed = artwork::ArtworkResourceBytes(name, 1);
    const auto bytes = artwork::UnpackPicture(packed);
    if (!bytes) return;
    const auto picture = artwork::QoiHeaderSize(*bytes);
    if (!picture) return;
    // A top-down 32-bit DIB section with premultiplied alpha, as AlphaBlend draws it.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(picture->width);
    info.bmiHeader.biHeight = -static_cast<LONG>(picture->height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits) {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = nullptr;
        return;
    }
    const std::span pixels(static_cast<std::uint32_t*>(bits),
                           std::size_t{picture->width} * picture->height);
    if (!artwork::DecodeQoiInto(*bytes, pixels)) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
        return;
    }
    artwork::PremultiplyInPlace(pixels);
    size_ = {static_cast<LONG>(picture->width), static_cast<LONG>(picture->height)};
    visible_ = {size_.cx, size_.cy, 0, 0};
    opaque_ = true;
    for (LONG y = 0; y < size_.cy; ++y)
        for (LONG x = 0; x < size_.cx; ++x) {
            const std::uint32_t alpha = pixels[static_cast<std::size_t>(y * size_.cx + x)] >> 24;
            if (alpha != 0xff) opaque_ = false;
            if (alpha == 0) continue;
            visible_.left = std::min(visible_.left, x);
            visible_.top = std::min(visible_.top, y);
            visible_.right = std::max(visible_.right, x + 1);
            visible_.bottom = std::max(visible_.bottom, y + 1);
        }
    if (IsRectEmpty(&visible_)) visible_ = {};
}

RECT Artwork::visiblePart(const RECT& target) const {
    if (!bitmap_ || IsRectEmpty(&visible_)) return {};
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    return {target.left + MulDiv(visible_.left, width, size_.cx),
            target.top + MulDiv(visible_.top, height, size_.cy),
            target.left + MulDiv(visible_.right, width, size_.cx),
            target.top + MulDiv(visible_.bottom, height, size_.cy)};
}

bool Artwork::draw(HDC dc, const RECT& target) const {
    if (!bitmap_) return false;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    // The pictures' transparent parts let what lies beneath show, at any size.
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (width == size_.cx && height == size_.cy) {
        // Unscaled: blend only what the clip lets through (a corner of the background, say).
        RECT clip;
        RECT part{};
        if (GetClipBox(dc, &clip) == ERROR) clip = target;
        if (IntersectRect(&part, &clip, &target))
            GdiAlphaBlend(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
                          source, part.left - target.left, part.top - target.top,
                          part.right - part.left, part.bottom - part.top, blend);
    } else {
        GdiAlphaBlend(dc, target.left, target.top, width, height, source, 0, 0, size_.cx, size_.cy,
                      blend);
    }
    SelectObject(source, old);
    DeleteDC(source);
    return true;
}

}  // namespace quorvex::win32
