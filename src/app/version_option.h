#pragma once

#include <string>

namespace quorvex {

// True when the command line asks for the version ("--version" anywhere after the program
// name); the program then prints versionText() and ends without opening a window.
bool wantsVersion(int argc, const char* const* argv);

// "Quorvex <version>", the line `quorvex --version` prints.
std::string versionText();

}  // namespace quorvex
