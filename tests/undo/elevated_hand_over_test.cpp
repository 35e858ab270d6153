#include "undo/elevated_hand_over.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_reading.h"
#include "tuning/memory_registry_backend.h"

namespace quorvex {
namespace {

using testing::regText;

constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* kSid = "S-1-5-21-3623811015-3361044348-30300820-1013";

std::string header(const std::string& sid = kSid) {
    return "quorvex hand-over 1\nuser\t" + sid + "\n";
}

std::string setLine(const std::string& hive, const std::string& key, const std::string& name,
                    const std::string& type = "1", const std::string& data = "363400") {
    return "set\t" + hive + "\t" + key + "\t" + name + "\t" + type + "\t" + data + "\n";
}

const std::string kGoodLine = setLine("HKEY_LOCAL_MACHINE", kMstcp, "DefaultTTL");

TEST(ElevatedHandOverTest, AHandOverComesBackAsItWasWritten) {
    const undo::HandOver handOver{
        kSid,
        {{Hive::LocalMachine, kMstcp, "DefaultTTL", false, kRegSz, {'6', '4', 0}},
         {Hive::CurrentUser, kExplorer, "NoRecentDocsNetHood", false, kRegDword, {1, 0, 0, 0}},
         {Hive::LocalMachine,
          "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters",
          "tcpmaxdupacks",
          true,
          0,
          {}},
         {Hive::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000",
          "MaxMTU", false, 3, std::vector<std::uint8_t>(undo::kMaxHandedDataBytes, 0xA5)},
         {Hive::LocalMachine, kMstcp, "SackOpts", false, kRegSz, {}}}};
    std::string error;
    const auto read = undo::parseHandOver(undo::handOverText(handOver), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(*read, handOver);
}

TEST(ElevatedHandOverTest, AnythingButTheValuesNeedingRightsOrAWholeHandOverIsRefusedWhole) {
    const std::string lm = "HKEY_LOCAL_MACHINE";
    std::string manyWrites = header();
    for (std::size_t i = 0; i <= undo::kMaxHandedWrites; ++i) manyWrites += kGoodLine;
    manyWrites += "end\n";
    std::string huge = header() + kGoodLine;
    while (huge.size() <= undo::kMaxHandOverBytes) huge += "x";
    huge += "\nend\n";
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"no end", header() + kGoodLine},
        {"no line break after the end", header() + kGoodLine + "end"},
        {"no writes", header() + "end\n"},
        {"another header",
         "quorvex hand-over 2\nuser\t" + std::string(kSid) + "\n" + kGoodLine + "end\n"},
        {"carriage returns",
         "quorvex hand-over 1\r\nuser\t" + std::string(kSid) + "\r\n" + kGoodLine + "end\r\n"},
        {"a second user", header() + "user\tS-1-5-18\n" + kGoodLine + "end\n"},
        {"a run key", header() +
                          setLine(lm, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "x") +
                          "end\n"},
        {"another value of a tuned key", header() + setLine(lm, kMstcp, "ImagePath") + "end\n"},
        {"a per-user value needing no rights",
         header() + setLine("HKEY_CURRENT_USER", kInternet, "MaxConnectionsPerServer") + "end\n"},
        {"the policy value under the machine",
         header() + setLine(lm, kExplorer, "NoRecentDocsNetHood") + "end\n"},
        {"parent steps",
         header() + setLine(lm, std::string(kMstcp) + "\\..\\..\\Run", "DefaultTTL") + "end\n"},
        {"a leading backslash",
         header() + setLine(lm, "\\" + std::string(kMstcp), "DefaultTTL") + "end\n"},
        {"a trailing backslash",
         header() + setLine(lm, std::string(kMstcp) + "\\", "DefaultTTL") + "end\n"},
        {"the hive in the path",
         header() + setLine(lm, lm + "\\" + kMstcp, "DefaultTTL") + "end\n"},
        {"a NUL in the name",
         header() + setLine(lm, kMstcp, std::string("DefaultTTL\0x", 12)) + "end\n"},
        {"HKEY_USERS", header() + setLine("HKEY_USERS", kMstcp, "DefaultTTL") + "end\n"},
        {"an abbreviated hive", header() + setLine("HKLM", kMstcp, "DefaultTTL") + "end\n"},
        {"a type past the last", header() + setLine(lm, kMstcp, "DefaultTTL", "12") + "end\n"},
        {"a negative type", header() + setLine(lm, kMstcp, "DefaultTTL", "-1") + "end\n"},
        {"a type with a sign", header() + setLine(lm, kMstcp, "DefaultTTL", "+1") + "end\n"},
        {"odd data", header() + setLine(lm, kMstcp, "DefaultTTL", "1", "363") + "end\n"},
        {"data that is no hex", header() + setLine(lm, kMstcp, "DefaultTTL", "1", "zz") + "end\n"},
        {"data too long", header() +
                              setLine(lm, kMstcp, "DefaultTTL", "1",
                                      std::string((undo::kMaxHandedDataBytes + 1) * 2, 'a')) +
                              "end\n"},
        {"a field too many",
         header() + "set\t" + lm + "\t" + kMstcp + "\tDefaultTTL\t1\t00\t00\n" + "end\n"},
        {"a delete with data",
         header() + "delete\t" + lm + "\t" + kMstcp + "\tDefaultTTL\t1\n" + "end\n"},
        {"an unknown verb", header() + "run\t" + lm + "\t" + kMstcp + "\tDefaultTTL\n" + "end\n"},
        {"too many writes", manyWrites},
        {"too large", huge},
        {"a line after the end", header() + kGoodLine + "end\n" + kGoodLine},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(undo::parseHandOver(c.text, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
    std::string error;
    EXPECT_TRUE(undo::parseHandOver(header() + kGoodLine + "end\n", error)) << error;
}

TEST(ElevatedHandOverTest, OnlyATextSidNamesAUser) {
    struct Case {
        const char* sid;
        bool valid;
    };
    const Case cases[] = {
        {"S-1-5-21-3623811015-3361044348-30300820-1013", true},
        {"S-1-5-18", true},
        {"S-1-5-21-0-0-0-1000", true},
        {"", false},
        {"S-1-5", false},
        {"S-1-5-", false},
        {"S-1--5-18", false},
        {"s-1-5-18", false},
        {"S-2-5-18", false},
        {"S-1-5-18\\..\\S-1-5-19", false},
        {"S-1-5-18\\Software", false},
        {"S-1-5-18 ", false},
        {"S-1-5-1x", false},
        {"S-1-5-1234567890123456", false},
        {".DEFAULT", false},
    };
    for (const auto& c : cases) EXPECT_EQ(undo::validUserSid(c.sid), c.valid) << c.sid;
    std::string error;
    EXPECT_FALSE(undo::parseHandOver(header("S-1-5-18\\Software") + kGoodLine + "end\n", error));
}

TEST(ElevatedHandOverTest, ResultsComeBackOnlyWholeAndInTheirNumber) {
    const HeldBackResults results{std::nullopt,
                                  RegistryFailure{{}, "Access is denied", kRegAccessDenied},
                                  RegistryFailure{{}, "two\nlines\tand a tab", -2147024891}};
    const auto read = undo::parseResults(undo::resultsText(results), 3);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 3u);
    EXPECT_FALSE((*read)[0]);
    EXPECT_EQ((*read)[1], results[1]);
    // A reason travels on one line.
    EXPECT_EQ((*read)[2]->reason, "two lines and a tab");
    EXPECT_EQ((*read)[2]->status, -2147024891);

    EXPECT_FALSE(undo::parseResults(undo::resultsText(results), 2));
    EXPECT_FALSE(undo::parseResults(undo::resultsText(results), 4));
    EXPECT_FALSE(undo::parseResults("quorvex results 1\nok\n", 1));
    EXPECT_FALSE(undo::parseResults("quorvex results 1\nfine\nend\n", 1));
    EXPECT_FALSE(undo::parseResults("quorvex results 1\nfailed\tfive\tx\nend\n", 1));
    EXPECT_TRUE(undo::parseResults("quorvex results 1\nend\n", 0));
}

TEST(ElevatedHandOverTest, TheElevatedSideMakesTheWritesInOneBatch) {
    MemoryRegistryBackend registry;
    const std::vector<HeldBackWrite> writes{
        {Hive::LocalMachine, kMstcp, "DefaultTTL", false, kRegSz, {'6', '4', 0}},
        {Hive::CurrentUser, kExplorer, "NoRecentDocsNetHood", false, kRegDword, {1, 0, 0, 0}},
        // A value of a key that does not exist is already gone; no key is made for it.
        {Hive::LocalMachine,
         "System\\CurrentControlSet\\Services\\AFD\\Parameters",
         "FastCopyReceiveThreshold",
         true,
         0,
         {}},
    };
    const HeldBackResults done = undo::makeHandedWrites(registry, writes);
    EXPECT_EQ(done, HeldBackResults(3));
    EXPECT_EQ(regText(registry.data(), Hive::LocalMachine, kMstcp, "DefaultTTL"), "64");
    EXPECT_EQ(regText(registry.data(), Hive::CurrentUser, kExplorer, "NoRecentDocsNetHood"), "#1");
    EXPECT_FALSE(registry.data().hasKey(Hive::LocalMachine,
                                        "System\\CurrentControlSet\\Services\\AFD\\Parameters"));
    EXPECT_EQ(registry.batchesCommitted(), 1);

    registry.failValue("DefaultTTL", kRegAccessDenied);
    const HeldBackResults one = undo::makeHandedWrites(
        registry, {{Hive::LocalMachine, kMstcp, "DefaultTTL", false, kRegSz, {'3', '2', 0}},
                   {Hive::LocalMachine, kMstcp, "SackOpts", false, kRegSz, {'1', 0}}});
    ASSERT_EQ(one.size(), 2u);
    ASSERT_TRUE(one[0]);
    EXPECT_EQ(one[0]->status, kRegAccessDenied);
    EXPECT_FALSE(one[1]);

    registry.failCommits(kRegWriteFault);
    const HeldBackResults none = undo::makeHandedWrites(
        registry, {{Hive::LocalMachine, kMstcp, "SackOpts", false, kRegSz, {'0', 0}}});
    ASSERT_EQ(none.size(), 1u);
    ASSERT_TRUE(none[0]);
    EXPECT_EQ(none[0]->status, kRegWriteFault);
    EXPECT_EQ(regText(registry.data(), Hive::LocalMachine, kMstcp, "SackOpts"), "1");
}

}  // namespace
}  // namespace quorvex
