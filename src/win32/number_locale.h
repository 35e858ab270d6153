#pragma once

#include <functional>
#include <optional>
#include <string>

#include "monitor/number_format.h"

namespace quorvex::win32 {

// Reads one piece of the user's locale information (a LOCALE_S* constant), empty when the
// system gives none.
using LocaleInfoReader = std::function<std::optional<std::wstring>(unsigned long field)>;

// The decimal and grouping separators a reader gives; a missing or empty decimal separator
// keeps ".", and a grouping separator equal to the decimal one is dropped (numbers would read
// wrong).
monitor::NumberLocale numberLocaleFrom(const LocaleInfoReader& read);

// The system's reader for a locale named as Windows names them ("de-DE"); null: the user's own.
LocaleInfoReader localeInfoOf(const wchar_t* localeName);

// The separators of the user's own locale (GetLocaleInfoEx).
monitor::NumberLocale userNumberLocale();

}  // namespace quorvex::win32
