#include "settings/ini_file_settings_storage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/command_world.h"
#include "support/lock_holder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using namespace quorvex::testing;

class IniFileSettingsStorageTest : public ::testing::Test {
  protected:
    fs::path iniFile() const { return temp.path() / "config" / "Quorvex.ini"; }
    std::vector<fs::path> corruptCopies() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(iniFile().parent_path()))
            if (entry.path().filename().string().rfind("Quorvex.ini.corrupt-", 0) == 0)
                found.push_back(entry.path());
        return found;
    }
    TempDir temp;
};

TEST_F(IniFileSettingsStorageTest, ValuesLastAcrossInstancesAndKeysAreNames) {
    {
        IniFileSettingsStorage storage(iniFile());
        EXPECT_TRUE(storage.write("Values", "10", "3"));
        EXPECT_TRUE(
            storage.write("Values", "Connection", "DSL Or Cable Modem (16 Megabit And Up)"));
        EXPECT_TRUE(storage.write("Advanced", "TTL5", "True"));
        EXPECT_TRUE(storage.write("Advanced", "Odd", "a, b = c; \"d\""));
        EXPECT_TRUE(storage.flush());
    }
    IniFileSettingsStorage storage(iniFile());
    EXPECT_EQ(storage.read("Values", "10"), "3");
    EXPECT_FALSE(storage.read("Values", "1").has_value());
    EXPECT_FALSE(storage.read("Advanced", "10").has_value());
    EXPECT_EQ(storage.read("Values", "Connection"), "DSL Or Cable Modem (16 Megabit And Up)");
    EXPECT_EQ(storage.read("Advanced", "TTL5"), "True");
    EXPECT_EQ(storage.read("Advanced", "Odd"), "a, b = c; \"d\"");
    EXPECT_TRUE(storage.write("Values", "10", "1"));  // replaced
    EXPECT_EQ(storage.read("Values", "10"), "1");
    EXPECT_EQ(readFile(iniFile()),
              "[Values]\n10=3\nConnection=DSL Or Cable Modem (16 Megabit And Up)\n\n"
              "[Advanced]\nTTL5=True\nOdd=\"a, b = c; \\\"d\\\"\"\n");
}

TEST_F(IniFileSettingsStorageTest, EveryTextComesBackAsWritten) {
    const std::string texts[] = {"",
                                 " leading",
                                 "trailing ",
                                 "tab\there",
                                 "two\nlines",
                                 "back\\slash",
                                 "@at",
                                 "@@two",
                                 "semi;colon",
                                 "Z\xC3\xBCrich",
                                 std::string("\x01"
                                             "1",
                                             2),
                                 "quote\"inside",
                                 "100",
                                 "a,b"};
    {
        IniFileSettingsStorage storage(iniFile());
        for (std::size_t i = 0; i < std::size(texts); ++i)
            storage.write("Values", std::to_string(i), texts[i]);
        ASSERT_TRUE(storage.flush());
    }
    IniFileSettingsStorage storage(iniFile());
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(storage.read("Values", std::to_string(i)), texts[i]) << i;
}

TEST_F(IniFileSettingsStorageTest, TemporaryFilesLeftByACrashAreRemovedByTheNextSave) {
    const fs::path folder = iniFile().parent_path();
    for (const char* name : {".Quorvex.ini.tmp.a1b2c3", ".Quorvex.ini.tmp.zzzzzz", "notes.txt"})
        writeFile(folder / name, "[Values]\n1=1492\n");
    IniFileSettingsStorage storage(iniFile());
    ASSERT_TRUE(storage.write("Values", "2", "1452"));
    ASSERT_TRUE(storage.flush());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".Quorvex.ini.lock", "Quorvex.ini", "notes.txt"}));
}

TEST_F(IniFileSettingsStorageTest, ALockHeldByAnotherProgramFailsTheSaveAfterABoundedWait) {
    IniFileSettingsStorage storage(iniFile());
    storage.setLockWait(std::chrono::milliseconds(50));
    ASSERT_TRUE(storage.write("Values", "1", "1492"));
    {
        fs::create_directories(iniFile().parent_path());
        LockHolder other(storage.lockFileName(), std::chrono::seconds(5));
        ASSERT_TRUE(other.held());
        EXPECT_FALSE(storage.flush());
        EXPECT_EQ(storage.lastFailure(), iniFile().string() + ": another program holds the file");
    }
    // What was not saved then is saved by the next save.
    EXPECT_TRUE(storage.flush());
    EXPECT_EQ(IniFileSettingsStorage(iniFile()).read("Values", "1"), "1492");
}

TEST_F(IniFileSettingsStorageTest, ReadsTheFormsQSettingsWrites) {
    writeFile(
        iniFile(),
        "; a comment\n[General]\nloose=1\n\n[Advanced]\nHTTP0 = 4 \nList=a, b,c\n"
        "Quoted=\" spaced \"\nEscaped=\\x41\\102\\tC\nTyped=@@String\n[Values]\r\n1=1492\r\n");
    IniFileSettingsStorage storage(iniFile());
    EXPECT_EQ(storage.read("General", "loose"), "1");
    EXPECT_EQ(storage.read("Advanced", "HTTP0"), "4");
    EXPECT_EQ(storage.read("Advanced", "List"), "a, b, c");
    EXPECT_EQ(storage.read("Advanced", "Quoted"), " spaced ");
    EXPECT_EQ(storage.read("Advanced", "Escaped"), "AB\tC");
    EXPECT_EQ(storage.read("Advanced", "Typed"), "@String");
    EXPECT_EQ(storage.read("Values", "1"), "1492");
}

TEST_F(IniFileSettingsStorageTest, ADamagedFileIsMovedAsideOnceAndTheSaveTellsTheTruth) {
    const std::string damaged[] = {
        "garbage without any equals sign\n",
        std::string("\xFF\xFE[\0V\0a\0l\0u\0e\0s\0]\0\n\0", 20),  // UTF-16
        "[Values\n1=1492\n",
        "[Values]\n1=\"unterminated\n",
        "[Values]\n=no key\n",
    };
    for (const auto& text : damaged) {
        SCOPED_TRACE(text);
        fs::remove_all(iniFile().parent_path());
        writeFile(iniFile(), text);
        IniFileSettingsStorage storage(iniFile());
        EXPECT_FALSE(storage.read("Values", "1").has_value());
        EXPECT_TRUE(storage.write("Values", "2", "1452"));
        EXPECT_TRUE(storage.flush());
        const auto copies = corruptCopies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(readFile(copies[0]), text);
        EXPECT_EQ(readFile(iniFile()), "[Values]\n2=1452\n");
        EXPECT_TRUE(storage.write("Values", "3", "64"));
        EXPECT_TRUE(storage.flush());
        EXPECT_EQ(corruptCopies().size(), 1u);
    }
}

TEST_F(IniFileSettingsStorageTest, AnotherInstancesKeysAreKept) {
    IniFileSettingsStorage first(iniFile());
    IniFileSettingsStorage second(iniFile());
    first.write("Firefox", "3", "True");
    ASSERT_TRUE(first.flush());
    second.write("Values", "1", "1500");
    ASSERT_TRUE(second.flush());
    IniFileSettingsStorage third(iniFile());
    EXPECT_EQ(third.read("Firefox", "3"), "True");
    EXPECT_EQ(third.read("Values", "1"), "1500");
}

TEST_F(IniFileSettingsStorageTest, AStoreThatCannotBeSavedReportsItAndIsLeftAlone) {
    writeFile(temp.path() / "file", "a plain file");
    IniFileSettingsStorage inFile(temp.path() / "file" / "Quorvex.ini");
    EXPECT_TRUE(inFile.write("Values", "1", "1492"));
    EXPECT_FALSE(inFile.flush());
    EXPECT_FALSE(inFile.lastFailure().empty());

    fs::create_directories(iniFile());  // a folder where the file should be
    IniFileSettingsStorage folder(iniFile());
    folder.write("Values", "1", "1492");
    EXPECT_FALSE(folder.flush());
    EXPECT_EQ(folder.lastFailure().rfind(iniFile().string() + ": ", 0), 0u);
    EXPECT_TRUE(fs::is_directory(iniFile()));
    EXPECT_TRUE(corruptCopies().empty());

    IniFileSettingsStorage nowhere{fs::path()};
    EXPECT_FALSE(nowhere.write("Values", "1", "1492"));
    EXPECT_FALSE(nowhere.read("Values", "1").has_value());
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// Putting back an undo record removes keys that did not exist then; a later write wins.
TEST_F(IniFileSettingsStorageTest, RemovedKeysLeaveTheFileAtTheNextSave) {
    {
        IniFileSettingsStorage storage(iniFile());
        storage.write("Values", "1", "1492");
        storage.write("Values", "2", "1452");
        storage.write("Advanced", "QOS", "0");
        ASSERT_TRUE(storage.flush());
        EXPECT_TRUE(storage.remove("Values", "1"));
        EXPECT_TRUE(storage.remove("Values", "2"));
        EXPECT_TRUE(storage.remove("Values", "never there"));
        EXPECT_TRUE(storage.write("Values", "2", "1460"));
        EXPECT_FALSE(storage.read("Values", "1").has_value());
        ASSERT_TRUE(storage.flush());
    }
    IniFileSettingsStorage storage(iniFile());
    EXPECT_FALSE(storage.read("Values", "1").has_value());
    EXPECT_EQ(storage.read("Values", "2"), "1460");
    EXPECT_EQ(storage.read("Advanced", "QOS"), "0");
}

}  // namespace
}  // namespace quorvex
