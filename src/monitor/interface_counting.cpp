#include "monitor/interface_counting.h"

namespace quorvex::monitor {

namespace {

// Filter rows repeat their adapter; endpoint devices are not links to a network.
bool IsLinkCandidate(const LinkFacts& facts) {
    return !facts.filter && !facts.endpoint;
}

bool IsLoopbackOrTunnel(const CInterface& row, const LinkFacts& facts) {
    return row.InterfaceType() == kIfTypeSoftwareLoopback || row.InterfaceType() == kIfTypeTunnel ||
           facts.tunnelType != kTunnelTypeNone;
}

bool BelongsTo(const CInterface& row, const LinkFacts& facts, CountedTier tier) {
    if (!IsLinkCandidate(facts)) return false;
    switch (tier) {
        case CountedTier::Hardware:
            return facts.hardware;
        case CountedTier::HardwareAndDialUp:
            return facts.hardware || row.InterfaceType() == kIfTypePpp;
        case CountedTier::Connector:
            return facts.connectorPresent;
        case CountedTier::Software:
            return !IsLoopbackOrTunnel(row, facts);
        case CountedTier::EveryRow:
            return true;
    }
    return false;
}

}  // namespace

CountedTier ChooseCountedTier(const CInterfaces& rows) {
    bool anyFacts = false;
    bool anyHardware = false;
    bool anyConnector = false;
    for (const auto& row : rows) {
        const auto& facts = row->linkFacts();
        if (!facts) continue;
        anyFacts = true;
        if (BelongsTo(*row, *facts, CountedTier::Hardware)) {
            if (row->OperationalStatus() == kIfOperStatusUp) return CountedTier::Hardware;
            anyHardware = true;
        }
        anyConnector = anyConnector || BelongsTo(*row, *facts, CountedTier::Connector);
    }
    if (!anyFacts) return CountedTier::EveryRow;
    if (anyHardware) return CountedTier::HardwareAndDialUp;
    return anyConnector ? CountedTier::Connector : CountedTier::Software;
}

bool IsCounted(const CInterface& row, CountedTier tier) {
    const auto& facts = row.linkFacts();
    if (!facts) return true;
    return BelongsTo(row, *facts, tier);
}

}  // namespace quorvex::monitor
