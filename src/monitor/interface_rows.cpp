#include "monitor/interface_rows.h"

#include <limits>

namespace quorvex {

std::shared_ptr<CInterface> CInterfaces::Add(std::shared_ptr<CInterface>& objInterface) {
    std::shared_ptr<CInterface> added = std::move(objInterface);
    objInterface.reset();
    if (added) entries_.push_back(added);
    return added;
}

std::shared_ptr<CInterface> CInterfaces::Item(std::int32_t index) const {
    if (index < 1 || index > Count()) return nullptr;
    return entries_[static_cast<std::size_t>(index) - 1];
}

std::shared_ptr<CInterface> CInterfaces::Item(std::string_view) const {
    return nullptr;
}

std::int32_t CInterfaces::Count() const {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(entries_.size() < kMax ? entries_.size() : kMax);
}

bool CInterfaces::Remove(std::int32_t index) {
    if (index < 1 || index > Count()) return false;
    entries_.erase(entries_.begin() + (index - 1));
    return true;
}

}  // namespace quorvex
