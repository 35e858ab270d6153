#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_storage.h"

namespace quorvex {

// The settings store in the current user's registry: one key per section under
// HKEY_CURRENT_USER\Software\Quorvex, one REG_SZ value per setting. Texts are UTF-8 here and
// stored through the registry's wide functions, so any text comes back exactly as written.
// Every write reaches the registry at once; the registry itself makes it last.
class Win32RegistrySettingsStorage : public SettingsStorage {
  public:
    static constexpr const char* kUserRoot = "Software\\Quorvex";

    // The user's own store. `root` is the key under HKEY_CURRENT_USER that holds the sections.
    explicit Win32RegistrySettingsStorage(std::string root = kUserRoot);

    // Nothing for a missing key, a value that is not REG_SZ, or a section or key that cannot
    // name one registry value (empty section, a backslash in it).
    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override;
    // False, with nothing written, when the registry refuses the write or the text is no
    // valid UTF-8.
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;
    // Writes are immediate: true unless a write since the last flush was refused.
    bool flush() override;
    // True also when the key or its section does not exist.
    bool remove(const std::string& section, const std::string& key) override;
    // A value of any type but REG_SZ, with its type and bytes as the registry holds them.
    std::optional<OtherSetting> readOther(const std::string& section,
                                          const std::string& key) const override;
    bool writeOther(const std::string& section, const std::string& key,
                    const OtherSetting& value) override;

  private:
    // The value under the section's key, whatever its type; nothing when it cannot be read.
    std::optional<OtherSetting> query(const std::string& section, const std::string& key) const;
    // Creates the section's key when missing and stores the value; a refusal is kept for flush.
    bool set(const std::string& section, const std::string& key, std::uint32_t type,
             const std::uint8_t* data, std::uint32_t size);

    std::string root_;
    bool refused_ = false;
};

}  // namespace quorvex
