#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tuning/registry_types.h"

namespace quorvex {

struct RegValue {
    std::string name;  // spelling first written; "" is the key's unnamed default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const RegValue&, const RegValue&) = default;
};

struct RegKeyData {
    std::string path;  // full path as first created, e.g. "System\CurrentControlSet\Services"
    std::vector<RegValue> values;  // in creation order
    friend bool operator==(const RegKeyData&, const RegKeyData&) = default;
};

// Two hives of keys with the registry's naming rules: paths and names compare without regard
// to case and keep the spelling first created. Keys and values keep creation order, so that a
// saved store reads in the order the program wrote it.
class RegistryData {
  public:
    // Creates the key and its missing parents; returns whether anything was added.
    bool createKey(Hive hive, const std::string& path);
    bool hasKey(Hive hive, const std::string& path) const;
    // Creates or replaces the value; returns whether anything changed. The key must exist.
    bool setValue(Hive hive, const std::string& path, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data);
    const RegValue* value(Hive hive, const std::string& path, const std::string& name) const;
    const RegKeyData* key(Hive hive, const std::string& path) const;
    const std::vector<RegKeyData>& keys(Hive hive) const;
    bool empty() const;

    friend bool operator==(const RegistryData&, const RegistryData&) = default;

  private:
    struct HiveData {
        std::vector<RegKeyData> keys;
        std::map<std::string, std::size_t> index;  // folded path -> position in keys
        friend bool operator==(const HiveData& a, const HiveData& b) { return a.keys == b.keys; }
    };
    HiveData& hive(Hive h) { return h == Hive::CurrentUser ? currentUser_ : localMachine_; }
    const HiveData& hive(Hive h) const {
        return h == Hive::CurrentUser ? currentUser_ : localMachine_;
    }
    RegKeyData* findKey(Hive hive, const std::string& path);

    HiveData localMachine_;
    HiveData currentUser_;
};

}  // namespace quorvex
