#pragma once

#include <cstdint>
#include <memory>

#include "monitor/interface_rows.h"
#include "monitor/interface_table_source.h"
#include "platform/prompts.h"

namespace quorvex {

// The interface-table snapshot and its two byte sums. The window keeps one for its whole life.
// The snapshot holds every row of the table; the sums count each line once.
class CIpHelper {
  public:
    static constexpr const char* kNotSupportedMessage =
        "IP Helper is not supported by this system.";

    CIpHelper(InterfaceTableSource& source, Prompts& prompts);

    // Drops the current collection and takes a new snapshot: every read is a fresh one. When the
    // system has no interface table the user is told so, on every attempt.
    std::shared_ptr<CInterfaces> Interfaces();
    // Replaces the current collection; the sums stay and nothing is read from the system.
    void SetInterfaces(std::shared_ptr<CInterfaces> interfaces);

    // Sums of the received and sent octet counters of the last snapshot attempted (0 after a
    // failed one), over the rows that carry each line once (interface_counting.h). Unsigned
    // 64-bit, so large or many counters never turn them negative.
    std::uint64_t BytesReceived() const { return bytesReceived_; }
    std::uint64_t BytesSent() const { return bytesSent_; }

  private:
    void LoadInterfaceTable();

    InterfaceTableSource& source_;
    Prompts& prompts_;
    std::shared_ptr<CInterfaces> interfaces_;
    std::uint64_t bytesReceived_ = 0;
    std::uint64_t bytesSent_ = 0;
};

}  // namespace quorvex
