#include "undo/registry_values.h"

#include "tuning/mod_registry.h"

namespace quorvex::undo {

namespace {

// Opens the key for writing and closes it whatever happens in between.
class OpenedKey {
  public:
    OpenedKey(RegistryBackend& backend, Hive hive, const std::string& path) : backend_(backend) {
        status_ = backend_.openKey(hive, path, key_);
    }
    ~OpenedKey() {
        if (status_ == kRegOk) backend_.closeKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    long status() const { return status_; }
    RegKey key() const { return key_; }

  private:
    RegistryBackend& backend_;
    RegKey key_ = 0;
    long status_ = kRegNotFound;
};

}  // namespace

long readValue(RegistryBackend& backend, const ValueAddress& address,
               std::optional<RegValue>& value) {
    RegValue read{address.valueName, 0, {}};
    const long status =
        backend.queryValue(address.hive, address.keyPath, address.valueName, read.type, read.data);
    if (status == kRegOk) value = std::move(read);
    if (status == kRegNotFound) value.reset();
    return status == kRegNotFound ? kRegOk : status;
}

bool putValueBack(RegistryBackend& backend, const ValueAddress& address,
                  const std::optional<RegValue>& recorded) {
    std::optional<RegValue> current;
    if (readValue(backend, address, current) == kRegOk) {
        if (!current && !recorded) return true;
        if (current && recorded && current->type == recorded->type &&
            current->data == recorded->data)
            return true;
    }
    if (recorded) {
        modRegistry::CreateKey(backend, address.keyPath, address.hive);
        OpenedKey key(backend, address.hive, address.keyPath);
        return key.status() == kRegOk && backend.setValue(key.key(), address.valueName,
                                                          recorded->type, recorded->data) == kRegOk;
    }
    OpenedKey key(backend, address.hive, address.keyPath);
    if (key.status() == kRegNotFound) return true;
    if (key.status() != kRegOk) return false;
    const long status = backend.deleteValue(key.key(), address.valueName);
    return status == kRegOk || status == kRegNotFound;
}

}  // namespace quorvex::undo
