#include "settings/ini_file_settings_storage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <system_error>

#include "platform/file_access.h"
#include "platform/time_stamp.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

bool moveAside(const fs::path& file, const Clock& clock, std::string& reason) {
    const std::string base = file.string() + ".corrupt-" + fileNameStamp(clock.now());
    fs::path target = base;
    std::error_code ec;
    for (int n = 2; fs::exists(fs::symlink_status(target, ec)) && n < 1000; ++n)
        target = base + "-" + std::to_string(n);
    fs::rename(file, target, ec);
    if (ec) reason = ec.message();
    return !ec;
}

void eraseIniValue(IniSections& sections, const std::string& section, const std::string& key) {
    for (auto& group : sections) {
        if (group.name != section) continue;
        std::erase_if(group.entries, [&](const auto& entry) { return entry.first == key; });
    }
}

}  // namespace

IniFileSettingsStorage::IniFileSettingsStorage(fs::path file, const Clock& clock)
    : file_(std::move(file)), clock_(&clock) {
    std::string reason;
    if (load(values_, reason) != FileState::Parsed) values_.clear();
}

IniFileSettingsStorage::FileState IniFileSettingsStorage::load(IniSections& sections,
                                                               std::string& reason) const {
    sections.clear();
    if (file_.empty()) {
        reason = "no usable configuration folder";
        return FileState::Unusable;
    }
    std::string text;
    bool missing = false;
    const FileResult read = readRegularFile(file_, kMaxFileBytes, text, &missing);
    if (missing) return FileState::Missing;
    if (!read) {
        reason = read.reason;
        return FileState::Unusable;
    }
    auto parsed = parseIniText(text);
    if (!parsed) return FileState::Damaged;
    sections = std::move(*parsed);
    return FileState::Parsed;
}

std::optional<std::string> IniFileSettingsStorage::read(const std::string& section,
                                                        const std::string& key) const {
    if (const std::string* value = findIniValue(values_, section, key)) return *value;
    return std::nullopt;
}

bool IniFileSettingsStorage::write(const std::string& section, const std::string& key,
                                   const std::string& value) {
    if (file_.empty()) return false;
    setIniValue(values_, section, key, value);
    setIniValue(pending_, section, key, value);
    std::erase(removed_, std::make_pair(section, key));
    return true;
}

bool IniFileSettingsStorage::remove(const std::string& section, const std::string& key) {
    if (file_.empty()) return false;
    eraseIniValue(values_, section, key);
    eraseIniValue(pending_, section, key);
    const auto address = std::make_pair(section, key);
    if (std::find(removed_.begin(), removed_.end(), address) == removed_.end())
        removed_.push_back(address);
    return true;
}

fs::path IniFileSettingsStorage::lockFileName() const {
    return file_.parent_path() / ("." + file_.filename().string() + ".lock");
}

bool IniFileSettingsStorage::flush() {
    lastFailure_.clear();
    if (pending_.empty() && removed_.empty()) return true;  // nothing to make last
    const auto fail = [this](const std::string& reason) {
        lastFailure_ =
            (file_.empty() ? std::string("Quorvex.ini") : file_.string()) + ": " + reason;
        return false;
    };
    if (file_.empty()) return fail("no usable configuration folder");
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    if (ec) return fail(ec.message());
    // Held from the re-read to the rename: another instance saving meanwhile would otherwise
    // replace the file with a merge that lacks what this one saves, and the other way round.
    const fs::path lockFile = lockFileName();
    const FileLock lock(lockFile, lockWait_);
    if (lock.busy()) return fail(lock.error());
    if (!lock.held()) {
        lastFailure_ = lockFile.string() + ": " + lock.error();
        return false;
    }
    const std::string temporaryPrefix = "." + file_.filename().string() + ".tmp.";
    // Only the lock holder writes temporary files: any found now were left by a crash.
    if (!cleanedUp_) {
        removeStaleTemporaryFiles(file_.parent_path(), temporaryPrefix, 0);
        cleanedUp_ = true;
    }
    IniSections current;
    std::string reason;
    switch (load(current, reason)) {
        case FileState::Unusable:
            return fail(reason);
        case FileState::Damaged:
            // Kept once for the user to look at; never overwritten.
            if (!moveAside(file_, *clock_, reason)) return fail(reason);
            current.clear();
            break;
        case FileState::Missing:
        case FileState::Parsed:
            break;
    }
    for (const auto& section : pending_)
        for (const auto& [key, value] : section.entries)
            setIniValue(current, section.name, key, value);
    for (const auto& [section, key] : removed_) eraseIniValue(current, section, key);
    const FileResult written =
        replaceFileAtomically(file_, formatIniText(current), temporaryPrefix);
    if (!written) return fail(written.reason);
    values_ = std::move(current);
    pending_.clear();
    removed_.clear();
    return true;
}

}  // namespace quorvex
