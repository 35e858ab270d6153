#pragma once

#include <string>

namespace quorvex {

// The current text of a window's pick-only lists, as the registry plan reads it at each write.
class ListTexts {
  public:
    virtual ~ListTexts() = default;
    // Empty when the list shows no entry or is unknown.
    virtual std::string listText(const std::string& name) const = 0;
};

}  // namespace quorvex
