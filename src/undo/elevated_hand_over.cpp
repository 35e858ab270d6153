#include "undo/elevated_hand_over.h"

#include <algorithm>
#include <charconv>

#include "tuning/elevated_rows_backend.h"
#include "tuning/registry_batch.h"
#include "tuning/registry_data.h"
#include "undo/registry_values.h"
#include "undo/tracked_values.h"

namespace quorvex::undo {

namespace {

constexpr std::string_view kHandOverHeader = "quorvex hand-over 1";
constexpr std::string_view kResultsHeader = "quorvex results 1";
constexpr std::string_view kEnd = "end";
// The highest registry type there is (REG_QWORD).
constexpr std::uint32_t kMaxRegType = 11;
constexpr std::size_t kMaxReasonBytes = 1024;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// The lines of a text that ends with a line break, or nothing.
std::optional<std::vector<std::string_view>> linesOf(std::string_view text) {
    if (text.empty() || text.back() != '\n') return std::nullopt;
    text.remove_suffix(1);
    return split(text, '\n');
}

template <typename Number>
bool parseNumber(std::string_view text, Number& number) {
    if (text.empty() || text.size() > 11) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number, 10);
    return ec == std::errc{} && end == text.data() + text.size();
}

std::string hex(const std::vector<std::uint8_t>& data) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(data.size() * 2);
    for (const std::uint8_t byte : data) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::vector<std::uint8_t>> bytesOf(std::string_view text) {
    if (text.size() % 2 != 0 || text.size() / 2 > kMaxHandedDataBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::optional<Hive> hiveNamed(std::string_view name) {
    if (name == hiveName(Hive::LocalMachine)) return Hive::LocalMachine;
    if (name == hiveName(Hive::CurrentUser)) return Hive::CurrentUser;
    return std::nullopt;
}

// One write line: "set", hive, key, name, type, data; or "delete", hive, key, name.
std::optional<HeldBackWrite> parseWrite(std::string_view line, std::string& error) {
    const auto fields = split(line, '\t');
    const bool set = fields.size() == 6 && fields[0] == "set";
    const bool remove = fields.size() == 4 && fields[0] == "delete";
    if (!set && !remove) {
        error = "a line is neither a value to set nor one to delete";
        return std::nullopt;
    }
    const auto hive = hiveNamed(fields[1]);
    if (!hive || !mayHandOver(*hive, fields[2], fields[3])) {
        error = "a value is not one that needs administrator rights to be tuned";
        return std::nullopt;
    }
    HeldBackWrite write{*hive, std::string(fields[2]), std::string(fields[3]), remove, 0, {}};
    if (set) {
        auto bytes = bytesOf(fields[5]);
        if (!parseNumber(fields[4], write.type) || write.type > kMaxRegType || !bytes) {
            error = "a value's type or data is not readable";
            return std::nullopt;
        }
        write.data = std::move(*bytes);
    }
    return write;
}

// Reasons travel on one line of bounded length.
std::string oneLine(std::string text) {
    if (text.size() > kMaxReasonBytes) text.resize(kMaxReasonBytes);
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }, ' ');
    return text;
}

}  // namespace

bool validUserSid(std::string_view sid) {
    if (sid.size() > 184 || sid.substr(0, 4) != "S-1-") return false;
    const auto parts = split(sid.substr(4), '-');
    if (parts.size() < 2 || parts.size() > 16) return false;
    return std::all_of(parts.begin(), parts.end(), [](std::string_view part) {
        return !part.empty() && part.size() <= 15 &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    });
}

bool mayHandOver(Hive hive, std::string_view keyPath, std::string_view valueName) {
    if (!needsAdministrator(hive, keyPath)) return false;
    const ValueAddress wanted{hive, std::string(keyPath), std::string(valueName)};
    const auto& values = trackedValues();
    return std::any_of(values.begin(), values.end(),
                       [&](const ValueAddress& value) { return sameValue(value, wanted); });
}

std::string handOverText(const HandOver& handOver) {
    std::string text = std::string(kHandOverHeader) + "\nuser\t" + handOver.userSid + "\n";
    for (const auto& write : handOver.writes) {
        text += std::string(write.remove ? "delete" : "set") + "\t" + hiveName(write.hive) + "\t" +
                write.keyPath + "\t" + write.valueName;
        if (!write.remove) text += "\t" + std::to_string(write.type) + "\t" + hex(write.data);
        text += "\n";
    }
    return text + std::string(kEnd) + "\n";
}

std::optional<HandOver> parseHandOver(std::string_view text, std::string& error) {
    if (text.size() > kMaxHandOverBytes) {
        error = "the hand-over is too large";
        return std::nullopt;
    }
    const auto lines = linesOf(text);
    // Header, user, at least one write, end.
    if (!lines || lines->size() < 4 || lines->front() != kHandOverHeader || lines->back() != kEnd) {
        error = "the hand-over is not whole";
        return std::nullopt;
    }
    const auto user = split((*lines)[1], '\t');
    if (user.size() != 2 || user[0] != "user" || !validUserSid(user[1])) {
        error = "the hand-over names no valid user";
        return std::nullopt;
    }
    if (lines->size() - 3 > kMaxHandedWrites) {
        error = "the hand-over names too many values";
        return std::nullopt;
    }
    HandOver handOver{std::string(user[1]), {}};
    for (std::size_t i = 2; i + 1 < lines->size(); ++i) {
        auto write = parseWrite((*lines)[i], error);
        if (!write) return std::nullopt;
        handOver.writes.push_back(std::move(*write));
    }
    return handOver;
}

std::string resultsText(const HeldBackResults& results) {
    std::string text = std::string(kResultsHeader) + "\n";
    for (const auto& result : results) {
        if (!result)
            text += "ok\n";
        else
            text +=
                "failed\t" + std::to_string(result->status) + "\t" + oneLine(result->reason) + "\n";
    }
    return text + std::string(kEnd) + "\n";
}

std::optional<HeldBackResults> parseResults(std::string_view text, std::size_t expected) {
    const auto lines = linesOf(text);
    if (!lines || lines->size() != expected + 2 || lines->front() != kResultsHeader ||
        lines->back() != kEnd)
        return std::nullopt;
    HeldBackResults results;
    for (std::size_t i = 1; i + 1 < lines->size(); ++i) {
        const std::string_view line = (*lines)[i];
        if (line == "ok") {
            results.emplace_back();
            continue;
        }
        const auto fields = split(line, '\t');
        long status = 0;
        if (fields.size() != 3 || fields[0] != "failed" || !parseNumber(fields[1], status) ||
            fields[2].size() > kMaxReasonBytes)
            return std::nullopt;
        results.push_back(RegistryFailure{{}, std::string(fields[2]), status});
    }
    return results;
}

HeldBackResults makeHandedWrites(RegistryBackend& registry,
                                 const std::vector<HeldBackWrite>& writes) {
    RegistryBatch batch(registry);
    HeldBackResults results;
    for (const auto& write : writes) {
        const ValueAddress address{write.hive, write.keyPath, write.valueName};
        std::optional<RegValue> value;
        if (!write.remove) value = RegValue{write.valueName, write.type, write.data};
        RegistryFailure why{{}, "the value could not be written", 0};
        bool done = false;
        try {
            done = putValueBack(registry, address, value, &why);
        } catch (...) {
        }
        results.push_back(done ? std::nullopt : std::optional(why));
    }
    if (batch.commit() != kRegOk) return refuseAll(writes.size(), batch.failure());
    return results;
}

}  // namespace quorvex::undo
