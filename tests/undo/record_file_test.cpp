#include "undo/record_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tuning/reg_file_format.h"

namespace quorvex::undo {
namespace {

using ::testing::HasSubstr;

std::vector<std::uint8_t> bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// A record with every kind of entry: absent, text, number, other types, odd bytes, and
// settings present, absent and with characters the format must escape.
ChangeRecord sampleRecord() {
    ChangeRecord record;
    record.recorded = std::chrono::sys_days{std::chrono::year{2026} / 12 / 9} +
                      std::chrono::hours{5} + std::chrono::minutes{15} + std::chrono::seconds{30};
    std::size_t i = 0;
    for (const auto& address : trackedValues()) {
        std::optional<RegValue> value;
        switch (i++ % 6) {
            case 0:
                break;
            case 1:
                value = RegValue{address.valueName, kRegSz, bytes(std::string("1492\0", 5))};
                break;
            case 2:
                value = RegValue{address.valueName, kRegDword, {0x10, 0x20, 0x30, 0x40}};
                break;
            case 3:
                value = RegValue{address.valueName, 3, {}};
                break;
            case 4:
                value = RegValue{address.valueName, kRegSz, bytes("no terminator \"\\")};
                break;
            case 5:
                value = RegValue{address.valueName, 2, bytes(std::string("%TEMP%\0", 7))};
                break;
        }
        record.values.push_back({address, value});
    }
    i = 0;
    for (const auto& address : trackedSettings()) {
        std::optional<std::string> text;
        std::optional<RegValue> other;
        switch (i++ % 6) {
            case 0:
                break;
            case 1:
                text = "True";
                break;
            case 2:
                text = "a \"quoted\" \\ text";
                break;
            case 3:
                text = "two\r\nlines";
                break;
            case 4:  // settings of other types, put there by hand
                other = RegValue{address.key, kRegDword, {5, 0, 0, 0}};
                break;
            case 5:
                other = RegValue{address.key, 3, {0xDE, 0xAD}};
                break;
        }
        record.settings.push_back({address, text, other});
    }
    return record;
}

void expectSame(const ChangeRecord& a, const ChangeRecord& b) {
    EXPECT_EQ(a.recorded, b.recorded);
    ASSERT_EQ(a.values.size(), b.values.size());
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        SCOPED_TRACE(a.values[i].address.valueName);
        EXPECT_TRUE(sameValue(a.values[i].address, b.values[i].address));
        ASSERT_EQ(a.values[i].value.has_value(), b.values[i].value.has_value());
        if (!a.values[i].value) continue;
        EXPECT_EQ(a.values[i].value->type, b.values[i].value->type);
        EXPECT_EQ(a.values[i].value->data, b.values[i].value->data);
    }
    ASSERT_EQ(a.settings.size(), b.settings.size());
    for (std::size_t i = 0; i < a.settings.size(); ++i) {
        EXPECT_EQ(a.settings[i].text, b.settings[i].text);
        EXPECT_EQ(a.settings[i].other, b.settings[i].other);
    }
}

TEST(RecordFile, TracksTheNineteenValuesOfBothPlansAndTheWindowsSettings) {
    EXPECT_EQ(trackedValues().size(), 19u);
    EXPECT_EQ(trackedSettings().size(), 63u);
}

TEST(RecordFile, EveryEntryComesBackExactly) {
    const ChangeRecord record = sampleRecord();
    const auto parsed = parseRecordFile(formatRecordFile(record));
    ASSERT_TRUE(parsed.has_value());
    expectSame(record, *parsed);
}

TEST(RecordFile, IsAFileTheRegistryEditorImports) {
    const std::string text = formatRecordFile(sampleRecord());
    EXPECT_TRUE(text.starts_with("REGEDIT4\r\n"));
    EXPECT_THAT(text, HasSubstr("\"DefaultRcvWindow\"=-\r\n"));
    EXPECT_THAT(text, HasSubstr("[HKEY_CURRENT_USER\\Software\\Quorvex\\Connection]\r\n"));
    // Without its absent lines it is a plain registry file with every present value.
    std::string plain;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find('\n', pos);
        const std::string line = text.substr(pos, end - pos + 1);
        if (line.find("\"=-") == std::string::npos) plain += line;
        pos = end + 1;
    }
    const auto data = parseRegFile(plain);
    ASSERT_TRUE(data.has_value());
    const RegValue* ttl = data->value(
        Hive::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP", "DefaultTTL");
    ASSERT_NE(ttl, nullptr);
    EXPECT_EQ(ttl->data, bytes(std::string("1492\0", 5)));
}

TEST(RecordFile, AMomentOutsideTheSystemClocksRangeIsRefusedNeverWrappedAround) {
    const std::string text = formatRecordFile(sampleRecord());
    const std::string written = "; Recorded: 2026-12-09T05:15:30Z\r\n";
    ASSERT_THAT(text, HasSubstr(written));
    // Around the limits of a clock of nanoseconds (1677-09-21T00:12:43.15 to
    // 2262-04-11T23:47:16.85) and far beyond them.
    const char* moments[] = {"1677-09-21T00:12:43Z", "1677-09-21T00:12:44Z", "2262-04-11T23:47:16Z",
                             "2262-04-11T23:47:17Z", "2300-01-01T00:00:00Z", "0000-01-01T00:00:00Z",
                             "-999-01-01T00:00:00Z", "9999-12-31T23:59:59Z"};
    for (const char* moment : moments) {
        SCOPED_TRACE(moment);
        std::string changed = text;
        const std::string line = "; Recorded: " + std::string(moment) + "\r\n";
        changed.replace(changed.find(written), written.size(), line);
        // Either refused, or the same moment when written again.
        if (const auto parsed = parseRecordFile(changed)) {
            const std::string again = formatRecordFile(*parsed);
            const std::size_t at = again.find("; Recorded: ");
            EXPECT_EQ(again.substr(at, again.find('\n', at) + 1 - at), line);
        }
    }
    EXPECT_TRUE(parseRecordFile(text).has_value());
}

TEST(RecordFile, RefusesAMomentSpelledOtherwiseThanItIsWritten) {
    const std::string text = formatRecordFile(sampleRecord());
    const std::string written = "2026-12-09T05:15:30Z";
    ASSERT_THAT(text, HasSubstr(written));
    // Each names a real moment, but in a form no record is written in.
    const char* moments[] = {
        "2026-+1-09T05:15:30Z", "2026- 1-09T05:15:30Z", "2026-12- 9T05:15:30Z",
        "2026-12-09T-5:15:30Z", "2026-12-09T05:15:+0Z", "2026-12-09 05:15:30Z",
        "2026-12-09T05:15:30z", "2026/12/09T05:15:30Z", "2026-12-09T05:15:3Z "};
    for (const char* moment : moments) {
        std::string changed = text;
        changed.replace(changed.find(written), written.size(), moment);
        EXPECT_FALSE(parseRecordFile(changed).has_value()) << moment;
    }
}

TEST(RecordFile, AcceptsLineFeedsAndOtherLetterCase) {
    std::string text = formatRecordFile(sampleRecord());
    std::string changed;
    for (char c : text)
        if (c != '\r') changed += c;
    const std::size_t at = changed.find("VxD\\MSTCP]");
    changed.replace(at, 3, "VXD");
    const auto parsed = parseRecordFile(changed);
    ASSERT_TRUE(parsed.has_value());
    expectSame(sampleRecord(), *parsed);
}

TEST(RecordFile, RefusesAnythingButExactlyTheTrackedEntries) {
    const std::string good = formatRecordFile(sampleRecord());
    const auto without = [&](std::string_view line) {
        std::string text = good;
        const std::size_t at = text.find(line);
        EXPECT_NE(at, std::string::npos) << line;
        text.erase(at, line.size());
        return text;
    };
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"not a registry file", "hello\r\n"},
        {"a tracked value missing", without("\"DefaultRcvWindow\"=-\r\n")},
        {"a setting missing", without("[HKEY_CURRENT_USER\\Software\\Quorvex\\Values]\r\n")},
        {"no recorded moment", without("; Recorded: 2026-12-09T05:15:30Z\r\n")},
        {"a moment that is no date", without("2026-12-09T05:15:30Z")},
        {"a value both absent and present",
         good + "\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\MSTCP]\r\n"
                "\"DefaultRcvWindow\"=\"1\"\r\n"},
        {"an untracked value",
         good + "\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"Run\"=\"evil.exe\"\r\n"},
        {"an untracked absent value", good + "\"Other\"=-\r\n"},
        {"an absent value twice",
         good + "\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\MSTCP]"
                "\r\n\"DefaultRcvWindow\"=-\r\n"},
        {"an untracked settings section",
         good + "\r\n[HKEY_CURRENT_USER\\Software\\Quorvex\\Other]\r\n\"1\"=dword:00000001\r\n"},
    };
    for (const auto& c : cases) EXPECT_FALSE(parseRecordFile(c.text).has_value()) << c.name;
}

}  // namespace
}  // namespace quorvex::undo
