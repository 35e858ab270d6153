#include "monitor/netlink_link_parser.h"

#include <linux/if.h>
#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "monitor/if_table_decoder.h"

namespace quorvex::monitor {

namespace {

template <typename T>
T ReadStruct(std::span<const std::byte> bytes) {
    T value{};
    std::memcpy(&value, bytes.data(), std::min(sizeof(T), bytes.size()));
    return value;
}

std::size_t Align4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

// Interface admin status as the interface MIB counts it: 1 up, 2 down.
constexpr std::int32_t kAdminUp = 1;
constexpr std::int32_t kAdminDown = 2;

std::int32_t ClampToInt32(std::uint32_t v) {
    return v > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(v);
}

void SetCounters(CInterface& row, const rtnl_link_stats64& s) {
    row.SetOctetsReceived(s.rx_bytes);
    row.SetUnicastPacketsReceived(s.rx_packets > s.multicast ? s.rx_packets - s.multicast : 0);
    row.SetNonunicastPacketsReceived(s.multicast);
    row.SetDiscardedIncomingPackets(s.rx_dropped);
    row.SetIncomingErrors(s.rx_errors);
    row.SetOctetsSent(s.tx_bytes);
    row.SetUnicastPacketsSent(s.tx_packets);
    row.SetDiscardedOutgoingPackets(s.tx_dropped);
    row.SetOutgoingErrors(s.tx_errors);
}

std::shared_ptr<CInterface> ParseLink(std::span<const std::byte> payload) {
    if (payload.size() < sizeof(ifinfomsg)) return nullptr;
    const auto info = ReadStruct<ifinfomsg>(payload);
    auto row = std::make_shared<CInterface>();
    row->SetInterfaceIndex(info.ifi_index);
    row->SetInterfaceType(info.ifi_type);
    row->SetAdminStatus((info.ifi_flags & IFF_UP) ? kAdminUp : kAdminDown);

    bool have64 = false;
    std::size_t offset = Align4(sizeof(ifinfomsg));
    while (offset + sizeof(rtattr) <= payload.size()) {
        const auto attr = ReadStruct<rtattr>(payload.subspan(offset));
        if (attr.rta_len < sizeof(rtattr) || attr.rta_len > payload.size() - offset) break;
        const auto data = payload.subspan(offset + sizeof(rtattr), attr.rta_len - sizeof(rtattr));
        switch (attr.rta_type) {
            case IFLA_IFNAME: {
                const auto* chars = reinterpret_cast<const char*>(data.data());
                row->SetInterfaceName(std::string(chars, strnlen(chars, data.size())));
                break;
            }
            case IFLA_IFALIAS: {
                const auto* chars = reinterpret_cast<const char*>(data.data());
                row->SetInterfaceDescription(std::string(chars, strnlen(chars, data.size())));
                break;
            }
            case IFLA_MTU:
                if (data.size() >= 4)
                    row->SetMaximumTransmissionUnit(ClampToInt32(ReadStruct<std::uint32_t>(data)));
                break;
            case IFLA_OPERSTATE:
                if (!data.empty()) row->SetOperationalStatus(static_cast<std::uint8_t>(data[0]));
                break;
            case IFLA_ADDRESS: {
                std::uint8_t address[8] = {};
                const std::size_t n = std::min<std::size_t>(data.size(), sizeof address);
                for (std::size_t i = 0; i < n; ++i) address[i] = static_cast<std::uint8_t>(data[i]);
                row->SetAdapterAddress(
                    FormatAdapterAddress(address, static_cast<std::uint32_t>(n)));
                break;
            }
            case IFLA_STATS64:
                // Older kernels send a shorter structure; missing fields stay zero.
                SetCounters(*row, ReadStruct<rtnl_link_stats64>(data));
                have64 = true;
                break;
            case IFLA_STATS:
                if (!have64) {
                    const auto s32 = ReadStruct<rtnl_link_stats>(data);
                    rtnl_link_stats64 s{};
                    s.rx_bytes = s32.rx_bytes;
                    s.rx_packets = s32.rx_packets;
                    s.multicast = s32.multicast;
                    s.rx_dropped = s32.rx_dropped;
                    s.rx_errors = s32.rx_errors;
                    s.tx_bytes = s32.tx_bytes;
                    s.tx_packets = s32.tx_packets;
                    s.tx_dropped = s32.tx_dropped;
                    s.tx_errors = s32.tx_errors;
                    SetCounters(*row, s);
                }
                break;
            default:
                break;
        }
        offset += Align4(attr.rta_len);
    }
    return row;
}

}  // namespace

LinkDumpStatus ParseLinkDump(std::span<const std::byte> datagram, std::uint32_t seq,
                             CInterfaces& rows) {
    std::size_t offset = 0;
    while (offset + sizeof(nlmsghdr) <= datagram.size()) {
        const auto header = ReadStruct<nlmsghdr>(datagram.subspan(offset));
        if (header.nlmsg_len < sizeof(nlmsghdr) || header.nlmsg_len > datagram.size() - offset)
            return LinkDumpStatus::Error;
        const auto payload =
            datagram.subspan(offset + sizeof(nlmsghdr), header.nlmsg_len - sizeof(nlmsghdr));
        offset += Align4(header.nlmsg_len);
        if (header.nlmsg_seq != seq) continue;
        switch (header.nlmsg_type) {
            case NLMSG_DONE:
                return LinkDumpStatus::Done;
            case NLMSG_ERROR: {
                const auto error = ReadStruct<nlmsgerr>(payload);
                if (error.error != 0) return LinkDumpStatus::Error;
                break;
            }
            case RTM_NEWLINK:
                if (auto row = ParseLink(payload)) rows.Add(row);
                break;
            default:
                break;
        }
    }
    // Bytes left over that cannot hold a message header mean a damaged datagram.
    return offset >= datagram.size() ? LinkDumpStatus::More : LinkDumpStatus::Error;
}

}  // namespace quorvex::monitor
