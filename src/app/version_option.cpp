#include "app/version_option.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "cli/command_line_help.h"
#include "project_version.h"

namespace quorvex {

namespace {

// The options QGuiApplication and QApplication take themselves; those in the first list are
// followed by a value (as the next argument or after "=").
constexpr std::array<std::string_view, 23> kQtOptionsWithValue{"platform",
                                                               "platformpluginpath",
                                                               "platformtheme",
                                                               "plugin",
                                                               "qwindowgeometry",
                                                               "qwindowicon",
                                                               "qwindowtitle",
                                                               "session",
                                                               "display",
                                                               "geometry",
                                                               "style",
                                                               "stylesheet",
                                                               "title",
                                                               "name",
                                                               "font",
                                                               "fn",
                                                               "bg",
                                                               "background",
                                                               "fg",
                                                               "foreground",
                                                               "btn",
                                                               "button",
                                                               "visual"};
constexpr std::array<std::string_view, 5> kQtFlags{"reverse", "widgetcount", "nograb", "dograb",
                                                   "sync"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLineRequest parseCommandLine(int argc, const char* const* argv) {
    using Action = CommandLineRequest::Action;
    CommandLineRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "--version") {
            request.action = Action::PrintVersion;
            return request;
        }
        if (arg == "--help" || arg == "-h") {
            request.action = Action::PrintHelp;
            return request;
        }
        // Qt accepts its options with one dash or two.
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            name = {};
        const auto equals = name.find('=');
        const std::string_view bare = name.substr(0, equals);
        if (!name.empty() && listed(kQtOptionsWithValue, bare)) {
            if (equals == std::string_view::npos && ++i >= argc) {
                request.action = Action::UsageError;
                request.error = "option " + std::string(arg) + " needs a value";
                return request;
            }
            continue;
        }
        if (!name.empty() && (listed(kQtFlags, bare) || bare.starts_with("qmljsdebugger")))
            continue;
        request.action = Action::UsageError;
        request.error = arg.starts_with("-") ? "unknown option " + std::string(arg)
                                             : "unexpected argument \"" + std::string(arg) + "\"";
        return request;
    }
    return request;
}

std::string versionText() {
    return std::string("Quorvex ") + QUORVEX_VERSION;
}

std::string helpText() {
    return "Usage: quorvex [--help] [--version] [Qt options]\n"
           "       quorvex COMMAND [options]\n"
           "\n"
           "Without a command, opens the Quorvex window: choose your kind of internet or network\n"
           "connection and apply matching tuning values with \"Everything Automatically\", or\n"
           "watch the traffic monitor. Outside Windows the values are written to a registry file\n"
           "for Windows, ~/.local/share/Quorvex/registry.reg.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "  --version      show the version and exit\n"
           "\n"
           "The options every Qt program takes (for example -platform offscreen, -style fusion)\n"
           "are accepted too.\n"
           "\n" +
           cli::commandsHelpText();
}

std::string usageHint() {
    return "Try 'quorvex --help' for more information.";
}

}  // namespace quorvex
