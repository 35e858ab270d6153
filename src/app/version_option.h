#pragma once

#include <string>

namespace quorvex {

// What the command line asks for. Everything but OpenWindow is answered before any window
// system is reached, so that it also works without a display.
struct CommandLineRequest {
    enum class Action { OpenWindow, PrintVersion, PrintHelp, UsageError };
    Action action = Action::OpenWindow;
    std::string error;  // for UsageError: one line naming what was not understood
};

// Reads the arguments after the program name: "--version", "--help" (or "-h"), and the
// options every Qt program takes ("-platform offscreen", "-style=fusion"...); anything else is
// a usage error, which the program reports with usageHint() and ends with status 2.
CommandLineRequest parseCommandLine(int argc, const char* const* argv);

// "Quorvex <version>", the line `quorvex --version` prints.
std::string versionText();
// The text `quorvex --help` prints.
std::string helpText();
// The one line printed after a usage error.
std::string usageHint();

}  // namespace quorvex
