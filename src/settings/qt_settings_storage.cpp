#include "settings/qt_settings_storage.h"

#include <QVariant>

namespace quorvex {

namespace {

QString address(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStorage::QtSettingsStorage()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Quorvex"), QStringLiteral("Quorvex"))) {
}

QtSettingsStorage::QtSettingsStorage(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStorage::read(const std::string& section,
                                                   const std::string& key) const {
    // An unreadable or malformed file reads as empty: the restore then keeps the fresh state.
    if (settings_->status() == QSettings::FormatError) return std::nullopt;
    const QString name = address(section, key);
    if (!settings_->contains(name)) return std::nullopt;
    const QVariant value = settings_->value(name);
    // A text with commas that was edited by hand without quotes reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

bool QtSettingsStorage::write(const std::string& section, const std::string& key,
                              const std::string& value) {
    if (!settings_->isWritable()) return false;
    settings_->setValue(address(section, key), QString::fromStdString(value));
    return true;
}

bool QtSettingsStorage::flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

bool QtSettingsStorage::remove(const std::string& section, const std::string& key) {
    if (!settings_->isWritable()) return false;
    settings_->remove(address(section, key));
    return true;
}

}  // namespace quorvex
