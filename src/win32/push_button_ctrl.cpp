#include "win32/push_button_ctrl.h"

#include <algorithm>

namespace quorvex::win32 {

bool PushButtonCtrl::create(const CreateArgs& args) {
    name_ = args.name;
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

void PushButtonCtrl::onPaint(HDC dc, const RECT& client) {
    if (!surface_.resize(client.right, client.bottom)) return;
    const bool enabled = isEnabled();
    const std::uint32_t face = pressed_ ? 0xC8C8C8u : hovered_ ? 0xF0F0F0u : 0xE0E0E0u;
    std::fill_n(surface_.pixels(), static_cast<std::size_t>(client.right) * client.bottom, face);
    HDC surface = surface_.dc();
    RECT edge = client;
    DrawEdge(surface, &edge, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    SetBkMode(surface, TRANSPARENT);
    SetTextColor(surface, enabled ? RGB(0, 0, 0) : RGB(128, 128, 128));
    HGDIOBJ oldFont =
        SelectObject(surface, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    const std::wstring caption = wide(text());
    RECT textRect = client;
    DrawTextW(surface, caption.c_str(), static_cast<int>(caption.size()), &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(surface, oldFont);
    if (GetFocus() == hwnd()) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(surface, &focus);
    }
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
