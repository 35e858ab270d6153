#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tuning/registry_types.h"

namespace quorvex {

using RegKey = std::uintptr_t;

// Why a backend refused one call, in words for the user.
struct RegistryFailure {
    // The file that holds the values, as shown to the user; empty for the registry itself.
    std::string location;
    // The system's own words, without a closing full stop ("Access is denied").
    std::string reason;
    // The refused call's status (kRegAccessDenied...); 0 when the layer refused it itself.
    long status = 0;
    friend bool operator==(const RegistryFailure&, const RegistryFailure&) = default;
};

// A value whose call a backend took but whose write it refused when the batch ended (it was
// handed to another process, which refused it).
struct RefusedAtCommit {
    Hive hive;
    std::string keyPath;
    std::string valueName;
    RegistryFailure failure;
};

// The Windows registry's words for the statuses this layer produces ("error <n>" for others).
std::string registryStatusText(long status);

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
    // Why the call that has just returned `status` was refused. Asked right after that call:
    // the next call describes its own refusal. By default the registry's words for the status.
    virtual RegistryFailure describeFailure(long status) const;
    // Groups the calls that follow, until commitBatch or abandonBatch, into one transaction
    // where the backend can keep one: they all last, or none does. Returns kRegOk, or a status
    // that describeFailure explains, and then every call of the batch fails for that reason.
    // Batches nest: only the outermost one's end counts. By default each call stands alone.
    virtual long beginBatch() { return kRegOk; }
    // Makes every call since beginBatch last: kRegOk, or a status that describeFailure
    // explains, and then none of them lasted.
    virtual long commitBatch() { return kRegOk; }
    // Forgets the batch's calls where the backend can, else leaves what they did.
    virtual void abandonBatch() {}
    // The values the last outermost commit that returned kRegOk took calls for but could not
    // write, with why. Asked right after that commit. By default none: each call says itself.
    virtual std::vector<RefusedAtCommit> refusedAtCommit() const { return {}; }
    // Whether a batch is a transaction that a crash cannot leave half done. Where it is not (the
    // Windows registry has no transaction across keys), the records keep a marker while a
    // command writes, so that the next start can bring back a whole state.
    virtual bool batchesAreTransactions() const { return false; }
    // Where the values go when they are kept for a Windows computer elsewhere (a file to merge
    // there), as shown to the user; nothing when they go to this computer's registry.
    virtual std::optional<std::string> fileForWindows() const { return std::nullopt; }
};

}  // namespace quorvex
