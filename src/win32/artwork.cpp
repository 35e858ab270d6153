#include "win32/artwork.h"

#include <cctype>
#include <span>

#include "artwork/artwork_resources.h"
#include "artwork/qoi_codec.h"
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
}

void Artwork::load(const std::string& name, int dpi) {
    const bool doubled = dpi >= 144;
    if (bitmap_ && name == name_ && doubled == doubled_) return;
    if (bitmap_) DeleteObject(bitmap_);
    name_ = name;
    doubled_ = doubled;
    bitmap_ = nullptr;
    size_ = {};
    // Only the scale in use is decoded, straight into the bitmap: the picture is held once.
    auto bytes = artwork::ArtworkResourceBytes(name, doubled ? 2 : 1);
    if (bytes.empty() && doubled) bytes = artwork::ArtworkResourceBytes(name, 1);
    const auto picture = artwork::QoiHeaderSize(bytes);
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
    if (!artwork::DecodeQoiInto(bytes, pixels)) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
        return;
    }
    artwork::PremultiplyInPlace(pixels);
    size_ = {static_cast<LONG>(picture->width), static_cast<LONG>(picture->height)};
}

bool Artwork::draw(HDC dc, const RECT& target) const {
    if (!bitmap_) return false;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    // The pictures' transparent parts let what lies beneath show, at any size.
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, target.left, target.top, width, height, source, 0, 0, size_.cx, size_.cy,
                  blend);
    SelectObject(source, old);
    DeleteDC(source);
    return true;
}

}  // namespace quorvex::win32
