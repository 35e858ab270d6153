#include "tuning/connection_catalogue.h"

namespace quorvex {

namespace {

using G = ConnectionGroup;
using K = ConnectionKind;

constexpr std::array<ConnectionType, kConnectionCount> kCatalogue{{
    {0, K::RestoreDefaults, "RestoreDefaults", G::Defaults, "Option30", "Default Windows Settings ",
     "Restore Windows Default Settings", "35", 1480, 1440, 8760},
    {1, K::DslUpTo512K, "DslUpTo512K", G::DslOrCable, "vkOptionButton5", "Up To 512 KBs",
     "DSL Or Cable Modem (Up To 512 KBs)", "1", 1492, 1452, 10164},
    {2, K::Dsl512K, "Dsl512K", G::DslOrCable, "vkOptionButton6", "512 KBS And Up",
     "DSL Or Cable Modem (512 KBS And Up)", "2", 1492, 1452, 13068},
    {3, K::Dsl1M, "Dsl1M", G::DslOrCable, "vkOptionButton7", "1 Megabit And Up",
     "DSL Or Cable Modem (1 Megabit And Up)", "3", 1492, 1452, 24684},
    {4, K::Dsl2M, "Dsl2M", G::DslOrCable, "vkOptionButton8", "2 Megabit And Up",
     "DSL Or Cable Modem (2 Megabit And Up)", "4", 1492, 1452, 47916},
    {5, K::Dsl4M, "Dsl4M", G::DslOrCable, "Option4", "4 Megabit And Up",
     "DSL Or Cable Modem (4 Megabit And Up)", "48", 1492, 1452, 92504},
    {6, K::Dsl6M, "Dsl6M", G::DslOrCable, "vkOptionButton10", "6 Megabit And Up",
     "DSL Or Cable Modem (6 Megabit And Up)", "5", 1492, 1452, 140844},
    {7, K::Dsl16M, "Dsl16M", G::DslOrCable, "Option13", "16 Megabit And Up",
     "DSL Or Cable Modem (16 Megabit And Up)", "18", 1492, 1452, 374616},
    {8, K::Dsl25M, "Dsl25M", G::DslOrCable, "Option14", "25 Megabit And Up",
     "DSL Or Cable Modem (25 Megabit And Up)", "19", 1492, 1452, 585156},
    {9, K::Dsl50M, "Dsl50M", G::DslOrCable, "Option15", "50 Megabit And Up",
     "DSL Or Cable Modem (50 Megabit And Up)", "20", 1492, 1452, 1168860},
    {10, K::Dsl100M, "Dsl100M", G::DslOrCable, "Option16", "100 Megabit And Up",
     "DSL Or Cable Modem (100 Megabit And Up)", "21", 1492, 1452, 2337720},
    {11, K::WirelessGprs, "WirelessGprs", G::Wireless, "Option1", "GPRS (2G, 2.5G)",
     "Wireless Connection (GPRS (2G, 2.5G))", "6", 1476, 1436, 10052},
    {12, K::WirelessEdge, "WirelessEdge", G::Wireless, "Option2", "EDGE (E-GPRSG, 2.75G)",
     "Wireless Connection (EDGE (E-GPRSG, 2.75G))", "7", 1476, 1436, 28720},
    {13, K::WirelessUmts, "WirelessUmts", G::Wireless, "Option3", "UMTS (3G)",
     "Wireless Connection (UMTS (3G))", "8", 1476, 1436, 189552},
    {14, K::WirelessHsdpa, "WirelessHsdpa", G::Wireless, "Option11", "HSDPA (3G+, 3.5G)",
     "Wireless Connection (HSDPA (3G+, 3.5G))", "16", 1476, 1436, 377668},
    {15, K::WirelessWimax, "WirelessWimax", G::Wireless, "Option12", "WiMax (4G)",
     "Wireless Connection (WiMax (4G))", "17", 1476, 1436, 1176084},
    {16, K::DialUp56K, "DialUp56K", G::DialUp, "Option23", "Dail-Up Modem (56 KBit)",
     "Dail Up Over Fixed Line (Dail-Up Modem (56 KBit))", "28", 1500, 1460, 7300},
    {17, K::IsdnSingle64K, "IsdnSingle64K", G::DialUp, "Option24", "ISDN Single Channel (64 Kbit)",
     "Dail Up Over Fixed Line (ISDN Single Channel (64 Kbit))", "29", 1500, 1460, 2920},
    {18, K::IsdnDual128K, "IsdnDual128K", G::DialUp, "Option25", "ISDN Dual Channel (128 Kbit)",
     "Dail Up Over Fixed Line (ISDN Dual Channel (128 Kbit))", "30", 1500, 1460, 4380},
    {19, K::SatelliteUpTo512K, "SatelliteUpTo512K", G::Satellite, "Option17", "Up To 512 KBs",
     "Satellite (Up To 512 KBs)", "22", 1500, 1460, 36500},
    {20, K::Satellite512K, "Satellite512K", G::Satellite, "Option18", "512 KBS And Up",
     "Satellite (512 KBS And Up)", "23", 1500, 1460, 48180},
    {21, K::Satellite1M, "Satellite1M", G::Satellite, "Option19", "1 Megabit And Up",
     "Satellite (1 Megabit And Up)", "24", 1500, 1460, 93440},
    {22, K::Satellite2M, "Satellite2M", G::Satellite, "Option20", "2 Megabit And Up",
     "Satellite (2 Megabit And Up)", "25", 1500, 1460, 185420},
    {23, K::Satellite6M, "Satellite6M", G::Satellite, "Option22", "6 Megabit And Up",
     "Satellite (6 Megabit And Up)", "27", 1500, 1460, 556260},
    {24, K::ClosedCompany, "ClosedCompany", G::ClosedNetworks, "Option26", "Company Network",
     "Closed Networks (Company Network)", "31", 1500, 1460, 2064440},
    {25, K::ClosedWireless, "ClosedWireless", G::ClosedNetworks, "Option27", "Wireless Network",
     "Closed Networks (Wireless Network)", "32", 1500, 1460, 1175300},
    {26, K::ClosedHome, "ClosedHome", G::ClosedNetworks, "Option28", "Home Network",
     "Closed Networks (Home Network)", "33", 1500, 1460, 2064440},
}};

template <typename Pred>
const ConnectionType* findIf(Pred pred) {
    for (const auto& entry : kCatalogue) {
        if (pred(entry)) return &entry;
    }
    return nullptr;
}

}  // namespace

const std::array<ConnectionType, kConnectionCount>& connectionCatalogue() {
    return kCatalogue;
}

const ConnectionType& connectionType(ConnectionKind kind) {
    return kCatalogue[static_cast<std::size_t>(kind)];
}

const ConnectionType* findConnectionByFullName(std::string_view fullName) {
    return findIf([&](const ConnectionType& e) { return e.fullName == fullName; });
}

const ConnectionType* findConnectionBySettingsKey(std::string_view key) {
    return findIf([&](const ConnectionType& e) { return e.settingsKey == key; });
}

std::string_view groupHeading(ConnectionGroup group) {
    switch (group) {
        case G::DslOrCable:
            return "DSL Or Cable Modem:";
        case G::Wireless:
            return "Wireless Connection:";
        case G::DialUp:
            return "Dail Up Over Fixed Line:";
        case G::Satellite:
            return "Satellite:";
        case G::ClosedNetworks:
            return "Closed Networks:";
        case G::Defaults:
            return {};
    }
    return {};
}

}  // namespace quorvex
