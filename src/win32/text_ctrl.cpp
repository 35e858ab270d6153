#include "win32/text_ctrl.h"

namespace quorvex::win32 {

std::string withCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

bool TextCtrl::create(const CreateArgs& args) {
    ControlArgs control;
    control.parent = args.parent;
    control.className = L"EDIT";
    control.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                    ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    control.exStyle = WS_EX_CLIENTEDGE;
    return createControl(control);
}

void TextCtrl::setContents(const std::string& text) {
    const std::string converted = withCrLf(text);
    if (contents() == converted) return;
    SetWindowTextW(hwnd(), wide(converted).c_str());
}

std::string TextCtrl::contents() const {
    return text();
}

LRESULT TextCtrl::wndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        // A multi-line edit asks for every key, Tab too; this one is only read, so Tab and
        // Shift+Tab move on to the next control as everywhere else.
        LRESULT code = Wnd::wndProc(message, wParam, lParam);
        code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB)
            code &= ~static_cast<LRESULT>(DLGC_WANTMESSAGE);
        return code;
    }
    return Wnd::wndProc(message, wParam, lParam);
}

HBRUSH TextCtrl::onColorReflected(HDC dc) {
    // Read-only edits ask for the static colours; they keep the window colour of a text box.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace quorvex::win32
