#pragma once

#include <optional>
#include <string_view>

#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex {

// One value a command has just written, put back or failed to.
struct ValueWrite {
    Hive hive;
    std::string_view keyPath;
    std::string_view valueName;
    // What the command meant the value to be; nothing for a value it removes, or whose data
    // could not be prepared.
    std::optional<RegValue> intended;
    // Why the value is not as intended; null when it is.
    const RegistryFailure* failure;
};

// Told about each value of a tuning or undo command, right before and right after its write,
// so that a caller can show every value with what it held before. Nothing of it may throw.
class ValueWriteObserver {
  public:
    virtual ~ValueWriteObserver() = default;
    virtual void beforeWrite(Hive hive, std::string_view keyPath, std::string_view valueName) = 0;
    virtual void afterWrite(const ValueWrite& write) = 0;
    // The command's writes did not last: the store refused to take them all at once (`failure`
    // says why), so every value told of so far is as it was.
    virtual void writesRefused(const RegistryFailure& failure) = 0;
    // A value told of as written was refused when the command's writes ended (another process
    // with administrator rights was to write it), for `failure`.
    virtual void refusedAtCommit(const RefusedAtCommit& refusal) { static_cast<void>(refusal); }
};

}  // namespace quorvex
