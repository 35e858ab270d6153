#include "browser/firefox_profiles.h"

#include <chrono>
#include <optional>
#include <set>
#include <system_error>

#include "browser/preference_sets.h"
#include "platform/file_access.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// A preference file or a user.js larger than this is not a preference file.
constexpr std::uint64_t kMaxPreferenceFileBytes = 16ull << 20;

// The whole file when it is a regular file of a sane size; never blocks on a FIFO or device.
std::optional<std::string> readWhole(const fs::path& path) {
    std::string bytes;
    if (!readRegularFile(path, kMaxPreferenceFileBytes, bytes)) return std::nullopt;
    return bytes;
}

bool taken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// "20261209-051500", in UTC.
std::string stamp(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(when - day)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%02ld%02ld%02ld", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<long>(time.hours().count()),
                  static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    return text;
}

// A name beside `destination` that nothing holds yet.
std::optional<fs::path> freeBackupName(const fs::path& destination, const Clock& clock) {
    fs::path plain = destination;
    plain += ".backup";
    if (!taken(plain)) return plain;
    fs::path stamped = plain;
    stamped += "-" + stamp(clock.now());
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
    return "." + destination.filename().string() + ".quorvex-";
}

// A temporary file younger than this may belong to another instance that is writing now.
constexpr std::int64_t kStaleTemporarySeconds = 60;

bool isShippedContent(const std::string& bytes, const std::string& source) {
    return bytes == source || bytes == kOptimizedPreferences || bytes == kDefaultPreferences;
}

// Keeps the user's own destination file; false when it cannot be kept (then nothing replaces it).
bool keepUsersFile(const fs::path& destination, const std::string& source, const Clock& clock) {
    std::error_code ec;
    const auto status = fs::symlink_status(destination, ec);
    if (ec || !fs::exists(status))
        return true;  // nothing there (or a dangling link): nothing to keep
    const bool isLink = fs::is_symlink(status);
    if (!isLink && !fs::is_regular_file(status)) return false;  // a folder is never replaced
    if (isLink) {
        const auto target = fs::status(destination, ec);
        if (ec || !fs::exists(target)) return true;  // dangling: nothing to keep
        // A link to a device, FIFO or folder makes the profile unusable: it is skipped.
        if (!fs::is_regular_file(target)) return false;
    }
    const auto existing = readWhole(destination);
    // Unreadable or absurdly large: nothing of it could be kept, so nothing replaces it.
    if (!existing) return false;
    if (isShippedContent(*existing, source)) return true;
    const auto backup = freeBackupName(destination, clock);
    return backup && replaceFileAtomically(*backup, *existing, temporaryPrefix(destination));
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

std::vector<fs::path> firefoxProfiles(const Locations& locations) {
    std::vector<fs::path> profiles;
    const auto roots = firefoxProfileRoots(locations);
    std::set<fs::path> seen;  // one profile reached through two roots receives one copy
    for (const auto& root : roots) {
        std::error_code ec;
        if (!fs::is_directory(root.folder, ec)) continue;
        fs::directory_iterator it(root.folder, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            std::error_code entryError;
            if (!it->is_directory(entryError)) continue;
            const fs::path& folder = it->path();
            if (!root.everySubfolder && !fs::exists(folder / "prefs.js", entryError) &&
                !fs::exists(folder / "times.json", entryError))
                continue;
            if (roots.size() == 1) {
                profiles.push_back(folder);
                continue;
            }
            auto identity = fs::weakly_canonical(folder, entryError);
            if (entryError) identity = folder;
            if (seen.insert(identity).second) profiles.push_back(folder);
        }
    }
    return profiles;
}

fs::path preferenceSetSource(const Locations& locations, std::string_view fileName) {
    const fs::path program = locations.programFolder();
    const fs::path beside = program / fileName;
    const fs::path shared = program / ".." / "share" / "quorvex" / fileName;
    std::error_code ec;
    if (!fs::exists(beside, ec) && fs::exists(shared, ec)) return shared.lexically_normal();
    return beside;
}

namespace {

// True when the target is a plain file that already holds exactly these bytes.
bool alreadyInPlace(const fs::path& target, const std::string& bytes) {
    std::error_code ec;
    const auto status = fs::symlink_status(target, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    const auto existing = readWhole(target);
    return existing && *existing == bytes;
}

bool copyBytes(const std::string& bytes, const fs::path& target, const Clock& clock) {
    // Rewriting identical bytes would change nothing but the file's time.
    if (alreadyInPlace(target, bytes)) return true;
    // What an interrupted copy left behind would pile up in the profile.
    removeStaleTemporaryFiles(target.parent_path(), temporaryPrefix(target),
                              kStaleTemporarySeconds);
    if (!keepUsersFile(target, bytes, clock)) return false;
    return static_cast<bool>(replaceFileAtomically(target, bytes, temporaryPrefix(target)));
}

}  // namespace

bool CopyFile(const std::string& source, const std::string& destination, const Clock& clock) {
    try {
        const auto bytes = readWhole(source);
        return bytes && copyBytes(*bytes, destination, clock);
    } catch (...) {
        return false;
    }
}

int applyPreferenceSet(const Locations& locations, const Clock& clock, std::string_view fileName) {
    try {
        // The set is read once; a missing set fails every copy and touches no profile.
        const auto bytes = readWhole(preferenceSetSource(locations, fileName));
        if (!bytes) return 0;
        int copied = 0;
        for (const auto& profile : firefoxProfiles(locations)) {
            try {
                if (copyBytes(*bytes, profile / "user.js", clock)) ++copied;
            } catch (...) {
                // This profile failed; the others are still processed.
            }
        }
        return copied;
    } catch (...) {
        return 0;
    }
}

void ApplyOptimizedFirefoxPrefs(const Locations& locations, const Clock& clock) {
    applyPreferenceSet(locations, clock, kOptimizedPreferencesFile);
}

void ApplyDefaultFirefoxPrefs(const Locations& locations, const Clock& clock) {
    applyPreferenceSet(locations, clock, kDefaultPreferencesFile);
}

}  // namespace quorvex
