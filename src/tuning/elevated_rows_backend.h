#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process_elevation.h"
#include "tuning/elevated_writer.h"
#include "tuning/registry_backend.h"

namespace quorvex {

// Whether writing under the key needs administrator rights: every key of HKEY_LOCAL_MACHINE, and
// the current user's Explorer policies key, which only administrators may change.
bool needsAdministrator(Hive hive, std::string_view keyPath);

// The registry of a process that runs without administrator rights but may ask for them: the
// writes under keys that need them are held back and handed to the elevated writer in one go when
// the outermost batch is committed; everything else, reads included, goes straight to the real
// backend. So a command still reads (and records) every old value first, writes the user's own
// values itself, and asks for rights once. An elevated process, or one without a writer, writes
// everything itself.
class ElevatedRowsBackend : public RegistryBackend {
  public:
    // `elevation` and `writer` may be null (not elevated; nothing held back).
    ElevatedRowsBackend(RegistryBackend& registry, const ProcessElevation* elevation,
                        ElevatedWriter* writer)
        : registry_(registry), elevation_(elevation), writer_(writer) {}

    long createKey(Hive hive, const std::string& path, RegKey& key) override;
    long openKey(Hive hive, const std::string& path, RegKey& key) override;
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override;
    void closeKey(RegKey key) override;
    long queryValue(Hive hive, const std::string& path, const std::string& name,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    long deleteValue(RegKey key, const std::string& name) override;
    RegistryFailure describeFailure(long status) const override;
    long beginBatch() override;
    long commitBatch() override;
    void abandonBatch() override;
    std::vector<RefusedAtCommit> refusedAtCommit() const override { return refusedAtCommit_; }
    // Writes split between two processes are never one transaction.
    bool batchesAreTransactions() const override;
    std::optional<std::string> fileForWindows() const override {
        return registry_.fileForWindows();
    }

  private:
    // A handle of this backend: a held-back key, or one the real backend opened.
    struct Handle {
        bool held = false;
        RegKey real = 0;
        Hive hive = Hive::LocalMachine;
        std::string path;
    };
    bool holdsBack(Hive hive, const std::string& path) const;
    long opened(Hive hive, const std::string& path, long status, RegKey real, RegKey& key);
    long hold(const Handle& handle, HeldBackWrite write);
    // Hands the held-back writes over and keeps the refusals.
    void handOver();

    RegistryBackend& registry_;
    const ProcessElevation* elevation_;
    ElevatedWriter* writer_;
    std::map<RegKey, Handle> handles_;
    RegKey next_ = 1;
    int batchDepth_ = 0;
    std::vector<HeldBackWrite> held_;
    std::vector<RefusedAtCommit> refusedAtCommit_;
    // Why the call that has just returned refused a write handed over outside any batch; every
    // other call forgets it, since describeFailure speaks of the last call only.
    std::optional<RegistryFailure> lastRefusal_;
};

}  // namespace quorvex
