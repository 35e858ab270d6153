#include "settings/window_settings.h"
#include "model/firefox_elements.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/firefox_page.h"
#include "support/command_fakes.h"

namespace quorvex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using testing::RecordingSettingsStorage;

class RestoreTest : public ::testing::Test {
  protected:
    void restore() {
        window.setHandlerTrace([this](std::string_view h) { trace.emplace_back(h); });
        restoreWindowState(window, storage);
    }
    ControlModel& controls() { return window.controls(); }
    WindowModel window;
    RecordingSettingsStorage storage;
    std::vector<std::string> trace;
};

TEST_F(RestoreTest, FreshInstallOpensOnTheWindowsDefaults) {
    restore();
    EXPECT_EQ(controls().listText("Combo3"), "Restore Windows Default Settings");
    EXPECT_EQ(controls().selectedOption("Connection"), "Option30");
    EXPECT_EQ(controls().listText("QOS"), "20");
    EXPECT_EQ(controls().listText("Combo1"), "4");
    EXPECT_EQ(controls().listText("Combo2"), "2");
    TuningState expected;
    expected.Mtu = 1480;
    expected.Mss = 1440;
    expected.Rwin = 8760;
    expected.Ttl = 32;
    expected.MaxDupAcks = 1;
    expected.FastCopyReceiveThreshold = 1025;
    expected.FastSendDatagramThreshold = 1024;
    expected.SizReqBuf = 4356;
    expected.MaxCmds = 15;
    expected.NoRecentDocsNetHood = 0;
    expected.Tcp1323Opts = 3;
    expected.SackOpts = 1;
    EXPECT_EQ(window.state(), expected);
    EXPECT_EQ(firefoxPageState(controls()), FirefoxPageState::defaults());
    EXPECT_TRUE(storage.log.empty());  // the restore only reads
}

TEST_F(RestoreTest, MalformedTextsChangeNothing) {
    storage.write("Connection", "27", "yes");
    storage.write("Advanced", "TTL4", "yes");
    storage.write("Values", "1", "2337720");  // beyond 16 bits
    storage.write("Values", "3", "64.0");
    storage.write("Advanced", "QOS", "150");  // no entry of the list
    storage.write("Advanced", "HTTP0", "0");
    storage.write("Values", "Connection", "DSL Or Cable Modem (3 Megabit And Up)");
    storage.write("Firefox", "3", "maybe");
    restore();
    EXPECT_TRUE(controls().option("Option30"));
    EXPECT_EQ(controls().listText("Combo3"), "Restore Windows Default Settings");
    EXPECT_FALSE(controls().option("Option22"));
    EXPECT_TRUE(controls().option("TTL32"));
    EXPECT_FALSE(controls().option("TTL64"));
    EXPECT_EQ(window.state().Mtu, 1480);
    EXPECT_EQ(window.state().Ttl, 32);
    EXPECT_EQ(controls().listText("QOS"), "20");
    EXPECT_EQ(controls().listText("Combo1"), "4");
    EXPECT_FALSE(controls().visible(firefox::kOptimizedLabel));
}

TEST_F(RestoreTest, ValuesOverrideTheSelections) {
    storage.write("Values", "4", "2337720");  // 32 bits: fits
    storage.write("Values", "3", "128");
    storage.write("Values", "11", "0");
    restore();
    EXPECT_TRUE(controls().option("TTL32"));
    EXPECT_EQ(window.state().Ttl, 128);
    EXPECT_EQ(window.state().Rwin, 2337720);
    EXPECT_EQ(window.state().SackOpts, 0);
    EXPECT_TRUE(controls().option("SA1"));
}

TEST_F(RestoreTest, TwoSelectedControlsOfOneGroupLeaveTheLaterOne) {
    storage.write("Advanced", "TTL4", "True");
    storage.write("Advanced", "TTL5", "True");
    storage.write("Connection", "1", "True");
    storage.write("Connection", "27", "True");
    storage.write("Connection", "35", "False");
    restore();
    EXPECT_TRUE(controls().option("TTL128"));
    EXPECT_FALSE(controls().option("TTL64"));
    EXPECT_EQ(window.state().Ttl, 128);
    EXPECT_EQ(controls().selectedOption("Connection"), "Option22");
    EXPECT_EQ(controls().listText("Combo3"), "Satellite (6 Megabit And Up)");
    EXPECT_THAT(trace, IsSupersetOf({"vkOptionButton5", "Option22", "TTL64", "TTL128"}));
    // The later one's handler runs last within its group.
    auto at = [this](const char* name) {
        return std::find(trace.begin(), trace.end(), name) - trace.begin();
    };
    EXPECT_LT(at("TTL64"), at("TTL128"));
    EXPECT_LT(at("vkOptionButton5"), at("Option22"));
}

TEST_F(RestoreTest, StoredListTextWinsOverTheStoredOptionKeys) {
    storage.write("Connection", "35", "False");
    storage.write("Connection", "27", "True");
    storage.write("Values", "Connection", "DSL Or Cable Modem (16 Megabit And Up)");
    restore();
    EXPECT_EQ(controls().selectedOption("Connection"), "Option13");
    EXPECT_EQ(controls().listText("Combo3"), "DSL Or Cable Modem (16 Megabit And Up)");
    EXPECT_EQ(window.state().Mtu, 1492);
    EXPECT_EQ(window.state().Mss, 1452);
    EXPECT_EQ(window.state().Rwin, 374616);
}

TEST_F(RestoreTest, ContradictingFirefoxFlagsAreShownAsStored) {
    storage.write("Firefox", "3", "True");
    storage.write("Firefox", "4", "True");
    storage.write("Firefox", "5", "False");
    storage.write("Firefox", "6", "False");
    controls().setVisible(firefox::kOptimizedText, false);
    restore();
    EXPECT_EQ(firefoxPageState(controls()), (FirefoxPageState{true, true, false, false}));
    EXPECT_FALSE(controls().visible(
        firefox::kOptimizedText));  // the text boxes are the navigation's business
}

TEST(WindowSettingsSaveTest, WritersKeepTheStoresOrderAndEncodings) {
    WindowModel window;
    RecordingSettingsStorage storage;
    restoreWindowState(window, storage);
    window.controls().setOption("TTL128", true);
    saveOptionStates(storage, window.controls());
    saveNumberLists(storage, window.controls());
    saveConnectionText(storage, window.controls());
    saveTuningValues(storage, window.state());
    ASSERT_EQ(storage.log.size(), 48u + 3u + 1u + 11u);
    EXPECT_EQ(storage.log[0], (RecordingSettingsStorage::Write{"Connection", "1", "False"}));
    EXPECT_EQ(storage.log[25], (RecordingSettingsStorage::Write{"Connection", "35", "True"}));
    EXPECT_EQ(storage.log[47], (RecordingSettingsStorage::Write{"Advanced", "TTL5", "True"}));
    EXPECT_EQ(storage.log[48], (RecordingSettingsStorage::Write{"Advanced", "HTTP0", "4"}));
    EXPECT_EQ(storage.log[49], (RecordingSettingsStorage::Write{"Advanced", "HTTP1", "2"}));
    EXPECT_EQ(storage.log[50], (RecordingSettingsStorage::Write{"Advanced", "QOS", "20"}));
    EXPECT_EQ(storage.log[51], (RecordingSettingsStorage::Write{
                                   "Values", "Connection", "Restore Windows Default Settings"}));
    EXPECT_EQ(storage.log[52], (RecordingSettingsStorage::Write{"Values", "1", "1480"}));
    EXPECT_EQ(storage.log[54], (RecordingSettingsStorage::Write{"Values", "3", "128"}));
    EXPECT_EQ(storage.log[55], (RecordingSettingsStorage::Write{"Values", "4", "8760"}));
    EXPECT_EQ(storage.log[62], (RecordingSettingsStorage::Write{"Values", "11", "1"}));
}

}  // namespace
}  // namespace quorvex
