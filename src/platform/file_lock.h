#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvex {

// An exclusive lock between the instances of the program, held on a lock file beside the file
// it guards from construction to destruction, so that a read, merge and replace of that file
// never interleaves with another instance's. The lock file is created when missing and never
// removed (removing it would let two holders lock two different files).
class FileLock {
  public:
    // Never opens the lock file through a link (that would create a file at the link's target)
    // and never waits on a FIFO or device at its path: those are refused, with the reason.
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return held_; }
    // Why the lock is not held, in the system's words; empty when it is.
    const std::string& error() const { return error_; }

  private:
    // The open lock file: a descriptor, or a HANDLE on Windows; -1 when none is open.
    std::intptr_t handle_ = -1;
    bool held_ = false;
    std::string error_;
};

}  // namespace quorvex
