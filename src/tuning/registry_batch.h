#pragma once

#include "tuning/registry_backend.h"

namespace quorvex {

// One transaction over a backend's calls for as long as it lives: begun when made, abandoned
// when it goes out of scope uncommitted (a command stopped before its end, or a throw).
class RegistryBatch {
  public:
    explicit RegistryBatch(RegistryBackend& backend);
    ~RegistryBatch();
    RegistryBatch(const RegistryBatch&) = delete;
    RegistryBatch& operator=(const RegistryBatch&) = delete;

    // Ends the batch: kRegOk when every call lasts, or the status whose reason failure() keeps,
    // and then none of them lasted. A second commit returns the first one's status.
    long commit();
    const RegistryFailure& failure() const { return failure_; }
    // The values whose calls succeeded but which the commit could not write after all.
    const std::vector<RefusedAtCommit>& refusedAtCommit() const { return refusedAtCommit_; }

  private:
    RegistryBackend& backend_;
    bool ended_ = false;
    long status_ = kRegOk;
    RegistryFailure failure_;
    std::vector<RefusedAtCommit> refusedAtCommit_;
};

}  // namespace quorvex
