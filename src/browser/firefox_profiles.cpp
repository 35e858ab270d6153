#include "browser/firefox_profiles.h"

#include <chrono>
#include <exception>
#include <optional>
#include <set>

#include "browser/preference_sets.h"
#include "platform/file_access.h"
#include "platform/folder_access.h"
#include "platform/time_stamp.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// A preference file or a user.js larger than this is not a preference file.
constexpr std::uint64_t kMaxPreferenceFileBytes = 16ull << 20;

// A path as UTF-8 text for a message, whatever the platform's own encoding of it.
std::string pathText(const fs::path& path) {
    const auto text = path.u8string();
    return {text.begin(), text.end()};
}

std::string describe(const fs::path& path, const std::string& reason) {
    return pathText(path) + ": " + reason;
}

// The whole file when it is a regular file of a sane size; never blocks on a FIFO or device.
std::optional<std::string> readWhole(const fs::path& path) {
    std::string bytes;
    if (!readRegularFile(path, kMaxPreferenceFileBytes, bytes)) return std::nullopt;
    return bytes;
}

// Something is there, followed through links.
bool somethingAt(const fs::path& path) {
    const EntryKind kind = entryAt(path, /*followLinks=*/true).kind;
    return kind != EntryKind::Missing && kind != EntryKind::Unknown;
}

bool taken(const fs::path& path) {
    const EntryKind kind = entryAt(path, /*followLinks=*/false).kind;
    return kind != EntryKind::Missing && kind != EntryKind::Unknown;
}

// A name beside `destination` that nothing holds yet.
std::optional<fs::path> freeBackupName(const fs::path& destination, const Clock& clock) {
    fs::path plain = destination;
    plain += ".backup";
    if (!taken(plain)) return plain;
    fs::path stamped = plain;
    stamped += "-" + fileNameStamp(clock.now());
    if (!taken(stamped)) return stamped;
    for (int n = 2; n < 1000; ++n) {
        fs::path numbered = stamped;
        numbered += "-" + std::to_string(n);
        if (!taken(numbered)) return numbered;
    }
    return std::nullopt;
}

// Temporary files beside user.js start with this; the routine adds random characters. The
// leading dot hides them, and the older fixed "-<n>.tmp" names start the same way.
std::string temporaryPrefix(const fs::path& destination) {
    return "." + pathText(destination.filename()) + ".quorvex-";
}

// A temporary file younger than this may belong to another instance that is writing now.
constexpr std::int64_t kStaleTemporarySeconds = 60;

bool isShippedContent(const std::string& bytes, const std::string& source) {
    return bytes == source || bytes == kOptimizedPreferences || bytes == kDefaultPreferences;
}

// Keeps the user's own destination file; a failure says why (then nothing replaces it).
FileResult keepUsersFile(const fs::path& destination, const std::string& source,
                         const Clock& clock) {
    const EntryKind kind = entryAt(destination, /*followLinks=*/false).kind;
    if (kind == EntryKind::Missing || kind == EntryKind::Unknown)
        return FileResult::success();  // nothing there (or a dangling link): nothing to keep
    const bool isLink = kind == EntryKind::Link;
    // A folder is never replaced.
    if (!isLink && kind != EntryKind::File) return FileResult::failure("not a regular file");
    if (isLink) {
        const EntryKind target = entryAt(destination, /*followLinks=*/true).kind;
        if (target == EntryKind::Missing || target == EntryKind::Unknown)
            return FileResult::success();  // dangling: nothing to keep
        // A link to a device, FIFO or folder makes the profile unusable: it is skipped.
        if (target != EntryKind::File) return FileResult::failure("not a regular file");
    }
    std::string existing;
    // Unreadable or absurdly large: nothing of it could be kept, so nothing replaces it.
    if (const auto read = readRegularFile(destination, kMaxPreferenceFileBytes, existing); !read)
        return read;
    if (isShippedContent(existing, source)) return FileResult::success();
    const auto backup = freeBackupName(destination, clock);
    if (!backup) return FileResult::failure("no free name for its backup");
    const auto kept = replaceFileAtomically(*backup, existing, temporaryPrefix(destination));
    if (!kept)
        return FileResult::failure("its backup " + pathText(*backup) +
                                   " could not be written: " + kept.reason);
    return kept;
}

}  // namespace

std::vector<ProfileRoot> firefoxProfileRoots(const Locations& locations) {
    if (const auto appdata = environmentValue(locations, "appdata")) {
        const fs::path folder = pathFromUtf8(*appdata);
        if (appdata->empty() || !folder.is_absolute()) return {};
        return {{folder / "Mozilla" / "Firefox" / "Profiles", true}};
    }
    std::vector<ProfileRoot> roots;
    for (auto& folder : locations.platformProfileRoots()) roots.push_back({folder, false});
    return roots;
}

namespace {

// The profiles below `locations`; `failure` gets the first profiles folder that exists but
// cannot be listed (a missing one is no failure: Firefox is not installed there).
std::vector<fs::path> listProfiles(const Locations& locations, std::string& failure) {
    std::vector<fs::path> profiles;
    const auto roots = firefoxProfileRoots(locations);
    std::set<fs::path> seen;  // one profile reached through two roots receives one copy
    for (const auto& root : roots) {
        const Entry there = entryAt(root.folder, /*followLinks=*/true);
        if (there.kind != EntryKind::Folder) {
            if (there.kind == EntryKind::Unknown && failure.empty())
                failure = describe(root.folder, there.reason);
            continue;
        }
        std::string listing;
        for (const fs::path& folder : subfolders(root.folder, listing)) {
            if (!root.everySubfolder && !somethingAt(folder / "prefs.js") &&
                !somethingAt(folder / "times.json"))
                continue;
            if (roots.size() == 1) {
                profiles.push_back(folder);
                continue;
            }
            if (seen.insert(sameFolderIdentity(folder)).second) profiles.push_back(folder);
        }
        if (!listing.empty() && failure.empty()) failure = describe(root.folder, listing);
    }
    return profiles;
}

}  // namespace

std::vector<fs::path> firefoxProfiles(const Locations& locations) {
    std::string failure;
    return listProfiles(locations, failure);
}

std::optional<fs::path> preferenceSetSource(const Locations& locations, std::string_view fileName) {
    const fs::path program = locations.programFolder();
    const fs::path beside = program / fileName;
    const fs::path shared = program / ".." / "share" / "quorvex" / fileName;
    if (somethingAt(beside)) return beside;
    if (somethingAt(shared)) return shared.lexically_normal();
    return std::nullopt;
}

namespace {

// True when the target is a plain file that already holds exactly these bytes.
bool alreadyInPlace(const fs::path& target, const std::string& bytes) {
    if (entryAt(target, /*followLinks=*/false).kind != EntryKind::File) return false;
    const auto existing = readWhole(target);
    return existing && *existing == bytes;
}

FileResult copyBytes(const std::string& bytes, const fs::path& target, const Clock& clock) {
    // Rewriting identical bytes would change nothing but the file's time.
    if (alreadyInPlace(target, bytes)) return FileResult::success();
    // What an interrupted copy left behind would pile up in the profile.
    removeStaleTemporaryFiles(target.parent_path(), temporaryPrefix(target),
                              kStaleTemporarySeconds);
    if (auto kept = keepUsersFile(target, bytes, clock); !kept) return kept;
    return replaceFileAtomically(target, bytes, temporaryPrefix(target));
}

// The bytes of the set: the shipped file when there is one, else the compiled-in set.
std::optional<std::string> preferenceSetBytes(const Locations& locations, std::string_view fileName,
                                              std::string& failure) {
    const auto source = preferenceSetSource(locations, fileName);
    if (!source) {
        const auto builtIn = builtInPreferenceSet(fileName);
        if (!builtIn.empty()) return std::string(builtIn);
        failure = describe(locations.programFolder() / fileName, "no such preference set");
        return std::nullopt;
    }
    std::string bytes;
    if (const auto read = readRegularFile(*source, kMaxPreferenceFileBytes, bytes); !read) {
        failure = describe(*source, read.reason);
        return std::nullopt;
    }
    return bytes;
}

std::string unexpected(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unexpected error";
    }
}

}  // namespace

bool CopyFile(const std::string& source, const std::string& destination, const Clock& clock) {
    try {
        const auto bytes = readWhole(pathFromUtf8(source));
        return bytes && copyBytes(*bytes, pathFromUtf8(destination), clock);
    } catch (...) {
        return false;
    }
}

PreferenceSetOutcome applyPreferenceSet(const Locations& locations, const Clock& clock,
                                        std::string_view fileName) {
    PreferenceSetOutcome outcome;
    try {
        // The set is read once; one that cannot be read fails every copy and touches no profile.
        const auto bytes = preferenceSetBytes(locations, fileName, outcome.failure);
        if (!bytes) return outcome;
        const auto profiles = listProfiles(locations, outcome.failure);
        outcome.profiles = static_cast<int>(profiles.size());
        for (const auto& profile : profiles) {
            const fs::path target = profile / "user.js";
            std::string failure;
            try {
                const auto copied = copyBytes(*bytes, target, clock);
                if (copied)
                    ++outcome.copied;
                else
                    failure = describe(target, copied.reason);
            } catch (...) {
                // This profile failed; the others are still processed.
                failure = describe(target, unexpected(std::current_exception()));
            }
            if (outcome.failure.empty()) outcome.failure = failure;
        }
    } catch (...) {
        if (outcome.failure.empty()) outcome.failure = unexpected(std::current_exception());
    }
    return outcome;
}

PreferenceSetOutcome ApplyOptimizedFirefoxPrefs(const Locations& locations, const Clock& clock) {
    return applyPreferenceSet(locations, clock, kOptimizedPreferencesFile);
}

PreferenceSetOutcome ApplyDefaultFirefoxPrefs(const Locations& locations, const Clock& clock) {
    return applyPreferenceSet(locations, clock, kDefaultPreferencesFile);
}

}  // namespace quorvex
