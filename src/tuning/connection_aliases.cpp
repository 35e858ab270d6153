#include "tuning/connection_aliases.h"

#include <array>

#include "platform/ascii_case.h"

namespace quorvex {

namespace {

// In the order of ConnectionKind (and of Combo3).
constexpr std::array<std::string_view, kConnectionCount> kAliases{
    "restore-defaults", "dsl-upto-512k", "dsl-512k",      "dsl-1m",        "dsl-2m",
    "dsl-4m",           "dsl-6m",        "dsl-16m",       "dsl-25m",       "dsl-50m",
    "dsl-100m",         "wireless-gprs", "wireless-edge", "wireless-umts", "wireless-hsdpa",
    "wireless-wimax",   "dialup-56k",    "isdn-64k",      "isdn-128k",     "satellite-upto-512k",
    "satellite-512k",   "satellite-1m",  "satellite-2m",  "satellite-6m",  "closed-company",
    "closed-wireless",  "closed-home",
};

}  // namespace

std::string_view connectionAlias(ConnectionKind kind) {
    return kAliases[static_cast<std::size_t>(kind)];
}

const ConnectionType* findConnectionByName(std::string_view text) {
    for (const auto& entry : connectionCatalogue())
        if (equalsIgnoringAsciiCase(connectionAlias(entry.kind), text) ||
            equalsIgnoringAsciiCase(entry.fullName, text))
            return &entry;
    return nullptr;
}

}  // namespace quorvex
