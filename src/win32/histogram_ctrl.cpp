#include "win32/histogram_ctrl.h"

#include <algorithm>

namespace quorvex::win32 {

namespace {
constexpr std::size_t kMaxSamples = 1024;
}

bool HistogramCtrl::create(const CreateArgs& args) {
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexHistogram";
    custom.title = args.name;
    custom.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    return createCustom(custom);
}

void HistogramCtrl::NextPoint(std::int32_t value) {
    samples_.push_back(value);
    if (samples_.size() > kMaxSamples) samples_.pop_front();
    invalidate();
}

void HistogramCtrl::render(int width, int height) {
    if (!surface_.resize(width, height)) return;
    std::fill_n(surface_.pixels(), static_cast<std::size_t>(width) * height, 0x000000u);
    // One column per sample, newest at the right, in percent of the height.
    int x = width - 1;
    for (auto it = samples_.rbegin(); it != samples_.rend() && x >= 0; ++it, --x) {
        const int value = std::clamp<int>(*it, 0, 100);
        const int top = height - value * height / 100;
        for (int y = std::max(top, 0); y < height; ++y)
            surface_.pixels()[static_cast<std::size_t>(y) * width + x] = 0x00FF00u;
    }
}

void HistogramCtrl::onPaint(HDC dc, const RECT& client) {
    render(client.right, client.bottom);
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
