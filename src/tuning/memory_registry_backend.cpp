#include "tuning/memory_registry_backend.h"

#include "platform/ascii_case.h"

namespace quorvex {

RegKey MemoryRegistryBackend::open(Hive hive, const std::string& path) {
    const RegKey key = next_++;
    handles_.emplace(key, std::make_pair(hive, path));
    return key;
}

bool MemoryRegistryBackend::refused(Hive hive) const {
    auto it = refused_.find(hive);
    return it != refused_.end() && it->second;
}

void MemoryRegistryBackend::refuseKey(Hive hive, const std::string& path) {
    refusedKeys_.emplace(hive, asciiLower(path));
}

void MemoryRegistryBackend::failValue(const std::string& name, long status) {
    failingValues_[asciiLower(name)] = status;
}

bool MemoryRegistryBackend::refused(Hive hive, const std::string& path) const {
    return refused(hive) || refusedKeys_.count({hive, asciiLower(path)}) != 0;
}

long MemoryRegistryBackend::createKey(Hive hive, const std::string& path, RegKey& key) {
    if (refused(hive, path)) return kRegAccessDenied;
    if (!validKeyPath(path)) return kRegInvalidData;
    data_.createKey(hive, path);
    key = open(hive, path);
    return kRegOk;
}

// Every key is opened for writing (access 0x3F), so a refused key does not open at all.
long MemoryRegistryBackend::openKey(Hive hive, const std::string& path, RegKey& key) {
    if (!data_.hasKey(hive, path)) return kRegNotFound;
    if (refusedKeys_.count({hive, asciiLower(path)}) != 0) return kRegAccessDenied;
    key = open(hive, path);
    return kRegOk;
}

long MemoryRegistryBackend::setValue(RegKey key, const std::string& name, std::uint32_t type,
                                     const std::vector<std::uint8_t>& data) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidData;
    const auto& [hive, path] = it->second;
    if (refused(hive, path)) return kRegAccessDenied;
    if (auto failing = failingValues_.find(asciiLower(name)); failing != failingValues_.end())
        return failing->second;
    if (!validValueName(name)) return kRegInvalidData;
    if (!data_.hasKey(hive, path)) return kRegNotFound;
    data_.setValue(hive, path, name, type, data);
    return kRegOk;
}

void MemoryRegistryBackend::closeKey(RegKey key) {
    handles_.erase(key);
}

long MemoryRegistryBackend::queryValue(Hive hive, const std::string& path, const std::string& name,
                                       std::uint32_t& type, std::vector<std::uint8_t>& data) {
    if (auto it = unreadable_.find(hive); it != unreadable_.end() && it->second)
        return kRegAccessDenied;
    const RegValue* value = data_.value(hive, path, name);
    if (!value) return kRegNotFound;
    type = value->type;
    data = value->data;
    return kRegOk;
}

long MemoryRegistryBackend::deleteValue(RegKey key, const std::string& name) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidData;
    const auto& [hive, path] = it->second;
    if (refused(hive, path)) return kRegAccessDenied;
    if (auto failing = failingValues_.find(asciiLower(name)); failing != failingValues_.end())
        return failing->second;
    return data_.removeValue(hive, path, name) ? kRegOk : kRegNotFound;
}

long MemoryRegistryBackend::beginBatch() {
    if (batchDepth_++ == 0) {
        beforeBatch_ = data_;
        ++batchesBegun_;
    }
    return kRegOk;
}

long MemoryRegistryBackend::commitBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return kRegOk;
    if (failingCommit_ != kRegOk) {
        data_ = std::move(beforeBatch_);
        return failingCommit_;
    }
    ++batchesCommitted_;
    return kRegOk;
}

void MemoryRegistryBackend::abandonBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0) data_ = std::move(beforeBatch_);
}

}  // namespace quorvex
