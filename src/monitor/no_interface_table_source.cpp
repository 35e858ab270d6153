#include "monitor/interface_table_source.h"

namespace quorvex {

namespace {

// For systems without a known interface table: every snapshot reports it as not supported.
class NoInterfaceTableSource : public InterfaceTableSource {
  public:
    TableResult ReadTable(CInterfaces&) override { return TableResult::NotSupported; }
};

}  // namespace

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTableSource() {
    return std::make_unique<NoInterfaceTableSource>();
}

}  // namespace quorvex
