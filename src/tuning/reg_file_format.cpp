#include "tuning/reg_file_format.h"

#include "platform/ascii_case.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace quorvex {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kEol = "\r\n";

// A REG_SZ value prints as a quoted string when it is one zero-terminated line of text.
bool printableString(const RegValue& value) {
    if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i)
        if (value.data[i] < 0x20 || value.data[i] == 0x7F) return false;
    return true;
}

std::string dataText(const RegValue& value) {
    char buffer[16];
    if (printableString(value))
        return regQuoted(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                          value.data.size() - 1));
    if (value.type == kRegDword && value.data.size() == 4) {
        const std::uint32_t n = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                (static_cast<std::uint32_t>(value.data[3]) << 24);
        std::snprintf(buffer, sizeof buffer, "%08x", n);
        return std::string("dword:") + buffer;
    }
    std::string out;
    if (value.type == 3) {
        out = "hex:";
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
        out = buffer;
    }
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? ",%02x" : "%02x", value.data[i]);
        out += buffer;
    }
    return out;
}

bool parseHive(std::string_view name, Hive& hive) {
    if (equalsIgnoringAsciiCase(name, "HKEY_LOCAL_MACHINE")) {
        hive = Hive::LocalMachine;
        return true;
    }
    if (equalsIgnoringAsciiCase(name, "HKEY_CURRENT_USER")) {
        hive = Hive::CurrentUser;
        return true;
    }
    return false;
}

// Reads a quoted string at text[pos]; leaves pos after the closing quote.
bool parseQuoted(std::string_view text, std::size_t& pos, std::string& out) {
    if (pos >= text.size() || text[pos] != '"') return false;
    ++pos;
    out.clear();
    while (pos < text.size()) {
        char c = text[pos++];
        if (c == '"') return true;
        if (c == '\\') {
            if (pos >= text.size()) return false;
            c = text[pos++];
            if (c != '\\' && c != '"') return false;
        }
        out += c;
    }
    return false;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool parseHexBytes(std::string_view text, std::vector<std::uint8_t>& out) {
    out.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos + 2 > text.size()) return false;
        const int hi = hexDigit(text[pos]), lo = hexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        pos += 2;
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos < text.size()) {
            if (text[pos] != ',') return false;
            ++pos;
        }
    }
    return true;
}

bool parseData(std::string_view text, RegValue& value) {
    if (!text.empty() && text[0] == '"') {
        std::size_t pos = 0;
        std::string s;
        if (!parseQuoted(text, pos, s) || pos != text.size()) return false;
        value.type = kRegSz;
        value.data.assign(s.begin(), s.end());
        value.data.push_back(0);
        return true;
    }
    if (text.starts_with("dword:")) {
        const std::string_view digits = text.substr(6);
        if (digits.size() != 8) return false;
        std::uint32_t n = 0;
        for (char c : digits) {
            const int d = hexDigit(c);
            if (d < 0) return false;
            n = n * 16 + static_cast<std::uint32_t>(d);
        }
        value.type = kRegDword;
        value.data = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                      static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
        return true;
    }
    if (text.starts_with("hex:")) {
        value.type = 3;
        return parseHexBytes(text.substr(4), value.data);
    }
    if (text.starts_with("hex(")) {
        const std::size_t close = text.find("):");
        if (close == std::string_view::npos || close == 4) return false;
        std::uint32_t type = 0;
        for (char c : text.substr(4, close - 4)) {
            const int d = hexDigit(c);
            if (d < 0 || type > 0x0FFFFFFF) return false;
            type = type * 16 + static_cast<std::uint32_t>(d);
        }
        value.type = type;
        return parseHexBytes(text.substr(close + 2), value.data);
    }
    return false;
}

// The lines of the text without their ends (LF or CR LF).
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

std::string_view trimLeft(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

}  // namespace

std::optional<std::string> formatRegFile(const RegistryData& data, std::size_t maxBytes) {
    std::string out(kHeader);
    out += kEol;
    bool fits = true;
    for (Hive hive : {Hive::LocalMachine, Hive::CurrentUser}) {
        data.forEachKeyToName(
            hive, [&](std::string_view path, const std::vector<RegValue>& values) {
                if (!fits) return;
                out += kEol;
                out += '[';
                out += hiveName(hive);
                out += '\\';
                out += path;
                out += ']';
                out += kEol;
                for (const auto& value : values) {
                    out += value.name.empty() ? std::string("@") : regQuoted(value.name);
                    out += '=';
                    out += dataText(value);
                    out += kEol;
                }
                fits = out.size() <= maxBytes;
            });
    }
    if (!fits) return std::nullopt;
    return out;
}

std::string formatRegFile(const RegistryData& data) {
    return *formatRegFile(data, std::string().max_size());
}

std::optional<RegistryData> parseRegFile(std::string_view text) {
    const auto lines = splitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && lines[i].empty()) ++i;
    std::string_view first = i < lines.size() ? lines[i] : std::string_view{};
    if (first.starts_with("\xEF\xBB\xBF")) first.remove_prefix(3);
    if (first != kHeader) return std::nullopt;

    RegistryData data;
    bool inKey = false;
    Hive hive = Hive::LocalMachine;
    std::string path;
    for (++i; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.back() != ']') return std::nullopt;
            const std::string_view inner = line.substr(1, line.size() - 2);
            const std::size_t slash = inner.find('\\');
            if (slash == std::string_view::npos) return std::nullopt;
            if (!parseHive(inner.substr(0, slash), hive)) return std::nullopt;
            path = std::string(inner.substr(slash + 1));
            // A path the registry could not hold makes the whole file unusable.
            if (!validKeyPath(path)) return std::nullopt;
            data.createKey(hive, path);
            inKey = true;
            continue;
        }
        if (!inKey) return std::nullopt;
        RegValue value;
        std::size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (!parseQuoted(line, pos, value.name) || !validValueName(value.name)) {
            return std::nullopt;
        }
        if (pos >= line.size() || line[pos] != '=') return std::nullopt;
        std::string_view dataPart = line.substr(pos + 1);
        std::string joined;
        // A hex list may go on over any number of lines, each but the last ending in a backslash.
        if (dataPart.starts_with("hex") && dataPart.ends_with('\\')) {
            joined = std::string(dataPart);
            while (!joined.empty() && joined.back() == '\\' && i + 1 < lines.size()) {
                joined.pop_back();
                joined += trimLeft(lines[++i]);
            }
            dataPart = joined;
        }
        if (!parseData(dataPart, value)) return std::nullopt;
        data.setValue(hive, path, value.name, value.type, value.data);
    }
    return data;
}

std::string regQuoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace quorvex
