// Lists the windows of the desktop that a script drives Quorvex.exe through under Wine: every
// visible top-level window and its visible descendants, one line each, as
//   <depth> <handle> <class> <enabled> <left> <top> <right> <bottom> <text>
// (screen coordinates, text in UTF-8), then the focused window of each; or, with "at X Y", the
// window under a screen point. A window's own controls name themselves in their text,
// so the end-to-end script finds the list, the icons and the message-box buttons by it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
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
    // Asked of the window itself: GetWindowText would give another process's controls' captions
    // only, not a list's chosen text.
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%d %p %s %d %ld %ld %ld %ld %s\n", depth, static_cast<void*>(window),
                Utf8(className).c_str(), IsWindowEnabled(window) ? 1 : 0, r.left, r.top, r.right,
                r.bottom, Utf8(text).c_str());
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
    // The window with the keyboard focus in this window's thread.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && thread.hwndFocus)
        std::printf("focus %p\n", static_cast<void*>(thread.hwndFocus));
    return TRUE;
}

}  // namespace

// The topmost visible picture command whose text is `caption`, in any visible window.
HWND FindPicture(HWND parent, const std::wstring& caption) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        wchar_t className[64] = {};
        wchar_t text[256] = {};
        GetClassNameW(child, className, 64);
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 2000, &copied);
        if (caption == text && std::wstring(className) == L"QuorvexPicture") return child;
        if (HWND inner = FindPicture(child, caption)) return inner;
    }
    return nullptr;
}

std::wstring Wide(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), size);
    return out;
}

// "at X Y": the window that takes the pointer at that screen point, as a click would find it.
// "click CAPTION": the pointer's messages to the picture command CAPTION (a move, which reveals
// a highlighted twin, then a click on what is then on top), for driving a picture without the
// pointer.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "click") {
        const std::wstring caption = Wide(argv[2]);
        HWND form = FindWindowW(L"QuorvexForm1", nullptr);
        HWND picture = form ? FindPicture(form, caption) : nullptr;
        if (!picture) return 1;
        SendMessageW(picture, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        picture = FindPicture(form, caption);
        if (!picture) return 1;
        SendMessageW(picture, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "at") {
        const POINT point{std::atol(argv[2]), std::atol(argv[3])};
        if (HWND window = WindowFromPoint(point)) Print(window, 0);
        return 0;
    }
    EnumWindows(EachTopLevel, 0);
    return 0;
}
