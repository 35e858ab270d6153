#include "win32/label_ctrl.h"

namespace quorvex::win32 {

LabelCtrl::~LabelCtrl() {
    if (brush_) DeleteObject(brush_);
}

bool LabelCtrl::create(const CreateArgs& args) {
    colour_ = args.colour;
    background_ = args.background;
    brush_ = CreateSolidBrush(background_);
    ControlArgs control;
    control.parent = args.parent;
    control.className = L"STATIC";
    control.text = args.text;
    control.style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_CENTERIMAGE |
                    (args.align == Align::Centre ? SS_CENTER : SS_LEFT);
    return createControl(control);
}

HBRUSH LabelCtrl::onColorReflected(HDC dc) {
    SetTextColor(dc, colour_);
    SetBkColor(dc, background_);
    return brush_;
}

}  // namespace quorvex::win32
