#include "undo/record_store.h"

#include <string>
#include <string_view>

#include "platform/file_access.h"
#include "platform/folder_access.h"
#include "undo/record_file.h"

namespace quorvex::undo {

namespace {

// Records are written without a lock: another instance's temporary file lives for milliseconds,
// so one this old was left by an interrupted write.
constexpr std::int64_t kStaleTemporarySeconds = 60;

}  // namespace

std::filesystem::path RecordStore::path(RecordKind kind) const {
    return folder_ / (kind == RecordKind::Original ? "original.reg" : "previous.reg");
}

bool RecordStore::exists(RecordKind kind) const {
    // A path that cannot even be looked at is treated as there: never overwrite the unknown.
    return entryAt(path(kind), /*followLinks=*/false).kind != EntryKind::Missing;
}

RecordLoad RecordStore::load(RecordKind kind) const {
    RecordLoad result;
    std::string text;
    bool missing = false;
    const FileResult read = readRegularFile(path(kind), kMaxRecordBytes, text, &missing);
    // A link to nothing is there all the same: exists() counts it and it is never replaced, so
    // it is an unusable record, not a missing one.
    if (missing && !exists(kind)) {
        result.status = RecordLoad::Status::Missing;
        return result;
    }
    if (missing) {
        result.status = RecordLoad::Status::Unreadable;
        result.reason = "it is a link to a file that does not exist";
        return result;
    }
    if (!read) {
        result.status = RecordLoad::Status::Unreadable;
        result.reason = read.reason;
        return result;
    }
    auto record = parseRecordFile(text);
    if (!record) {
        result.status = RecordLoad::Status::Damaged;
        return result;
    }
    result.status = RecordLoad::Status::Ok;
    result.record = std::move(*record);
    return result;
}

bool RecordStore::save(RecordKind kind, const ChangeRecord& record, std::string& reason) const {
    const std::string text = formatRecordFile(record);
    if (text.size() > kMaxRecordBytes) {
        reason = "the record would be larger than " + std::to_string(kMaxRecordBytes >> 20) +
                 " MiB, too large to be put back";
        return false;
    }
    return writeFile(path(kind), text, reason);
}

bool RecordStore::writeFile(const std::filesystem::path& file, std::string_view text,
                            std::string& reason) const {
    if (folder_.empty()) {
        reason = "there is no per-user data folder";
        return false;
    }
    if (!createFolders(folder_, reason)) return false;
    const std::string temporaryPrefix = "." + file.filename().string() + ".tmp.";
    removeStaleTemporaryFiles(folder_, temporaryPrefix, kStaleTemporarySeconds);
    const FileResult written = replaceFileAtomically(file, text, temporaryPrefix);
    reason = written.reason;
    return written.ok;
}

namespace {

constexpr std::string_view kPutBackOriginal = "put back original.reg\r\n";
constexpr std::string_view kPutBackPrevious = "put back previous.reg\r\n";

}  // namespace

bool RecordStore::markCommandUnderWay(RecordKind toPutBack, std::string& reason) const {
    return writeFile(markerPath(),
                     toPutBack == RecordKind::Original ? kPutBackOriginal : kPutBackPrevious,
                     reason);
}

void RecordStore::markCommandEnded() const {
    removeFile(markerPath());
}

std::optional<RecordKind> RecordStore::interruptedCommand(bool& damaged) const {
    damaged = false;
    if (folder_.empty()) return std::nullopt;
    const EntryKind marker = entryAt(markerPath(), /*followLinks=*/false).kind;
    if (marker == EntryKind::Missing || marker == EntryKind::Unknown) return std::nullopt;
    std::string text;
    if (readRegularFile(markerPath(), 64, text) && text == kPutBackOriginal)
        return RecordKind::Original;
    if (text == kPutBackPrevious) return RecordKind::Previous;
    damaged = true;
    return std::nullopt;
}

}  // namespace quorvex::undo
