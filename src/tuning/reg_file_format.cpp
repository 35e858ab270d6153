#include "tuning/reg_file_format.h"

#include "platform/ascii_case.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace quorvex {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kEol = "\r\n";

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

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
        return quoted(std::string_view(reinterpret_cast<const char*>(value.data.data()),
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

std::vector<std::string> logicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A hex list may continue on the next line after a trailing backslash.
        if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            line.pop_back();
            current += line;
        } else if (!current.empty()) {
            std::size_t start = line.find_first_not_of(" \t");
            current += start == std::string::npos ? std::string{} : line.substr(start);
            lines.push_back(std::move(current));
            current.clear();
        } else {
            lines.push_back(std::move(line));
        }
        pos = end + 1;
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

}  // namespace

std::string formatRegFile(const RegistryData& data) {
    std::string out(kHeader);
    out += kEol;
    for (Hive hive : {Hive::LocalMachine, Hive::CurrentUser}) {
        for (const auto& key : data.keys(hive)) {
            out += kEol;
            out += '[';
            out += hiveName(hive);
            out += '\\';
            out += key.path;
            out += ']';
            out += kEol;
            for (const auto& value : key.values) {
                out += value.name.empty() ? std::string("@") : quoted(value.name);
                out += '=';
                out += dataText(value);
                out += kEol;
            }
        }
    }
    return out;
}

std::optional<RegistryData> parseRegFile(const std::string& text) {
    const auto lines = logicalLines(text);
    std::size_t i = 0;
    while (i < lines.size() && lines[i].empty()) ++i;
    std::string first = i < lines.size() ? lines[i] : std::string{};
    if (first.size() >= 3 && first.compare(0, 3, "\xEF\xBB\xBF") == 0) first.erase(0, 3);
    if (first != kHeader) return std::nullopt;

    RegistryData data;
    bool inKey = false;
    Hive hive = Hive::LocalMachine;
    std::string path;
    for (++i; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.back() != ']') return std::nullopt;
            const std::string inner = line.substr(1, line.size() - 2);
            const std::size_t slash = inner.find('\\');
            if (slash == std::string::npos || slash + 1 >= inner.size()) return std::nullopt;
            if (!parseHive(std::string_view(inner).substr(0, slash), hive)) return std::nullopt;
            path = inner.substr(slash + 1);
            if (path.back() == '\\' || path.find("\\\\") != std::string::npos) return std::nullopt;
            data.createKey(hive, path);
            inKey = true;
            continue;
        }
        if (!inKey) return std::nullopt;
        RegValue value;
        std::size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (!parseQuoted(line, pos, value.name)) {
            return std::nullopt;
        }
        if (pos >= line.size() || line[pos] != '=') return std::nullopt;
        if (!parseData(std::string_view(line).substr(pos + 1), value)) return std::nullopt;
        data.setValue(hive, path, value.name, value.type, value.data);
    }
    return data;
}

}  // namespace quorvex
