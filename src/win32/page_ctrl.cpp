#include "win32/page_ctrl.h"

namespace quorvex::win32 {

PageCtrl::~PageCtrl() {
    if (brush_) DeleteObject(brush_);
}

bool PageCtrl::create(const CreateArgs& args) {
    name_ = args.name;
    background_ = args.background;
    brush_ = CreateSolidBrush(background_);
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexPage";
    custom.title = args.name;
    // Clipping keeps the page from painting over its controls, and the window-level pictures
    // from painting over the page.
    custom.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    custom.exStyle = WS_EX_CONTROLPARENT;
    return createCustom(custom);
}

void PageCtrl::onPaint(HDC dc, const RECT& client) {
    FillRect(dc, &client, brush_);
}

void PageCtrl::onMouseMove(int, int) {
    if (onHover) onHover();
}

}  // namespace quorvex::win32
