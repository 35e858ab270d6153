#include "controls/property_bag.h"

#include "platform/ascii_case.h"

namespace quorvex {

const PropertyBag::Value* PropertyBag::find(std::string_view key) const {
    const auto it = values_.find(asciiLower(key));
    return it == values_.end() ? nullptr : &it->second.value;
}

bool PropertyBag::contains(std::string_view key) const {
    return find(key) != nullptr;
}

std::vector<std::string> PropertyBag::keys() const {
    std::vector<std::string> out;
    out.reserve(values_.size());
    for (const auto& [lower, entry] : values_) out.push_back(entry.key);
    return out;
}

std::int64_t PropertyBag::readInt(std::string_view key, std::int64_t fallback) const {
    const Value* v = find(key);
    if (v == nullptr) return fallback;
    if (const auto* i = std::get_if<std::int64_t>(v)) return *i;
    if (const auto* b = std::get_if<bool>(v)) return *b ? -1 : 0;
    return fallback;
}

bool PropertyBag::readBool(std::string_view key, bool fallback) const {
    const Value* v = find(key);
    if (v == nullptr) return fallback;
    if (const auto* b = std::get_if<bool>(v)) return *b;
    if (const auto* i = std::get_if<std::int64_t>(v)) return *i != 0;
    return fallback;
}

std::string PropertyBag::readText(std::string_view key, const std::string& fallback) const {
    const Value* v = find(key);
    if (v == nullptr) return fallback;
    if (const auto* s = std::get_if<std::string>(v)) return *s;
    return fallback;
}

void PropertyBag::write(std::string_view key, const Value& value, const Value& fallback) {
    if (value == fallback) {
        remove(key);
        return;
    }
    writeAlways(key, value);
}

void PropertyBag::writeAlways(std::string_view key, const Value& value) {
    auto& entry = values_[asciiLower(key)];
    if (entry.key.empty()) entry.key = std::string(key);
    entry.value = value;
}

void PropertyBag::remove(std::string_view key) {
    values_.erase(asciiLower(key));
}

}  // namespace quorvex
