#include "cli/command_line_help.h"

#include "project_version.h"

namespace quorvex::cli {

std::string commandsHelpText() {
    return "Commands (no window, no questions, never a restart):\n"
           "  quorvex list [--json]\n"
           "      the 27 connection kinds: the alias to type and the full name\n"
           "  quorvex apply CONNECTION [--no-firefox] [--dry-run] [--json]\n"
           "      \"Everything Automatically\" for CONNECTION (an alias such as dsl-16m or the\n"
           "      full name): keeps the undo record, writes the eighteen values, tunes the\n"
           "      Firefox profiles (not with --no-firefox) and saves the choices; one line per\n"
           "      value: key, name, old \u2192 new, written or the system's reason. --dry-run\n"
           "      writes nothing and shows what would change.\n"
           "  quorvex verify [--json]\n"
           "      compares the live values with what the saved choices write; names each\n"
           "      difference\n"
           "  quorvex export CONNECTION FILE.reg [--json]\n"
           "      writes the values for CONNECTION as a registry-editor file for reg import\n"
           "  quorvex undo [--original] [--json]\n"
           "      puts back the values and choices as they were before the last change (or,\n"
           "      with --original, before the first)\n"
           "\n"
           "Exit status: 0 when everything was done (verify: every value matches), 1 when a\n"
           "value was not written or put back, verify found a difference or the command\n"
           "stopped, 2 for a command line that was not understood. New values take effect\n"
           "after Windows restarts.\n";
}

std::string usageHint() {
    return "Try 'quorvex --help' for more information.";
}

std::string versionLine() {
    return std::string("Quorvex ") + QUORVEX_VERSION;
}

}  // namespace quorvex::cli
