#include "win32/wnd.h"

#include <unordered_map>

#include "win32/composition.h"
#include "win32/dpi.h"

namespace quorvex::win32 {

namespace {

// Which Wnd owns which window, kept in the process: every message looks its window up, and a
// window property would cost a trip to the window server each time. Windows live on the one UI
// thread, so no lock.
std::unordered_map<HWND, Wnd*>& owners() {
    static std::unordered_map<HWND, Wnd*> map;
    return map;
}

}  // namespace

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        length);
    return result;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        length, nullptr, nullptr);
    return result;
}

Wnd::~Wnd() {
    if (!hwnd_) return;
    HWND window = hwnd_;
    unsubclass();
    owners().erase(window);
    hwnd_ = nullptr;
    DestroyWindow(window);
}

Wnd* Wnd::fromHandle(HWND window) {
    if (!window) return nullptr;
    const auto& map = owners();
    const auto it = map.find(window);
    return it == map.end() ? nullptr : it->second;
}

void Wnd::attach(HWND window) {
    hwnd_ = window;
    owners()[window] = this;
}

bool Wnd::createCustom(const CustomArgs& args) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(instance, args.className, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = args.classStyle;
        wc.lpfnWndProc = customProc;
        wc.hInstance = instance;
        wc.hCursor = args.cursor ? args.cursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = args.background;
        wc.hIcon = args.icon;
        wc.lpszClassName = args.className;
        if (!RegisterClassExW(&wc)) return false;
    }
    const std::wstring title = wide(args.title);
    HWND window = CreateWindowExW(args.exStyle, args.className, title.c_str(), args.style, 0, 0, 0,
                                  0, args.parent, nullptr, instance, this);
    return window != nullptr;
}

bool Wnd::createControl(const ControlArgs& args) {
    const std::wstring text = wide(args.text);
    HWND window = CreateWindowExW(args.exStyle, args.className, text.c_str(), args.style, 0, 0, 0,
                                  0, args.parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return false;
    attach(window);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc)));
    return true;
}

LRESULT CALLBACK Wnd::customProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Wnd*>(create->lpCreateParams);
        self->attach(window);
    }
    Wnd* self = fromHandle(window);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        owners().erase(window);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->wndProc(message, wParam, lParam);
}

LRESULT CALLBACK Wnd::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Wnd* self = fromHandle(window);
    if (!self || !self->original_) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->original_;
        self->unsubclass();
        owners().erase(window);
        self->hwnd_ = nullptr;
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    return self->wndProc(message, wParam, lParam);
}

void Wnd::unsubclass() {
    if (!original_ || !hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    original_ = nullptr;
}

LRESULT Wnd::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (original_) return CallWindowProcW(original_, hwnd_, message, wParam, lParam);
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Wnd::wndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatch(message, wParam, lParam);
}

LRESULT Wnd::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    if (tooltips_ && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        // The tooltip learns of the pointer from here rather than by subclassing the window.
        MSG relayed{hwnd_, message, wParam, lParam, 0, {}};
        SendMessageW(tooltips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    switch (message) {
        case WM_PAINT:
            if (paints()) {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd_, &ps);
                RECT client;
                GetClientRect(hwnd_, &client);
                onPaint(dc, client);
                EndPaint(hwnd_, &ps);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            if (paints()) return 1;
            break;
        case WM_PRINTCLIENT:
            if (paints()) {
                RECT client;
                GetClientRect(hwnd_, &client);
                onPrint(reinterpret_cast<HDC>(wParam), client);
                return 0;
            }
            break;
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case WM_SETFONT:
            // Windows of our own classes keep their font here; the system's controls keep theirs.
            if (!original_) {
                font_ = reinterpret_cast<HFONT>(wParam);
                if (LOWORD(lParam)) invalidate();
                return 0;
            }
            break;
        case WM_GETFONT:
            if (!original_) return reinterpret_cast<LRESULT>(font_);
            break;
        case WM_MOUSEMOVE:
            onMouseMove(x, y);
            break;
        case WM_LBUTTONDOWN:
            onLeftDown(x, y);
            break;
        case WM_LBUTTONUP:
            onLeftUp(x, y);
            break;
        case WM_MOUSELEAVE:
            onMouseLeave();
            break;
        case WM_KEYDOWN:
            if (onKeyDown(wParam)) return 0;
            break;
        case WM_SIZE:
            onSize(LOWORD(lParam), HIWORD(lParam));
            break;
        case WM_CLOSE:
            if (onClose()) return 0;
            break;
        case WM_DESTROY:
            onDestroy();
            break;
        case WM_COMMAND:
            if (Wnd* child = fromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
                LRESULT result = 0;
                if (child->onCommandReflected(HIWORD(wParam), result)) return result;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (Wnd* child = fromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
                if (HBRUSH brush = child->onColorReflected(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(brush);
            }
            break;
        default:
            break;
    }
    return defaultProc(message, wParam, lParam);
}

void Wnd::setVisible(bool visible) {
    if (!hwnd_) return;
    // Asked before hiding: the system may hand the focus of a window it hides to the parent.
    const HWND focus = visible ? nullptr : GetFocus();
    const bool hadFocus = focus && (focus == hwnd_ || IsChild(hwnd_, focus));
    const bool wasVisible = ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE) != FALSE;
    if (wasVisible == visible) return;
    // The system repaints what the window uncovers, not the see-through windows above it. A
    // window that does not show yet paints everything when it does.
    if (IsWindowVisible(GetParent(hwnd_))) invalidateSeeThroughAbove(hwnd_);
    // The focus must not stay in a hidden window: keys would go nowhere, and the dialog
    // manager's search for a character's mnemonic, which starts from the focus and walks only
    // the shown windows, would never come back to it and would hang the program.
    if (!hadFocus) return;
    if (focusHeir_ && focusHeir_->hwnd() && IsWindowVisible(focusHeir_->hwnd())) {
        SetFocus(focusHeir_->hwnd());
        return;
    }
    HWND keeper = GetParent(hwnd_);
    while (keeper && !IsWindowVisible(keeper) && GetParent(keeper)) keeper = GetParent(keeper);
    SetFocus(keeper);
}

bool Wnd::isVisible() const {
    return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Wnd::setEnabled(bool enabled) {
    if (!hwnd_) return;
    // The system drops the focus of a window it disables; it goes on to the next control
    // instead (a Firefox button that disables itself), so that keys keep working.
    HWND next = nullptr;
    if (!enabled && GetFocus() == hwnd_) {
        next = GetNextDlgTabItem(GetAncestor(hwnd_, GA_ROOT), hwnd_, FALSE);
        if (next == hwnd_) next = GetAncestor(hwnd_, GA_ROOT);
    }
    EnableWindow(hwnd_, enabled);
    if (next) SetFocus(next);
}

void Wnd::setTooltips(HWND tooltips) {
    tooltips_ = tooltips;
}

bool Wnd::isEnabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}

void Wnd::setText(const std::string& text) {
    if (hwnd_) SetWindowTextW(hwnd_, wide(text).c_str());
}

std::string Wnd::text() const {
    if (!hwnd_) return {};
    std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    const int length = GetWindowTextW(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(static_cast<size_t>(length));
    return utf8(buffer);
}

void Wnd::setFont(HFONT font) {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

int Wnd::dpi() const {
    return dpiOf(hwnd_);
}

void Wnd::setBounds(const Bounds& bounds) {
    bounds_ = bounds;
    hasBounds_ = true;
    applyDpi();
}

void Wnd::applyDpi() {
    if (!hwnd_ || !hasBounds_) return;
    const RECT r = scaledRect(bounds_.x, bounds_.y, bounds_.width, bounds_.height, dpi());
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Wnd::invalidate() {
    // A hidden window is painted whole when it shows; asking now only costs the window server.
    if (hwnd_ && IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Wnd::raise() {
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace quorvex::win32
