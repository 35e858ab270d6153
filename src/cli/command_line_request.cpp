#include "cli/command_line_request.h"

#include <array>

namespace quorvex::cli {

namespace {

using Command = CommandLineRequest::Command;

struct CommandShape {
    std::string_view name;
    Command command;
    std::size_t operands;
};

constexpr std::array<CommandShape, 5> kCommands{{
    {"list", Command::List, 0},
    {"apply", Command::Apply, 1},
    {"verify", Command::Verify, 0},
    {"export", Command::Export, 2},
    {"undo", Command::Undo, 0},
}};

const CommandShape* findCommand(std::string_view word) {
    for (const auto& shape : kCommands)
        if (shape.name == word) return &shape;
    return nullptr;
}

CommandLineRequest usageError(std::string error) {
    CommandLineRequest request;
    request.command = Command::UsageError;
    request.error = std::move(error);
    return request;
}

// Sets the flag the option names for this command; false for an option it does not take.
bool takeOption(CommandLineRequest& request, std::string_view option) {
    if (option == "--json") return request.json = true;
    if (request.command == Command::Apply && option == "--no-firefox")
        return request.noFirefox = true;
    if (request.command == Command::Apply && option == "--dry-run") return request.dryRun = true;
    if (request.command == Command::Undo && option == "--original") return request.original = true;
    return false;
}

}  // namespace

bool isCommandName(std::string_view word) {
    return findCommand(word) != nullptr;
}

CommandLineRequest parseCommandLineRequest(const std::vector<std::string>& args) {
    for (const auto& arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            CommandLineRequest help;
            help.command = Command::Help;
            return help;
        }
    }
    if (args.empty()) return usageError("no command given");
    if (args[0] == "--version") {
        CommandLineRequest version;
        version.command = Command::Version;
        return version;
    }
    const CommandShape* shape = findCommand(args[0]);
    if (!shape) {
        return usageError(args[0].starts_with("-") ? "unknown option " + args[0]
                                                   : "unknown command \"" + args[0] + "\"");
    }
    CommandLineRequest request;
    request.command = shape->command;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.starts_with("-")) {
            if (!takeOption(request, arg))
                return usageError("unknown option " + arg + " for " + std::string(shape->name));
        } else {
            operands.push_back(arg);
        }
    }
    if (operands.size() < shape->operands) {
        return usageError(std::string(shape->name) + " needs " +
                          (shape->command == Command::Export ? "a connection kind and a file"
                                                             : "a connection kind"));
    }
    if (operands.size() > shape->operands)
        return usageError("unexpected argument \"" + operands[shape->operands] + "\"");
    if (!operands.empty()) request.connection = operands[0];
    if (operands.size() > 1) request.file = operands[1];
    return request;
}

}  // namespace quorvex::cli
