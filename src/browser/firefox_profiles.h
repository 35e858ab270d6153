#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/locations.h"
#include "platform/clock.h"

// <windows.h> names a macro CopyFile; this one is the program's own.
#if defined(CopyFile)
#undef CopyFile
#endif

namespace quorvex {

// A folder that holds Firefox profiles. In the folder named by the "appdata" variable every
// immediate subfolder is a profile; in the platform's own roots (which also hold crash reports
// and pings) only a subfolder with a prefs.js or times.json is.
struct ProfileRoot {
    std::filesystem::path folder;
    bool everySubfolder;
};

// An "appdata" variable (any letter case) with an absolute path gives its
// Mozilla/Firefox/Profiles folder; one that is empty or relative gives none at all (never the
// root of a drive). Without the variable, the platform's roots.
std::vector<ProfileRoot> firefoxProfileRoots(const Locations& locations);

// Every profile folder, in the order the platform lists each root; a folder linked from a root
// counts like any other. A root that is missing or cannot be listed gives nothing.
std::vector<std::filesystem::path> firefoxProfiles(const Locations& locations);

// The shipped preference file: beside the executable, else in ../share/quorvex/ relative to
// it; none when neither exists (the set compiled into the program is used then).
std::optional<std::filesystem::path> preferenceSetSource(const Locations& locations,
                                                         std::string_view fileName);

// Copies `source` over `destination`, replacing it atomically (an exclusive temporary file in
// the same folder, flushed, renamed, the folder flushed; a destination that is a link is
// replaced, never written through), after removing temporary files that an interrupted copy
// left there. An existing destination that is not byte-identical to the source or to a shipped
// set holds the user's own preferences: it is kept first as "<destination>.backup", or, when
// that name is taken, with a date-and-time stamp; an earlier backup is never overwritten. A
// source or destination that is not a regular file of at most 16 MiB (a FIFO, a device, a link
// to one) is unusable and the copy is not made. Returns whether the copy was made; nothing is
// thrown and nothing is reported to the user.
// Both paths are UTF-8 text.
bool CopyFile(const std::string& source, const std::string& destination, const Clock& clock);

// What copying one preference set into every profile came to.
struct PreferenceSetOutcome {
    int profiles = 0;  // profile folders found
    int copied = 0;    // of them, how many now hold the set
    // The first thing that failed, as "<file or folder>: <reason in the system's words>": the
    // shipped set, a profiles folder that exists but cannot be listed, or a profile's user.js.
    // Empty when nothing failed.
    std::string failure;
};

// Copies one preference set over user.js in every profile; a failed copy does not stop the
// others. The set is the shipped file when there is one (a file there that cannot be read
// copies nothing), else the bytes compiled into the program. Nothing is thrown.
PreferenceSetOutcome applyPreferenceSet(const Locations& locations, const Clock& clock,
                                        std::string_view fileName);

PreferenceSetOutcome ApplyOptimizedFirefoxPrefs(const Locations& locations, const Clock& clock);
PreferenceSetOutcome ApplyDefaultFirefoxPrefs(const Locations& locations, const Clock& clock);

}  // namespace quorvex
