#include "win32/artwork.h"

#include <cctype>

#include "win32/wnd.h"

namespace quorvex::win32 {

std::wstring artworkResourceName(const std::string& name, bool doubled) {
    std::string upper;
    for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (doubled) upper += "_2X";
    return wide(upper);
}

Artwork::~Artwork() {
    if (bitmap_) DeleteObject(bitmap_);
}

void Artwork::load(const std::string& name, int dpi) {
    const bool doubled = dpi >= 144;
    if (bitmap_ && name == name_ && doubled == doubled_) return;
    if (bitmap_) DeleteObject(bitmap_);
    name_ = name;
    doubled_ = doubled;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto loadNamed = [instance](const std::wstring& resource) {
        return static_cast<HBITMAP>(
            LoadImageW(instance, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    };
    bitmap_ = loadNamed(artworkResourceName(name, doubled));
    if (!bitmap_ && doubled) bitmap_ = loadNamed(artworkResourceName(name, false));
    size_ = {};
    if (bitmap_) {
        BITMAP info{};
        GetObjectW(bitmap_, sizeof(info), &info);
        size_ = {info.bmWidth, info.bmHeight};
    }
}

bool Artwork::draw(HDC dc, const RECT& target) const {
    if (!bitmap_) return false;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    if (width == size_.cx && height == size_.cy) {
        BitBlt(dc, target.left, target.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, target.left, target.top, width, height, source, 0, 0, size_.cx, size_.cy,
                   SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
    return true;
}

}  // namespace quorvex::win32
