#pragma once

#include "platform/win32_system_error.h"
#include "tuning/registry_backend.h"

namespace quorvex {

// The Windows registry itself, through the wide functions of advapi32 (texts are UTF-8 here). Every
// key is opened with access 0x3F and created non-volatile; a RegKey is the HKEY the platform
// returned.
class Win32RegistryBackend : public RegistryBackend {
  public:
    Win32RegistryBackend() = default;
    // HKEY_CURRENT_USER stands for HKEY_USERS\<userSid>, the hive of the user that handed writes
    // over, not that of the account this process runs as. The hive is opened, never created:
    // when it cannot be opened every call under HKEY_CURRENT_USER fails for that reason.
    explicit Win32RegistryBackend(const std::string& userSid);
    ~Win32RegistryBackend() override;
    Win32RegistryBackend(const Win32RegistryBackend&) = delete;
    Win32RegistryBackend& operator=(const Win32RegistryBackend&) = delete;

    long createKey(Hive hive, const std::string& path, RegKey& key) override;
    long openKey(Hive hive, const std::string& path, RegKey& key) override;
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override;
    void closeKey(RegKey key) override;
    long queryValue(Hive hive, const std::string& path, const std::string& name,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    long deleteValue(RegKey key, const std::string& name) override;
    // The system's own words for the status, in the user's language (FormatMessageW).
    RegistryFailure describeFailure(long status) const override;

  private:
    // The root a hive's paths start from: the predefined key, or the user's opened hive.
    long root(Hive hive, void*& key) const;

    bool forUser_ = false;
    void* userHive_ = nullptr;  // HKEY
    long userHiveStatus_ = 0;
};

}  // namespace quorvex
