#pragma once

#include <string_view>

namespace quorvex {

// File names of the two preference sets shipped beside the program.
inline constexpr std::string_view kOptimizedPreferencesFile = "pipeline.js";
inline constexpr std::string_view kDefaultPreferencesFile = "unpipeline.js";

// Their exact content (ASCII, CR LF after every line): Firefox applies each user_pref line of a
// profile's user.js at its next start. The shipped files must stay byte-identical to these; a
// program copied without them still has these.
inline constexpr std::string_view kOptimizedPreferences =
    "user_pref(\"network.http.max-connections\", 25);\r\n"
    "user_pref(\"network.http.max-connections-per-server\", 10);\r\n"
    "user_pref(\"network.http.max-persistent-connections-per-proxy\", 8);\r\n"
    "user_pref(\"network.http.max-persistent-connections-per-server\", 4);\r\n"
    "user_pref(\"network.http.pipelining\", true);\r\n"
    "user_pref(\"network.http.pipelining.maxrequests\", 10);\r\n"
    "user_pref(\"network.http.proxy.pipelining\", true);\r\n"
    "user_pref(\"nglayout.initialpaint.delay\", 0);\r\n"
    "\r\n"
    "user_pref(\"content.notify.backoffcount\", 5);\r\n"
    "user_pref(\"ui.submenuDelay\", 0);\r\n"
    "\r\n"
    "user_pref(\"network.http.pipelining.firstrequest\", true);\r\n"
    "user_pref(\"plugin.expose_full_path\", true);\r\n"
    "user_pref(\"content.interrupt.parsing\", true);\r\n"
    "user_pref(\"content.notify.ontimer\", true);\r\n"
    "\r\n"
    "user_pref(\"content.max.tokenizing.time\", 2250000);\r\n"
    "user_pref(\"content.switch.threshold\", 750000);\r\n";

inline constexpr std::string_view kDefaultPreferences =
    "user_pref(\"network.http.max-connections\", 24);\r\n"
    "user_pref(\"network.http.max-connections-per-server\", 8);\r\n"
    "user_pref(\"network.http.max-persistent-connections-per-proxy\", 4);\r\n"
    "user_pref(\"network.http.max-persistent-connections-per-server\", 2);\r\n"
    "user_pref(\"network.http.pipelining\", false);\r\n"
    "user_pref(\"network.http.pipelining.maxrequests\", 4);\r\n"
    "user_pref(\"network.http.proxy.pipelining\", false);\r\n"
    "user_pref(\"nglayout.initialpaint.delay\", 250);\r\n"
    "\r\n"
    "user_pref(\"content.notify.backoffcount\", 5);\r\n"
    "user_pref(\"ui.submenuDelay\", 250);\r\n"
    "\r\n"
    "user_pref(\"network.http.pipelining.firstrequest\", false);\r\n"
    "user_pref(\"plugin.expose_full_path\", false);\r\n"
    "user_pref(\"content.interrupt.parsing\", false);\r\n"
    "user_pref(\"content.notify.ontimer\", false);\r\n"
    "\r\n"
    "user_pref(\"content.max.tokenizing.time\", 1800000);\r\n"
    "user_pref(\"content.switch.threshold\", 600000);\r\n";

// The set compiled into the program under its shipped file name; empty for any other name.
constexpr std::string_view builtInPreferenceSet(std::string_view fileName) {
    if (fileName == kOptimizedPreferencesFile) return kOptimizedPreferences;
    if (fileName == kDefaultPreferencesFile) return kDefaultPreferences;
    return {};
}

}  // namespace quorvex
