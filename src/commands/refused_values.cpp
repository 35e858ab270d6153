#include "commands/refused_values.h"

#include <algorithm>

namespace quorvex {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// "a", "a and b", "a, b and c", "a, b, c and 4 more": a long list stays readable.
std::string listed(const std::vector<std::string>& items) {
    const std::size_t named = std::min(items.size(), kNamedRefusals);
    std::string text;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) text += i + 1 == named && named == items.size() ? " and " : ", ";
        text += items[i];
    }
    if (items.size() > named) text += " and " + std::to_string(items.size() - named) + " more";
    return text;
}

template <typename Part>
bool allAlike(const std::vector<RefusedValue>& refused, Part part) {
    return std::all_of(refused.begin(), refused.end(), [&](const RefusedValue& value) {
        return part(value.failure) == part(refused.front().failure);
    });
}

std::string fileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool administratorWouldHelp(const std::vector<RefusedValue>& refused, bool elevated) {
    if (elevated || refused.empty()) return false;
    return std::all_of(refused.begin(), refused.end(), [](const RefusedValue& value) {
        return value.failure.location.empty() && value.failure.status == kRegAccessDenied;
    });
}

std::string refusedValuesMessage(const ValuesWording& wording, std::size_t total,
                                 const std::vector<RefusedValue>& refused, bool elevated) {
    std::string text = std::to_string(refused.size()) + " of the " + std::to_string(total) + " " +
                       std::string(wording.values) + " could not be " + std::string(wording.done);
    if (administratorWouldHelp(refused, elevated))
        return text + ". Run Quorvex as administrator and try again.";
    if (refused.empty()) return text + ".";

    const auto location = [](const RegistryFailure& f) { return f.location; };
    const bool oneFile = !refused.front().failure.location.empty() && allAlike(refused, location);
    if (oneFile) text += " " + std::string(wording.inFile) + " " + refused.front().failure.location;
    if (allAlike(refused, [](const RegistryFailure& f) { return f.reason; })) {
        // Naming every one of them would only list them all.
        if (refused.size() < total) {
            std::vector<std::string> names;
            for (const auto& value : refused) names.push_back(quoted(value.valueName));
            text += " (" + listed(names) + ")";
        }
        return text + ": " + refused.front().failure.reason + ".";
    }
    std::vector<std::string> items;
    for (const auto& value : refused) {
        const RegistryFailure& failure = value.failure;
        const std::string where =
            oneFile || failure.location.empty() ? std::string() : failure.location + ": ";
        items.push_back(quoted(value.valueName) + " (" + where + failure.reason + ")");
    }
    return text + ": " + listed(items) + ".";
}

std::string carryToWindowsMessage(const ValuesWording& wording, std::size_t total,
                                  const std::string& file) {
    return "The " + std::to_string(total) + " " + std::string(wording.values) + " were " +
           std::string(wording.done) + " " + std::string(wording.inFile) + " " + file +
           ". They take effect only in a Windows registry: copy the file to the Windows computer "
           "and double-click it there, or run \"reg import " +
           fileName(file) + "\" there as administrator; then restart that computer.";
}

}  // namespace quorvex
