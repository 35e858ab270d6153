#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvex::cli {

// What a command line of the administrators' commands asks for.
struct CommandLineRequest {
    enum class Command { List, Apply, Verify, Export, Undo, Help, Version, UsageError };
    Command command = Command::UsageError;
    bool json = false;
    bool noFirefox = false;  // apply
    bool dryRun = false;     // apply
    bool original = false;   // undo
    std::string connection;  // apply, export: an alias or a full name
    std::string file;        // export
    std::string error;       // UsageError: one line naming what was not understood
};

// Whether `word` (the first argument) names one of the commands, so that the program runs it
// instead of opening its window.
bool isCommandName(std::string_view word);

// Reads the arguments after the program name: a command, then its operands and options in any
// order ("--json" everywhere, "--no-firefox" and "--dry-run" for apply, "--original" for undo;
// "--help" anywhere wins; "--" ends the options).
CommandLineRequest parseCommandLineRequest(const std::vector<std::string>& args);

}  // namespace quorvex::cli
