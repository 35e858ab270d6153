#include "settings/ini_text.h"

#include <cstdint>
#include <unordered_map>

namespace quorvex {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool validUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0) return false;
        std::size_t extra = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= text.size()) return false;
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Keys and section names: letters, digits, "_", "-" and "." as they are, "/" and "\" swapped,
// every other byte as %XX.
std::string escapeKey(std::string_view key) {
    std::string out;
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '_' || c == '-' || c == '.') {
            out += c;
        } else if (c == '/') {
            out += '\\';
        } else if (c == '\\') {
            out += '/';
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        }
    }
    return out;
}

std::string unescapeKey(std::string_view key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        if (c == '\\') {
            out += '/';
        } else if (c == '/') {
            out += '\\';
        } else if (c == '%' && i + 2 < key.size() && isHexDigit(key[i + 1]) &&
                   isHexDigit(key[i + 2])) {
            out += static_cast<char>(hexValue(key[i + 1]) * 16 + hexValue(key[i + 2]));
            i += 2;
        } else if (c == '%' && i + 5 < key.size() && key[i + 1] == 'U' && isHexDigit(key[i + 2]) &&
                   isHexDigit(key[i + 3]) && isHexDigit(key[i + 4]) && isHexDigit(key[i + 5])) {
            std::uint32_t code = 0;
            for (std::size_t k = 2; k <= 5; ++k)
                code = code * 16 + static_cast<std::uint32_t>(hexValue(key[i + k]));
            appendUtf8(out, code);
            i += 5;
        } else {
            out += c;
        }
    }
    return out;
}

std::string escapeValue(std::string_view value) {
    std::string out;
    if (!value.empty() && value[0] == '@') out += '@';  // "@..." would read as a typed value
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(c)) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
            case '\0':
                out += "\\0";
                escapeNextIfDigit = true;
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\v':
                out += "\\v";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (u < 0x20) {
                    out += "\\x";
                    out += kHex[u >> 4];
                    out += kHex[u & 0xF];
                    escapeNextIfDigit = true;
                } else {
                    out += c;
                }
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = "\"" + out + "\"";
    return out;
}

// One value: quotes group, backslashes escape, an unquoted ";" starts a comment, unquoted
// commas separate list elements (joined back with ", "), unquoted spaces at either end of an
// element are dropped. Nothing for an unterminated quote or a dangling backslash.
std::optional<std::string> unescapeValue(std::string_view text) {
    std::vector<std::string> elements;
    std::string current;
    std::size_t kept = 0;  // length of `current` that trailing-space trimming must not cut
    bool inQuotes = false;
    bool started = false;
    const auto finish = [&] {
        std::size_t end = current.size();
        while (end > kept && current[end - 1] == ' ') --end;
        current.resize(end);
        elements.push_back(std::move(current));
        current.clear();
        kept = 0;
        started = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (++i >= text.size()) return std::nullopt;
            const char e = text[i];
            switch (e) {
                case 'a':
                    current += '\a';
                    break;
                case 'b':
                    current += '\b';
                    break;
                case 'f':
                    current += '\f';
                    break;
                case 'n':
                    current += '\n';
                    break;
                case 'r':
                    current += '\r';
                    break;
                case 't':
                    current += '\t';
                    break;
                case 'v':
                    current += '\v';
                    break;
                case 'x': {
                    std::uint32_t code = 0;
                    while (i + 1 < text.size() && isHexDigit(text[i + 1]) && code <= 0x10FFFF)
                        code = code * 16 + static_cast<std::uint32_t>(hexValue(text[++i]));
                    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
                    appendUtf8(current, code);
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        std::uint32_t code = static_cast<std::uint32_t>(e - '0');
                        while (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7' &&
                               code < 0x200000)
                            code = code * 8 + static_cast<std::uint32_t>(text[++i] - '0');
                        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                            return std::nullopt;
                        appendUtf8(current, code);
                    } else {
                        current += e;  // \" \' \\ \? and anything else stand for themselves
                    }
            }
            started = true;
            kept = current.size();
            continue;
        }
        if (c == '"') {
            inQuotes = !inQuotes;
            started = true;
            kept = current.size();
            continue;
        }
        if (inQuotes) {
            current += c;
            kept = current.size();
            continue;
        }
        if (c == ';') break;
        if (c == ',') {
            finish();
            continue;
        }
        if (c == ' ' && !started) continue;
        started = true;
        current += c;
    }
    if (inQuotes) return std::nullopt;
    finish();
    std::string value;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i) value += ", ";
        value += elements[i];
    }
    if (value.starts_with("@@")) value.erase(0, 1);
    return value;
}

std::string_view trim(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    const std::size_t end = text.find_last_not_of(" \t");
    return text.substr(start, end - start + 1);
}

}  // namespace

std::string formatIniText(const IniSections& sections) {
    std::string out;
    for (const auto& section : sections) {
        if (!out.empty()) out += '\n';
        out += '[';
        out += escapeKey(section.name);
        out += "]\n";
        for (const auto& [key, value] : section.entries) {
            out += escapeKey(key);
            out += '=';
            out += escapeValue(value);
            out += '\n';
        }
    }
    return out;
}

std::optional<IniSections> parseIniText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (!validUtf8(text)) return std::nullopt;
    IniSections sections;
    std::string section = "General";
    // Positions of sections and of keys within them, so a long file parses in linear time.
    std::unordered_map<std::string, std::size_t> sectionAt;
    std::unordered_map<std::string, std::size_t> entryAt;  // section position, NUL, key
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3) return std::nullopt;
            section = unescapeKey(trim(line.substr(1, line.size() - 2)));
            if (section.empty()) return std::nullopt;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string key = unescapeKey(trim(line.substr(0, equals)));
        if (key.empty()) return std::nullopt;
        auto value = unescapeValue(trim(line.substr(equals + 1)));
        if (!value) return std::nullopt;
        const auto [group, newGroup] = sectionAt.try_emplace(section, sections.size());
        if (newGroup) sections.push_back(IniSection{section, {}});
        auto& entries = sections[group->second].entries;
        std::string address = std::to_string(group->second);
        address += '\0';
        address += key;
        const auto [entry, newEntry] = entryAt.try_emplace(std::move(address), entries.size());
        if (newEntry) {
            entries.emplace_back(key, std::move(*value));
        } else {
            entries[entry->second].second = std::move(*value);
        }
    }
    return sections;
}

void setIniValue(IniSections& sections, const std::string& section, const std::string& key,
                 const std::string& value) {
    auto group = sections.begin();
    while (group != sections.end() && group->name != section) ++group;
    if (group == sections.end()) group = sections.insert(sections.end(), IniSection{section, {}});
    for (auto& entry : group->entries) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    group->entries.emplace_back(key, value);
}

const std::string* findIniValue(const IniSections& sections, const std::string& section,
                                const std::string& key) {
    for (const auto& group : sections) {
        if (group.name != section) continue;
        for (const auto& entry : group.entries)
            if (entry.first == key) return &entry.second;
    }
    return nullptr;
}

}  // namespace quorvex
