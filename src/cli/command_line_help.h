#pragma once

#include <string>

namespace quorvex::cli {

// The commands' part of `quorvex --help`: usage lines, options and exit statuses.
std::string commandsHelpText();
// The one line printed after a usage error.
std::string usageHint();
// "Quorvex <version>".
std::string versionLine();

}  // namespace quorvex::cli
