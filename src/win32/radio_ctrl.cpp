#include "win32/radio_ctrl.h"

namespace quorvex::win32 {

RadioCtrl::~RadioCtrl() {
    if (brush_) DeleteObject(brush_);
}

bool RadioCtrl::create(const CreateArgs& args) {
    background_ = args.background;
    brush_ = CreateSolidBrush(background_);
    ControlArgs control;
    control.parent = args.parent;
    control.className = L"BUTTON";
    control.text = args.caption;
    control.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON |
                    (args.firstOfGroup ? WS_GROUP : 0);
    return createControl(control);
}

void RadioCtrl::setChecked(bool checked) {
    if (hwnd()) SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool RadioCtrl::isChecked() const {
    return hwnd() && SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool RadioCtrl::onCommandReflected(WORD code, LRESULT& result) {
    if (code != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

HBRUSH RadioCtrl::onColorReflected(HDC dc) {
    SetBkColor(dc, background_);
    return brush_;
}

}  // namespace quorvex::win32
