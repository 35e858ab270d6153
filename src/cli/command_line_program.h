#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line_parts.h"
#include "cli/command_line_request.h"

namespace quorvex::cli {

// Runs one command: `args` are the arguments after the program name, the first naming the
// command. Results go to `out` (text, or one JSON object with --json); boxes the command would
// have shown and usage errors go to `err`. Returns the exit status (kExitSuccess...). Nothing
// is thrown.
int runCommandLine(const std::vector<std::string>& args, CommandLineParts& parts, std::ostream& out,
                   std::ostream& err);

// The same for a request already read.
int runRequest(const CommandLineRequest& request, CommandLineParts& parts, std::ostream& out,
               std::ostream& err);

}  // namespace quorvex::cli
