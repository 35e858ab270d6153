#include "win32/picture_ctrl.h"

#include "win32/composition.h"
#include "win32/dib_surface.h"
#include "win32/dpi.h"
#include "win32/link_cursor.h"

namespace quorvex::win32 {

namespace {

// Where a see-through picture composes what lies beneath with its art, shared by every picture:
// paints come one at a time on the window's thread, and a buffer per picture would keep a copy
// of each (a header's is 600 KB) for the life of the window.
DibSurface& compositionBuffer() {
    static DibSurface buffer;
    return buffer;
}

}  // namespace

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

void PictureCtrl::onPrint(HDC dc, const RECT& client) {
    if (art_.empty()) return;
    artwork_.load(art_, dpi());
    if (artwork_.draw(dc, client)) return;
    HBRUSH brush = CreateSolidBrush(fallback_);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

RECT PictureCtrl::visiblePart() {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (art_.empty()) return client;
    artwork_.load(art_, dpi());
    const RECT part = artwork_.visiblePart(client);
    return IsRectEmpty(&part) ? client : part;
}

void PictureCtrl::onPaint(HDC dc, const RECT& client) {
    // Wholly covered by the siblings above (a highlighted icon under its opaque resting one):
    // nothing shows, so nothing is drawn and the picture is not even decoded.
    RECT asked;
    const int clip = GetClipBox(dc, &asked);
    if (clip == NULLREGION) return;
    if (clip == ERROR) asked = client;
    // Art that hides everything beneath it goes straight to the window: no composition, and no
    // buffer as large as the picture held beside it (the background's is over a megabyte).
    if (!art_.empty() && GetFocus() != hwnd()) {
        artwork_.load(art_, dpi());
        if (artwork_.opaque() && artwork_.draw(dc, client)) return;
    }
    DibSurface& composed = compositionBuffer();
    if (!composed.reserve(client.right, client.bottom)) return;
    // Only the part the system asks for (`asked`): a hover repaints a corner, not the whole
    // picture.
    HDC buffer = composed.dc();
    const int saved = SaveDC(buffer);
    IntersectClipRect(buffer, asked.left, asked.top, asked.right, asked.bottom);
    paintBeneath(hwnd(), buffer);
    onPrint(buffer, client);
    if (GetFocus() == hwnd()) {
        RECT focus = visiblePart();
        InflateRect(&focus, 1, 1);
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(buffer, &focus);
    }
    RestoreDC(buffer, saved);
    GdiFlush();
    BitBlt(dc, asked.left, asked.top, asked.right - asked.left, asked.bottom - asked.top, buffer,
           asked.left, asked.top, SRCCOPY);
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
