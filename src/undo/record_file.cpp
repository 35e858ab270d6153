#include "undo/record_file.h"

#include <cstdio>
#include <ctime>
#include <map>
#include <set>
#include <string_view>
#include <utility>

#include "tuning/reg_file_format.h"

namespace quorvex::undo {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kRecordedPrefix = "; Recorded: ";
constexpr const char* kSettingsRoot = "Software\\Quorvex\\";

// The registry editor's notation: a quoted string for one zero-terminated line of text,
// dword: for four bytes of REG_DWORD, hex(type): bytes for anything else, so that every value
// comes back with exactly its type and data.
std::string dataText(const RegValue& value) {
    const auto& bytes = value.data;
    bool printable = value.type == kRegSz && !bytes.empty() && bytes.back() == 0;
    for (std::size_t i = 0; printable && i + 1 < bytes.size(); ++i)
        printable = bytes[i] >= 0x20 && bytes[i] != 0x7F;
    char buffer[16];
    if (printable)
        return regQuoted(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size() - 1));
    if (value.type == kRegDword && bytes.size() == 4) {
        const std::uint32_t n = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    std::string out = buffer;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? ",%02x" : "%02x", bytes[i]);
        out += buffer;
    }
    return out;
}

std::string utcText(std::chrono::system_clock::time_point when) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(when);
    const auto day = std::chrono::floor<std::chrono::days>(seconds);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{seconds - day};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return buffer;
}

// The number of the digits text[at, at + count), or -1 when one of them is no digit.
int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Exactly utcText's form, digits where it writes digits: no sign, space or shorter field (the C
// library's scanf would take them, and with it 20 KB of Quorvex.exe).
std::optional<std::chrono::system_clock::time_point> parseUtc(std::string_view text) {
    constexpr std::string_view kForm = "0000-00-00T00:00:00Z";
    if (text.size() != kForm.size()) return std::nullopt;
    for (std::size_t i = 0; i < kForm.size(); ++i)
        if (kForm[i] != '0' && text[i] != kForm[i]) return std::nullopt;
    const int y = digitsAt(text, 0, 4), mo = digitsAt(text, 5, 2), d = digitsAt(text, 8, 2);
    const int h = digitsAt(text, 11, 2), mi = digitsAt(text, 14, 2), s = digitsAt(text, 17, 2);
    if (y < 0 || mo < 0 || d < 0) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{y},
                                           std::chrono::month{static_cast<unsigned>(mo)},
                                           std::chrono::day{static_cast<unsigned>(d)}};
    if (!date.ok() || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 || s < 0) return std::nullopt;
    const std::chrono::sys_seconds when = std::chrono::sys_days{date} + std::chrono::hours{h} +
                                          std::chrono::minutes{mi} + std::chrono::seconds{s};
    // A system clock of nanoseconds spans only the years 1677 to 2262: a moment outside its
    // range is no record of ours, and converting it would overflow.
    using Clock = std::chrono::system_clock;
    constexpr auto earliest = std::chrono::ceil<std::chrono::seconds>(Clock::time_point::min());
    constexpr auto latest = std::chrono::floor<std::chrono::seconds>(Clock::time_point::max());
    if (when < earliest || when > latest) return std::nullopt;
    return Clock::time_point(when);
}

struct Section {
    Hive hive;
    std::string path;
    std::vector<std::string> lines;
};

// Adds a line under the section of (hive, path), opening the section on first use.
void addLine(std::vector<Section>& sections, Hive hive, const std::string& path, std::string line) {
    for (auto& section : sections) {
        if (section.hive == hive && RegistryData::fold(section.path) == RegistryData::fold(path)) {
            section.lines.push_back(std::move(line));
            return;
        }
    }
    sections.push_back({hive, path, {std::move(line)}});
}

std::string valueLine(const std::string& name, const std::optional<RegValue>& value) {
    return regQuoted(name) + "=" + (value ? dataText(*value) : std::string("-"));
}

using Folded = std::pair<std::string, std::string>;  // folded "HIVE\path", folded name

Folded folded(Hive hive, const std::string& path, const std::string& name) {
    return {RegistryData::fold(std::string(hiveName(hive)) + "\\" + path),
            RegistryData::fold(name)};
}

// The name of a line "Name"=-, or nothing for any other line.
std::optional<std::string> absentName(std::string_view line) {
    if (line.size() < 5 || line.front() != '"' || !line.ends_with("\"=-")) return std::nullopt;
    const std::string_view inner = line.substr(1, line.size() - 4);
    std::string name;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        char c = inner[i];
        if (c == '"') return std::nullopt;
        if (c == '\\') {
            if (++i >= inner.size() || (inner[i] != '\\' && inner[i] != '"')) return std::nullopt;
            c = inner[i];
        }
        name += c;
    }
    return name;
}

// What the text holds besides what the registry editor's format says: the values marked
// absent and the recorded moment. `plain` gets the text without them.
struct Extras {
    std::set<Folded> absent;
    std::optional<std::chrono::system_clock::time_point> recorded;
    bool malformed = false;
    std::string plain;
};

Extras takeExtras(const std::string& text) {
    Extras extras;
    std::string section;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        bool keep = true;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = RegistryData::fold(std::string(line.substr(1, line.size() - 2)));
        } else if (line.starts_with(kRecordedPrefix)) {
            if (extras.recorded) extras.malformed = true;
            extras.recorded = parseUtc(line.substr(kRecordedPrefix.size()));
            if (!extras.recorded) extras.malformed = true;
        } else if (const auto name = absentName(line)) {
            keep = false;
            if (section.empty() ||
                !extras.absent.insert({section, RegistryData::fold(*name)}).second)
                extras.malformed = true;
        }
        if (keep) {
            extras.plain.append(line);
            extras.plain += '\n';
        }
        pos = end + 1;
    }
    return extras;
}

}  // namespace

std::string formatRecordFile(const ChangeRecord& record) {
    std::vector<Section> sections;
    for (const auto& value : record.values)
        addLine(sections, value.address.hive, value.address.keyPath,
                valueLine(value.address.valueName, value.value));
    for (const auto& setting : record.settings) {
        std::optional<RegValue> text;
        if (setting.text) {
            RegValue v{setting.address.key, kRegSz, {setting.text->begin(), setting.text->end()}};
            v.data.push_back(0);
            text = std::move(v);
        } else if (setting.other) {
            text = *setting.other;
            text->name = setting.address.key;
        }
        addLine(sections, Hive::CurrentUser, kSettingsRoot + setting.address.section,
                valueLine(setting.address.key, text));
    }

    std::string out = "REGEDIT4";
    out += kEol;
    out += kEol;
    out += "; Quorvex undo record: the tuning values and Quorvex's own settings as they were at";
    out += kEol;
    out += "; the moment below. A value written as =- did not exist then.";
    out += kEol;
    out += kRecordedPrefix;
    out += utcText(record.recorded);
    out += kEol;
    for (const auto& section : sections) {
        out += kEol;
        out += "[";
        out += hiveName(section.hive);
        out += "\\";
        out += section.path;
        out += "]";
        out += kEol;
        for (const auto& line : section.lines) {
            out += line;
            out += kEol;
        }
    }
    return out;
}

std::optional<ChangeRecord> parseRecordFile(const std::string& text) {
    const Extras extras = takeExtras(text);
    if (!extras.recorded || extras.malformed) return std::nullopt;
    const auto data = parseRegFile(extras.plain);
    if (!data) return std::nullopt;

    std::map<Folded, RegValue> present;
    for (Hive hive : {Hive::LocalMachine, Hive::CurrentUser})
        for (const auto& key : data->keys(hive))
            for (const auto& value : key.values)
                present.emplace(folded(hive, key.path, value.name), value);

    // Each tracked entry must be in the file exactly once: as a value or marked absent.
    std::size_t matched = 0;
    const auto find = [&](const Folded& address) -> std::optional<const RegValue*> {
        const auto it = present.find(address);
        const bool absent = extras.absent.contains(address);
        if ((it != present.end()) == absent) return std::nullopt;
        ++matched;
        return absent ? nullptr : &it->second;
    };

    ChangeRecord record;
    record.recorded = *extras.recorded;
    for (const auto& address : trackedValues()) {
        const auto found = find(folded(address.hive, address.keyPath, address.valueName));
        if (!found) return std::nullopt;
        record.values.push_back(
            {address, *found ? std::optional<RegValue>(**found) : std::nullopt});
    }
    for (const auto& address : trackedSettings()) {
        const auto found =
            find(folded(Hive::CurrentUser, kSettingsRoot + address.section, address.key));
        if (!found) return std::nullopt;
        RecordedSetting setting{address, {}, {}};
        if (const RegValue* value = *found) {
            // Text is what Quorvex writes; anything else was put there by hand and goes back so.
            if (value->type == kRegSz && !value->data.empty() && value->data.back() == 0)
                setting.text.emplace(value->data.begin(), value->data.end() - 1);
            else
                setting.other = *value;
        }
        record.settings.push_back(std::move(setting));
    }
    // Anything else in the file is not Quorvex's to write.
    if (matched != present.size() + extras.absent.size()) return std::nullopt;
    return record;
}

}  // namespace quorvex::undo
