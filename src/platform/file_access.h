#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace quorvex {

// What came of reading or replacing a file: success, or the reason in the system's words
// ("No space left on device", "not a regular file"), for a message that names the file.
struct FileResult {
    bool ok = false;
    std::string reason;  // empty when ok
    explicit operator bool() const { return ok; }
    static FileResult success() { return {true, {}}; }
    static FileResult failure(std::string why) { return {false, std::move(why)}; }
};

// Reads a whole file that must be a regular file of at most `maxBytes` bytes. The file is
// opened without blocking and without waiting on a device or FIFO, and checked before a byte is
// read, so a link to /dev/zero, a FIFO or a huge file is refused at once. `missing` is set when
// nothing exists at the path (then the result is a failure with an empty `text`).
FileResult readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                           std::string& text, bool* missing = nullptr);

// Replaces `path` with `bytes` so that a crash or a power cut leaves either the old or the new
// file whole: a temporary file created exclusively in the same folder, named `temporaryPrefix`
// followed by random characters, is written, flushed, renamed over `path`, and the folder is
// flushed. A link at `path` is replaced, never written through. The temporary file never
// outlives a failure.
FileResult replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                 std::string_view temporaryPrefix);

// Removes files in `folder` whose names start with `temporaryPrefix` and that are older than
// `minimumAgeSeconds`: what an interrupted replaceFileAtomically left behind. Returns how many.
int removeStaleTemporaryFiles(const std::filesystem::path& folder, std::string_view temporaryPrefix,
                              std::int64_t minimumAgeSeconds);

}  // namespace quorvex
