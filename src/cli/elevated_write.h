#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "tuning/registry_backend.h"

namespace quorvex::cli {

// The internal command the window starts with administrator rights: "write-elevated FOLDER".
// Not offered to users, and not in the usage text.
inline constexpr std::string_view kWriteElevatedCommand = "write-elevated";

// The registry to write a hand-over with: HKEY_CURRENT_USER stands for the named user's hive
// (HKEY_USERS\<SID>), never for that of the account running the command. Null when it cannot be
// made; then `why` says why.
using UserRegistryFactory =
    std::function<std::unique_ptr<RegistryBackend>(const std::string& userSid, std::string& why)>;

// Reads the hand-over in `folder` (an absolute path), makes its writes and writes their results
// beside it. Returns kExitSuccess when every value was written, kExitFailure when one was not
// (the results say which), kExitUsage for a hand-over that was refused whole or could not be
// read (no results are written; `err` says why). Nothing is thrown.
int runElevatedWrite(const std::filesystem::path& folder, const UserRegistryFactory& registryFor,
                     std::ostream& err);

}  // namespace quorvex::cli
