#include "undo/undo_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <system_error>

#include "undo/undo_world.h"

namespace quorvex {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using testing::Observed;
using ::testing::StartsWith;
using testing::TestRegistryKind;
using testing::UndoWorld;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";
constexpr const char* kSatellite6M = "Satellite (6 Megabit And Up)";
constexpr const char* kTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

const undo::ValueAddress& tracked(const std::string& name) {
    for (const auto& address : undo::trackedValues())
        if (address.valueName == name) return address;
    throw std::logic_error("untracked value " + name);
}

class UndoTest : public ::testing::TestWithParam<TestRegistryKind> {
  protected:
    UndoWorld world{GetParam()};

    void optimize(const char* connection) {
        world.choose(connection);
        ASSERT_TRUE(world.commands.automaticOptimization());
    }
    // The boxes and prompts so far are forgotten, so that a test looks at one command only.
    void forgetPrompts() {
        world.prompts.shown.clear();
        world.prompts.restarts = 0;
    }
};

TEST_P(UndoTest, AValueAbsentBeforeIsAbsentAgainAfterRestoringTheOriginal) {
    const Observed fresh = world.observe();
    for (const auto& value : fresh.values) ASSERT_FALSE(value.has_value());

    optimize(kDsl16M);
    ASSERT_TRUE(world.stored(tracked("DefaultRcvWindow")).has_value());
    forgetPrompts();

    ASSERT_TRUE(world.undo.restoreOriginalSettings());
    ASSERT_FALSE(world.prompts.shown.empty());
    // The local date and time of the record: "2026-12-09 06:15" in most time zones.
    const std::string question = world.prompts.shown[0].text;
    EXPECT_THAT(question, StartsWith("Put back the 19 tuning values as they were on 2026-12-"));
    EXPECT_THAT(question, EndsWith("?"));
    EXPECT_EQ(question.size(), std::string("Put back the 19 tuning values as they were on "
                                           "2026-12-09 06:15?")
                                   .size());
    EXPECT_EQ(world.prompts.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(world.prompts.shown[0].title, "Quorvex");
    EXPECT_EQ(world.completed(), 1);
    const Observed after = world.observe();
    EXPECT_EQ(after.values, fresh.values);
    EXPECT_EQ(after.settings, fresh.settings);
    EXPECT_EQ(after.window, fresh.window);
}

TEST_P(UndoTest, AValueOfAnotherTypeComesBackWithItsTypeAndData) {
    // The plan writes TcpMaxDupAcks and MaxConnectionsPerServer as numbers, DefaultTTL as text.
    world.preset(Hive::LocalMachine, kTcpip, "TcpMaxDupAcks", kRegSz, testing::szBytes("3"));
    world.preset(Hive::LocalMachine, kMstcp, "DefaultTTL", kRegDword, testing::dwordBytes(128));
    world.preset(Hive::CurrentUser, kInternet, "MaxConnectionsPerServer", 3, {0xDE, 0xAD, 0x00});
    const Observed before = world.observe();

    optimize(kDsl16M);
    ASSERT_EQ(world.stored(tracked("TcpMaxDupAcks"))->type, kRegDword);

    ASSERT_TRUE(world.undo.restoreOriginalSettings());
    const auto dupAcks = world.stored(tracked("TcpMaxDupAcks"));
    ASSERT_TRUE(dupAcks.has_value());
    EXPECT_EQ(dupAcks->type, kRegSz);
    EXPECT_EQ(dupAcks->data, testing::szBytes("3"));
    const auto ttl = world.stored(tracked("DefaultTTL"));
    ASSERT_TRUE(ttl.has_value());
    EXPECT_EQ(ttl->type, kRegDword);
    EXPECT_EQ(ttl->data, testing::dwordBytes(128));
    EXPECT_EQ(world.observe().values, before.values);
}

TEST_P(UndoTest, UndoAfterTwoCommandsGivesTheStateAfterTheFirst) {
    optimize(kDsl16M);
    const Observed afterFirst = world.observe();

    world.choose(kSatellite6M);
    world.window.controls().setOption("TTL128", true);
    ASSERT_TRUE(world.commands.advancedApply());
    ASSERT_NE(world.observe(), afterFirst);
    forgetPrompts();

    ASSERT_TRUE(world.undo.undoLastChange());
    EXPECT_EQ(world.completed(), 1);
    EXPECT_EQ(world.observe(), afterFirst);
    EXPECT_EQ(world.window.controls().listText("Combo3"), kDsl16M);
    EXPECT_EQ(world.window.state().Ttl, 64);

    // Undoing again puts back the same record: nothing else changes.
    ASSERT_TRUE(world.undo.undoLastChange());
    EXPECT_EQ(world.observe(), afterFirst);
}

TEST_P(UndoTest, TheOriginalRecordSurvivesAnyNumberOfCommands) {
    const Observed fresh = world.observe();
    optimize(kDsl16M);
    const std::string original = testing::readFile(world.records.path(undo::RecordKind::Original));
    ASSERT_THAT(original, StartsWith("REGEDIT4\r\n"));

    std::string previous;
    for (const char* connection : {kSatellite6M, "Restore Windows Default Settings", kDsl16M}) {
        world.clock.when += std::chrono::hours{1};
        optimize(connection);
        const std::string now = testing::readFile(world.records.path(undo::RecordKind::Previous));
        EXPECT_NE(now, previous);
        previous = now;
    }
    world.clock.when += std::chrono::hours{1};
    ASSERT_TRUE(world.commands.advancedApply());
    EXPECT_EQ(testing::readFile(world.records.path(undo::RecordKind::Original)), original);

    ASSERT_TRUE(world.undo.restoreOriginalSettings());
    EXPECT_EQ(world.observe(), fresh);
}

// A person can read the record and merge it: absent values are written "Name"=-.
TEST_P(UndoTest, TheRecordMarksAbsentValuesAndKeepsPresentOnesReadable) {
    world.preset(Hive::LocalMachine, kMstcp, "DefaultTTL", kRegSz, testing::szBytes("128"));
    optimize(kDsl16M);
    const std::string record = testing::readFile(world.records.path(undo::RecordKind::Original));
    EXPECT_THAT(record,
                HasSubstr("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD"
                          "\\MSTCP]\r\n\"DefaultRcvWindow\"=-\r\n\"DefaultTTL\"=\"128\"\r\n"));
    EXPECT_THAT(record, HasSubstr("\"MaxConnectionsPerServer\"=-\r\n"));
    EXPECT_THAT(record, HasSubstr("; Recorded: 2026-12-09T05:15:30Z\r\n"));
}

struct Damage {
    const char* name;
    void (*apply)(const std::filesystem::path& record);
};

const Damage kDamages[] = {
    {"garbage", [](const auto& p) { testing::writeFile(p, "not a record at all\r\n"); }},
    {"cut short",
     [](const auto& p) {
         const std::string text = testing::readFile(p);
         testing::writeFile(p, text.substr(0, text.size() / 2));
     }},
    {"an extra value",
     [](const auto& p) {
         testing::writeFile(p,
                            testing::readFile(p) +
                                "\r\n[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]\r\n\"x\"=\"1\"\r\n");
     }},
    {"no date",
     [](const auto& p) {
         std::string text = testing::readFile(p);
         text.erase(text.find("; Recorded:"), 2);
         testing::writeFile(p, text);
     }},
    {"a folder in its place",
     [](const auto& p) {
         std::filesystem::remove(p);
         std::filesystem::create_directories(p / "inside");
     }},
};

TEST_P(UndoTest, ADamagedOrUnreadableRecordIsReportedAndNothingIsWritten) {
    optimize(kDsl16M);
    world.clock.when += std::chrono::hours{1};
    optimize(kSatellite6M);
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        for (auto kind : {undo::RecordKind::Previous, undo::RecordKind::Original}) {
            const auto path = world.records.path(kind);
            const std::string intact = testing::readFile(path);
            damage.apply(path);
            const Observed before = world.observe();
            const std::size_t settingsWrites = world.storage.log.size();
            forgetPrompts();

            if (kind == undo::RecordKind::Previous)
                world.undo.undoLastChange();
            else
                world.undo.restoreOriginalSettings();
            ASSERT_EQ(world.prompts.shown.size(), 1u);
            EXPECT_EQ(world.prompts.shown[0].icon, MessageIcon::Error);
            EXPECT_THAT(world.prompts.shown[0].text, HasSubstr(path.string()));
            EXPECT_THAT(world.prompts.shown[0].text, HasSubstr("Nothing was changed."));
            EXPECT_EQ(world.prompts.restarts, 0);
            EXPECT_EQ(world.observe(), before);
            EXPECT_EQ(world.storage.log.size(), settingsWrites);

            std::filesystem::remove_all(path);
            testing::writeFile(path, intact);
        }
    }
}

TEST_P(UndoTest, ALinkToNothingInPlaceOfTheOriginalIsAnUnusableRecord) {
    const auto path = world.records.path(undo::RecordKind::Original);
    std::filesystem::create_directories(path.parent_path());
    std::error_code ec;
    std::filesystem::create_symlink(path.parent_path() / "moved-away.reg", path, ec);
    if (ec) GTEST_SKIP() << "no links on this system: " << ec.message();
    optimize(kDsl16M);
    // Like any record that cannot be used, it is kept as it is and reported.
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(path)));
    forgetPrompts();
    world.undo.restoreOriginalSettings();
    ASSERT_EQ(world.prompts.shown.size(), 1u);
    EXPECT_EQ(world.prompts.shown[0].icon, MessageIcon::Error);
    EXPECT_THAT(world.prompts.shown[0].text, HasSubstr(path.string() + " cannot be read"));
    EXPECT_EQ(world.prompts.restarts, 0);
}

TEST_P(UndoTest, ARecordThatCannotBeWrittenStopsEitherCommandBeforeItsFirstWrite) {
    // A file where the records folder should be: nothing can be made inside it.
    testing::writeFile(world.records.folder(), "in the way");
    const Observed before = world.observe();
    world.choose(kDsl16M);
    for (bool automatic : {true, false}) {
        SCOPED_TRACE(automatic ? "automatic optimization" : "advanced apply");
        forgetPrompts();
        if (automatic)
            world.commands.automaticOptimization();
        else
            world.commands.advancedApply();
        ASSERT_EQ(world.prompts.shown.size(), 2u);
        EXPECT_EQ(world.prompts.shown[1].title, "Quorvex");
        EXPECT_EQ(world.prompts.shown[1].icon, MessageIcon::Error);
        EXPECT_THAT(world.prompts.shown[1].text,
                    HasSubstr("could not write its record of the tuning values"));
        EXPECT_EQ(world.prompts.restarts, 0);
        EXPECT_EQ(world.observe().values, before.values);
        EXPECT_EQ(world.observe().settings, before.settings);
        EXPECT_TRUE(world.storage.log.empty());
    }
}

TEST_P(UndoTest, ARecordTooLargeToBePutBackStopsTheCommandBeforeItsFirstWrite) {
    // Three characters in the record for each of its 400,000 bytes.
    world.preset(Hive::LocalMachine, kMstcp, "DefaultTTL", 3,
                 std::vector<std::uint8_t>(400000, 0x40));
    const Observed before = world.observe();
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_THAT(world.prompts.shown[1].text,
                HasSubstr("could not write its record of the tuning values"));
    EXPECT_THAT(world.prompts.shown[1].text, HasSubstr("larger than 1 MiB"));
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_EQ(world.observe().values, before.values);
    EXPECT_TRUE(world.storage.log.empty());
    EXPECT_FALSE(world.records.exists(undo::RecordKind::Original));
    EXPECT_FALSE(world.records.exists(undo::RecordKind::Previous));
}

TEST_P(UndoTest, WithoutARecordTheCommandsSaySoAndChangeNothing) {
    const Observed before = world.observe();
    world.undo.undoLastChange();
    world.undo.restoreOriginalSettings();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[0].text,
              "There is no change to undo: Quorvex has not changed any tuning value yet.");
    EXPECT_THAT(world.prompts.shown[1].text, StartsWith("There is no record of the original"));
    for (const auto& box : world.prompts.shown) {
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.icon, MessageIcon::Information);
    }
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_EQ(world.observe(), before);
    EXPECT_TRUE(world.storage.log.empty());
}

TEST_P(UndoTest, AnsweringNoChangesNothing) {
    optimize(kDsl16M);
    const Observed before = world.observe();
    const std::size_t settingsWrites = world.storage.log.size();
    forgetPrompts();
    world.prompts.answer = MessageAnswer::No;
    world.undo.restoreOriginalSettings();
    world.undo.undoLastChange();
    EXPECT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_EQ(world.observe(), before);
    EXPECT_EQ(world.storage.log.size(), settingsWrites);
}

TEST_P(UndoTest, NothingStartsWhileATuningCommandRuns) {
    optimize(kDsl16M);
    bool started = true;
    world.events.onProcess = [&] { started = world.undo.undoLastChange(); };
    optimize(kSatellite6M);
    EXPECT_FALSE(started);
}

// A setting of another type than text (a number or bytes put there by hand) is recorded as it
// is and put back exactly, not recorded as missing and then removed.
TEST_P(UndoTest, ASettingOfAnotherTypeComesBackWithItsTypeAndData) {
    const std::vector<std::pair<undo::SettingAddress, OtherSetting>> others{
        {undo::trackedSettings().front(), {4, testing::dwordBytes(5)}},
        {undo::trackedSettings().back(), {3, {0xDE, 0xAD, 0x00}}},
    };
    for (const auto& [address, value] : others)
        ASSERT_TRUE(world.storage.writeOther(address.section, address.key, value));
    optimize(kDsl16M);
    for (const auto& [address, value] : others)
        ASSERT_EQ(world.storage.readOther(address.section, address.key), std::nullopt);
    ASSERT_TRUE(world.undo.restoreOriginalSettings());
    for (const auto& [address, value] : others) {
        EXPECT_EQ(world.storage.readOther(address.section, address.key), value) << address.key;
        EXPECT_EQ(world.storage.read(address.section, address.key), std::nullopt);
    }
}

TEST_P(UndoTest, CheckingTheAppliedValuesSaysWhetherTheyAllMatchAndChangesNothing) {
    optimize("DSL Or Cable Modem (16 Megabit And Up)");
    forgetPrompts();
    ASSERT_TRUE(world.undo.checkAppliedValues());
    ASSERT_EQ(world.prompts.shown.size(), 1u);
    EXPECT_EQ(world.prompts.shown[0].text, "All 18 values match the saved choices.");
    EXPECT_EQ(world.prompts.shown[0].icon, MessageIcon::Information);

    const Observed before = world.observe();
    forgetPrompts();
    world.storage.write("Values", "1", "1400");
    ASSERT_TRUE(world.undo.checkAppliedValues());
    ASSERT_EQ(world.prompts.shown.size(), 1u);
    EXPECT_NE(world.prompts.shown[0].text.find("MaxMTU: expected 1400, found "), std::string::npos)
        << world.prompts.shown[0].text;
    EXPECT_EQ(world.prompts.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_EQ(world.observe().values, before.values);
}

INSTANTIATE_TEST_SUITE_P(Backends, UndoTest, ::testing::ValuesIn(testing::testRegistryKinds()),
                         [](const auto& info) { return info.param.name; });

// Registry behaviour that only the memory backend can be made to show.
class UndoOnMemoryTest : public ::testing::Test {
  protected:
    UndoOnMemoryTest() : world(testing::testRegistryKinds().front()) {}
    MemoryRegistryBackend& memory() {
        return dynamic_cast<MemoryRegistryBackend&>(world.registry->backend());
    }
    UndoWorld world;
};

TEST_F(UndoOnMemoryTest, ValuesThatCannotBePutBackEndWithTheCountBox) {
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    world.prompts.shown.clear();
    testing::refuseAsStandardUser(memory());
    world.undo.restoreOriginalSettings();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    // Sixteen values live under HKEY_LOCAL_MACHINE; the advanced apply's "MaxDupAcks" was
    // never written, so it is absent as recorded and needs no write. The Explorer policies
    // key refuses a standard user too.
    EXPECT_EQ(world.prompts.shown[1].text,
              "16 of the 19 tuning values could not be put back. Run Quorvex as administrator "
              "and try again.");
    EXPECT_EQ(world.prompts.shown[1].icon, MessageIcon::Error);
    EXPECT_EQ(world.prompts.restarts, 1);  // from the optimization only
    // The two Internet Settings values are back as they were: absent.
    EXPECT_FALSE(world.stored(tracked("MaxConnectionsPerServer")).has_value());
    EXPECT_TRUE(world.stored(tracked("NoRecentDocsNetHood")).has_value());
}

TEST_F(UndoOnMemoryTest, AnElevatedAdministratorIsToldWhichValueFailedAndWhy) {
    world.elevation.value = true;
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    world.prompts.shown.clear();
    memory().failValue("NonBestEffortLimit", kRegWriteFault);
    world.undo.restoreOriginalSettings();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text,
              "1 of the 19 tuning values could not be put back (\"NonBestEffortLimit\"): The "
              "system cannot write to the specified device.");
    EXPECT_EQ(world.prompts.restarts, 1);  // from the optimization only
}

TEST_F(UndoOnMemoryTest, AValueThatCannotBeReadStopsTheCommandBeforeItsFirstWrite) {
    memory().refuseReads(Hive::LocalMachine);
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text,
              "Quorvex could not read the value \"DefaultRcvWindow\" under "
              "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\MSTCP to keep a "
              "record of it: Access is denied. Nothing was changed.");
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_TRUE(memory().data().empty());
    EXPECT_TRUE(world.storage.log.empty());
    EXPECT_FALSE(world.records.exists(undo::RecordKind::Original));
}

// The values go back in one transaction: when it cannot be committed none is put back, and
// every one of them is refused.
TEST_F(UndoOnMemoryTest, AFailedCommitPutsNothingBackAndRefusesEveryValue) {
    world.elevation.value = true;
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    const auto after = world.observe().values;
    world.prompts.shown.clear();
    memory().failCommits(kRegWriteFault);
    world.undo.restoreOriginalSettings();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text,
              "19 of the 19 tuning values could not be put back: The system cannot write to the "
              "specified device.");
    EXPECT_EQ(world.observe().values, after);
    EXPECT_EQ(memory().batchesBegun(), 2);
    EXPECT_EQ(memory().batchesCommitted(), 1);
}

TEST_F(UndoOnMemoryTest, AValueAlreadyAsRecordedIsNotWrittenAgain) {
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    world.undo.restoreOriginalSettings();
    // Everything is absent already: putting back again needs no write at all.
    memory().refuseWrites(Hive::LocalMachine);
    memory().refuseWrites(Hive::CurrentUser);
    world.prompts.restarts = 0;
    world.undo.restoreOriginalSettings();
    EXPECT_EQ(world.prompts.restarts, 1);
}

}  // namespace
}  // namespace quorvex
