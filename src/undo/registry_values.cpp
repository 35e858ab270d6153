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

namespace {

// Writes the recorded value back, creating its key when missing.
bool writeBack(RegistryBackend& backend, const ValueAddress& address, const RegValue& recorded,
               RegistryFailure& why) {
    const long created = modRegistry::CreateKey(backend, address.keyPath, address.hive);
    if (created != kRegOk) why = backend.describeFailure(created);
    OpenedKey key(backend, address.hive, address.keyPath);
    if (key.status() != kRegOk) {
        // The key's creation was refused first; opening it then fails for that alone.
        if (created == kRegOk) why = backend.describeFailure(key.status());
        return false;
    }
    const long status =
        backend.setValue(key.key(), address.valueName, recorded.type, recorded.data);
    if (status != kRegOk) why = backend.describeFailure(status);
    return status == kRegOk;
}

// Deletes a value that did not exist when it was recorded.
bool deleteBack(RegistryBackend& backend, const ValueAddress& address, RegistryFailure& why) {
    OpenedKey key(backend, address.hive, address.keyPath);
    if (key.status() == kRegNotFound) return true;
    if (key.status() != kRegOk) {
        why = backend.describeFailure(key.status());
        return false;
    }
    const long status = backend.deleteValue(key.key(), address.valueName);
    if (status == kRegOk || status == kRegNotFound) return true;
    why = backend.describeFailure(status);
    return false;
}

}  // namespace

bool putValueBack(RegistryBackend& backend, const ValueAddress& address,
                  const std::optional<RegValue>& recorded, RegistryFailure* why) {
    std::optional<RegValue> current;
    if (readValue(backend, address, current) == kRegOk) {
        if (!current && !recorded) return true;
        if (current && recorded && current->type == recorded->type &&
            current->data == recorded->data)
            return true;
    }
    RegistryFailure failure;
    const bool done = recorded ? writeBack(backend, address, *recorded, failure)
                               : deleteBack(backend, address, failure);
    if (!done && why) *why = std::move(failure);
    return done;
}

}  // namespace quorvex::undo
