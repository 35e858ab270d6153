#pragma once

#include <map>
#include <set>
#include <utility>

#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex {

// A registry held in memory, for tests and benchmarks. A hive can be made to refuse every
// create and write, as HKEY_LOCAL_MACHINE does for a user without administrator rights; so can
// one key, as the current user's policy keys that only administrators may change; and one
// value's writes can fail with any status, as a write that fails for another reason. A batch
// keeps what was there when it began, and a commit made to fail puts that back.
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
    long beginBatch() override;
    long commitBatch() override;
    void abandonBatch() override;

    // Every outermost commit from now on fails with `status` (kRegOk: none) and undoes its batch.
    void failCommits(long status) { failingCommit_ = status; }
    // How many outermost batches were begun and committed.
    int batchesBegun() const { return batchesBegun_; }
    int batchesCommitted() const { return batchesCommitted_; }
    void refuseWrites(Hive hive, bool refuse = true) { refused_[hive] = refuse; }
    // Creating the key, opening it for writing and writing or deleting its values are refused.
    void refuseKey(Hive hive, const std::string& path);
    // Every write or deletion of a value of this name (any key, any case) fails with `status`.
    void failValue(const std::string& name, long status);
    // Makes every read under the hive fail with access denied.
    void refuseReads(Hive hive, bool refuse = true) { unreadable_[hive] = refuse; }
    const RegistryData& data() const { return data_; }
    RegistryData& data() { return data_; }
    std::size_t openHandles() const { return handles_.size(); }

  private:
    RegKey open(Hive hive, const std::string& path);
    bool refused(Hive hive) const;
    bool refused(Hive hive, const std::string& path) const;

    RegistryData data_;
    std::map<RegKey, std::pair<Hive, std::string>> handles_;
    std::map<Hive, bool> refused_;
    std::map<Hive, bool> unreadable_;
    std::set<std::pair<Hive, std::string>> refusedKeys_;  // folded paths
    std::map<std::string, long> failingValues_;           // folded names

    RegKey next_ = 1;
    int batchDepth_ = 0;
    RegistryData beforeBatch_;
    long failingCommit_ = kRegOk;
    int batchesBegun_ = 0;
    int batchesCommitted_ = 0;
};

}  // namespace quorvex
