#include "tuning/elevated_rows_backend.h"

#include <utility>

#include "tuning/registry_data.h"

namespace quorvex {

namespace {

constexpr std::string_view kExplorerPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

}  // namespace

bool needsAdministrator(Hive hive, std::string_view keyPath) {
    if (hive == Hive::LocalMachine) return true;
    return RegistryData::fold(std::string(keyPath)) ==
           RegistryData::fold(std::string(kExplorerPolicies));
}

bool ElevatedRowsBackend::holdsBack(Hive hive, const std::string& path) const {
    if (!writer_ || (elevation_ && elevation_->elevated())) return false;
    return needsAdministrator(hive, path);
}

long ElevatedRowsBackend::opened(Hive hive, const std::string& path, long status, RegKey real,
                                 RegKey& key) {
    if (status != kRegOk) return status;
    key = next_++;
    handles_[key] = {false, real, hive, path};
    return kRegOk;
}

long ElevatedRowsBackend::createKey(Hive hive, const std::string& path, RegKey& key) {
    lastRefusal_.reset();
    if (holdsBack(hive, path)) {
        // The elevated side creates the key with the first value written into it.
        key = next_++;
        handles_[key] = {true, 0, hive, path};
        return kRegOk;
    }
    RegKey real = 0;
    const long status = registry_.createKey(hive, path, real);
    return opened(hive, path, status, real, key);
}

long ElevatedRowsBackend::openKey(Hive hive, const std::string& path, RegKey& key) {
    lastRefusal_.reset();
    // A held-back key opens whether or not it exists: a value deleted from a missing key is
    // already gone, and the elevated side says so.
    if (holdsBack(hive, path)) return createKey(hive, path, key);
    RegKey real = 0;
    const long status = registry_.openKey(hive, path, real);
    return opened(hive, path, status, real, key);
}

long ElevatedRowsBackend::hold(const Handle& handle, HeldBackWrite write) {
    write.hive = handle.hive;
    write.keyPath = handle.path;
    if (batchDepth_ > 0) {
        held_.push_back(std::move(write));
        return kRegOk;
    }
    // A write outside any batch is handed over at once and answers for itself.
    const HeldBackResults results = writer_->write({write});
    if (!results.empty() && !results.front()) return kRegOk;
    lastRefusal_ =
        results.empty() ? RegistryFailure{{}, "the write was not answered", 0} : *results.front();
    // A refusal always has a status other than success.
    if (lastRefusal_->status == kRegOk) lastRefusal_->status = kRegAccessDenied;
    return lastRefusal_->status;
}

long ElevatedRowsBackend::setValue(RegKey key, const std::string& name, std::uint32_t type,
                                   const std::vector<std::uint8_t>& data) {
    lastRefusal_.reset();
    const auto found = handles_.find(key);
    if (found == handles_.end()) return kRegInvalidHandle;
    if (found->second.held) return hold(found->second, {{}, {}, name, false, type, data});
    return registry_.setValue(found->second.real, name, type, data);
}

long ElevatedRowsBackend::deleteValue(RegKey key, const std::string& name) {
    lastRefusal_.reset();
    const auto found = handles_.find(key);
    if (found == handles_.end()) return kRegInvalidHandle;
    if (found->second.held) return hold(found->second, {{}, {}, name, true, 0, {}});
    return registry_.deleteValue(found->second.real, name);
}

void ElevatedRowsBackend::closeKey(RegKey key) {
    lastRefusal_.reset();
    const auto found = handles_.find(key);
    if (found == handles_.end()) return;
    if (!found->second.held) registry_.closeKey(found->second.real);
    handles_.erase(found);
}

long ElevatedRowsBackend::queryValue(Hive hive, const std::string& path, const std::string& name,
                                     std::uint32_t& type, std::vector<std::uint8_t>& data) {
    lastRefusal_.reset();
    // Reading needs no rights: the records see every old value before anything is written.
    return registry_.queryValue(hive, path, name, type, data);
}

RegistryFailure ElevatedRowsBackend::describeFailure(long status) const {
    if (lastRefusal_ && lastRefusal_->status == status) return *lastRefusal_;
    return registry_.describeFailure(status);
}

long ElevatedRowsBackend::beginBatch() {
    if (batchDepth_++ == 0) {
        held_.clear();
        refusedAtCommit_.clear();
    }
    return registry_.beginBatch();
}

long ElevatedRowsBackend::commitBatch() {
    const long status = registry_.commitBatch();
    if (batchDepth_ == 0 || --batchDepth_ > 0) return status;
    // A batch whose own writes did not last reports every value refused: nothing is handed over.
    if (status == kRegOk) handOver();
    held_.clear();
    return status;
}

void ElevatedRowsBackend::abandonBatch() {
    registry_.abandonBatch();
    if (batchDepth_ > 0 && --batchDepth_ == 0) held_.clear();
}

bool ElevatedRowsBackend::batchesAreTransactions() const {
    if (writer_ && !(elevation_ && elevation_->elevated())) return false;
    return registry_.batchesAreTransactions();
}

void ElevatedRowsBackend::handOver() {
    refusedAtCommit_.clear();
    if (held_.empty()) return;
    const HeldBackResults results = writer_->write(held_);
    for (std::size_t i = 0; i < held_.size(); ++i) {
        const HeldBackWrite& write = held_[i];
        std::optional<RegistryFailure> why;
        if (i >= results.size())
            why = RegistryFailure{{}, "the write was not answered", 0};
        else
            why = results[i];
        if (why) refusedAtCommit_.push_back({write.hive, write.keyPath, write.valueName, *why});
    }
}

}  // namespace quorvex
