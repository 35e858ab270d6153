#include "win32/progress_bar_ctrl.h"

#include "controls/xp_progress_bar_value.h"

namespace quorvex::win32 {

namespace {
constexpr std::int32_t kMin = 0;
constexpr std::int32_t kMax = 100;
}  // namespace

bool ProgressBarCtrl::create(const CreateArgs& args) {
    state_.Color = args.colour;
    state_.Orientation = args.vertical ? 1 : 0;
    state_.Scrolling = args.style;
    state_.BrushStyle = 0;
    state_.Font = FontSpec{"MS Sans Serif", 8.25};
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexProgressBar";
    custom.title = args.name;
    custom.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    return createCustom(custom);
}

bool ProgressBarCtrl::setValue(std::int32_t value) {
    auto percent = percent_;
    if (!progressbar::percentForValue(value, kMin, kMax, percent)) return false;
    // The bars are fed every second, mostly the same figure: repaint only what changed.
    if (percent == percent_) return true;
    percent_ = percent;
    invalidate();
    return true;
}

void ProgressBarCtrl::onPaint(HDC dc, const RECT& client) {
    if (!surface_.resize(client.right, client.bottom)) return;
    text_.setDpi(dpi());
    PixelSurface out = surface_.borrowed();
    progressbar::BarState state = state_;
    state.Percent = percent_;
    progressbar::DrawProgressBar(out, client.right, client.bottom, state, text_);
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
