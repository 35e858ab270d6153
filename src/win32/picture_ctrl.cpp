#include "win32/picture_ctrl.h"

#include "win32/dpi.h"
#include "win32/link_cursor.h"

namespace quorvex::win32 {

bool PictureCtrl::create(const CreateArgs& args) {
    name_ = args.name;
    art_ = args.art;
    command_ = args.command;
    fallback_ = args.fallback;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (args.tabStop) style |= WS_TABSTOP;
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexPicture";
    custom.title = args.caption;
    custom.style = style;
    return createCustom(custom);
}

LRESULT PictureCtrl::wndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(command_ ? linkCursor() : LoadCursorW(nullptr, IDC_ARROW));
            return TRUE;
        case WM_GETDLGCODE:
            // Enter and Space belong to the focused command, not to the dialog manager.
            if (lParam) {
                const auto* msg = reinterpret_cast<const MSG*>(lParam);
                if (msg->message == WM_KEYDOWN &&
                    (msg->wParam == VK_RETURN || msg->wParam == VK_SPACE))
                    return DLGC_WANTMESSAGE;
            }
            return DLGC_BUTTON;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            invalidate();
            break;
        case WM_DPICHANGED_AFTERPARENT:
            invalidate();
            break;
        default:
            break;
    }
    return Wnd::wndProc(message, wParam, lParam);
}

void PictureCtrl::onPaint(HDC dc, const RECT& client) {
    bool drawn = false;
    if (!art_.empty()) {
        artwork_.load(art_, dpi());
        drawn = artwork_.draw(dc, client);
    }
    if (!drawn) {
        HBRUSH brush = CreateSolidBrush(fallback_);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
    }
    if (GetFocus() == hwnd()) {
        RECT focus = client;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

void PictureCtrl::onMouseMove(int, int) {
    if (onHover) onHover();
}

void PictureCtrl::onLeftDown(int, int) {
    pressed_ = true;
    SetCapture(hwnd());
}

void PictureCtrl::onLeftUp(int x, int y) {
    if (!pressed_) return;
    pressed_ = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(hwnd(), &client);
    const POINT at{x, y};
    if (PtInRect(&client, at) && onClick) onClick();
}

bool PictureCtrl::onKeyDown(WPARAM key) {
    if (key != VK_RETURN && key != VK_SPACE) return false;
    if (onActivate)
        onActivate();
    else if (onClick)
        onClick();
    return true;
}

}  // namespace quorvex::win32
