#include "monitor/linux_interface_table_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quorvex {
namespace {

namespace fs = std::filesystem;

class LinuxSourceTest : public ::testing::Test {
  protected:
    LinuxSourceTest() {
        dir =
            fs::temp_directory_path() /
            ("quorvex_netdev_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    ~LinuxSourceTest() override { fs::remove_all(dir); }
    void write(const std::string& text) { std::ofstream(dir / "dev") << text; }

    fs::path dir;
};

TEST_F(LinuxSourceTest, ReadsTheCountersTextWhenNetlinkIsOff) {
    write(
        "Inter-|   Receive |  Transmit\n face |bytes|bytes\n"
        "    lo: 100 1 0 0 0 0 0 0 100 1 0 0 0 0 0 0\n"
        "  eth0: 250 1 0 0 0 0 0 0 7 1 0 0 0 0 0 0\n");
    LinuxInterfaceTableSource source((dir / "dev").string(), (dir / "sys").string());
    source.setNetlinkEnabled(false);
    CInterfaces rows;
    ASSERT_EQ(source.ReadTable(rows), TableResult::Ok);
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Item(1)->OctetsReceived() + rows.Item(2)->OctetsReceived(), 350u);
}

TEST_F(LinuxSourceTest, NoSourceAtAllIsNotSupported) {
    LinuxInterfaceTableSource source((dir / "missing").string(), (dir / "sys").string());
    source.setNetlinkEnabled(false);
    CInterfaces rows;
    EXPECT_EQ(source.ReadTable(rows), TableResult::NotSupported);
    EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
}  // namespace quorvex
