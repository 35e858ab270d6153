#include "win32/dropdown_ctrl.h"

namespace quorvex::win32 {

bool DropDownCtrl::create(const CreateArgs& args) {
    ControlArgs control;
    control.parent = args.parent;
    control.className = L"COMBOBOX";
    control.text = args.name;
    control.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    if (!createControl(control)) return false;
    setItems(args.items);
    return true;
}

void DropDownCtrl::setItems(const std::vector<std::string>& items) {
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const auto& item : items) {
        const std::wstring text = wide(item);
        SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void DropDownCtrl::setCurrentIndex(int index) {
    if (currentIndex() != index) SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DropDownCtrl::currentIndex() const {
    return static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
}

int DropDownCtrl::count() const {
    return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
}

std::string DropDownCtrl::itemText(int index) const {
    const LRESULT length = SendMessageW(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return utf8(text);
}

bool DropDownCtrl::onCommandReflected(WORD code, LRESULT& result) {
    if (code != CBN_SELCHANGE) return false;
    if (onSelectionChanged) onSelectionChanged();
    result = 0;
    return true;
}

}  // namespace quorvex::win32
