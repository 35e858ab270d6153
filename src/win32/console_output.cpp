#include "win32/console_output.h"

#include <shellapi.h>

namespace quorvex::win32 {

namespace {

std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        length);
    return text;
}

std::string utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

}  // namespace

bool writeStandardText(HANDLE handle, std::string_view text) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return true;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring characters = wide(text);
        DWORD written = 0;
        return WriteConsoleW(handle, characters.data(), static_cast<DWORD>(characters.size()),
                             &written, nullptr) != 0;
    }
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

std::vector<std::string> commandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    if (!arguments) return out;
    for (int i = 1; i < count; ++i) out.push_back(utf8(arguments[i]));
    LocalFree(arguments);
    return out;
}

}  // namespace quorvex::win32
