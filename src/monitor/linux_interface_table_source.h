#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "monitor/interface_table_source.h"

namespace quorvex {

// The Linux interface table: one rtnetlink RTM_GETLINK dump gives index, type, MTU, name,
// hardware address, states and 64-bit counters of every interface in one round trip. Where
// netlink cannot be used, /proc/net/dev gives at least the counters. The link speed, which
// netlink lacks, comes from sysfs and is read again only when an interface appears or changes
// state, not every second.
class LinuxInterfaceTableSource : public InterfaceTableSource {
  public:
    explicit LinuxInterfaceTableSource(std::string procNetDev = "/proc/net/dev",
                                       std::string sysClassNet = "/sys/class/net");
    ~LinuxInterfaceTableSource() override;
    LinuxInterfaceTableSource(const LinuxInterfaceTableSource&) = delete;
    LinuxInterfaceTableSource& operator=(const LinuxInterfaceTableSource&) = delete;

    TableResult ReadTable(CInterfaces& rows) override;

    // Switches netlink off, so that only the /proc/net/dev text is read (tests, benchmarks).
    void setNetlinkEnabled(bool enabled) { netlinkEnabled_ = enabled; }

  private:
    enum class Outcome { Ok, Failed, Unavailable };
    Outcome ReadNetlink(CInterfaces& rows);
    Outcome ReadProcNetDev(CInterfaces& rows);
    void FillSpeeds(CInterfaces& rows);
    void CloseSocket();

    struct SpeedEntry {
        std::string name;
        std::int32_t operState = 0;
        std::int32_t bitsPerSecond = 0;
    };

    std::string procNetDev_;
    std::string sysClassNet_;
    bool netlinkEnabled_ = true;
    int socket_ = -1;
    std::uint32_t seq_ = 0;
    std::vector<std::byte> buffer_;
    std::map<std::int32_t, SpeedEntry> speeds_;
};

}  // namespace quorvex
