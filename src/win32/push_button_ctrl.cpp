#include "win32/push_button_ctrl.h"

namespace quorvex::win32 {

namespace {

ButtonKey buttonKey(WPARAM key) {
    switch (key) {
        case VK_SPACE:
            return ButtonKey::Space;
        case VK_RETURN:
            return ButtonKey::Enter;
        default:
            return ButtonKey::Other;
    }
}

}  // namespace

bool PushButtonCtrl::create(const CreateArgs& args) {
    name_ = args.name;
    containerBack_ = colour::rgb(GetRValue(args.containerBack), GetGValue(args.containerBack),
                                 GetBValue(args.containerBack));
    ChameleonButtonProperties& p = button_.properties();
    const layout::ButtonDesign& design = args.design;
    p.ButtonType = static_cast<int>(design.look);
    p.ColorScheme = static_cast<int>(design.scheme);
    p.ShowFocusRect = design.focusRect;
    p.Caption = args.caption;
    p.BackColor = p.BackOver = design.face;
    p.ForeColor = p.ForeOver = design.text;
    p.MaskColor = design.mask;
    button_.setFont(FontSpec{design.font.face, design.font.points, design.font.bold});
    CustomArgs custom;
    custom.parent = args.parent;
    custom.className = L"QuorvexPushButton";
    custom.title = args.caption;
    custom.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
    if (!createCustom(custom)) return false;
    drawnDpi_ = dpi();
    text_.setDpi(drawnDpi_);
    p.Enabled = isEnabled();
    return true;
}

LRESULT PushButtonCtrl::wndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Bit 30 of a key message: the key was already down (auto-repeat).
    const bool repeat = (lParam & (1 << 30)) != 0;
    switch (message) {
        case WM_GETDLGCODE:
            if (lParam) {
                // Enter and Space come here rather than to the dialog manager; only Space clicks.
                const auto* msg = reinterpret_cast<const MSG*>(lParam);
                if (msg->message == WM_KEYDOWN &&
                    (msg->wParam == VK_RETURN || msg->wParam == VK_SPACE))
                    return DLGC_WANTMESSAGE;
            }
            return DLGC_BUTTON;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                button_.keyDown(buttonKey(wParam), repeat);
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                button_.keyUp(ButtonKey::Space, false);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            button_.focusChanged(message == WM_SETFOCUS);
            break;
        case WM_ENABLE:
            button_.enabledChanged(wParam != FALSE);
            break;
        case WM_SETTEXT: {
            const LRESULT result = Wnd::wndProc(message, wParam, lParam);
            button_.properties().Caption = text();
            button_.redrawNormal();
            return result;
        }
        case WM_SIZE:
            button_.redrawNormal();
            break;
        default:
            break;
    }
    return Wnd::wndProc(message, wParam, lParam);
}

int PushButtonCtrl::surfaceWidth() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return client.right;
}

int PushButtonCtrl::surfaceHeight() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return client.bottom;
}

bool PushButtonCtrl::inside(int x, int y) const {
    RECT client;
    GetClientRect(hwnd(), &client);
    const POINT at{x, y};
    return PtInRect(&client, at) != FALSE;
}

void PushButtonCtrl::onMouseMove(int x, int y) {
    const bool over = inside(x, y);
    if (over && !button_.isHovering()) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
    }
    // The left button counts as held while this window has the pointer captured.
    const int held = GetCapture() == hwnd() ? static_cast<int>(MouseButton::Left) : 0;
    button_.mouseMove(held, over);
}

void PushButtonCtrl::onMouseLeave() {
    button_.pointerLeft();
}

void PushButtonCtrl::onLeftDown(int, int) {
    SetCapture(hwnd());
    SetFocus(hwnd());
    button_.mouseDown(MouseButton::Left);
}

void PushButtonCtrl::onLeftUp(int x, int y) {
    if (GetCapture() != hwnd()) return;
    ReleaseCapture();
    button_.mouseUp(MouseButton::Left, inside(x, y));
}

void PushButtonCtrl::onPaint(HDC dc, const RECT& client) {
    if (!surface_.resize(client.right, client.bottom)) return;
    const PixelSurface& image = button_.image();
    if (dpi() != drawnDpi_ || image.width() != client.right || image.height() != client.bottom) {
        drawnDpi_ = dpi();
        text_.setDpi(drawnDpi_);
        painting_ = true;
        button_.redrawLast();
        painting_ = false;
    }
    surface_.copyFrom(button_.image());
    surface_.copyTo(dc);
}

}  // namespace quorvex::win32
