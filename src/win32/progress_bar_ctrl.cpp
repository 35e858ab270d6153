#include "win32/progress_bar_ctrl.h"

namespace quorvex::win32 {

bool ProgressBarCtrl::create(const CreateArgs& args) {
    const layout::BarDesign& design = args.design;
    bar_.setColor(design.colour);
    bar_.setOrientation(design.vertical ? 1 : 0);
    bar_.setScrolling(static_cast<std::int32_t>(design.style));
    bar_.setBrushStyle(design.brushStyle);
    bar_.setFont({}, FontSpec{design.font.face, design.font.points, design.font.bold});
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexProgressBar";
    custom.title = args.name;
    custom.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    return createCustom(custom);
}

bool ProgressBarCtrl::setValue(std::int32_t value) {
    const std::int32_t before = bar_.Percent();
    if (!bar_.setValue(value)) return false;
    // The bars are fed every second, mostly the same figure: repaint only what changed.
    if (bar_.Percent() != before) invalidate();
    return true;
}

void ProgressBarCtrl::onPaint(HDC dc, const RECT& client) {
    if (!surface_.resize(client.right, client.bottom)) return;
    text_.setDpi(dpi());
    PixelSurface out = surface_.borrowed();
    bar_.paint(out, client.right, client.bottom, text_);
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
