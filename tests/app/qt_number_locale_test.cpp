#include "app/qt_number_locale.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(QtNumberLocale, SeparatorsOfTheGivenLocale) {
    const auto us = NumberLocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.decimal, ".");
    EXPECT_EQ(us.grouping, ",");
    const auto german = NumberLocaleFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimal, ",");
    EXPECT_EQ(german.grouping, ".");
    const auto c = NumberLocaleFrom(QLocale::c());
    EXPECT_EQ(c.decimal, ".");
}

}  // namespace
}  // namespace quorvex
