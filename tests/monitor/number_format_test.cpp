#include "monitor/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quorvex::monitor {
namespace {

const NumberLocale kUs{".", ","};
const NumberLocale kGerman{",", "."};

struct PatternCase {
    double value;
    NumberPattern pattern;
    const char* us;
    const char* german;
};

TEST(NumberFormat, EveryPatternRendersWithTheLocaleSeparators) {
    const PatternCase cases[] = {
        {8000, patterns::kWhole, "8000", "8000"},
        {66.66666666, patterns::kOneDecimal, "66.7", "66,7"},
        {0.97656, patterns::kRate, "01.0", "01,0"},
        {0.9765625, patterns::kStepKb, "00.9766", "00,9766"},
        {0.9765625, patterns::kTotalKb, "00.97656", "00,97656"},
        {123.5, patterns::kTotalKb, "123.50000", "123,50000"},
        {1234, patterns::kGrouped, "1,234", "1.234"},
        {1234567890123.0, patterns::kGrouped, "1,234,567,890,123", "1.234.567.890.123"},
        {0, patterns::kGrouped, "0", "0"},
        {8, patterns::kKbits, "8.00 Kbits/s", "8,00 Kbits/s"},
        {1.638, patterns::kMbit, "1.64 Mbit/s", "1,64 Mbit/s"},
        {2147.484, patterns::kMbit, "2,147.48 Mbit/s", "2.147,48 Mbit/s"},
        {12.34, patterns::kKbPerSecond, "12.3 KB/s", "12,3 KB/s"},
        {2, patterns::kMbPerSecond, "2.0 MB/s", "2,0 MB/s"},
        {5, patterns::kKbsOneDecimal, "5.0 KBs", "5,0 KBs"},
        {5, patterns::kKbs, "5.00 KBs", "5,00 KBs"},
        {-1.25, patterns::kKbPerSecond, "-1.3 KB/s", "-1,3 KB/s"},
        {2147.475, patterns::kMbit, "2,147.48 Mbit/s", "2.147,48 Mbit/s"},
        {0.96, patterns::kWhole, "1", "1"},
        {99.96, patterns::kOneDecimal, "100.0", "100,0"},
        {0.004, patterns::kKbs, "0.00 KBs", "0,00 KBs"},
        {1e-300, patterns::kTotalKb, "00.00000", "00,00000"},
        {-0.97656, patterns::kTotalKb, "-00.97656", "-00,97656"},
        {-0.00001, patterns::kOneDecimal, "0.0", "0,0"},  // rounds to zero: no sign
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern, kUs), c.us) << c.value;
        EXPECT_EQ(FormatNumber(c.value, c.pattern, kGerman), c.german) << c.value;
    }
}

TEST(NumberFormat, NonFiniteValuesGiveNoText) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), patterns::kWhole, kUs), "");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), patterns::kWhole, kUs), "");
}

TEST(NumberFormat, PlainTextKeepsFullPrecisionAndReadsBack) {
    for (double v : {0.0, 1.0, 0.97656, 12345.678901234, 1e-7, 3e15, -2.5}) {
        const auto text = FormatPlain(v, kGerman);
        EXPECT_EQ(text.find('.'), std::string::npos) << text;
        EXPECT_EQ(ParseNumber(text, kGerman), v) << text;
    }
    EXPECT_EQ(FormatPlain(0.97656, kUs), "0.97656");
    EXPECT_EQ(FormatPlain(-0.0, kUs), "0");
}

// The decimal conversions differ by platform (the C runtime's on Windows): the same texts
// everywhere, the fewest digits, and every value read back exactly.
TEST(NumberFormat, PlainTextIsTheShortestThatReadsBack) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.1, "0.1"},
        {1.0 / 3.0, "0.3333333333333333"},
        {2.0 / 3.0, "0.6666666666666666"},
        {100.0, "100"},
        {1e21, "1000000000000000000000"},
        {123456789012345678.0, "123456789012345680"},
        {9007199254740993.0, "9007199254740992"},
        {0.30000000000000004, "0.30000000000000004"},
        {-1e-7, "-0.0000001"},
        {1024.5, "1024.5"},
    };
    const std::string smallest = "0." + std::string(323, '0') + "5";
    EXPECT_EQ(FormatPlain(5e-324, kUs), smallest);
    EXPECT_EQ(ParseNumber(smallest, kUs), 5e-324);
    for (const Case& c : cases) {
        EXPECT_EQ(FormatPlain(c.value, kUs), c.text);
        EXPECT_EQ(ParseNumber(c.text, kUs), c.value) << c.text;
    }
    for (double v : {1.7976931348623157e308, 2.2250738585072014e-308, 0.1 + 0.2, 1e23, 8.41e21,
                     4.35e-16, 5e-310})
        EXPECT_EQ(ParseNumber(FormatPlain(v, kGerman), kGerman), v) << v;
    EXPECT_FALSE(ParseNumber("1" + std::string(400, '0'), kUs).has_value());
}

TEST(NumberFormat, PatternsRoundFromFifteenDigits) {
    EXPECT_EQ(FormatNumber(2147.475, patterns::kKbs, kUs), "2147.48 KBs");
    EXPECT_EQ(FormatNumber(0.05, patterns::kOneDecimal, kUs), "0.1");
    EXPECT_EQ(FormatNumber(0.049999999999999, patterns::kOneDecimal, kUs), "0.0");
    EXPECT_EQ(FormatNumber(1e300, patterns::kWhole, kUs), "1" + std::string(300, '0'));
    EXPECT_EQ(FormatNumber(0.0, patterns::kTotalKb, kUs), "00.00000");
}

TEST(NumberFormat, ParsingAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(ParseNumber("00.97656", kUs), 0.97656);
    EXPECT_EQ(ParseNumber(" 1,234.5 ", kUs), 1234.5);
    EXPECT_EQ(ParseNumber("1.234,5", kGerman), 1234.5);
    EXPECT_EQ(ParseNumber("-12", kUs), -12.0);
    EXPECT_EQ(ParseNumber("00,97656", kGerman), 0.97656);
    for (const char* bad : {"", "-", "abc", "8.00 Kbits/s", "1.2.3", "1e5", ",5"})
        EXPECT_FALSE(ParseNumber(bad, kUs).has_value()) << bad;
}

TEST(NumberFormat, IntegersRoundHalvesToEvenAndCheckTheirRange) {
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(2.500001), 3);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_FALSE(RoundToInt32(2147483647.5).has_value());
    EXPECT_FALSE(RoundToInt32(-2147483649.0).has_value());
    EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(RoundToInt64(1e19).has_value());
    EXPECT_EQ(TextToInt32("1,234", kUs), 1234);
    EXPECT_EQ(TextToInt32("49,5", kGerman), 50);
    EXPECT_FALSE(TextToInt32("x", kUs).has_value());
}

}  // namespace
}  // namespace quorvex::monitor
