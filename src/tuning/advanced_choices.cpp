#include "tuning/advanced_choices.h"

#include <array>

namespace quorvex {

namespace {

using M = ChoiceMark;

constexpr std::array<AdvancedChoice, 3> kTtl{{
    {"TTL32", "32", 32, M::Default},
    {"TTL64", "64", 64, M::Recommended},
    {"TTL128", "128", 128, M::None},
}};
constexpr std::array<AdvancedChoice, 2> kDupAcks{{
    {"vkOptionButton14", "Disabled", 1, M::Default},
    {"vkOptionButton15", "Enabled", 2, M::Recommended},
}};
constexpr std::array<AdvancedChoice, 2> kFastCopy{{
    {"Option33", "Disabled", 1025, M::Default},
    {"Option6", "Enabled", 1500, M::Recommended},
}};
constexpr std::array<AdvancedChoice, 2> kDatagram{{
    {"Option34", "Disabled", 1024, M::Default},
    {"Option35", "Enabled", 1500, M::Recommended},
}};
constexpr std::array<AdvancedChoice, 2> kReqBuf{{
    {"Option39", "Disabled", 4356, M::Default},
    {"Option38", "Enabled", 16384, M::Recommended},
}};
constexpr std::array<AdvancedChoice, 2> kRedirector{{
    {"Option41", "Disabled", 15, M::Default},
    {"Option40", "Enabled", 64, M::Recommended},
}};
constexpr std::array<AdvancedChoice, 2> kNetHood{{
    {"Option42", "Enabled", 0, M::Default},
    {"Option43", "Disabled", 1, M::Recommended},
}};
constexpr std::array<AdvancedChoice, 4> kTcp1323{{
    {"TCP0", "Disabled", 0, M::None},
    {"TCP1", "Windows Scale", 1, M::Recommended},
    {"TCP2", "Time Stamps Scales", 2, M::None},
    {"TCP3", "Both", 3, M::Default},
}};
constexpr std::array<AdvancedChoice, 2> kSack{{
    {"SA0", "Disabled", 0, M::Default},
    {"SA1", "Enabled", 1, M::Recommended},
}};

const std::array<AdvancedGroup, 9> kGroups{{
    {"Ttl", "Time To Live:", TuningField::Ttl, kTtl},
    {"MaxDupAcks", "Optimize Duplicate Acknowledgments:", TuningField::MaxDupAcks, kDupAcks},
    {"FastCopyReceiveThreshold",
     "Optimize Fast Copy Receive Threshold:", TuningField::FastCopyReceiveThreshold, kFastCopy},
    {"FastSendDatagramThreshold", "Optimize Datagram Size:", TuningField::FastSendDatagramThreshold,
     kDatagram},
    {"SizReqBuf", "Optimize Request Buffer Size", TuningField::SizReqBuf, kReqBuf},
    {"MaxCmds", "Optimize Network Redirector Buffers", TuningField::MaxCmds, kRedirector},
    {"NoRecentDocsNetHood", "My Network Places Shares", TuningField::NoRecentDocsNetHood, kNetHood},
    {"Tcp1323Opts", "TCP Large Window Support:", TuningField::Tcp1323Opts, kTcp1323},
    {"SackOpts", "Selective Acknowledgements:", TuningField::SackOpts, kSack},
}};

}  // namespace

std::span<const AdvancedGroup> advancedGroups() {
    return kGroups;
}

const AdvancedChoice& markedChoice(const AdvancedGroup& group, ChoiceMark mark) {
    for (const auto& choice : group.choices)
        if (choice.mark == mark) return choice;
    return group.choices.front();
}

std::string_view markText(ChoiceMark mark) {
    switch (mark) {
        case M::Recommended:
            return "(Recommended)";
        case M::Default:
            return "(Default)";
        case M::None:
            return {};
    }
    return {};
}

}  // namespace quorvex
