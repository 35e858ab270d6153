#include "win32/push_button_ctrl.h"

#include <algorithm>

namespace quorvex::win32 {

bool PushButtonCtrl::create(const CreateArgs& args) {
    name_ = args.name;
    containerBack_ = args.containerBack;
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexPushButton";
    custom.title = args.caption;
    custom.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
    return createCustom(custom);
}

LRESULT PushButtonCtrl::wndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            if (lParam) {
                const auto* msg = reinterpret_cast<const MSG*>(lParam);
                if (msg->message == WM_KEYDOWN &&
                    (msg->wParam == VK_RETURN || msg->wParam == VK_SPACE))
                    return DLGC_WANTMESSAGE;
            }
            return DLGC_BUTTON;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
            invalidate();
            break;
        default:
            break;
    }
    return Wnd::wndProc(message, wParam, lParam);
}

bool PushButtonCtrl::inside(int x, int y) const {
    RECT client;
    GetClientRect(hwnd(), &client);
    const POINT at{x, y};
    return PtInRect(&client, at) != FALSE;
}

void PushButtonCtrl::onMouseMove(int x, int y) {
    const bool over = inside(x, y);
    if (over && !hovered_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
    }
    if (over != hovered_) {
        hovered_ = over;
        invalidate();
    }
}

void PushButtonCtrl::onMouseLeave() {
    hovered_ = false;
    invalidate();
}

void PushButtonCtrl::onLeftDown(int, int) {
    pressed_ = true;
    SetCapture(hwnd());
    SetFocus(hwnd());
    invalidate();
}

void PushButtonCtrl::onLeftUp(int x, int y) {
    if (!pressed_) return;
    pressed_ = false;
    ReleaseCapture();
    invalidate();
    if (inside(x, y) && onClick) onClick();
}

bool PushButtonCtrl::onKeyDown(WPARAM key) {
    if (key != VK_RETURN && key != VK_SPACE) return false;
    if (onClick) onClick();
    return true;
}

button::Look PushButtonCtrl::look() const {
    // The page's two buttons as they were designed: look 3 on a beige face, black text, Tahoma.
    const ColorRef face = colour::rgb(236, 233, 216);
    button::SchemeInput scheme;
    scheme.scheme = 1;
    scheme.look = 3;
    scheme.backColor = scheme.backOver = face;
    scheme.foreColor = scheme.foreOver = colour::rgb(0, 0, 0);
    scheme.maskColor = colour::rgb(192, 192, 192);
    scheme.containerBack = colour::rgb(GetRValue(containerBack_), GetGValue(containerBack_),
                                       GetBValue(containerBack_));
    scheme.hovering = hovered_;
    button::Look look;
    look.buttonType = 3;
    look.colours = button::deriveColours(scheme);
    look.enabled = isEnabled();
    look.pressed = pressed_ && hovered_;
    look.hover = hovered_;
    look.focus = GetFocus() == hwnd();
    look.caption = text();
    look.font = FontSpec{"Tahoma", 8.25};
    return look;
}

void PushButtonCtrl::onPaint(HDC dc, const RECT& client) {
    if (!surface_.resize(client.right, client.bottom)) return;
    text_.setDpi(dpi());
    surface_.copyFrom(button::paintButton(client.right, client.bottom, look(), text_));
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
