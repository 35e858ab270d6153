#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {

// A setting stored as something other than text (a number or bytes that another program or a
// person put in the registry): its registry type and bytes, kept so that it can be put back.
struct OtherSetting {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const OtherSetting&, const OtherSetting&) = default;
};

// The per-user store of the program's own settings: text values addressed by section and key,
// for the one application "Quorvex". Keys are names ("10" is not "1"). Implementations keep
// what they are given until flush() makes it last; a refused write is reported by the return
// value only, never by an exception.
class SettingsStorage {
  public:
    virtual ~SettingsStorage() = default;
    // The stored text, or nothing when the key is missing (or the store cannot be read).
    virtual std::optional<std::string> read(const std::string& section,
                                            const std::string& key) const = 0;
    // Creates the section and key when missing, replaces the value otherwise.
    virtual bool write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // Makes every write so far last; false when the store could not be saved.
    virtual bool flush() = 0;
    // Removes the key; true also when there was none. Only putting back an undo record
    // removes keys (to bring back a store in which they were missing).
    virtual bool remove(const std::string& section, const std::string& key) = 0;
    // The setting when it is stored as something other than text; stores that hold only text
    // have none.
    virtual std::optional<OtherSetting> readOther(const std::string& section,
                                                  const std::string& key) const {
        (void)section;
        (void)key;
        return std::nullopt;
    }
    // Stores exactly that type and data (putting back an undo record); false where the store
    // holds only text.
    virtual bool writeOther(const std::string& section, const std::string& key,
                            const OtherSetting& value) {
        (void)section;
        (void)key;
        (void)value;
        return false;
    }
};

// A store held in memory, for tests and benchmarks; it can be made to refuse writes.
class MemorySettingsStorage : public SettingsStorage {
  public:
    using Address = std::pair<std::string, std::string>;  // section, key

    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override {
        auto it = values_.find({section, key});
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override {
        if (refuse_) return false;
        values_[{section, key}] = value;
        others_.erase({section, key});
        ++writes_;
        return true;
    }
    bool flush() override {
        ++flushes_;
        return !refuse_;
    }
    bool remove(const std::string& section, const std::string& key) override {
        if (refuse_) return false;
        values_.erase({section, key});
        others_.erase({section, key});
        return true;
    }
    std::optional<OtherSetting> readOther(const std::string& section,
                                          const std::string& key) const override {
        auto it = others_.find({section, key});
        if (it == others_.end()) return std::nullopt;
        return it->second;
    }
    bool writeOther(const std::string& section, const std::string& key,
                    const OtherSetting& value) override {
        if (refuse_) return false;
        values_.erase({section, key});
        others_[{section, key}] = value;
        return true;
    }

    void refuseWrites(bool refuse = true) { refuse_ = refuse; }
    const std::map<Address, std::string>& values() const { return values_; }
    int writes() const { return writes_; }
    int flushes() const { return flushes_; }

  private:
    std::map<Address, std::string> values_;
    std::map<Address, OtherSetting> others_;
    bool refuse_ = false;
    int writes_ = 0;
    int flushes_ = 0;
};

}  // namespace quorvex
