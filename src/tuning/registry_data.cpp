#include "tuning/registry_data.h"

#include <algorithm>

#include "platform/ascii_case.h"

namespace quorvex {

namespace {

// Calls `part` for every component of a valid path, in order.
template <typename Part>
void forEachComponent(std::string_view path, Part&& part) {
    std::size_t pos = 0;
    while (true) {
        const std::size_t next = path.find('\\', pos);
        part(
            path.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos));
        if (next == std::string_view::npos) return;
        pos = next + 1;
    }
}

}  // namespace

bool validKeyPath(std::string_view path) {
    std::size_t depth = 1;
    std::size_t length = 0;
    for (const char c : path) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        if (c != '\\') {
            if (++length > kMaxKeyNameLength) return false;
            continue;
        }
        if (length == 0 || ++depth > kMaxKeyDepth) return false;
        length = 0;
    }
    return length > 0;
}

bool validValueName(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string RegistryData::fold(const std::string& text) {
    return asciiLower(text);
}

std::string RegistryData::childKey(std::size_t parent, std::string_view component) {
    std::string key = std::to_string(parent);
    key += '\\';
    key += fold(std::string(component));
    return key;
}

std::optional<std::size_t> RegistryData::find(Hive h, const std::string& path) const {
    if (!validKeyPath(path)) return std::nullopt;
    const auto& data = hive(h);
    std::size_t node = kTopLevel;
    bool found = true;
    forEachComponent(path, [&](std::string_view component) {
        if (!found) return;
        const auto it = data.children.find(childKey(node, component));
        if (it == data.children.end()) {
            found = false;
        } else {
            node = it->second;
        }
    });
    if (!found) return std::nullopt;
    return node;
}

void RegistryData::spelledPath(Hive h, std::size_t node, std::string& out) const {
    const auto& nodes = hive(h).nodes;
    std::vector<std::size_t> chain;
    for (std::size_t n = node; n != kTopLevel; n = nodes[n].parent) chain.push_back(n);
    out.clear();
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!out.empty()) out += '\\';
        out += nodes[*it].name;
    }
}

bool RegistryData::createKey(Hive h, const std::string& path) {
    if (!validKeyPath(path)) return false;
    auto& data = hive(h);
    bool added = false;
    std::size_t node = kTopLevel;
    forEachComponent(path, [&](std::string_view component) {
        auto [it, inserted] =
            data.children.try_emplace(childKey(node, component), data.nodes.size());
        if (inserted) {
            data.nodes.push_back(Node{std::string(component), node, {}, {}});
            added = true;
        }
        node = it->second;
    });
    return added;
}

bool RegistryData::hasKey(Hive h, const std::string& path) const {
    return find(h, path).has_value();
}

bool RegistryData::setValue(Hive h, const std::string& path, const std::string& name,
                            std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
    const auto node = find(h, path);
    if (!node) return false;
    Node& key = hive(h).nodes[*node];
    auto [it, inserted] = key.valueIndex.try_emplace(fold(name), key.values.size());
    if (inserted) {
        key.values.push_back(RegValue{name, type, bytes});
        return true;
    }
    RegValue& value = key.values[it->second];
    if (value.type == type && value.data == bytes) return false;
    value.type = type;
    value.data = bytes;
    return true;
}

bool RegistryData::removeValue(Hive h, const std::string& path, const std::string& name) {
    const auto node = find(h, path);
    if (!node) return false;
    Node& key = hive(h).nodes[*node];
    const auto it = key.valueIndex.find(fold(name));
    if (it == key.valueIndex.end()) return false;
    const std::size_t removed = it->second;
    key.values.erase(key.values.begin() + static_cast<std::ptrdiff_t>(removed));
    key.valueIndex.erase(it);
    // The values after it moved up by one.
    for (auto& [folded, position] : key.valueIndex)
        if (position > removed) --position;
    return true;
}

const RegValue* RegistryData::value(Hive h, const std::string& path,
                                    const std::string& name) const {
    const auto node = find(h, path);
    if (!node) return nullptr;
    const Node& key = hive(h).nodes[*node];
    const auto it = key.valueIndex.find(fold(name));
    return it == key.valueIndex.end() ? nullptr : &key.values[it->second];
}

std::optional<RegKeyData> RegistryData::key(Hive h, const std::string& path) const {
    const auto node = find(h, path);
    if (!node) return std::nullopt;
    RegKeyData key;
    spelledPath(h, *node, key.path);
    key.values = hive(h).nodes[*node].values;
    return key;
}

std::vector<RegKeyData> RegistryData::keys(Hive h) const {
    std::vector<RegKeyData> keys;
    keys.reserve(hive(h).nodes.size());
    forEachKey(h, [&](std::string_view path, const std::vector<RegValue>& values) {
        keys.push_back(RegKeyData{std::string(path), values});
    });
    return keys;
}

std::size_t RegistryData::keyCount(Hive h) const {
    return hive(h).nodes.size();
}

bool RegistryData::empty() const {
    return localMachine_.nodes.empty() && currentUser_.nodes.empty();
}

}  // namespace quorvex
