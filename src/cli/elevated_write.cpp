#include "cli/elevated_write.h"

#include <algorithm>

#include "cli/command_line_parts.h"
#include "platform/file_access.h"
#include "platform/folder_hold.h"
#include "undo/elevated_hand_over.h"

namespace quorvex::cli {

int runElevatedWrite(const std::filesystem::path& folder, const UserRegistryFactory& registryFor,
                     std::ostream& err) {
    try {
        if (!folder.is_absolute()) {
            err << "quorvex: the hand-over folder must be an absolute path\n";
            return kExitUsage;
        }
        // The folder is the unelevated caller's: it stays the plain folder it is now until the
        // results are in, so that no link swapped in for it redirects this process's write.
        const FolderHold hold(folder);
        if (!hold.held()) {
            err << "quorvex: the hand-over folder is refused: " << hold.error() << '\n';
            return kExitUsage;
        }
        std::string text;
        const FileResult read =
            readRegularFile(folder / undo::kHandOverFile, undo::kMaxHandOverBytes, text);
        if (!read) {
            err << "quorvex: the hand-over cannot be read: " << read.reason << '\n';
            return kExitUsage;
        }
        std::string error;
        const auto handOver = undo::parseHandOver(text, error);
        if (!handOver) {
            err << "quorvex: the hand-over was refused: " << error << '\n';
            return kExitUsage;
        }
        std::string why;
        const auto registry = registryFor(handOver->userSid, why);
        const HeldBackResults results =
            registry ? undo::makeHandedWrites(*registry, handOver->writes)
                     : refuseAll(handOver->writes.size(), RegistryFailure{{}, why, 0});
        const FileResult written = replaceFileAtomically(
            folder / undo::kResultsFile, undo::resultsText(results), ".quorvex-results-");
        if (!written) {
            err << "quorvex: the results cannot be written: " << written.reason << '\n';
            return kExitFailure;
        }
        const bool all = std::all_of(results.begin(), results.end(),
                                     [](const auto& result) { return !result.has_value(); });
        return all ? kExitSuccess : kExitFailure;
    } catch (...) {
        err << "quorvex: the values could not be written\n";
        return kExitFailure;
    }
}

}  // namespace quorvex::cli
