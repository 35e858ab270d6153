#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/interface_rows.h"
#include "monitor/interface_table_source.h"
#include "monitor/meter_sinks.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/prompts.h"
#include "support/command_fakes.h"

namespace quorvex::monitor_testing {

// Interface counters per row; each read hands over fresh rows with these sums.
class FakeTableSource : public InterfaceTableSource {
  public:
    struct Row {
        std::string name;
        std::uint64_t received = 0;
        std::uint64_t sent = 0;
        std::int32_t type = 0;
        std::optional<LinkFacts> facts = {};  // none: a source without them (classic table, Linux)
        std::int32_t operStatus = 0;
    };
    TableResult ReadTable(CInterfaces& rows) override {
        ++reads;
        if (result == TableResult::Ok) {
            for (const auto& r : table) {
                auto row = std::make_shared<CInterface>();
                row->SetInterfaceName(r.name);
                row->SetOctetsReceived(r.received);
                row->SetOctetsSent(r.sent);
                row->SetInterfaceType(r.type);
                row->setLinkFacts(r.facts);
                row->SetOperationalStatus(r.operStatus);
                rows.Add(row);
            }
        }
        return result;
    }
    // One interface with the given totals.
    void set(std::uint64_t received, std::uint64_t sent) { table = {{"eth0", received, sent}}; }
    void add(std::uint64_t received, std::uint64_t sent) {
        table.at(0).received += received;
        table.at(0).sent += sent;
    }

    std::vector<Row> table;
    TableResult result = TableResult::Ok;
    int reads = 0;
};

// The shared command fakes serve the meter too.
using FakePrompts = testing::FakePrompts;
using FakePump = testing::FakeEventPump;

class RecordingSink : public SampleSink {
  public:
    void NextPoint(std::int32_t value) override { samples.push_back(value); }
    std::vector<std::int32_t> samples;
};

class RecordingBar : public BarSink {
  public:
    bool setValue(std::int32_t v) override {
        values.push_back(v);
        return !fails;
    }
    std::vector<std::int32_t> values;
    bool fails = false;
};

class FakeClock : public Clock {
  public:
    std::chrono::system_clock::time_point now() const override { return time; }
    void advance(std::chrono::milliseconds d) { time += d; }
    std::chrono::system_clock::time_point time{std::chrono::seconds(1'700'000'000)};
};

}  // namespace quorvex::monitor_testing
