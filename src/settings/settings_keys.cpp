#include "settings/settings_keys.h"

#include <array>

namespace quorvex {

namespace {

constexpr std::string_view C = "Connection";
constexpr std::string_view A = "Advanced";

constexpr std::array<OptionKey, 48> kOptionKeys{{
    {C, "1", "vkOptionButton5"},
    {C, "2", "vkOptionButton6"},
    {C, "3", "vkOptionButton7"},
    {C, "4", "vkOptionButton8"},
    {C, "5", "vkOptionButton10"},
    {C, "6", "Option1"},
    {C, "7", "Option2"},
    {C, "8", "Option3"},
    {C, "16", "Option11"},
    {C, "17", "Option12"},
    {C, "18", "Option13"},
    {C, "19", "Option14"},
    {C, "20", "Option15"},
    {C, "21", "Option16"},
    {C, "22", "Option17"},
    {C, "23", "Option18"},
    {C, "24", "Option19"},
    {C, "25", "Option20"},
    {C, "27", "Option22"},
    {C, "28", "Option23"},
    {C, "29", "Option24"},
    {C, "30", "Option25"},
    {C, "31", "Option26"},
    {C, "32", "Option27"},
    {C, "33", "Option28"},
    {C, "35", "Option30"},
    {A, "36", "Option6"},
    {A, "37", "Option33"},
    {A, "38", "Option34"},
    {A, "39", "Option35"},
    {A, "42", "Option38"},
    {A, "43", "Option39"},
    {A, "44", "Option40"},
    {A, "45", "Option41"},
    {A, "46", "Option42"},
    {A, "47", "Option43"},
    {C, "48", "Option4"},
    {A, "SA1", "SA0"},
    {A, "SA2", "SA1"},
    {A, "Opt1", "vkOptionButton14"},
    {A, "Opt2", "vkOptionButton15"},
    {A, "TCP1", "TCP0"},
    {A, "TCP2", "TCP1"},
    {A, "TCP3", "TCP2"},
    {A, "TCP4", "TCP3"},
    {A, "TTL3", "TTL32"},
    {A, "TTL4", "TTL64"},
    {A, "TTL5", "TTL128"},
}};

constexpr std::array<ListKey, 3> kNumberListKeys{{
    {A, "HTTP0", "Combo1"},
    {A, "HTTP1", "Combo2"},
    {A, "QOS", "QOS"},
}};

using F = TuningField;
constexpr std::array<ValueKey, 11> kValueKeys{{
    {"1", F::Mtu},
    {"2", F::Mss},
    {"3", F::Ttl},
    {"4", F::Rwin},
    {"5", F::MaxDupAcks},
    {"6", F::FastCopyReceiveThreshold},
    {"7", F::FastSendDatagramThreshold},
    {"8", F::SizReqBuf},
    {"9", F::MaxCmds},
    {"10", F::Tcp1323Opts},
    {"11", F::SackOpts},
}};

}  // namespace

std::span<const OptionKey> optionKeys() {
    return kOptionKeys;
}
std::span<const ListKey> numberListKeys() {
    return kNumberListKeys;
}
std::span<const ValueKey> valueKeys() {
    return kValueKeys;
}

}  // namespace quorvex
