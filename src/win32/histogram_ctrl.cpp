#include "win32/histogram_ctrl.h"

namespace quorvex::win32 {

bool HistogramCtrl::create(const CreateArgs& args) {
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexHistogram";
    custom.title = args.name;
    custom.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    return createCustom(custom);
}

void HistogramCtrl::NextPoint(std::int32_t value) {
    ++samples_;
    // Unseen (the splash's zero feeding, the monitor page not shown), the sample is only taken:
    // the drawing waits for the paint that showing the control brings.
    if (!IsWindowVisible(hwnd())) {
        graph_.appendPoint(value);
        return;
    }
    const auto drawn = graph_.drawCount();
    graph_.nextPoint(value);
    // A sample the graph skipped (a zero scrolled into a flat line) changes no pixel.
    if (graph_.drawCount() != drawn) invalidate();
}

void HistogramCtrl::onSize(int width, int height) {
    graph_.setControlSize(width, height);
}

void HistogramCtrl::onPaint(HDC dc, const RECT& client) {
    if (!surface_.resize(client.right, client.bottom)) return;
    PixelSurface out = surface_.borrowed();
    graph_.drawPending();
    graph_.paint(out);
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
