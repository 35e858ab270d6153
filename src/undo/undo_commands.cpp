#include "undo/undo_commands.h"

#include <ctime>
#include <string>
#include <system_error>
#include <vector>

#include "commands/applied_values_check.h"
#include "commands/window_settings.h"
#include "platform/folder_access.h"
#include "settings/settings_keys.h"
#include "undo/record_put_back.h"
#include "undo/undo_recorder.h"

namespace quorvex::undo {

namespace {

std::string noRecordMessage(RecordKind kind) {
    return kind == RecordKind::Previous
               ? "There is no change to undo: Quorvex has not changed any tuning value yet."
               : "There is no record of the original settings yet: Quorvex keeps one the first "
                 "time it changes the tuning values.";
}

std::string unusableRecordMessage(const std::filesystem::path& path, const RecordLoad& load) {
    if (load.status == RecordLoad::Status::Damaged)
        return "The record " + path.string() +
               " is damaged and cannot be put back. Nothing was changed.";
    return "The record " + path.string() + " cannot be read: " + load.reason +
           ". Nothing was changed.";
}

}  // namespace

std::string localDateTimeText(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    // The one user-interface thread is the only caller.
    const std::tm* local = std::localtime(&seconds);
    if (!local) return "an unknown date";
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M", local);
    return buffer;
}

std::string putBackQuestion(std::size_t values, std::chrono::system_clock::time_point recorded) {
    return "Put back the " + std::to_string(values) + " tuning values as they were on " +
           localDateTimeText(recorded) + "?";
}

void resetToCreationState(WindowModel& window) {
    const WindowModel created;
    for (const OptionKey& option : optionKeys()) {
        const std::string control(option.control);
        if (created.controls().option(control)) window.controls().setOption(control, true);
    }
    window.state() = created.state();
}

std::filesystem::path UndoCommands::recordsFolder() const {
    std::string reason;
    if (!records_.folder().empty()) createFolders(records_.folder(), reason);
    return records_.folder();
}

bool UndoCommands::checkAppliedValues() {
    if (running_ || commands_.running()) return false;
    running_ = true;
    runStep([&] {
        CommandContext& context = commands_.context();
        const AppliedValuesCheck check =
            quorvex::checkAppliedValues(context.registry, context.settings);
        std::string text;
        for (const auto& line : appliedValuesReport(check))
            text += (text.empty() ? "" : "\n") + line;
        const bool matching = check.choicesSaved && check.differences() == 0;
        context.prompts.showMessage(
            {text, MessageButtons::Ok, matching ? MessageIcon::Information : MessageIcon::Warning});
    });
    running_ = false;
    return true;
}

bool UndoCommands::putBack(RecordKind kind) {
    if (running_ || commands_.running()) return false;
    running_ = true;
    try {
        run(kind);
    } catch (...) {
        // A command never lets a failure escape into the window's event loop.
    }
    running_ = false;
    return true;
}

void UndoCommands::run(RecordKind kind) {
    CommandContext& context = commands_.context();
    const RecordLoad load = records_.load(kind);
    if (load.status == RecordLoad::Status::Missing) {
        context.prompts.showMessage(
            {noRecordMessage(kind), MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    if (load.status != RecordLoad::Status::Ok) {
        context.prompts.showMessage({unusableRecordMessage(records_.path(kind), load),
                                     MessageButtons::Ok, MessageIcon::Error});
        return;
    }
    const ChangeRecord& record = load.record;
    if (context.prompts.showMessage({putBackQuestion(record.values.size(), record.recorded),
                                     MessageButtons::YesNo, MessageIcon::None}) !=
        MessageAnswer::Yes)
        return;

    // Where the registry cannot put them all back in one transaction, a marker lets the next
    // start finish the job after a crash.
    const bool marked = !context.registry.batchesAreTransactions();
    std::string reason;
    if (marked && !records_.markCommandUnderWay(kind, reason)) {
        context.prompts.showMessage({markerNotWrittenMessage(records_.markerPath(), reason),
                                     MessageButtons::Ok, MessageIcon::Error});
        return;
    }
    const std::vector<RefusedValue> refused =
        putValuesBack(context.registry, record, context.observer);
    putSettingsBack(context.settings, record);
    if (marked) records_.markCommandEnded();
    runStep([&] {
        resetToCreationState(context.window);
        restoreWindowState(context.window, context.settings);
    });

    finishWriting(context, kTuningValuesPutBack, record.values.size(), refused);
}

}  // namespace quorvex::undo
