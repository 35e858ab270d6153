#include "monitor/linux_interface_table_source.h"

#include <fcntl.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <set>

#include "monitor/netlink_link_parser.h"
#include "monitor/proc_net_dev.h"

namespace quorvex {

namespace {

// Reads a whole small file (procfs and sysfs report a size of 0, so read until the end).
bool ReadSmallFile(const std::string& path, std::string& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    out.clear();
    char chunk[4096];
    bool ok = true;
    while (true) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        out.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

// sysfs gives Mbit/s, -1 when unknown; the table keeps bits per second in 32 bits.
std::int32_t ReadSpeed(const std::string& path) {
    std::string text;
    if (!ReadSmallFile(path, text)) return 0;
    long long mbits = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), mbits);
    if (ec != std::errc{} || mbits <= 0) return 0;
    constexpr long long kMaxMbit = 0x7FFFFFFF / 1000000;
    return mbits > kMaxMbit ? 0x7FFFFFFF : static_cast<std::int32_t>(mbits * 1000000);
}

constexpr std::size_t kReceiveBuffer = 64 * 1024;

}  // namespace

LinuxInterfaceTableSource::LinuxInterfaceTableSource(std::string procNetDev,
                                                     std::string sysClassNet)
    : procNetDev_(std::move(procNetDev)), sysClassNet_(std::move(sysClassNet)) {}

LinuxInterfaceTableSource::~LinuxInterfaceTableSource() {
    CloseSocket();
}

void LinuxInterfaceTableSource::CloseSocket() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
}

TableResult LinuxInterfaceTableSource::ReadTable(CInterfaces& rows) {
    Outcome outcome = Outcome::Unavailable;
    CInterfaces snapshot;
    if (netlinkEnabled_) {
        outcome = ReadNetlink(snapshot);
        if (outcome == Outcome::Ok) FillSpeeds(snapshot);
    }
    if (outcome != Outcome::Ok) {
        snapshot = CInterfaces{};
        const Outcome proc = ReadProcNetDev(snapshot);
        // Netlink that failed this once is a silent failure; no source at all is "unsupported".
        if (proc == Outcome::Ok)
            outcome = Outcome::Ok;
        else if (outcome == Outcome::Unavailable)
            outcome = proc;
    }
    if (outcome == Outcome::Unavailable) return TableResult::NotSupported;
    if (outcome == Outcome::Failed) return TableResult::Failed;
    for (const auto& row : snapshot) {
        auto entry = row;
        rows.Add(entry);
    }
    return TableResult::Ok;
}

LinuxInterfaceTableSource::Outcome LinuxInterfaceTableSource::ReadNetlink(CInterfaces& rows) {
    if (socket_ < 0) {
        socket_ = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
        if (socket_ < 0) return Outcome::Unavailable;
        // The user-interface thread must never hang on a kernel that does not answer.
        timeval timeout{0, 500000};
        ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        sockaddr_nl local{};
        local.nl_family = AF_NETLINK;
        if (::bind(socket_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
            CloseSocket();
            return Outcome::Unavailable;
        }
        buffer_.resize(kReceiveBuffer);
    }

    struct {
        nlmsghdr header;
        ifinfomsg info;
    } request{};
    request.header.nlmsg_len = sizeof request;
    request.header.nlmsg_type = RTM_GETLINK;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = ++seq_;
    request.info.ifi_family = AF_UNSPEC;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    if (::sendto(socket_, &request, sizeof request, 0, reinterpret_cast<sockaddr*>(&kernel),
                 sizeof kernel) < 0) {
        CloseSocket();
        return Outcome::Failed;
    }

    while (true) {
        sockaddr_nl from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(socket_, buffer_.data(), buffer_.size(), MSG_TRUNC,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || static_cast<std::size_t>(n) > buffer_.size()) {
            // Timed out or truncated: start over with a fresh socket next time.
            CloseSocket();
            return Outcome::Failed;
        }
        if (from.nl_pid != 0) continue;  // only the kernel answers a dump
        const auto status = monitor::ParseLinkDump(
            std::span<const std::byte>(buffer_.data(), static_cast<std::size_t>(n)), seq_, rows);
        if (status == monitor::LinkDumpStatus::Done) return Outcome::Ok;
        if (status == monitor::LinkDumpStatus::Error) {
            CloseSocket();
            return Outcome::Failed;
        }
    }
}

LinuxInterfaceTableSource::Outcome LinuxInterfaceTableSource::ReadProcNetDev(CInterfaces& rows) {
    std::string text;
    if (!ReadSmallFile(procNetDev_, text)) return Outcome::Unavailable;
    monitor::ParseProcNetDev(text, rows);
    return Outcome::Ok;
}

void LinuxInterfaceTableSource::FillSpeeds(CInterfaces& rows) {
    std::set<std::int32_t> seen;
    for (const auto& row : rows) {
        const std::int32_t index = row->InterfaceIndex();
        seen.insert(index);
        auto it = speeds_.find(index);
        if (it == speeds_.end() || it->second.name != row->InterfaceName() ||
            it->second.operState != row->OperationalStatus()) {
            SpeedEntry entry{row->InterfaceName(), row->OperationalStatus(), 0};
            // A name with a path separator cannot be a sysfs entry of this folder.
            if (row->InterfaceName().find('/') == std::string::npos &&
                !row->InterfaceName().empty() && row->InterfaceName() != "." &&
                row->InterfaceName() != "..")
                entry.bitsPerSecond =
                    ReadSpeed(sysClassNet_ + "/" + row->InterfaceName() + "/speed");
            it = speeds_.insert_or_assign(index, std::move(entry)).first;
        }
        row->SetSpeed(it->second.bitsPerSecond);
    }
    std::erase_if(speeds_, [&](const auto& entry) { return !seen.contains(entry.first); });
}

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTableSource() {
    return std::make_unique<LinuxInterfaceTableSource>();
}

}  // namespace quorvex
