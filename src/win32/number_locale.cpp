#include "win32/number_locale.h"

#include <windows.h>

#include <iterator>

namespace quorvex::win32 {
namespace {

std::string utf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                            length, nullptr, nullptr);
    return out;
}

}  // namespace

LocaleInfoReader localeInfoOf(const wchar_t* localeName) {
    const std::wstring name = localeName ? localeName : L"";
    return [name](unsigned long field) -> std::optional<std::wstring> {
        // Separators are at most four characters (LOCALE_SDECIMAL, LOCALE_STHOUSAND).
        wchar_t buffer[16];
        const int length = GetLocaleInfoEx(name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str(),
                                           static_cast<LCTYPE>(field), buffer,
                                           static_cast<int>(std::size(buffer)));
        if (length <= 0) return std::nullopt;
        return std::wstring(buffer, static_cast<std::size_t>(length - 1));  // without the null
    };
}

monitor::NumberLocale numberLocaleFrom(const LocaleInfoReader& read) {
    monitor::NumberLocale separators;
    if (const auto decimal = read(LOCALE_SDECIMAL); decimal && !decimal->empty())
        separators.decimal = utf8(*decimal);
    const auto grouping = read(LOCALE_STHOUSAND);
    separators.grouping = grouping ? utf8(*grouping) : std::string();
    if (separators.grouping == separators.decimal) separators.grouping.clear();
    return separators;
}

monitor::NumberLocale userNumberLocale() {
    return numberLocaleFrom(localeInfoOf(nullptr));
}

}  // namespace quorvex::win32
