#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "commands/tuning_commands.h"
#include "undo/record_store.h"

namespace quorvex::undo {

// Menu texts of the commands, the same on every front end.
inline constexpr const char* kUndoLastChangeItem = "Undo Last Change\u2026";
inline constexpr const char* kRestoreOriginalItem = "Restore Original Settings\u2026";
inline constexpr const char* kOpenRecordsFolderItem = "Open Records Folder";
inline constexpr const char* kCheckAppliedValuesItem = "Check Applied Values\u2026";

// "Undo Last Change" and "Restore Original Settings": each puts back one record (the values,
// the saved settings and the window's state), then ends like the tuning commands. They share
// the tuning commands' guard: while one of those runs, they start nothing, and the other way
// round. Nothing is thrown out of them.
class UndoCommands {
  public:
    UndoCommands(TuningCommands& commands, const RecordStore& records)
        : commands_(commands), records_(records) {}

    // False when the request was ignored because a command is already running.
    bool undoLastChange() { return putBack(RecordKind::Previous); }
    bool restoreOriginalSettings() { return putBack(RecordKind::Original); }

    // Compares the values with what the saved choices write and says, in a box, which differ
    // (or that all match). Reads only. False when a command is running.
    bool checkAppliedValues();

    // The folder that holds the records, made when missing so that it can be opened.
    std::filesystem::path recordsFolder() const;

  private:
    bool putBack(RecordKind kind);
    void run(RecordKind kind);

    TuningCommands& commands_;
    const RecordStore& records_;
    bool running_ = false;
};

// "Put back the N tuning values as they were on <local date and time>?"
std::string putBackQuestion(std::size_t values, std::chrono::system_clock::time_point recorded);
// The record's moment in the user's time zone, "2026-12-09 06:15".
std::string localDateTimeText(std::chrono::system_clock::time_point when);

// Brings the window to the state it has when it is created (the creation selection of every
// option group, every TuningState field 0), so that the start-up restore gives what it would
// give at a start with the same store.
void resetToCreationState(WindowModel& window);

}  // namespace quorvex::undo
