#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "undo/change_record.h"

namespace quorvex::undo {

enum class RecordKind {
    Original,  // before the first tuning command on this machine for this user; never replaced
    Previous,  // before the latest tuning command
};

struct RecordLoad {
    enum class Status { Ok, Missing, Unreadable, Damaged };
    Status status = Status::Missing;
    ChangeRecord record;  // when Ok
    std::string reason;   // the system's words when Unreadable
};

// The two record files in the per-user data folder: "original.reg" and "previous.reg".
class RecordStore {
  public:
    // The largest record that is written or read: a record is some 4 KB, anything far larger is
    // no record of ours. One limit for both, so that every record written can be put back.
    static constexpr std::uint64_t kMaxRecordBytes = 1u << 20;

    explicit RecordStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path path(RecordKind kind) const;
    // Whether anything is at the record's path (a damaged record counts: it is not replaced).
    bool exists(RecordKind kind) const;
    RecordLoad load(RecordKind kind) const;
    // Replaces the record atomically; false, with the reason, when it could not be written or
    // would be larger than kMaxRecordBytes (then nothing is written). Removes the temporary
    // files that an interrupted save of the same record left.
    bool save(RecordKind kind, const ChangeRecord& record, std::string& reason) const;

    // The marker beside the records ("command-under-way") that says a command is writing values
    // where they cannot be written in one transaction, and which record gives a whole state if
    // it never ends: the state before a tuning command, the one an undo or restore puts back.
    std::filesystem::path markerPath() const { return folder_ / "command-under-way"; }
    // Writes the marker, flushed to disk before any value is written; false with the reason.
    bool markCommandUnderWay(RecordKind toPutBack, std::string& reason) const;
    // Removes the marker: the command has ended.
    void markCommandEnded() const;
    // The record that a marker left by an interrupted command names; nothing without a marker,
    // and nothing with `damaged` set for a marker that names no record.
    std::optional<RecordKind> interruptedCommand(bool& damaged) const;

  private:
    // Writes `text` as `file` in the records folder (made when missing), atomically; false with
    // the reason when it cannot.
    bool writeFile(const std::filesystem::path& file, std::string_view text,
                   std::string& reason) const;

    std::filesystem::path folder_;
};

}  // namespace quorvex::undo
