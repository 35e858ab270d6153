#include "win32/progress_bar_ctrl.h"

#include <algorithm>

namespace quorvex::win32 {

bool ProgressBarCtrl::create(const CreateArgs& args) {
    vertical_ = args.vertical;
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexProgressBar";
    custom.title = args.name;
    custom.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    return createCustom(custom);
}

bool ProgressBarCtrl::setValue(std::int32_t value) {
    if (value < 0 || value > 100) return false;
    value_ = value;
    invalidate();
    return true;
}

void ProgressBarCtrl::onPaint(HDC dc, const RECT& client) {
    const int width = client.right;
    const int height = client.bottom;
    if (!surface_.resize(width, height)) return;
    std::uint32_t* pixels = surface_.pixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool filled =
                vertical_ ? (height - y) * 100 <= value_ * height : x * 100 < value_ * width;
            pixels[static_cast<std::size_t>(y) * width + x] = filled ? 0x3CB43Cu : 0xFFFFFFu;
        }
    }
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
