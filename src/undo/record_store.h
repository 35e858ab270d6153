#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

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

  private:
    std::filesystem::path folder_;
};

}  // namespace quorvex::undo
