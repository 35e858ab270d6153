#include "cli/command_line_program.h"

#include <sstream>

#include "cli/command_line_help.h"
#include "cli/json_text.h"
#include "cli/scripted_prompts.h"
#include "cli/value_lines.h"
#include "commands/applied_values_check.h"
#include "commands/automatic_optimization.h"
#include "commands/value_text.h"
#include "commands/window_settings.h"
#include "platform/file_access.h"
#include "tuning/connection_aliases.h"
#include "tuning/connection_plan.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"

namespace quorvex::cli {

namespace {

using Command = CommandLineRequest::Command;

int usageError(std::ostream& err, const std::string& error) {
    err << "quorvex: " << error << '\n' << usageHint() << '\n';
    return kExitUsage;
}

std::string connectionJson(const ConnectionType& entry) {
    return "{\"alias\":" + jsonString(connectionAlias(entry.kind)) +
           ",\"name\":" + jsonString(entry.fullName) + "}";
}

void printMessages(std::ostream& err, const std::vector<std::string>& messages) {
    for (const auto& message : messages) err << "quorvex: " << message << '\n';
}

int listConnections(const CommandLineRequest& request, std::ostream& out) {
    if (request.json) {
        std::string json = "{\"command\":\"list\",\"connections\":[";
        for (const auto& entry : connectionCatalogue())
            json += (entry.position ? "," : "") + connectionJson(entry);
        out << json << "]}\n";
        return kExitSuccess;
    }
    std::size_t width = 0;
    for (const auto& entry : connectionCatalogue())
        width = std::max(width, connectionAlias(entry.kind).size());
    for (const auto& entry : connectionCatalogue()) {
        const std::string_view alias = connectionAlias(entry.kind);
        out << alias << std::string(width + 2 - alias.size(), ' ') << entry.fullName << '\n';
    }
    return kExitSuccess;
}

// The lines of a dry run: every planned value next to the live one, nothing written. A value
// that cannot be read fails the line with the system's reason.
std::vector<ValueLine> previewLines(RegistryBackend& registry, ConnectionKind kind) {
    std::vector<ValueLine> lines;
    for (const auto& planned : connectionPlan(kind)) {
        const PlanRow& row = *planned.row;
        const std::string path(row.keyPath);
        ValueLine line{fullKeyName(row.hive, path),
                       planned.value.name,
                       std::nullopt,
                       valueText(planned.value),
                       "",
                       std::nullopt};
        RegValue live{planned.value.name, 0, {}};
        const long status =
            registry.queryValue(row.hive, path, planned.value.name, live.type, live.data);
        if (status == kRegOk) line.before = valueText(live);
        if (status != kRegOk && status != kRegNotFound) {
            line.status = "failed";
            line.reason = "cannot be read: " + failureText(registry.describeFailure(status));
        } else {
            line.status = line.before == line.after ? "unchanged" : "would change";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool allDone(const std::vector<ValueLine>& lines, std::size_t expected) {
    if (lines.size() != expected || lines.empty()) return false;
    for (const auto& line : lines)
        if (line.failed()) return false;
    return true;
}

// The outcome of a command that writes values, as text or as one JSON object.
int reportWrites(const CommandLineRequest& request, std::string_view command,
                 const std::string& head, const std::vector<ValueLine>& lines,
                 const std::vector<std::string>& messages, bool done, std::ostream& out,
                 std::ostream& err) {
    const int status = done ? kExitSuccess : kExitFailure;
    if (request.json) {
        out << "{\"command\":" << jsonString(command) << head
            << ",\"values\":" << valueLinesJson(lines) << ",\"messages\":" << jsonArray(messages)
            << ",\"status\":" << status << "}\n";
        return status;
    }
    printValueLines(out, lines);
    printMessages(err, messages);
    return status;
}

// A window model as the window has it after its start: the saved choices in place.
void restoreSaved(WindowModel& window, const SettingsStorage& settings) {
    runStep([&] { restoreWindowState(window, settings); });
}

int apply(const CommandLineRequest& request, CommandLineParts& parts, std::ostream& out,
          std::ostream& err) {
    const ConnectionType* entry = findConnectionByName(request.connection);
    if (!entry)
        return usageError(err, "unknown connection kind \"" + request.connection +
                                   "\" (quorvex list shows them)");
    const std::string head = ",\"connection\":" + connectionJson(*entry) +
                             ",\"dryRun\":" + (request.dryRun ? "true" : "false") +
                             ",\"firefox\":" + (request.noFirefox ? "false" : "true");
    if (request.dryRun) {
        const auto lines = previewLines(parts.registry, entry->kind);
        return reportWrites(request, "apply", head, lines, {}, allDone(lines, kPlanRows), out, err);
    }
    WindowModel window;
    restoreSaved(window, parts.settings);
    window.controls().setListText(names::kConnectionList, std::string(entry->fullName));
    ScriptedPrompts prompts;
    NullEventPump events;
    undo::UndoRecorder recorder(parts.records);
    ValueLineRecorder lines(parts.registry, "written");
    CommandContext context{
        {parts.registry, parts.settings, prompts, events, parts.locations, parts.clock},
        window,
        &recorder,
        parts.elevation};
    context.observer = &lines;
    context.tuneFirefox = !request.noFirefox;
    runAutomaticOptimization(context);
    return reportWrites(request, "apply", head, lines.lines(), prompts.messages,
                        allDone(lines.lines(), kPlanRows), out, err);
}

int undoChange(const CommandLineRequest& request, CommandLineParts& parts, std::ostream& out,
               std::ostream& err) {
    WindowModel window;
    restoreSaved(window, parts.settings);
    ScriptedPrompts prompts;
    NullEventPump events;
    ValueLineRecorder lines(parts.registry, "put back");
    CommandContext context{
        {parts.registry, parts.settings, prompts, events, parts.locations, parts.clock},
        window,
        nullptr,
        parts.elevation};
    context.observer = &lines;
    TuningCommands commands(context);
    undo::UndoCommands undo(commands, parts.records);
    if (request.original)
        undo.restoreOriginalSettings();
    else
        undo.undoLastChange();
    const std::string head = std::string(",\"original\":") + (request.original ? "true" : "false");
    const bool done = allDone(lines.lines(), lines.lines().size());
    return reportWrites(request, "undo", head, lines.lines(), prompts.messages, done, out, err);
}

int verify(const CommandLineRequest& request, CommandLineParts& parts, std::ostream& out,
           std::ostream& err) {
    const AppliedValuesCheck check = checkAppliedValues(parts.registry, parts.settings);
    const std::size_t differences = check.differences();
    const bool matching = check.choicesSaved && differences == 0;
    const int status = matching ? kExitSuccess : kExitFailure;
    const std::string noChoices =
        "no connection kind has been applied yet, so there is nothing to compare with";
    if (request.json) {
        out << "{\"command\":\"verify\",\"choicesSaved\":"
            << (check.choicesSaved ? "true" : "false") << ",\"values\":[";
        for (std::size_t i = 0; i < check.values.size(); ++i) {
            const CheckedValue& value = check.values[i];
            out << (i ? "," : "")
                << "{\"key\":" << jsonString(fullKeyName(value.row->hive, value.row->keyPath))
                << ",\"name\":" << jsonString(value.row->valueName)
                << ",\"expected\":" << jsonOptional(valueText(value.expected))
                << ",\"live\":" << jsonOptional(valueText(value.live))
                << ",\"matches\":" << (value.matches ? "true" : "false") << ",\"reason\":"
                << jsonOptional(value.unreadable ? std::optional(failureText(*value.unreadable))
                                                 : std::nullopt)
                << "}";
        }
        out << "],\"differences\":" << differences << ",\"messages\":"
            << jsonArray(check.choicesSaved ? std::vector<std::string>{}
                                            : std::vector<std::string>{noChoices})
            << ",\"status\":" << status << "}\n";
        return status;
    }
    if (!check.choicesSaved) {
        err << "quorvex: " << noChoices << '\n';
        return status;
    }
    for (const auto& line : appliedValuesReport(check)) out << line << '\n';
    return status;
}

// The arguments are UTF-8 on every system (the Windows program converts them so).
std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::u8string(text.begin(), text.end());
}

int exportPlan(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    const ConnectionType* entry = findConnectionByName(request.connection);
    if (!entry)
        return usageError(err, "unknown connection kind \"" + request.connection +
                                   "\" (quorvex list shows them)");
    const std::string text = connectionPlanRegFile(entry->kind);
    const FileResult written =
        replaceFileAtomically(pathFromUtf8(request.file), text, ".quorvex-export-");
    const int status = written ? kExitSuccess : kExitFailure;
    if (request.json) {
        out << "{\"command\":\"export\",\"connection\":" << connectionJson(*entry)
            << ",\"file\":" << jsonString(request.file) << ",\"values\":" << kPlanRows
            << ",\"reason\":"
            << jsonOptional(written ? std::nullopt : std::optional(written.reason))
            << ",\"status\":" << status << "}\n";
        return status;
    }
    if (!written) {
        err << "quorvex: " << request.file << " could not be written: " << written.reason << '\n';
        return status;
    }
    out << "The " << kPlanRows << " values for " << entry->fullName << " are in " << request.file
        << ".\n";
    return status;
}

}  // namespace

int runRequest(const CommandLineRequest& request, CommandLineParts& parts, std::ostream& out,
               std::ostream& err) {
    try {
        switch (request.command) {
            case Command::Help:
                out << "Usage: quorvex COMMAND [options]\n\n" << commandsHelpText();
                return kExitSuccess;
            case Command::Version:
                out << versionLine() << '\n';
                return kExitSuccess;
            case Command::UsageError:
                return usageError(err, request.error);
            case Command::List:
                return listConnections(request, out);
            case Command::Apply:
                return apply(request, parts, out, err);
            case Command::Verify:
                return verify(request, parts, out, err);
            case Command::Export:
                return exportPlan(request, out, err);
            case Command::Undo:
                return undoChange(request, parts, out, err);
        }
    } catch (const std::exception& failure) {
        err << "quorvex: " << failure.what() << '\n';
    } catch (...) {
        err << "quorvex: the command failed\n";
    }
    return kExitFailure;
}

int runCommandLine(const std::vector<std::string>& args, CommandLineParts& parts, std::ostream& out,
                   std::ostream& err) {
    return runRequest(parseCommandLineRequest(args), parts, out, err);
}

}  // namespace quorvex::cli
