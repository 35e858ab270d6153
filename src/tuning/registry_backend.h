#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tuning/registry_types.h"

namespace quorvex {

using RegKey = std::uintptr_t;

// Where and why a backend's last refused call failed, in words for the user: the file that
// holds the values and the system's own error text.
struct RegistryFailure {
    std::string location;
    std::string reason;
    friend bool operator==(const RegistryFailure&, const RegistryFailure&) = default;
};

// The four registry primitives modRegistry is written against; each backend gives them the
// Windows registry's semantics: case-insensitive key paths and value names, creation of
// missing parents, opening that fails for a missing key, values replaced whole.
class RegistryBackend {
  public:
    virtual ~RegistryBackend() = default;
    // Creates the key and every missing parent, or opens it when it exists.
    virtual long createKey(Hive hive, const std::string& path, RegKey& key) = 0;
    // Opens an existing key only.
    virtual long openKey(Hive hive, const std::string& path, RegKey& key) = 0;
    virtual long setValue(RegKey key, const std::string& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& data) = 0;
    virtual void closeKey(RegKey key) = 0;

    // Reads one value without opening its key for writing: kRegOk with its type and data,
    // kRegNotFound when the key or the value does not exist, another status when it cannot
    // be read. Only the undo records read the registry.
    virtual long queryValue(Hive hive, const std::string& path, const std::string& name,
                            std::uint32_t& type, std::vector<std::uint8_t>& data) = 0;
    // Deletes one value of an open key: kRegOk, or kRegNotFound when it does not exist.
    virtual long deleteValue(RegKey key, const std::string& name) = 0;
    // The last refusal's file and reason; nothing where the status code says all there is (the
    // Windows registry refuses a user without administrator rights).
    virtual std::optional<RegistryFailure> lastFailure() const { return std::nullopt; }
};

}  // namespace quorvex
