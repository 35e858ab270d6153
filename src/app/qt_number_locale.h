#pragma once

#include <QLocale>

#include "monitor/number_format.h"

namespace quorvex {

// The decimal and grouping separators of a Qt locale (by default the user's).
monitor::NumberLocale NumberLocaleFrom(const QLocale& locale = QLocale());

}  // namespace quorvex
