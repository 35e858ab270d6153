#pragma once

#include <windows.h>

#include <string>

namespace quorvex::win32 {

// One picture of the window's artwork, loaded from the executable's QOI picture resources by its
// name ("background", "icon_internet_hover"...): the double-size rendering at 150 % scale and
// above, so that pictures stay crisp. Null when the resource is missing.
class Artwork {
  public:
    Artwork() = default;
    ~Artwork();
    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;

    // Loads `name` for `dpi` unless it is loaded for that scale already.
    void load(const std::string& name, int dpi);
    // Draws the picture into `target`, scaled to it when its size differs; false when there is
    // no picture.
    // Only the part inside the DC's clip box is blended.
    bool draw(HDC dc, const RECT& target) const;
    bool loaded() const { return bitmap_ != nullptr; }
    // Whether every pixel is wholly opaque: drawn, the picture hides all beneath it.
    bool opaque() const { return opaque_; }
    // The smallest rectangle holding every pixel that is not wholly transparent, within
    // `target` as draw() places the picture there; empty when there is no picture.
    RECT visiblePart(const RECT& target) const;
    // Lets the bitmap go; the next load() decodes the picture again.
    void unload();

  private:
    HBITMAP bitmap_ = nullptr;
    std::string name_;
    bool doubled_ = false;
    SIZE size_{};
    RECT visible_{};  // in the picture's own pixels
    bool opaque_ = false;
};

// The resource name of a picture at 1x or 2x: "BACKGROUND", "BACKGROUND_2X".
std::wstring artworkResourceName(const std::string& name, bool doubled);

}  // namespace quorvex::win32
