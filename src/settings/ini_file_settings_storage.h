#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/file_lock.h"
#include "settings/ini_text.h"
#include "settings/settings_storage.h"

namespace quorvex {

// The settings store as an INI file in the user's configuration folder
// (~/.config/Quorvex/Quorvex.ini), in the form Qt's QSettings reads and writes. A save locks
// ".Quorvex.ini.lock", re-reads the file, applies the writes made since the last save and
// replaces the file atomically, so keys another instance saved meanwhile are kept. A file that
// cannot be parsed (garbage, UTF-16, a broken section line) reads as empty and is moved aside
// once, as "Quorvex.ini.corrupt-<time>", by the next save, which then starts from what this run
// wrote. A file that is not a regular file of at most 1 MiB is left alone and every save fails.
// The first save removes the temporary files (".Quorvex.ini.tmp.*") that an interrupted save
// left.
class IniFileSettingsStorage : public SettingsStorage {
  public:
    static constexpr std::uint64_t kMaxFileBytes = 1u << 20;

    // An empty path is a store that reads as empty and cannot be saved (no usable folder). The
    // clock names a damaged file when it is moved aside.
    explicit IniFileSettingsStorage(std::filesystem::path file, const Clock& clock = systemClock());

    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override;
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;
    // True only when the file now holds every write.
    bool flush() override;
    // Takes effect in the file at the next flush, like a write.
    bool remove(const std::string& section, const std::string& key) override;

    const std::filesystem::path& fileName() const { return file_; }
    // How long a save waits for another program's lock before it fails (kDefaultLockWait).
    void setLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }
    // Not Qt's "Quorvex.ini.lock": QSettings takes a file at that name for a lock held by a live
    // program for half a minute, so a lasting one of ours would stall it.
    std::filesystem::path lockFileName() const;
    // Why the last save failed, naming the file; empty after a success.
    const std::string& lastFailure() const { return lastFailure_; }

  private:
    enum class FileState { Missing, Parsed, Damaged, Unusable };
    FileState load(IniSections& sections, std::string& reason) const;

    std::filesystem::path file_;
    const Clock* clock_;
    IniSections values_;
    IniSections pending_;                                       // writes since the last save
    std::vector<std::pair<std::string, std::string>> removed_;  // section, key; since then too
    std::string lastFailure_;
    bool cleanedUp_ = false;  // temporary files left by a crash removed
    std::chrono::milliseconds lockWait_ = kDefaultLockWait;
};

}  // namespace quorvex
