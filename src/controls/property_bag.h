#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quorvex {

// The persisted design-time properties of an owner-drawn control: named values whose keys match
// without regard to letter case. Fonts are kept as their text description, pictures as encoded
// image bytes (an empty text is "none").
class PropertyBag {
  public:
    using Value = std::variant<std::int64_t, bool, std::string>;

    bool contains(std::string_view key) const;
    std::size_t size() const { return values_.size(); }
    // Keys as first written, in case-insensitive order.
    std::vector<std::string> keys() const;

    // Reading gives the default when the key is absent or holds another kind of value.
    std::int64_t readInt(std::string_view key, std::int64_t fallback) const;
    bool readBool(std::string_view key, bool fallback) const;
    std::string readText(std::string_view key, const std::string& fallback) const;

    // Stores the value, or removes the key when it equals the default, so that only values that
    // differ from their default are kept.
    void write(std::string_view key, const Value& value, const Value& fallback);
    // Stores the value whatever it is.
    void writeAlways(std::string_view key, const Value& value);
    void remove(std::string_view key);

    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

  private:
    const Value* find(std::string_view key) const;

    struct Entry {
        std::string key;
        Value value;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::map<std::string, Entry> values_;  // by lower-cased key
};

}  // namespace quorvex
