#include "app/window_fonts.h"

#include <gmock/gmock.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

namespace quorvex {
namespace {

TEST(WindowFontsTest, TahomaOrACloseFallbackIsUsed) {
    registerTahomaFallback();
    const bool wineTahoma = QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    if (wineTahoma) {
        EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("Tahoma")));
    }
    const QFont font = windowFont();
    EXPECT_EQ(font.pointSizeF(), 9.0);
    EXPECT_FALSE(font.bold());
    const QString used = QFontInfo(font).family();
    EXPECT_THAT(font.families(), ::testing::Contains(used)) << used.toStdString();
    EXPECT_TRUE(tahoma(9.75, true).bold());
}

}  // namespace
}  // namespace quorvex
