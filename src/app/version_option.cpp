#include "app/version_option.h"

#include <string_view>

#include "project_version.h"

namespace quorvex {

bool wantsVersion(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] && std::string_view(argv[i]) == "--version") return true;
    return false;
}

std::string versionText() {
    return std::string("Quorvex ") + QUORVEX_VERSION;
}

}  // namespace quorvex
