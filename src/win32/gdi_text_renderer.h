#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "controls/text_renderer.h"

namespace quorvex::win32 {

// The text seam with GDI: fonts are created for one DPI (-MulDiv(points, dpi, 72), no
// antialiasing, so a caption has exactly its colour) and released with the renderer or when the
// DPI changes. Text is written on a scratch DIB section's memory DC and copied into the
// surface, so any surface can be drawn on, whoever owns its memory. Failures of GDI leave the
// surface as it was; nothing throws.
class GdiTextRenderer : public TextRenderer {
  public:
    explicit GdiTextRenderer(int dpi = USER_DEFAULT_SCREEN_DPI);
    ~GdiTextRenderer() override;
    GdiTextRenderer(const GdiTextRenderer&) = delete;
    GdiTextRenderer& operator=(const GdiTextRenderer&) = delete;

    // Releases every font made for the previous DPI.
    void setDpi(int dpi);
    int dpi() const { return dpi_; }

    TextExtent measure(const FontSpec& font, std::string_view utf8) override;
    void draw(PixelSurface& surface, const FontSpec& font, std::string_view utf8, ColorRef colour,
              const PixelRect& box, unsigned flags, const PixelRect& clip) override;

  private:
    using FontKey = std::tuple<std::string, long, bool, bool, bool, bool>;

    HFONT fontFor(const FontSpec& wanted);
    bool ensureScratch(int width, int height);
    void releaseFonts();
    void releaseScratch();

    int dpi_;
    HDC dc_ = nullptr;
    HBITMAP scratch_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
    Pixel* scratchBits_ = nullptr;
    int scratchWidth_ = 0, scratchHeight_ = 0;
    std::map<FontKey, HFONT> fonts_;
};

}  // namespace quorvex::win32
