#include "tuning/registry_data.h"

#include "platform/ascii_case.h"

namespace quorvex {

bool RegistryData::createKey(Hive h, const std::string& path) {
    auto& data = hive(h);
    bool added = false;
    // Every prefix ending before a backslash is a parent; the path itself is the last one.
    std::size_t pos = 0;
    while (true) {
        const std::size_t next = path.find('\\', pos);
        const std::string prefix = next == std::string::npos ? path : path.substr(0, next);
        if (!prefix.empty()) {
            const std::string folded = asciiLower(prefix);
            if (!data.index.contains(folded)) {
                // Keep the spelling of parents already present in front of the new part.
                std::string spelled = prefix;
                const std::size_t cut = prefix.rfind('\\');
                if (cut != std::string::npos) {
                    const auto parent = data.index.find(asciiLower(prefix.substr(0, cut)));
                    if (parent != data.index.end())
                        spelled = data.keys[parent->second].path + prefix.substr(cut);
                }
                data.index.emplace(folded, data.keys.size());
                data.keys.push_back(RegKeyData{spelled, {}});
                added = true;
            }
        }
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    return added;
}

bool RegistryData::hasKey(Hive h, const std::string& path) const {
    return hive(h).index.contains(asciiLower(path));
}

RegKeyData* RegistryData::findKey(Hive h, const std::string& path) {
    auto& data = hive(h);
    auto it = data.index.find(asciiLower(path));
    return it == data.index.end() ? nullptr : &data.keys[it->second];
}

const RegKeyData* RegistryData::key(Hive h, const std::string& path) const {
    return const_cast<RegistryData*>(this)->findKey(h, path);
}

bool RegistryData::setValue(Hive h, const std::string& path, const std::string& name,
                            std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
    RegKeyData* key = findKey(h, path);
    if (!key) return false;
    const std::string folded = asciiLower(name);
    for (auto& value : key->values) {
        if (asciiLower(value.name) != folded) continue;
        if (value.type == type && value.data == bytes) return false;
        value.type = type;
        value.data = bytes;
        return true;
    }
    key->values.push_back(RegValue{name, type, bytes});
    return true;
}

const RegValue* RegistryData::value(Hive h, const std::string& path,
                                    const std::string& name) const {
    const RegKeyData* k = key(h, path);
    if (!k) return nullptr;
    const std::string folded = asciiLower(name);
    for (const auto& value : k->values)
        if (asciiLower(value.name) == folded) return &value;
    return nullptr;
}

const std::vector<RegKeyData>& RegistryData::keys(Hive h) const {
    return hive(h).keys;
}

bool RegistryData::empty() const {
    return localMachine_.keys.empty() && currentUser_.keys.empty();
}

}  // namespace quorvex
