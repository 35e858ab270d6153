#include "monitor/interface_snapshot.h"

#include "monitor/interface_counting.h"

namespace quorvex {

namespace {

// A sum that would wrap keeps its value; the other rows still count.
void AddCounter(std::uint64_t& sum, std::uint64_t counter) {
    if (sum + counter >= sum) sum += counter;
}

}  // namespace

CIpHelper::CIpHelper(InterfaceTableSource& source, Prompts& prompts)
    : source_(source), prompts_(prompts) {}

std::shared_ptr<CInterfaces> CIpHelper::Interfaces() {
    interfaces_ = std::make_shared<CInterfaces>();
    LoadInterfaceTable();
    return interfaces_;
}

void CIpHelper::SetInterfaces(std::shared_ptr<CInterfaces> interfaces) {
    interfaces_ = std::move(interfaces);
}

void CIpHelper::LoadInterfaceTable() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    CInterfaces rows;
    const TableResult result = source_.ReadTable(rows);
    if (result == TableResult::NotSupported) {
        prompts_.showMessage(MessageRequest{kNotSupportedMessage, MessageButtons::Ok});
        return;
    }
    // A failed attempt leaves the snapshot empty, even if the source delivered part of a table.
    if (result != TableResult::Ok) return;
    // Every row is kept; only the rows of the computer's own lines enter the sums.
    const monitor::CountedTier tier = monitor::ChooseCountedTier(rows);
    for (const auto& row : rows) {
        if (monitor::IsCounted(*row, tier)) {
            AddCounter(bytesReceived_, row->OctetsReceived());
            AddCounter(bytesSent_, row->OctetsSent());
        }
        auto entry = row;
        interfaces_->Add(entry);
    }
}

}  // namespace quorvex
