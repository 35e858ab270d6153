#include "commands/refused_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

RefusedValue denied(const std::string& name) {
    return {name, {{}, "Access is denied", kRegAccessDenied}};
}

RefusedValue inFile(const std::string& name, const std::string& file, const std::string& reason,
                    long status = kRegWriteFault) {
    return {name, {file, reason, status}};
}

std::vector<RefusedValue> named(std::initializer_list<const char*> names,
                                RefusedValue (*make)(const std::string&)) {
    std::vector<RefusedValue> refused;
    for (const char* name : names) refused.push_back(make(name));
    return refused;
}

TEST(RefusedValuesTest, EachMessageSaysHowManyWhichAndWhy) {
    struct Case {
        const char* name;
        ValuesWording wording;
        std::size_t total;
        std::vector<RefusedValue> refused;
        bool elevated;
        std::string text;
    };
    const std::string store = "~/.local/share/Quorvex/registry.reg";
    const Case cases[] = {
        {"refused for want of rights, unelevated", kRegistryValuesWritten, 18,
         named({"A", "B"}, denied), false,
         "2 of the 18 registry values could not be written. Run Quorvex as administrator and try "
         "again."},
        {"refused for want of rights, elevated", kRegistryValuesWritten, 18,
         named({"A", "B"}, denied), true,
         "2 of the 18 registry values could not be written (\"A\" and \"B\"): Access is denied."},
        {"one name", kRegistryValuesWritten, 18, named({"A"}, denied), true,
         "1 of the 18 registry values could not be written (\"A\"): Access is denied."},
        {"three names", kRegistryValuesWritten, 18, named({"A", "B", "C"}, denied), true,
         "3 of the 18 registry values could not be written (\"A\", \"B\" and \"C\"): Access is "
         "denied."},
        {"a long list", kRegistryValuesWritten, 18, named({"A", "B", "C", "D", "E"}, denied), true,
         "5 of the 18 registry values could not be written (\"A\", \"B\", \"C\" and 2 more): "
         "Access "
         "is denied."},
        {"every value refused is not listed", kTuningValuesPutBack, 2, named({"A", "B"}, denied),
         true, "2 of the 2 tuning values could not be put back: Access is denied."},
        {"mixed reasons",
         kRegistryValuesWritten,
         18,
         {denied("A"), {"B", {{}, "The device is not ready", 21}}},
         false,
         "2 of the 18 registry values could not be written: \"A\" (Access is denied) and \"B\" "
         "(The device is not ready)."},
        {"a file, every value",
         kRegistryValuesWritten,
         2,
         {inFile("A", store, "No space left on device"),
          inFile("B", store, "No space left on device")},
         false,
         "2 of the 2 registry values could not be written to " + store +
             ": No space left on device."},
        // A file refused with access denied: no administrator can help a per-user file.
        {"a file refused for want of rights",
         kRegistryValuesWritten,
         18,
         {inFile("A", store + ".lock", "Permission denied", kRegAccessDenied)},
         false,
         "1 of the 18 registry values could not be written to " + store +
             ".lock (\"A\"): Permission denied."},
        {"a file, values put back",
         kTuningValuesPutBack,
         19,
         {inFile("A", store, "Read-only file system")},
         false,
         "1 of the 19 tuning values could not be put back in " + store +
             " (\"A\"): Read-only file system."},
        {"a file and another reason",
         kRegistryValuesWritten,
         18,
         {inFile("A", store, "the store would exceed 64 MiB"),
          {"B", {{}, "\"x\" is not a number", kRegInvalidData}}},
         false,
         "2 of the 18 registry values could not be written: \"A\" (" + store +
             ": the store would exceed 64 MiB) and \"B\" (\"x\" is not a number)."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusedValuesMessage(c.wording, c.total, c.refused, c.elevated), c.text)
            << c.name;
}

TEST(RefusedValuesTest, OnlyAnUnelevatedProcessRefusedByTheRegistryForRightsIsSentToTheAdmin) {
    EXPECT_TRUE(administratorWouldHelp(named({"A", "B"}, denied), false));
    EXPECT_FALSE(administratorWouldHelp(named({"A", "B"}, denied), true));
    EXPECT_FALSE(administratorWouldHelp({}, false));
    EXPECT_FALSE(administratorWouldHelp({denied("A"), {"B", {{}, "Not ready", 21}}}, false));
    EXPECT_FALSE(
        administratorWouldHelp({inFile("A", "/f", "Permission denied", kRegAccessDenied)}, false));
}

TEST(RefusedValuesTest, TheFileForWindowsIsNamedWithHowToMergeIt) {
    EXPECT_EQ(
        carryToWindowsMessage(kRegistryValuesWritten, 18, "~/.local/share/Quorvex/registry.reg"),
        "The 18 registry values were written to ~/.local/share/Quorvex/registry.reg. They "
        "take effect only in a Windows registry: copy the file to the Windows computer and "
        "double-click it there, or run \"reg import registry.reg\" there as administrator; "
        "then restart that computer.");
    EXPECT_EQ(carryToWindowsMessage(kTuningValuesPutBack, 19, "/data/store.reg").substr(0, 56),
              "The 19 tuning values were put back in /data/store.reg. T");
}

}  // namespace
}  // namespace quorvex
