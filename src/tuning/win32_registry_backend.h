#pragma once

#include "platform/win32_system_error.h"
#include "tuning/registry_backend.h"

namespace quorvex {

// The Windows registry itself, through the wide functions of advapi32 (texts are UTF-8 here). Every
// key is opened with access 0x3F and created non-volatile; a RegKey is the HKEY the platform
// returned.
class Win32RegistryBackend : public RegistryBackend {
  public:
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
};

}  // namespace quorvex
