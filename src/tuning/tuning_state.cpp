#include "tuning/tuning_state.h"

#include <limits>

namespace quorvex {

namespace {

template <typename F>
decltype(auto) withField(TuningState& s, TuningField field, F&& f) {
    switch (field) {
        case TuningField::Mtu:
            return f(s.Mtu);
        case TuningField::Mss:
            return f(s.Mss);
        case TuningField::Ttl:
            return f(s.Ttl);
        case TuningField::Rwin:
            return f(s.Rwin);
        case TuningField::MaxDupAcks:
            return f(s.MaxDupAcks);
        case TuningField::FastCopyReceiveThreshold:
            return f(s.FastCopyReceiveThreshold);
        case TuningField::FastSendDatagramThreshold:
            return f(s.FastSendDatagramThreshold);
        case TuningField::SizReqBuf:
            return f(s.SizReqBuf);
        case TuningField::MaxCmds:
            return f(s.MaxCmds);
        case TuningField::NoRecentDocsNetHood:
            return f(s.NoRecentDocsNetHood);
        case TuningField::Tcp1323Opts:
            return f(s.Tcp1323Opts);
        case TuningField::SackOpts:
            return f(s.SackOpts);
    }
    return f(s.Mtu);
}

}  // namespace

std::string_view tuningFieldName(TuningField field) {
    switch (field) {
        case TuningField::Mtu:
            return "Mtu";
        case TuningField::Mss:
            return "Mss";
        case TuningField::Ttl:
            return "Ttl";
        case TuningField::Rwin:
            return "Rwin";
        case TuningField::MaxDupAcks:
            return "MaxDupAcks";
        case TuningField::FastCopyReceiveThreshold:
            return "FastCopyReceiveThreshold";
        case TuningField::FastSendDatagramThreshold:
            return "FastSendDatagramThreshold";
        case TuningField::SizReqBuf:
            return "SizReqBuf";
        case TuningField::MaxCmds:
            return "MaxCmds";
        case TuningField::NoRecentDocsNetHood:
            return "NoRecentDocsNetHood";
        case TuningField::Tcp1323Opts:
            return "Tcp1323Opts";
        case TuningField::SackOpts:
            return "SackOpts";
    }
    return {};
}

int tuningFieldWidth(TuningField field) {
    return field == TuningField::Rwin ? 32 : 16;
}

std::int32_t tuningFieldValue(const TuningState& state, TuningField field) {
    return withField(const_cast<TuningState&>(state), field,
                     [](auto& v) { return static_cast<std::int32_t>(v); });
}

bool setTuningField(TuningState& state, TuningField field, std::int64_t value) {
    return withField(state, field, [value](auto& v) {
        using T = std::remove_reference_t<decltype(v)>;
        if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
            return false;
        v = static_cast<T>(value);
        return true;
    });
}

}  // namespace quorvex
