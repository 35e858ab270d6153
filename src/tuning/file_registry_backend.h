#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "platform/file_lock.h"
#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex {

// The registry of a system without one: a per-user file in the registry editor's import
// format. Every operation is one transaction: lock against another instance, load, change,
// write a temporary file, flush it and rename it over the store, so that a crash or a full
// disk never leaves a half-written store. A store that cannot be parsed is moved aside
// ("<name>.corrupt-<time>") and never overwritten. A store that is not a regular file of at most
// 64 MiB (a FIFO, a device, a link to one, a huge file) is unusable: every write fails, the
// reason is kept for the message, and the file is left as it is. Key paths and value names
// the registry or the file format cannot hold are refused (kRegInvalidData). When another
// program holds the lock for the whole wait, the operation fails (kRegAccessDenied, reason
// kLockHeldReason), and so do the operations that follow it at once, without waiting again:
// one command waits once, not once for every value.
class FileRegistryBackend : public RegistryBackend {
  public:
    // The largest store that is read or written.
    static constexpr std::uint64_t kMaxStoreBytes = 64ull << 20;

    // A store under `homeFolder` is named from "~" when a refusal is reported.
    explicit FileRegistryBackend(std::string storePath, std::string homeFolder = {});

    long createKey(Hive hive, const std::string& path, RegKey& key) override;
    long openKey(Hive hive, const std::string& path, RegKey& key) override;
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override;
    void closeKey(RegKey key) override;
    long queryValue(Hive hive, const std::string& path, const std::string& name,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    long deleteValue(RegKey key, const std::string& name) override;
    // The last call's refusal: the file and the system's reason (errno's text); nothing when
    // that call was not refused by the file.
    std::optional<RegistryFailure> lastFailure() const;
    // The last call's refusal, or the store and the status's words when the file had no part.
    RegistryFailure describeFailure(long status) const override;
    // The store: the values are kept in it to be merged into a Windows registry.
    std::optional<std::string> fileForWindows() const override { return shown(storePath_); }

    const std::string& storePath() const { return storePath_; }
    // How long an operation waits for another program's lock (kDefaultLockWait).
    void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }
    // The store as it is on disk now (empty when missing or unreadable).
    RegistryData load() const;

  private:
    // Runs `change` on the loaded store under the lock and saves it when it reports a change.
    // Returns the status `change` produced, or a write failure.
    long transact(const std::function<long(RegistryData&, bool& changed)>& change);
    RegKey open(Hive hive, const std::string& path);

    long fail(long status, const std::string& path, const std::string& reason);
    // A path as the user is shown it: from "~" when it is under the home folder.
    std::string shown(const std::string& path) const;

    std::string storePath_;
    std::string homeFolder_;
    // The file and the system's reason of the last call's refusal; every call starts without.
    std::optional<RegistryFailure> failure_;
    bool cleanedUp_ = false;
    std::chrono::milliseconds lockWait_ = kDefaultLockWait;
    // When the last wait for the lock ran out; reset by the next operation that gets it.
    std::optional<std::chrono::steady_clock::time_point> gaveUpWaiting_;
    std::map<RegKey, std::pair<Hive, std::string>> handles_;
    RegKey next_ = 1;
};

}  // namespace quorvex
