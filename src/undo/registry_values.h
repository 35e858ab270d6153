#pragma once

#include <optional>

#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"
#include "undo/tracked_values.h"

namespace quorvex::undo {

// Reads one value: kRegOk with the value in `value`, or with nothing when it (or its key) does
// not exist; any other status when it cannot be read.
long readValue(RegistryBackend& backend, const ValueAddress& address,
               std::optional<RegValue>& value);

// Puts one value back as recorded: written with exactly its type and data, or deleted when it
// did not exist (a missing key is not created for that). A value that already is as recorded
// is left alone. Returns whether the registry holds the recorded state afterwards; when not,
// `why` (when given) says why.
bool putValueBack(RegistryBackend& backend, const ValueAddress& address,
                  const std::optional<RegValue>& recorded, RegistryFailure* why = nullptr);

}  // namespace quorvex::undo
