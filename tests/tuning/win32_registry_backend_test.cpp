#include "tuning/win32_registry_backend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "commands/tuning_commands.h"
#include "model/window_model.h"
#include "platform/win32_registry_sandbox.h"
#include "support/command_world.h"
#include "support/profile_in_place.h"
#include "tuning/connection_catalogue.h"
#include "tuning/memory_registry_backend.h"
#include "tuning/mod_registry.h"
#include "tuning/optimization_profile.h"
#include "tuning/reg_file_format.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::queryValue;
using test::StoredValue;

constexpr Hive HKLM = Hive::LocalMachine;
constexpr Hive HKCU = Hive::CurrentUser;
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string kMstcpUpper = "System\\CurrentControlSet\\Services\\VXD\\MSTCP";

std::string currentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}

StoredValue sz(const std::string& text) {
    StoredValue v{REG_SZ, Bytes(text.begin(), text.end())};
    v.bytes.push_back(0);
    return v;
}

StoredValue dword(std::uint32_t n) {
    return {REG_DWORD,
            Bytes{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                  static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)}};
}

// The eighteen values of the automatic optimization, by value name, as the registry holds them.
std::map<std::string, StoredValue> dsl100mValues() {
    return {{"DefaultRcvWindow", sz("2337720")},
            {"DefaultTTL", sz("64")},
            {"Tcp1323Opts", sz("1")},
            {"MaxMTU", sz("1492")},
            {"IPMTU", sz("1492")},
            {"(Default)", sz("1492")},
            {"MaxMSS", sz("1452")},
            {"SackOpts", sz("1")},
            {"TcpMaxDupAcks", dword(2)},
            {"FastCopyReceiveThreshold", sz("1500")},
            {"FastSendDatagramThreshold", sz("1500")},
            {"SizReqBuf", dword(16384)},
            {"MaxCmds", dword(64)},
            {"MaxThreads", dword(64)},
            {"NoRecentDocsNetHood", dword(1)},
            {"NonBestEffortLimit", dword(0)},
            {"MaxConnectionsPerServer", dword(10)},
            {"MaxConnectionsPer1_0Server", dword(10)}};
}

std::map<std::string, StoredValue> restoreDefaultsValues() {
    const auto http = [](std::string_view text) {
        return dword(static_cast<std::uint32_t>(*modRegistry::parseDecimal32(std::string(text))));
    };
    return {{"DefaultRcvWindow", sz("8760")},
            {"DefaultTTL", sz("32")},
            {"Tcp1323Opts", sz("3")},
            {"MaxMTU", sz("1480")},
            {"IPMTU", sz("1480")},
            {"(Default)", sz("1480")},
            {"MaxMSS", sz("1440")},
            {"SackOpts", sz("0")},
            {"TcpMaxDupAcks", dword(1)},
            {"FastCopyReceiveThreshold", sz("1025")},
            {"FastSendDatagramThreshold", sz("1024")},
            {"SizReqBuf", dword(4356)},
            {"MaxCmds", dword(15)},
            {"MaxThreads", dword(15)},
            {"NoRecentDocsNetHood", dword(0)},
            {"NonBestEffortLimit", dword(20)},
            {"MaxConnectionsPerServer", http(defaultSet().http11)},
            {"MaxConnectionsPer1_0Server", http(defaultSet().http10)}};
}

// Every test writes through the real registry functions into its own throwaway hives.
class Win32RegistryBackendTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(sandbox.ready()); }

    HKEY lm() const { return sandbox.localMachine(); }
    HKEY cu() const { return sandbox.currentUser(); }

    test::RegistrySandbox sandbox{currentTestName()};
    Win32RegistryBackend backend;
};

TEST_F(Win32RegistryBackendTest, CreateKeyMakesMissingParentsUnderTheRightHive) {
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    modRegistry::CreateKey(backend, "Software\\Quorvex\\Connection", HKCU);
    EXPECT_TRUE(test::keyExists(lm(), "System\\CurrentControlSet\\Services"));
    EXPECT_TRUE(test::keyExists(lm(), kMstcp));
    EXPECT_FALSE(test::keyExists(cu(), kMstcp));
    EXPECT_TRUE(test::keyExists(cu(), "Software\\Quorvex\\Connection"));
    EXPECT_FALSE(test::keyExists(lm(), "Software\\Quorvex"));
}

// The elevated side's registry: HKEY_CURRENT_USER is the named user's hive, which is opened and
// never made; a hive that is not there refuses every call under it and nothing else.
TEST_F(Win32RegistryBackendTest, AUserHiveThatIsNotLoadedRefusesOnlyItsOwnCalls) {
    Win32RegistryBackend forUser("S-1-5-21-4000000001-4000000002-4000000003-4242");
    RegKey key = 0;
    EXPECT_EQ(forUser.createKey(HKCU, "Software\\Quorvex", key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(forUser.openKey(HKCU, "Software", key), ERROR_FILE_NOT_FOUND);
    std::uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(forUser.queryValue(HKCU, "Software", "x", type, data), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(test::keyExists(cu(), "Software\\Quorvex"));
    ASSERT_EQ(forUser.createKey(HKLM, kMstcp, key), ERROR_SUCCESS);
    forUser.closeKey(key);
    EXPECT_TRUE(test::keyExists(lm(), kMstcp));
}

// The words the user is shown for a refusal are the system's own, without the full stop and
// line break that end them; a code without words is still named.
TEST_F(Win32RegistryBackendTest, ARefusedWriteIsDescribedInTheSystemsWords) {
    ASSERT_TRUE(sandbox.refuseLocalMachineWrites());
    const WindowModel window;
    RegistryFailure why;
    EXPECT_FALSE(
        runPlanRow(backend, optimizationWritePlan()[0], window.state(), window.controls(), &why));
    EXPECT_TRUE(why.location.empty());
    EXPECT_NE(why.status, ERROR_SUCCESS);
    ASSERT_FALSE(why.reason.empty());
    EXPECT_EQ(why.reason.find("error "), std::string::npos) << why.reason;
    EXPECT_NE(why.reason.back(), '.');
    EXPECT_NE(why.reason.back(), '\n');
    EXPECT_EQ(why.reason, systemErrorText(static_cast<unsigned long>(why.status)));
    EXPECT_EQ(systemErrorText(0x2000ABCDul), "error 536914893");
}

TEST_F(Win32RegistryBackendTest, CreateKeyOnAnExistingKeyLeavesItsValues) {
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, kMstcp, "SackOpts", 1, kRegSz));
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    EXPECT_EQ(queryValue(lm(), kMstcp, "SackOpts"), sz("1"));
}

TEST_F(Win32RegistryBackendTest, SetValueOnAMissingKeyWritesNothing) {
    EXPECT_FALSE(modRegistry::SetValue(backend, HKLM, kMstcp, "SackOpts", 1, kRegSz));
    EXPECT_FALSE(test::keyExists(lm(), kMstcp));
    EXPECT_FALSE(test::keyExists(lm(), "System"));
    RegKey key = 0;
    EXPECT_EQ(backend.openKey(HKLM, kMstcp, key), ERROR_FILE_NOT_FOUND);
}

TEST_F(Win32RegistryBackendTest, VxdSpellingsReachOneKey) {
    modRegistry::CreateKey(backend, kMstcpUpper, HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, kMstcpUpper, "Tcp1323Opts", 1, kRegSz));
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, kMstcp, "SackOpts", 1, kRegSz));
    EXPECT_EQ(test::valueCount(lm(), kMstcp), 2);
    EXPECT_EQ(queryValue(lm(), kMstcp, "Tcp1323Opts"), sz("1"));
    EXPECT_EQ(queryValue(lm(), kMstcpUpper, "sackopts"), sz("1"));
}

TEST_F(Win32RegistryBackendTest, NamedDefaultIsCreatedBesideTheUnnamedDefault) {
    const std::string path =
        "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000\\NDI"
        "\\params\\IPMTU";
    modRegistry::CreateKey(backend, path, HKLM);
    RegKey key = 0;
    ASSERT_EQ(backend.openKey(HKLM, path, key), ERROR_SUCCESS);
    ASSERT_EQ(backend.setValue(key, "", REG_SZ, sz("576").bytes), ERROR_SUCCESS);
    backend.closeKey(key);

    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, path, "(Default)", 1492, kRegSz));
    EXPECT_EQ(test::valueCount(lm(), path), 2);
    EXPECT_EQ(queryValue(lm(), path, "(Default)"), sz("1492"));
    EXPECT_EQ(queryValue(lm(), path, ""), sz("576"));
}

struct RealEncodeCase {
    const char* name;
    std::uint32_t type;
    RegData data;
    StoredValue expected;
    friend void PrintTo(const RealEncodeCase& c, std::ostream* os) { *os << c.name; }
};

class Win32RegistryEncoding : public Win32RegistryBackendTest,
                              public ::testing::WithParamInterface<RealEncodeCase> {};

TEST_P(Win32RegistryEncoding, StoresTypeAndBytes) {
    const auto& c = GetParam();
    modRegistry::CreateKey(backend, "K", HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, "K", "v", c.data, c.type));
    EXPECT_EQ(queryValue(lm(), "K", "v"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Win32RegistryEncoding,
    ::testing::Values(
        RealEncodeCase{"SzRwinIsEightBytes", kRegSz, std::int32_t{2337720},
                       StoredValue{REG_SZ, Bytes{'2', '3', '3', '7', '7', '2', '0', 0}}},
        RealEncodeCase{"SzNegative", kRegSz, std::int32_t{-1}, sz("-1")},
        RealEncodeCase{"SzText", kRegSz, std::string("Restore Windows Default Settings "),
                       sz("Restore Windows Default Settings ")},
        RealEncodeCase{"DwordFromText", kRegDword, std::string("20"), dword(20)},
        RealEncodeCase{"DwordFromInt16", kRegDword, std::int32_t{std::int16_t{16384}},
                       StoredValue{REG_DWORD, Bytes{0x00, 0x40, 0x00, 0x00}}},
        RealEncodeCase{"DwordNegative", kRegDword, std::int32_t{-2}, dword(0xFFFFFFFEu)}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts outside the ANSI code page come back exactly: read and written as UTF-16 by the
// registry, as UTF-8 by the rest of the program.
TEST_F(Win32RegistryBackendTest, TextOutsideTheAnsiCodePageComesBackExactly) {
    const std::wstring text = L"Gr\u00FC\u00DFe \u65E5\u672C \u0416";
    const std::string utf8 =
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE6\x97\xA5\xE6\x9C\xAC \xD0\x96";
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(lm(), L"K \u65E5", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    const auto* first = reinterpret_cast<const BYTE*>(text.c_str());
    ASSERT_EQ(RegSetValueExW(key, L"v \u0416", 0, REG_SZ, first,
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    RegCloseKey(key);

    std::uint32_t type = 0;
    Bytes data;
    ASSERT_EQ(backend.queryValue(HKLM, "K \xE6\x97\xA5", "v \xD0\x96", type, data), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
    Bytes expected(utf8.begin(), utf8.end());
    expected.push_back(0);
    EXPECT_EQ(data, expected);

    RegKey opened = 0;
    ASSERT_EQ(backend.openKey(HKLM, "K \xE6\x97\xA5", opened), ERROR_SUCCESS);
    ASSERT_EQ(backend.setValue(opened, "copy", type, data), ERROR_SUCCESS);
    backend.closeKey(opened);
    ASSERT_EQ(RegOpenKeyExW(lm(), L"K \u65E5", 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    std::vector<wchar_t> back(64);
    DWORD size = static_cast<DWORD>(back.size() * sizeof(wchar_t));
    DWORD found = 0;
    ASSERT_EQ(RegQueryValueExW(key, L"copy", nullptr, &found, reinterpret_cast<BYTE*>(back.data()),
                               &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(found, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(back.data()), text);
    EXPECT_EQ(size, (text.size() + 1) * sizeof(wchar_t));
}

TEST_F(Win32RegistryBackendTest, TypesOtherThanSzAndDwordWriteNothingAndReportSuccess) {
    modRegistry::CreateKey(backend, "K", HKLM);
    RegKey key = 0;
    ASSERT_EQ(backend.openKey(HKLM, "K", key), ERROR_SUCCESS);
    for (std::uint32_t type : {0u, 2u, 3u, 7u, 11u})
        EXPECT_EQ(modRegistry::WriteValue(backend, key, "v", type, std::int32_t{5}), 0) << type;
    backend.closeKey(key);
    EXPECT_EQ(test::valueCount(lm(), "K"), 0);
}

TEST_F(Win32RegistryBackendTest, DwordTextThatIsNoNumberWritesNothing) {
    modRegistry::CreateKey(backend, "K", HKLM);
    EXPECT_FALSE(modRegistry::SetValue(backend, HKLM, "K", "v", std::string("ten"), kRegDword));
    EXPECT_EQ(queryValue(lm(), "K", "v"), std::nullopt);
}

TEST_F(Win32RegistryBackendTest, AWriteReplacesTypeAndDataWhole) {
    modRegistry::CreateKey(backend, "K", HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, "K", "v", 2337720, kRegSz));
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, "K", "v", 7, kRegDword));
    EXPECT_EQ(queryValue(lm(), "K", "v"), dword(7));
}

TEST_F(Win32RegistryBackendTest, KeysAreCreatedNonVolatile) {
    // The registry refuses a non-volatile child under a volatile key: a backend that asked
    // for volatile keys would succeed here.
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(lm(), "Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    RegKey key = 0;
    EXPECT_EQ(backend.createKey(HKLM, "Volatile\\Child", key), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_FALSE(test::keyExists(lm(), "Volatile\\Child"));
    ASSERT_EQ(backend.createKey(HKLM, "Lasting", key), ERROR_SUCCESS);
    backend.closeKey(key);
}

TEST_F(Win32RegistryBackendTest, AFailedWriteIsReportedByItsStatus) {
    // A handle opened for reading only: the write is refused and nothing is stored.
    modRegistry::CreateKey(backend, "K", HKLM);
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(lm(), "K", 0, KEY_QUERY_VALUE, &readOnly), ERROR_SUCCESS);
    EXPECT_EQ(backend.setValue(reinterpret_cast<RegKey>(readOnly), "v", REG_SZ, sz("1").bytes),
              ERROR_ACCESS_DENIED);
    backend.closeKey(reinterpret_cast<RegKey>(readOnly));
    EXPECT_EQ(queryValue(lm(), "K", "v"), std::nullopt);
}

// The automatic optimization's eighteen writes through the real registry, each read back.
class Win32RegistryPlanTest : public Win32RegistryBackendTest {
  protected:
    // Puts the profile in place on the window as the optimization does, then runs the plan
    // through the real registry and, for comparison, through the in-memory store.
    void runProfile(ConnectionKind kind) {
        testing::putProfileInPlace(window, kind);
        EXPECT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()),
                  0);
        EXPECT_EQ(runWritePlan(memory, optimizationWritePlan(), window.state(), window.controls()),
                  0);
    }

    HKEY hiveKey(Hive hive) const { return hive == HKCU ? cu() : lm(); }
    HKEY otherHiveKey(Hive hive) const { return hive == HKCU ? lm() : cu(); }

    // Every row's value as the registry holds it, checked against `expected` by value name,
    // and against what the same plan left in the in-memory store.
    void expectPlanValues(const std::map<std::string, StoredValue>& expected) {
        expectStoredValues(expected);
        for (const auto& row : optimizationWritePlan()) {
            const std::string path(row.keyPath), name(row.valueName);
            SCOPED_TRACE("row " + std::to_string(row.number) + " " + name);
            const RegValue* inMemory = memory.data().value(row.hive, path, name);
            ASSERT_NE(inMemory, nullptr);
            EXPECT_EQ(queryValue(hiveKey(row.hive), path, name),
                      (StoredValue{inMemory->type, inMemory->data}));
        }
    }

    // Every row's value read back with RegQueryValueExA: type and bytes, in its own hive only.
    void expectStoredValues(const std::map<std::string, StoredValue>& expected) {
        ASSERT_EQ(expected.size(), 18u);
        for (const auto& row : optimizationWritePlan()) {
            const std::string path(row.keyPath), name(row.valueName);
            SCOPED_TRACE("row " + std::to_string(row.number) + " " + name);
            const auto stored = queryValue(hiveKey(row.hive), path, name);
            ASSERT_TRUE(stored.has_value());
            EXPECT_EQ(stored->type, row.type);
            EXPECT_EQ(*stored, expected.at(name));
            EXPECT_FALSE(queryValue(otherHiveKey(row.hive), path, name).has_value());
        }
        EXPECT_EQ(test::valueCount(lm(), kMstcp), 4);
    }

    WindowModel window;
    MemoryRegistryBackend memory;
};

TEST_F(Win32RegistryPlanTest, Dsl100MReadsBackAsWritten) {
    runProfile(ConnectionKind::Dsl100M);
    expectPlanValues(dsl100mValues());
}

TEST_F(Win32RegistryPlanTest, Dsl100MMatchesTheRegistryEditorFileOfOtherSystems) {
    // Where there is no registry, the same plan goes into a registry editor file; imported on
    // Windows it must give what the real registry holds here.
    std::ifstream in(std::string(QUORVEX_TUNING_TEST_DATA) + "/dsl100m.reg", std::ios::binary);
    ASSERT_TRUE(in) << QUORVEX_TUNING_TEST_DATA;
    const auto golden = parseRegFile(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    ASSERT_TRUE(golden.has_value());
    runProfile(ConnectionKind::Dsl100M);
    for (const auto& row : optimizationWritePlan()) {
        const std::string path(row.keyPath), name(row.valueName);
        SCOPED_TRACE(name);
        const RegValue* fromFile = golden->value(row.hive, path, name);
        ASSERT_NE(fromFile, nullptr);
        EXPECT_EQ(queryValue(hiveKey(row.hive), path, name),
                  (StoredValue{fromFile->type, fromFile->data}));
    }
}

TEST_F(Win32RegistryPlanTest, RestoreDefaultsReadsBackAsWritten) {
    runProfile(ConnectionKind::RestoreDefaults);
    expectPlanValues(restoreDefaultsValues());
}

TEST_F(Win32RegistryPlanTest, WithoutAdministratorRightsOnlyTheCurrentUserValuesArrive) {
    ASSERT_TRUE(sandbox.refuseLocalMachineWrites());
    const auto profile = optimizationProfile(ConnectionKind::Dsl4M);
    window.controls().setOption(std::string(profile.connection->optionControl), true);
    for (const auto& choice : profile.set->choices)
        window.controls().setOption(std::string(choice.control), true);
    window.controls().setListText("QOS", "0");
    window.controls().setListText("Combo2", "10");
    window.controls().setListText("Combo1", "10");
    EXPECT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()),
              15);
    EXPECT_EQ(test::subkeyCount(lm()), 0);
    const std::string internet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
    EXPECT_EQ(queryValue(cu(), internet, "MaxConnectionsPerServer"), dword(10));
    EXPECT_EQ(queryValue(cu(), internet, "MaxConnectionsPer1_0Server"), dword(10));
    EXPECT_EQ(queryValue(cu(), "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                         "NoRecentDocsNetHood"),
              dword(1));
}

TEST_F(Win32RegistryPlanTest, ASecondRunLeavesTheSameValues) {
    runProfile(ConnectionKind::Satellite6M);
    const auto first = queryValue(lm(), kMstcp, "DefaultRcvWindow");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()), 0);
    EXPECT_EQ(queryValue(lm(), kMstcp, "DefaultRcvWindow"), first);
    EXPECT_EQ(test::valueCount(lm(), kMstcp), 4);
    EXPECT_EQ(test::valueCount(cu(),
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
                               "Settings"),
              2);
}

// "Everything Automatically" as the window runs it: the real command with its confirmation,
// Firefox step, saved settings and restart offer (all fakes), writing through the real
// registry into the sandbox.
class Win32AutomaticOptimizationTest : public Win32RegistryPlanTest {
  protected:
    void SetUp() override {
        Win32RegistryPlanTest::SetUp();
        locations.program = temp.path() / "program";
        quorvex::testing::writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        quorvex::testing::writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
        std::filesystem::create_directories(profile());
        restoreWindowState(window, storage);
    }

    std::filesystem::path profile() const {
        return temp.path() / "appdata" / "Mozilla" / "Firefox" / "Profiles" / "a.default";
    }

    void runCommand(ConnectionKind kind) {
        const std::string fullName(connectionType(kind).fullName);
        window.controls().setListText("Combo3", fullName);
        ASSERT_TRUE(commands.automaticOptimization());
        ASSERT_EQ(prompts.shown.size(), 1u);  // the confirmation only: no error box
        EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(prompts.restarts, 1);
        EXPECT_EQ(storage.value("Values", "Connection"), fullName);
        EXPECT_EQ(window.controls().listText("Combo3"), fullName);
    }

    quorvex::testing::TempDir temp;
    quorvex::testing::FakePrompts prompts;  // answers Yes; the restart offer is only counted
    quorvex::testing::FakeEventPump events;
    quorvex::testing::FakeLocations locations;
    quorvex::testing::FixedClock clock;
    quorvex::testing::RecordingSettingsStorage storage;
    TuningCommands commands{
        CommandContext{{backend, storage, prompts, events, locations, clock}, window}};
};

TEST_F(Win32AutomaticOptimizationTest, Dsl100MThroughTheCommand) {
    runCommand(ConnectionKind::Dsl100M);
    expectStoredValues(dsl100mValues());
    EXPECT_EQ(storage.value("Connection",
                            std::string(connectionType(ConnectionKind::Dsl100M).settingsKey)),
              "True");
    EXPECT_EQ(quorvex::testing::readFile(profile() / "user.js"), kOptimizedPreferences);
}

TEST_F(Win32AutomaticOptimizationTest, RestoreDefaultsThroughTheCommandAfterAnotherProfile) {
    runCommand(ConnectionKind::Dsl100M);
    prompts.shown.clear();
    prompts.restarts = 0;
    runCommand(ConnectionKind::RestoreDefaults);
    expectStoredValues(restoreDefaultsValues());
    EXPECT_EQ(storage.value("Connection", "35"), "True");
    EXPECT_EQ(quorvex::testing::readFile(profile() / "user.js"), kDefaultPreferences);
}

}  // namespace
}  // namespace quorvex
