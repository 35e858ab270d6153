#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/file_lock.h"
#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex {

// The registry of a system without one: a per-user file in the registry editor's import
// format. Every operation, or every batch of them, is one transaction: lock against another
// instance, load, change, write a temporary file, flush it, rename it over the store and flush
// the folder, so that a crash or a full disk never leaves a half-written store and a command
// that batches its calls leaves either all of its values or none. A store that cannot be parsed is
// moved aside
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
    // Takes the lock and loads the store once; the batch's calls change and read that copy,
    // and its commit writes it back once, when anything changed.
    long beginBatch() override;
    long commitBatch() override;
    void abandonBatch() override;
    bool batchesAreTransactions() const override { return true; }
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
    // How many times the lock was taken and the store replaced since construction.
    std::size_t locksTaken() const { return locksTaken_; }
    std::size_t savesMade() const { return savesMade_; }

  private:
    // The store held under the lock, from its load to its save.
    struct Session {
        std::unique_ptr<FileLock> lock;
        RegistryData data;
        bool changed = false;
    };
    // An open batch: its session, or the refusal that every call of it gets.
    struct Batch {
        // Declared, so that the optional below sees a default constructor before the
        // member initializers are read (clang otherwise refuses emplace()).
        Batch() {}
        int depth = 1;
        long status = kRegOk;
        RegistryFailure failure;
        Session session;
    };

    long openSession(Session& session);
    long saveSession(const Session& session);
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
    std::optional<Batch> batch_;
    std::size_t locksTaken_ = 0;
    std::size_t savesMade_ = 0;
};

}  // namespace quorvex
