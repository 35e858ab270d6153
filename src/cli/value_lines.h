#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "commands/value_write_observer.h"
#include "tuning/registry_backend.h"

namespace quorvex::cli {

// One value of a command's run as the command line reports it.
struct ValueLine {
    std::string key;  // "HKEY_LOCAL_MACHINE\System\..."
    std::string name;
    std::optional<std::string> before;  // nothing: the value did not exist
    std::optional<std::string> after;   // nothing: the value is removed (or was not prepared)
    std::string status;                 // "written", "would change", "failed"...
    std::optional<std::string> reason;  // for "failed": the system's words
    bool failed() const { return reason.has_value(); }
};

// Collects a line for every value a command writes or puts back, with the value it held
// before (read from the registry just before the write).
class ValueLineRecorder : public ValueWriteObserver {
  public:
    ValueLineRecorder(RegistryBackend& registry, std::string doneStatus)
        : registry_(registry), doneStatus_(std::move(doneStatus)) {}
    void beforeWrite(Hive hive, std::string_view keyPath, std::string_view valueName) override;
    void afterWrite(const ValueWrite& write) override;
    void writesRefused(const RegistryFailure& failure) override;
    void refusedAtCommit(const RefusedAtCommit& refusal) override;
    const std::vector<ValueLine>& lines() const { return lines_; }

  private:
    RegistryBackend& registry_;
    std::string doneStatus_;
    std::optional<std::string> before_;
    std::vector<ValueLine> lines_;
};

// The live value, as valueText shows it; nothing when it does not exist or cannot be read.
std::optional<std::string> liveValueText(RegistryBackend& registry, Hive hive,
                                         const std::string& keyPath, const std::string& name);

// "KEY NAME: before → after, status[: reason]" for each line.
void printValueLines(std::ostream& out, const std::vector<ValueLine>& lines);
// The lines as a JSON array of objects.
std::string valueLinesJson(const std::vector<ValueLine>& lines);
// Strings as a JSON array.
std::string jsonArray(const std::vector<std::string>& texts);

}  // namespace quorvex::cli
