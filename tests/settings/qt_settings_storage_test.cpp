#include "settings/qt_settings_storage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quorvex {
namespace {

class QtSettingsStorageTest : public ::testing::Test {
  protected:
    QString iniFile() const { return dir.filePath(QStringLiteral("Quorvex.ini")); }
    QTemporaryDir dir;
};

TEST_F(QtSettingsStorageTest, ValuesLastAcrossInstancesAndKeysAreNames) {
    {
        QtSettingsStorage storage(iniFile());
        EXPECT_TRUE(storage.write("Values", "10", "3"));
        EXPECT_TRUE(
            storage.write("Values", "Connection", "DSL Or Cable Modem (16 Megabit And Up)"));
        EXPECT_TRUE(storage.write("Advanced", "TTL5", "True"));
        EXPECT_TRUE(storage.write("Advanced", "Odd", "a, b = c; \"d\""));
        EXPECT_TRUE(storage.flush());
    }
    QtSettingsStorage storage(iniFile());
    EXPECT_EQ(storage.read("Values", "10"), "3");
    EXPECT_FALSE(storage.read("Values", "1").has_value());
    EXPECT_FALSE(storage.read("Advanced", "10").has_value());
    EXPECT_EQ(storage.read("Values", "Connection"), "DSL Or Cable Modem (16 Megabit And Up)");
    EXPECT_EQ(storage.read("Advanced", "TTL5"), "True");
    EXPECT_EQ(storage.read("Advanced", "Odd"), "a, b = c; \"d\"");
    EXPECT_TRUE(storage.write("Values", "10", "1"));  // replaced
    EXPECT_EQ(storage.read("Values", "10"), "1");
}

TEST_F(QtSettingsStorageTest, TheFileIsAnIniWithOneGroupPerSection) {
    QtSettingsStorage storage(iniFile());
    storage.write("Firefox", "3", "False");
    ASSERT_TRUE(storage.flush());
    QFile file(iniFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Firefox]")) << text.constData();
    EXPECT_TRUE(text.contains("3=False")) << text.constData();
}

TEST_F(QtSettingsStorageTest, AMalformedFileReadsAsEmpty) {
    QFile file(iniFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Values\n1=\"unterminated\n\xff\xfe");
    file.close();
    QtSettingsStorage storage(iniFile());
    EXPECT_FALSE(storage.read("Values", "1").has_value());
}

TEST_F(QtSettingsStorageTest, AStoreThatCannotBeSavedReportsIt) {
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The store's folder would have to be inside a plain file.
    QtSettingsStorage storage(dir.filePath(QStringLiteral("file/Quorvex.ini")));
    EXPECT_FALSE(storage.write("Values", "1", "1492"));
    EXPECT_FALSE(storage.flush());
}

TEST(QtSettingsStorageLocationTest, TheUsersStoreIsQuorvexIniInAQuorvexFolder) {
    QStandardPaths::setTestModeEnabled(true);
    QtSettingsStorage storage;  // nothing is written: only where it would be
    EXPECT_TRUE(storage.fileName().endsWith(QStringLiteral("/Quorvex/Quorvex.ini")))
        << storage.fileName().toStdString();
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace quorvex
