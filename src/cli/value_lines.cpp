#include "cli/value_lines.h"

#include "cli/json_text.h"
#include "commands/value_text.h"
#include "tuning/registry_data.h"

namespace quorvex::cli {

std::optional<std::string> liveValueText(RegistryBackend& registry, Hive hive,
                                         const std::string& keyPath, const std::string& name) {
    RegValue value{name, 0, {}};
    if (registry.queryValue(hive, keyPath, name, value.type, value.data) != kRegOk)
        return std::nullopt;
    return valueText(value);
}

void ValueLineRecorder::beforeWrite(Hive hive, std::string_view keyPath,
                                    std::string_view valueName) {
    before_ = liveValueText(registry_, hive, std::string(keyPath), std::string(valueName));
}

void ValueLineRecorder::afterWrite(const ValueWrite& write) {
    ValueLine line{fullKeyName(write.hive, write.keyPath),
                   std::string(write.valueName),
                   std::move(before_),
                   valueText(write.intended),
                   doneStatus_,
                   std::nullopt};
    before_.reset();
    if (write.failure) {
        line.status = "failed";
        line.reason = failureText(*write.failure);
    }
    lines_.push_back(std::move(line));
}

void ValueLineRecorder::writesRefused(const RegistryFailure& failure) {
    for (auto& line : lines_) {
        line.status = "failed";
        line.reason = failureText(failure);
    }
}

void ValueLineRecorder::refusedAtCommit(const RefusedAtCommit& refusal) {
    const std::string key = fullKeyName(refusal.hive, refusal.keyPath);
    for (auto& line : lines_) {
        if (RegistryData::fold(line.key) != RegistryData::fold(key) ||
            RegistryData::fold(line.name) != RegistryData::fold(refusal.valueName))
            continue;
        line.status = "failed";
        line.reason = failureText(refusal.failure);
    }
}

void printValueLines(std::ostream& out, const std::vector<ValueLine>& lines) {
    for (const auto& line : lines) {
        out << line.key << ' ' << line.name << ": " << line.before.value_or("(none)") << " \u2192 "
            << line.after.value_or("(none)") << ", " << line.status;
        if (line.reason) out << ": " << *line.reason;
        out << '\n';
    }
}

std::string valueLinesJson(const std::vector<ValueLine>& lines) {
    std::string json = "[";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ValueLine& line = lines[i];
        if (i) json += ",";
        json += "{\"key\":" + jsonString(line.key) + ",\"name\":" + jsonString(line.name) +
                ",\"old\":" + jsonOptional(line.before) + ",\"new\":" + jsonOptional(line.after) +
                ",\"status\":" + jsonString(line.status) +
                ",\"reason\":" + jsonOptional(line.reason) + "}";
    }
    return json + "]";
}

std::string jsonArray(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) json += (i ? "," : "") + jsonString(texts[i]);
    return json + "]";
}

}  // namespace quorvex::cli
