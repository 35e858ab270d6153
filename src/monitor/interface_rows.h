#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "monitor/interface_row.h"

namespace quorvex {

// An ordered collection of shared interface rows, positions counted from 1.
class CInterfaces {
  public:
    using Entries = std::vector<std::shared_ptr<CInterface>>;

    // Appends the object and returns it; the caller's reference is cleared, so every append needs
    // a new object. An empty reference is not appended.
    std::shared_ptr<CInterface> Add(std::shared_ptr<CInterface>& objInterface);
    // The entry at a 1-based position; empty outside 1 ... Count.
    std::shared_ptr<CInterface> Item(std::int32_t index) const;
    // Entries carry no keys, so a key never finds one.
    std::shared_ptr<CInterface> Item(std::string_view key) const;
    std::int32_t Count() const;
    // False when the position is outside 1 ... Count.
    bool Remove(std::int32_t index);

    Entries::const_iterator begin() const { return entries_.begin(); }
    Entries::const_iterator end() const { return entries_.end(); }

  private:
    Entries entries_;
};

}  // namespace quorvex
