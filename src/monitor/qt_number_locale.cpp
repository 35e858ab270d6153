#include "monitor/qt_number_locale.h"

namespace quorvex {

monitor::NumberLocale NumberLocaleFrom(const QLocale& locale) {
    monitor::NumberLocale separators;
    separators.decimal = locale.decimalPoint().toStdString();
    separators.grouping = locale.groupSeparator().toStdString();
    if (separators.decimal.empty()) separators.decimal = ".";
    // A grouping separator equal to the decimal one would make numbers unreadable.
    if (separators.grouping == separators.decimal) separators.grouping.clear();
    return separators;
}

}  // namespace quorvex
