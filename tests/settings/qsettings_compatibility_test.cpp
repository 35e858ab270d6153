// Files written by earlier versions through Qt's QSettings stay readable, and the reverse.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "settings/ini_file_settings_storage.h"

namespace quorvex {
namespace {

const char* const kTexts[] = {"True",
                              "1492",
                              "DSL Or Cable Modem (16 Megabit And Up)",
                              "a, b = c; \"d\"",
                              " spaced ",
                              "back\\slash",
                              "@at",
                              "tab\tand\nline",
                              "Z\xC3\xBCrich",
                              ""};

TEST(QSettingsCompatibilityTest, EachReadsWhatTheOtherWrote) {
    QTemporaryDir dir;
    const QString qtFile = dir.filePath(QStringLiteral("qt.ini"));
    const QString ourFile = dir.filePath(QStringLiteral("ours.ini"));
    {
        QSettings qt(qtFile, QSettings::IniFormat);
        IniFileSettingsStorage ours(ourFile.toStdString());
        for (std::size_t i = 0; i < std::size(kTexts); ++i) {
            const std::string key = std::to_string(i);
            qt.setValue(QStringLiteral("Values/") + QString::number(i),
                        QString::fromUtf8(kTexts[i]));
            ours.write("Values", key, kTexts[i]);
        }
        qt.sync();
        ASSERT_EQ(qt.status(), QSettings::NoError);
        ASSERT_TRUE(ours.flush());
    }
    IniFileSettingsStorage readsQt(qtFile.toStdString());
    QSettings readsOurs(ourFile, QSettings::IniFormat);
    ASSERT_EQ(readsOurs.status(), QSettings::NoError);
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        EXPECT_EQ(readsQt.read("Values", std::to_string(i)), kTexts[i]) << i;
        EXPECT_EQ(readsOurs.value(QStringLiteral("Values/") + QString::number(i)).toString(),
                  QString::fromUtf8(kTexts[i]))
            << i;
    }
}

}  // namespace
}  // namespace quorvex
