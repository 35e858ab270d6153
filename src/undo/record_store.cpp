#include "undo/record_store.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "undo/record_file.h"
#include "undo/record_files.h"

namespace quorvex::undo {

std::filesystem::path RecordStore::path(RecordKind kind) const {
    return folder_ / (kind == RecordKind::Original ? "original.reg" : "previous.reg");
}

bool RecordStore::exists(RecordKind kind) const {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path(kind), ec);
    // A path that cannot even be looked at is treated as there: never overwrite the unknown.
    if (ec && ec != std::errc::no_such_file_or_directory) return true;
    return std::filesystem::exists(status);
}

RecordLoad RecordStore::load(RecordKind kind) const {
    RecordLoad result;
    const auto file = path(kind);
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!std::filesystem::exists(status) && (!ec || ec == std::errc::no_such_file_or_directory)) {
        result.status = RecordLoad::Status::Missing;
        return result;
    }
    result.status = RecordLoad::Status::Unreadable;
    if (ec) {
        result.reason = ec.message();
        return result;
    }
    if (!std::filesystem::is_regular_file(status)) {
        result.reason = "it is not a file";
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.reason = std::strerror(errno);
        return result;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        result.reason = "the file could not be read to its end";
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
    if (folder_.empty()) {
        reason = "there is no per-user data folder";
        return false;
    }
    return replaceFileAtomically(path(kind), formatRecordFile(record), reason);
}

}  // namespace quorvex::undo
