#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "controls/text_renderer.h"

namespace quorvex::testing {

// A text renderer with no fonts: every character is a solid block, so pixel tests give the same
// pixels on every platform. A character is `advance` pixels wide (point size / 1.5, at least 2)
// and a line `lineHeight` high (twice the advance); its block leaves the rightmost column and the
// top and bottom rows free. An access key is marked by the block's bottom row instead.
class BlockTextRenderer : public TextRenderer {
  public:
    struct Call {
        std::string text;
        ColorRef colour;
        PixelRect box;
        unsigned flags;
        PixelRect clip;
    };

    static int advance(const FontSpec& f) {
        return std::max(2, static_cast<int>(std::lround(f.pointSize / 1.5)));
    }
    static int lineHeight(const FontSpec& f) { return 2 * advance(f); }

    TextExtent measure(const FontSpec& font, std::string_view utf8) override {
        return {advance(font) * static_cast<int>(glyphs(utf8, false).size()), lineHeight(font)};
    }

    void draw(PixelSurface& surface, const FontSpec& font, std::string_view utf8, ColorRef colour,
              const PixelRect& box, unsigned flags, const PixelRect& clip) override {
        calls.push_back({std::string(utf8), colour, box, flags, clip});
        const PixelRect area = clip.intersected(surface.rect());
        const auto shown = glyphs(utf8, (flags & text::kAccessKey) != 0);
        const int a = advance(font), lh = lineHeight(font);
        // Lines: words wrapped greedily at spaces when asked, else one line.
        std::vector<std::vector<Glyph>> lines(1);
        long long width = 0;
        for (const Glyph& g : shown) {
            if ((flags & text::kWordWrap) && g.space && width + a > box.width() &&
                !lines.back().empty()) {
                lines.emplace_back();
                width = 0;
                continue;
            }
            lines.back().push_back(g);
            width += a;
        }
        const long long total = static_cast<long long>(lines.size()) * lh;
        long long y = box.top;
        if (flags & text::kVCentre) y = box.top + (box.height() - total) / 2;
        if (flags & text::kBottom) y = box.bottom - total;
        const Pixel p = toPixel(colour);
        for (const auto& line : lines) {
            const long long lw = static_cast<long long>(line.size()) * a;
            long long x = box.left;
            if (flags & text::kHCentre) x = box.left + (box.width() - lw) / 2;
            if (flags & text::kRight) x = box.right - lw;
            for (const Glyph& g : line) {
                if (!g.space) {
                    const long long top = g.accessKey ? y + lh - 1 : y + 1;
                    for (long long py = top; py < y + lh - 1 + (g.accessKey ? 1 : 0); ++py)
                        for (long long px = x; px < x + a - 1; ++px)
                            if (area.contains(px, py)) surface.setPixel(px, py, p);
                }
                x += a;
            }
            y += lh;
        }
    }

    std::vector<Call> calls;

  private:
    struct Glyph {
        bool space = false;
        bool accessKey = false;
    };

    // One glyph per code point; with access keys, "&" marks the next one and "&&" is one "&".
    static std::vector<Glyph> glyphs(std::string_view s, bool accessKeys) {
        std::vector<Glyph> out;
        bool marked = false;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const auto b = static_cast<unsigned char>(s[i]);
            if ((b & 0xc0) == 0x80) continue;  // continuation byte
            if (accessKeys && b == '&' && !marked) {
                if (i + 1 < s.size() && s[i + 1] == '&') {
                    out.push_back({});
                    ++i;
                } else {
                    marked = true;
                }
                continue;
            }
            out.push_back({b == ' ', marked});
            marked = false;
        }
        return out;
    }
};

}  // namespace quorvex::testing
