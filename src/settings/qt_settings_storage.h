#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "settings/settings_storage.h"

namespace quorvex {

// The settings store as an INI file in the user's configuration folder
// (~/.config/Quorvex/Quorvex.ini on Linux). QSettings saves through a temporary file that it
// renames over the old one, so a crash never leaves a half-written store.
class QtSettingsStorage : public SettingsStorage {
  public:
    // The user's own store, organisation and application "Quorvex".
    QtSettingsStorage();
    // A store in the given INI file (tests choose a temporary one).
    explicit QtSettingsStorage(const QString& iniFile);

    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override;
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;
    bool flush() override;
    bool remove(const std::string& section, const std::string& key) override;

    QString fileName() const { return settings_->fileName(); }

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quorvex
