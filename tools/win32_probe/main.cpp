// Lists the windows of the desktop that a script drives Quorvex.exe through under Wine: every
// visible top-level window and its visible descendants, one line each, as
//   <depth> <handle> <class> <left> <top> <right> <bottom> <text>
// (screen coordinates, text in UTF-8). A window's own controls name themselves in their text,
// so the end-to-end script finds the list, the icons and the message-box buttons by it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

void Print(HWND window, int depth) {
    wchar_t className[128] = {};
    wchar_t text[512] = {};
    GetClassNameW(window, className, 128);
    GetWindowTextW(window, text, 512);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%d %p %s %ld %ld %ld %ld %s\n", depth, static_cast<void*>(window),
                Utf8(className).c_str(), r.left, r.top, r.right, r.bottom, Utf8(text).c_str());
}

void Walk(HWND parent, int depth) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        Print(child, depth);
        Walk(child, depth + 1);
    }
}

BOOL CALLBACK EachTopLevel(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    Print(window, 0);
    Walk(window, 1);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(EachTopLevel, 0);
    return 0;
}
