#include "undo/record_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/command_world.h"
#include "undo/tracked_values.h"

namespace quorvex::undo {
namespace {

namespace fs = std::filesystem;
using quorvex::testing::TempDir;
using ::testing::HasSubstr;

// Every tracked value and setting absent but the first value, a REG_BINARY of `bytes` bytes
// (three characters each in the file).
ChangeRecord recordWithValueOf(std::size_t bytes) {
    ChangeRecord record;
    record.recorded = std::chrono::sys_days{std::chrono::year{2026} / 12 / 9};
    for (const auto& address : trackedValues()) record.values.push_back({address, std::nullopt});
    record.values.front().value =
        RegValue{record.values.front().address.valueName, 3, std::vector<std::uint8_t>(bytes, 7)};
    for (const auto& address : trackedSettings()) record.settings.push_back({address, {}, {}});
    return record;
}

TEST(RecordStoreTest, EveryRecordWrittenCanBeReadBackAndOneTooLargeIsNotWritten) {
    struct Case {
        std::size_t valueBytes;
        bool written;
    };
    // 340,000 bytes make a record just under 1 MiB, 400,000 one of 1.2 MB.
    const Case cases[] = {{340000, true}, {400000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.valueBytes);
        TempDir temp;
        const RecordStore records(temp.path() / "Quorvex");
        for (auto kind : {RecordKind::Original, RecordKind::Previous}) {
            std::string reason;
            EXPECT_EQ(records.save(kind, recordWithValueOf(c.valueBytes), reason), c.written);
            const RecordLoad load = records.load(kind);
            if (c.written) {
                EXPECT_TRUE(reason.empty());
                ASSERT_EQ(load.status, RecordLoad::Status::Ok) << load.reason;
                EXPECT_EQ(load.record.values.front().value->data.size(), c.valueBytes);
            } else {
                EXPECT_THAT(reason, HasSubstr("larger than 1 MiB"));
                EXPECT_EQ(load.status, RecordLoad::Status::Missing);
                EXPECT_FALSE(records.exists(kind));
            }
        }
    }
}

TEST(RecordStoreTest, ASaveRemovesTheTemporaryFilesAnInterruptedSaveLeft) {
    TempDir temp;
    const RecordStore records(temp.path() / "Quorvex");
    const fs::path folder = records.folder();
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    for (const char* name : {".original.reg.tmp.a1b2c3", ".previous.reg.tmp.a1b2c3"}) {
        quorvex::testing::writeFile(folder / name, "REGEDIT4\r\n");
        fs::last_write_time(folder / name, old);
    }
    // Another instance's save in progress, and a file of the user's.
    for (const char* name : {".previous.reg.tmp.zzzzzz", "notes.txt"})
        quorvex::testing::writeFile(folder / name, "mine");
    std::string reason;
    for (auto kind : {RecordKind::Original, RecordKind::Previous})
        ASSERT_TRUE(records.save(kind, recordWithValueOf(4), reason)) << reason;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".previous.reg.tmp.zzzzzz", "notes.txt",
                                               "original.reg", "previous.reg"}));
}

}  // namespace
}  // namespace quorvex::undo
