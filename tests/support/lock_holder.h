#pragma once

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/file_lock.h"

namespace quorvex::testing {

// Holds a lock file as another program would, until release() or for at most `limit`, so that
// a store that waited without bound fails its test instead of hanging it.
class LockHolder {
  public:
    LockHolder(const std::filesystem::path& lockFile, std::chrono::milliseconds limit)
        : lock_(std::in_place, lockFile, std::chrono::milliseconds(0)), releaser_([this, limit] {
              std::unique_lock<std::mutex> guard(mutex_);
              wake_.wait_for(guard, limit, [this] { return released_; });
              lock_.reset();
          }) {}
    ~LockHolder() { release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // Whether the lock was taken; read before any release.
    bool held() const { return lock_ && lock_->held(); }
    void release() {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            released_ = true;
        }
        wake_.notify_all();
        if (releaser_.joinable()) releaser_.join();
    }

  private:
    std::optional<FileLock> lock_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool released_ = false;
    std::thread releaser_;
};

}  // namespace quorvex::testing
