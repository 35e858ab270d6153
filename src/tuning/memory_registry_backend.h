#pragma once

#include <map>
#include <utility>

#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex {

// A registry held in memory, for tests and benchmarks. A hive can be made to refuse every
// create and write, as HKEY_LOCAL_MACHINE does for a user without administrator rights.
class MemoryRegistryBackend : public RegistryBackend {
  public:
    long createKey(Hive hive, const std::string& path, RegKey& key) override;
    long openKey(Hive hive, const std::string& path, RegKey& key) override;
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override;
    void closeKey(RegKey key) override;
    long queryValue(Hive hive, const std::string& path, const std::string& name,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    long deleteValue(RegKey key, const std::string& name) override;

    void refuseWrites(Hive hive, bool refuse = true) { refused_[hive] = refuse; }
    // Makes every read under the hive fail with access denied.
    void refuseReads(Hive hive, bool refuse = true) { unreadable_[hive] = refuse; }
    const RegistryData& data() const { return data_; }
    RegistryData& data() { return data_; }
    std::size_t openHandles() const { return handles_.size(); }

  private:
    RegKey open(Hive hive, const std::string& path);
    bool refused(Hive hive) const;

    RegistryData data_;
    std::map<RegKey, std::pair<Hive, std::string>> handles_;
    std::map<Hive, bool> refused_;
    std::map<Hive, bool> unreadable_;
    RegKey next_ = 1;
};

}  // namespace quorvex
