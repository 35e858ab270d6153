#include "app/qt_number_locale.h"

namespace quorvex {

monitor::NumberLocale NumberLocaleFrom(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    QString grouping = locale.groupSeparator();
    // A grouping separator equal to the decimal one would make numbers unreadable.
    if (grouping == decimal) grouping.clear();
    monitor::NumberLocale separators;
    if (!decimal.isEmpty()) separators.decimal = decimal.toStdString();
    separators.grouping = grouping.toStdString();
    return separators;
}

}  // namespace quorvex
