#pragma once

#include <cctype>
#include <string_view>

namespace quorvex::testing {

// Whether `text` is exactly one well-formed JSON value (RFC 8259), whitespace around it allowed.
class JsonSyntax {
  public:
    static bool wellFormed(std::string_view text) {
        JsonSyntax reader(text);
        reader.space();
        if (!reader.value()) return false;
        reader.space();
        return reader.pos_ == text.size();
    }

  private:
    explicit JsonSyntax(std::string_view text) : text_(text) {}
    bool more() const { return pos_ < text_.size(); }
    char peek() const { return more() ? text_[pos_] : '\0'; }
    void space() {
        while (more() && (peek() == ' ' || peek() == '\n' || peek() == '\r' || peek() == '\t'))
            ++pos_;
    }
    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }
    bool digits() {
        const std::size_t start = pos_;
        while (more() && std::isdigit(static_cast<unsigned char>(peek()))) ++pos_;
        return pos_ > start;
    }
    bool number() {
        if (peek() == '-') ++pos_;
        if (peek() == '0')
            ++pos_;
        else if (!digits())
            return false;
        if (peek() == '.' && (++pos_, !digits())) return false;
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-') ++pos_;
            if (!digits()) return false;
        }
        return true;
    }
    bool string() {
        if (peek() != '"') return false;
        ++pos_;
        while (more()) {
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') continue;
            const char e = peek();
            ++pos_;
            if (e == 'u') {
                for (int i = 0; i < 4; ++i, ++pos_)
                    if (!std::isxdigit(static_cast<unsigned char>(peek()))) return false;
            } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                return false;
            }
        }
        return false;
    }
    template <typename Item>
    bool sequence(char close, Item item) {
        ++pos_;
        space();
        if (peek() == close) return ++pos_, true;
        while (true) {
            space();
            if (!item()) return false;
            space();
            if (peek() == close) return ++pos_, true;
            if (peek() != ',') return false;
            ++pos_;
        }
    }
    bool value() {
        if (++depth_ > 64) return false;
        bool ok = false;
        switch (peek()) {
            case '{':
                ok = sequence('}', [this] {
                    if (!string()) return false;
                    space();
                    if (peek() != ':') return false;
                    ++pos_;
                    space();
                    return value();
                });
                break;
            case '[':
                ok = sequence(']', [this] { return value(); });
                break;
            case '"':
                ok = string();
                break;
            case 't':
                ok = literal("true");
                break;
            case 'f':
                ok = literal("false");
                break;
            case 'n':
                ok = literal("null");
                break;
            default:
                ok = number();
        }
        --depth_;
        return ok;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace quorvex::testing
