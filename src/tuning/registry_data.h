#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tuning/registry_types.h"

namespace quorvex {

struct RegValue {
    std::string name;  // spelling first written; "" is the key's unnamed default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const RegValue&, const RegValue&) = default;
};

struct RegKeyData {
    std::string path;  // full path as first created, e.g. "System\CurrentControlSet\Services"
    std::vector<RegValue> values;  // in creation order
    friend bool operator==(const RegKeyData&, const RegKeyData&) = default;
};

// The Windows registry's own limits on a key path: a component of at most 255 characters and
// at most 512 levels. A path beyond them is refused, as the registry refuses it.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxKeyDepth = 512;

// A key path the registry and its file format can hold: components separated by single
// backslashes, none empty, none with a control character, within the limits above.
bool validKeyPath(std::string_view path);
// A value name the file format can hold on one line: no line break and no NUL.
bool validValueName(std::string_view name);

// Two hives of keys with the registry's naming rules: paths and names compare without regard
// to case and keep the spelling first created. Keys and values keep creation order, so that a
// saved store reads in the order the program wrote it. Each key holds only its own name, so
// memory grows with the text of the paths, not with their depth squared; values are found
// through an index, so a key with many values costs no more per value than one with few.
class RegistryData {
  public:
    // Creates the key and its missing parents; returns whether anything was added. An invalid
    // path (see validKeyPath) adds nothing.
    bool createKey(Hive hive, const std::string& path);
    bool hasKey(Hive hive, const std::string& path) const;
    // Creates or replaces the value; returns whether anything changed. The key must exist.
    bool setValue(Hive hive, const std::string& path, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data);
    // Removes the value; returns whether there was one.
    bool removeValue(Hive hive, const std::string& path, const std::string& name);
    const RegValue* value(Hive hive, const std::string& path, const std::string& name) const;
    // The key with its full path as first spelled, or nothing when it does not exist.
    std::optional<RegKeyData> key(Hive hive, const std::string& path) const;
    // Every key of the hive, parents before their children, in creation order.
    std::vector<RegKeyData> keys(Hive hive) const;
    std::size_t keyCount(Hive hive) const;
    // Visits every key of the hive as keys() lists them without copying the values.
    template <typename Visit>
    void forEachKey(Hive h, Visit&& visit) const {
        std::string path;
        for (std::size_t i = 0; i < hive(h).nodes.size(); ++i) {
            spelledPath(h, i, path);
            visit(std::string_view(path), hive(h).nodes[i].values);
        }
    }
    // Visits the keys a file must name so that reading it back creates the same keys in the
    // same order: every key but one without values whose next key is its child (naming the
    // child creates it in the same place). So each path is spelled once, not once more for every
    // key above it, and the text grows with the store's, not with its depth squared.
    template <typename Visit>
    void forEachKeyToName(Hive h, Visit&& visit) const {
        const auto& nodes = hive(h).nodes;
        std::string path;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].values.empty() && i + 1 < nodes.size() && nodes[i + 1].parent == i)
                continue;
            spelledPath(h, i, path);
            visit(std::string_view(path), nodes[i].values);
        }
    }
    bool empty() const;

    friend bool operator==(const RegistryData& a, const RegistryData& b) {
        return a.localMachine_ == b.localMachine_ && a.currentUser_ == b.currentUser_;
    }

    // Lower-case ASCII fold used for every comparison.
    static std::string fold(const std::string& text);

  private:
    static constexpr std::size_t kTopLevel = static_cast<std::size_t>(-1);
    struct Node {
        std::string name;  // this key's own component, as first spelled
        std::size_t parent = kTopLevel;
        std::vector<RegValue> values;
        std::unordered_map<std::string, std::size_t> valueIndex;  // folded name -> position
        friend bool operator==(const Node& a, const Node& b) {
            return a.name == b.name && a.parent == b.parent && a.values == b.values;
        }
    };
    struct HiveData {
        std::vector<Node> nodes;
        // Parent position and folded component -> position in nodes.
        std::unordered_map<std::string, std::size_t> children;
        friend bool operator==(const HiveData& a, const HiveData& b) { return a.nodes == b.nodes; }
    };
    HiveData& hive(Hive h) { return h == Hive::CurrentUser ? currentUser_ : localMachine_; }
    const HiveData& hive(Hive h) const {
        return h == Hive::CurrentUser ? currentUser_ : localMachine_;
    }
    static std::string childKey(std::size_t parent, std::string_view component);
    std::optional<std::size_t> find(Hive h, const std::string& path) const;
    void spelledPath(Hive h, std::size_t node, std::string& out) const;

    HiveData localMachine_;
    HiveData currentUser_;
};

}  // namespace quorvex
