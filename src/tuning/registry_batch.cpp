#include "tuning/registry_batch.h"

namespace quorvex {

RegistryBatch::RegistryBatch(RegistryBackend& backend) : backend_(backend) {
    // A batch that could not begin fails each of its calls with the reason, and its commit.
    backend_.beginBatch();
}

RegistryBatch::~RegistryBatch() {
    if (!ended_) backend_.abandonBatch();
}

long RegistryBatch::commit() {
    if (ended_) return status_;
    ended_ = true;
    status_ = backend_.commitBatch();
    if (status_ != kRegOk)
        failure_ = backend_.describeFailure(status_);
    else
        refusedAtCommit_ = backend_.refusedAtCommit();
    return status_;
}

}  // namespace quorvex
