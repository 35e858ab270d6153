#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvex {

// Why a lock is not held when another program held it for the whole wait.
inline constexpr const char* kLockHeldReason = "another program holds the file";
// How long a store waits for another instance: far longer than any save takes, short enough
// that the window is not frozen for long by a program that keeps the file locked.
inline constexpr std::chrono::milliseconds kDefaultLockWait{3000};

// An exclusive lock between the instances of the program, held on a lock file beside the file
// it guards from construction to destruction, so that a read, merge and replace of that file
// never interleaves with another instance's. The lock file is created when missing and never
// removed (removing it would let two holders lock two different files).
class FileLock {
  public:
    // Waits at most `wait` for another holder to let go (zero: one try), then gives up with
    // kLockHeldReason. Never opens the lock file through a link (that would create a file at
    // the link's target) and never waits on a FIFO or device at its path: those are refused,
    // with the reason.
    FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return held_; }
    // Why the lock is not held, in the system's words; empty when it is.
    const std::string& error() const { return error_; }
    // Whether another holder kept the lock for the whole wait.
    bool busy() const { return busy_; }

  private:
    // The open lock file: a descriptor, or a HANDLE on Windows; -1 when none is open.
    std::intptr_t handle_ = -1;
    bool held_ = false;
    bool busy_ = false;
    std::string error_;
};

}  // namespace quorvex
