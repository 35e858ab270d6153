#include "monitor/rate_format.h"

#include <gtest/gtest.h>

namespace quorvex::monitor {
namespace {

const NumberLocale kUs{".", ","};
const NumberLocale kGerman{",", "."};
const std::string kCurrent = "current";

TEST(FormatVolume, UnitFollowsTheSizeAndFigureTheVolume) {
    EXPECT_EQ(FormatVolume(5, 5, false, kCurrent, kUs), "5.00 KBs");
    EXPECT_EQ(FormatVolume(5, 5, true, kCurrent, kUs), "5.0 KBs");
    EXPECT_EQ(FormatVolume(2048, 2048, false, kCurrent, kUs), "2.00 MBs");
    EXPECT_EQ(FormatVolume(1, 2048, false, kCurrent, kUs), "0.00 MBs");
    EXPECT_EQ(FormatVolume(3 * 1048576.0, 3 * 1048576.0, false, kCurrent, kUs), "3.00 GBs");
    EXPECT_EQ(FormatVolume(1048576, 1048576, false, kCurrent, kUs), "1024.00 MBs");
    EXPECT_EQ(FormatVolume(2 * 1073741824.0, 2 * 1073741824.0, true, kCurrent, kUs), "2.00 TBs");
    EXPECT_EQ(FormatVolume(1073741824.0, 1073741824.0, false, kCurrent, kUs), "1024.00 GBs");
    EXPECT_EQ(FormatVolume(5, 5, false, kCurrent, kGerman), "5,00 KBs");
}

TEST(FormatVolume, ExactlyOneMegabyteLeavesTheText) {
    EXPECT_EQ(FormatVolume(1024, 1024, false, kCurrent, kUs), kCurrent);
    EXPECT_EQ(FormatVolume(1024, 1024, true, kCurrent, kUs), kCurrent);
}

TEST(FormatSpeed, Thresholds) {
    EXPECT_EQ(FormatSpeed(1023.96, kCurrent, kUs), "1024.0 KB/s");
    EXPECT_EQ(FormatSpeed(2048, kCurrent, kUs), "2.0 MB/s");
    EXPECT_EQ(FormatSpeed(1024, kCurrent, kUs), kCurrent);
    EXPECT_EQ(FormatSpeed(0, kCurrent, kUs), "0.0 KB/s");
    EXPECT_EQ(FormatSpeed(-3.5, kCurrent, kUs), "-3.5 KB/s");
    EXPECT_EQ(FormatSpeed(12.34, kCurrent, kGerman), "12,3 KB/s");
}

TEST(FormatAverage, OnePointZeroShowsAsZero) {
    EXPECT_EQ(FormatAverage(1, 1, kCurrent, kUs), "0.0 KB/s");
    EXPECT_EQ(FormatAverage(3, 3, kCurrent, kUs), "0.0 KB/s");
    EXPECT_EQ(FormatAverage(5, 2, kCurrent, kUs), "2.5 KB/s");
    EXPECT_EQ(FormatAverage(4096, 2, kCurrent, kUs), "2.0 MB/s");
    EXPECT_EQ(FormatAverage(2048, 2, kCurrent, kUs), kCurrent);
}

TEST(FormatAverage, TheStartStateShowsAsZeroInEveryLocale) {
    const NumberLocale kSpaced{",", "\u00a0"};
    struct Case {
        double sum;
        double count;
        const NumberLocale& locale;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, kGerman, "0,0 KB/s"},    {1.04, 1, kGerman, "0,0 KB/s"},
        {0.95, 1, kGerman, "0,0 KB/s"}, {1.05, 1, kGerman, "1,1 KB/s"},
        {0.94, 1, kGerman, "0,9 KB/s"}, {5, 2, kGerman, "2,5 KB/s"},
        {1, 1, kSpaced, "0,0 KB/s"},    {3, 3, kUs, "0.0 KB/s"},
        {-1, 1, kGerman, "-1,0 KB/s"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatAverage(c.sum, c.count, kCurrent, c.locale), c.text)
            << c.sum << " over " << c.count;
}

TEST(FormatBestConnection, BitFigures) {
    struct Case {
        double rate;
        const char* text;
    };
    const Case cases[] = {
        {1.0, "8.00 Kbits/s"},
        {100, "819.00 Kbits/s"},
        {200, "1.64 Mbit/s"},
        {0.4, "0.00 Kbits/s"},
        {0.5, "0.00 Kbits/s"},
        {1.5, "16.00 Kbits/s"},
        {2.5, "16.00 Kbits/s"},
        {122, "999.00 Kbits/s"},
        {123, "1.01 Mbit/s"},
        {262143.4, "2,147.48 Mbit/s"},  // k 2147475: the half rounds up
        // Past the 32-bit mark the figure is still computed.
        {262143.5, "2,147.48 Mbit/s"},
        {262144, "2,147.48 Mbit/s"},
        {1048576, "8,589.94 Mbit/s"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatBestConnection(c.rate, kUs), c.text) << c.rate;
    EXPECT_EQ(FormatBestConnection(200, kGerman), "1,64 Mbit/s");
    EXPECT_FALSE(FormatBestConnection(1e300, kUs).has_value());
}

}  // namespace
}  // namespace quorvex::monitor
