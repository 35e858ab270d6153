#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvex {

// The main window's current tuning values; every field starts at 0.
struct TuningState {
    std::int16_t Mtu = 0;
    std::int16_t Mss = 0;
    std::int16_t Ttl = 0;
    std::int32_t Rwin = 0;
    std::int16_t MaxDupAcks = 0;
    std::int16_t FastCopyReceiveThreshold = 0;
    std::int16_t FastSendDatagramThreshold = 0;
    std::int16_t SizReqBuf = 0;
    std::int16_t MaxCmds = 0;
    std::int16_t NoRecentDocsNetHood = 0;
    std::int16_t Tcp1323Opts = 0;
    std::int16_t SackOpts = 0;

    friend bool operator==(const TuningState&, const TuningState&) = default;
};

enum class TuningField {
    Mtu,
    Mss,
    Ttl,
    Rwin,
    MaxDupAcks,
    FastCopyReceiveThreshold,
    FastSendDatagramThreshold,
    SizReqBuf,
    MaxCmds,
    NoRecentDocsNetHood,
    Tcp1323Opts,
    SackOpts,
};

inline constexpr std::array<TuningField, 12> kTuningFields{
    TuningField::Mtu,
    TuningField::Mss,
    TuningField::Ttl,
    TuningField::Rwin,
    TuningField::MaxDupAcks,
    TuningField::FastCopyReceiveThreshold,
    TuningField::FastSendDatagramThreshold,
    TuningField::SizReqBuf,
    TuningField::MaxCmds,
    TuningField::NoRecentDocsNetHood,
    TuningField::Tcp1323Opts,
    TuningField::SackOpts,
};

std::string_view tuningFieldName(TuningField field);
// Width in bits: 32 for Rwin, 16 for every other field.
int tuningFieldWidth(TuningField field);
std::int32_t tuningFieldValue(const TuningState& state, TuningField field);
// Fails (returns false, state unchanged) when the value does not fit the field's width.
bool setTuningField(TuningState& state, TuningField field, std::int64_t value);

}  // namespace quorvex
