#include "win32/number_locale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "monitor/rate_format.h"

namespace quorvex::win32 {
namespace {

struct LocaleCase {
    const char* name;
    std::map<unsigned long, std::wstring> info;
    const char* decimal;
    const char* grouping;
};

TEST(Win32NumberLocaleTest, SeparatorsFromTheLocaleInformation) {
    const LocaleCase cases[] = {
        {"United States", {{LOCALE_SDECIMAL, L"."}, {LOCALE_STHOUSAND, L","}}, ".", ","},
        {"German", {{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L"."}}, ",", "."},
        {"French", {{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L"\u202f"}}, ",", "\u202f"},
        {"Swiss", {{LOCALE_SDECIMAL, L"."}, {LOCALE_STHOUSAND, L"\u2019"}}, ".", "\u2019"},
        {"no grouping", {{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L""}}, ",", ""},
        {"grouping like the decimal", {{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L","}}, ",", ""},
        {"nothing readable", {}, ".", ""},
        {"empty decimal", {{LOCALE_SDECIMAL, L""}, {LOCALE_STHOUSAND, L","}}, ".", ","},
    };
    for (const LocaleCase& c : cases) {
        const auto locale =
            numberLocaleFrom([&](unsigned long field) -> std::optional<std::wstring> {
                const auto found = c.info.find(field);
                if (found == c.info.end()) return std::nullopt;
                return found->second;
            });
        EXPECT_EQ(locale.decimal, c.decimal) << c.name;
        EXPECT_EQ(locale.grouping, c.grouping) << c.name;
    }
}

// The system's own locale data: a comma locale gives comma figures, and the idle average rule
// still shows the start state as zero there.
TEST(Win32NumberLocaleTest, TheSystemsGermanLocaleGivesCommaFigures) {
    const auto german = numberLocaleFrom(localeInfoOf(L"de-DE"));
    EXPECT_EQ(german.decimal, ",");
    EXPECT_EQ(german.grouping, ".");
    EXPECT_EQ(monitor::FormatSpeed(12.34, "", german), "12,3 KB/s");
    EXPECT_EQ(monitor::FormatAverage(1, 1, "", german), "0,0 KB/s");
    EXPECT_EQ(*monitor::FormatBestConnection(200, german), "1,64 Mbit/s");
}

TEST(Win32NumberLocaleTest, TheUsersLocaleHasADecimalSeparator) {
    const auto user = userNumberLocale();
    EXPECT_FALSE(user.decimal.empty());
    EXPECT_NE(user.decimal, user.grouping);
}

}  // namespace
}  // namespace quorvex::win32
