#include <windows.h>

#include <string>

#include "browser/locations.h"

namespace quorvex {

namespace {

std::string toUtf8(const wchar_t* text, int length) {
    if (length <= 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

std::filesystem::path SystemLocations::programFolder() const {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::filesystem::path(buffer).parent_path();
}

std::vector<std::pair<std::string, std::string>> SystemLocations::environment() const {
    std::vector<std::pair<std::string, std::string>> variables;
    wchar_t* block = GetEnvironmentStringsW();
    if (!block) return variables;
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
        // Entries such as "=C:=C:\\" (per-drive folders) begin with '=' and are no variables.
        const wchar_t* equals = wcschr(entry + 1, L'=');
        if (*entry == L'=' || !equals) continue;
        variables.emplace_back(toUtf8(entry, static_cast<int>(equals - entry)),
                               toUtf8(equals + 1, static_cast<int>(wcslen(equals + 1))));
    }
    FreeEnvironmentStringsW(block);
    return variables;
}

std::vector<std::filesystem::path> SystemLocations::platformProfileRoots() const {
    return {};  // the profiles folder is found through %APPDATA% only
}

}  // namespace quorvex
