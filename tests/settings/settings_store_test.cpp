#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/window_model.h"
#include "settings/settings_keys.h"
#include "tuning/connection_catalogue.h"

namespace quorvex {
namespace {

TEST(SettingsEncodingTest, BooleansAreTrueOrFalseInAnyCaseAndNothingElse) {
    EXPECT_EQ(encodeBool(true), "True");
    EXPECT_EQ(encodeBool(false), "False");
    EXPECT_EQ(decodeBool("True"), true);
    EXPECT_EQ(decodeBool("False"), false);
    EXPECT_EQ(decodeBool("TRUE"), true);
    EXPECT_EQ(decodeBool("false"), false);
    for (const char* bad : {"yes", "", "1", "0", " True", "True ", "Tru", "Falsey"})
        EXPECT_FALSE(decodeBool(bad).has_value()) << bad;
}

TEST(SettingsEncodingTest, IntegersMustFitTheFieldWidth) {
    struct Case {
        const char* text;
        int width;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"1500", 16, 1500},
        {"-1", 16, -1},
        {"32767", 16, 32767},
        {"32768", 16, std::nullopt},
        {"-32768", 16, -32768},
        {"-32769", 16, std::nullopt},
        {"2337720", 16, std::nullopt},
        {"2337720", 32, 2337720},
        {"2147483647", 32, 2147483647},
        {"2147483648", 32, std::nullopt},
        {"", 16, std::nullopt},
        {"15.0", 16, std::nullopt},
        {"+5", 16, std::nullopt},
        {"12a", 16, std::nullopt},
        {" 12", 16, std::nullopt},
        {"-", 32, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeInt(c.text, c.width), c.expected) << c.text;
    EXPECT_EQ(encodeInt(-40), "-40");
    EXPECT_EQ(encodeInt(2337720), "2337720");
}

TEST(SettingsEncodingTest, ReadSettingGivesTheStoredTextOrTheEncodedFallback) {
    MemorySettingsStorage storage;
    storage.write("Values", "1", "1492");
    EXPECT_EQ(ReadSetting(storage, "Values", "1", std::int32_t{7}), "1492");
    EXPECT_EQ(ReadSetting(storage, "Values", "10", std::int32_t{-7}), "-7");
    EXPECT_EQ(ReadSetting(storage, "Values", "2", true), "True");
    EXPECT_EQ(ReadSetting(storage, "Values", "2", false), "False");
    EXPECT_EQ(ReadSetting(storage, "Values", "2", "20"), "20");
    EXPECT_EQ(ReadSetting(storage, "Advanced", "1", std::string("x")), "x");  // sections apart
    EXPECT_TRUE(WriteSetting(storage, "Values", "10", "3"));
    EXPECT_EQ(ReadSetting(storage, "Values", "1", "?"), "1492");  // "10" is not "1"
    storage.refuseWrites();
    EXPECT_FALSE(WriteSetting(storage, "Values", "1", "0"));
    EXPECT_EQ(ReadSetting(storage, "Values", "1", "?"), "1492");
}

TEST(SettingsKeysTest, OptionKeysNameEveryOptionControlOnceInTheStoresOrder) {
    WindowModel window;
    std::set<std::string> controls, addresses;
    for (const auto& k : optionKeys()) {
        EXPECT_TRUE(window.controls().hasOption(std::string(k.control))) << k.control;
        controls.insert(std::string(k.control));
        addresses.insert(std::string(k.section) + "/" + std::string(k.key));
    }
    EXPECT_EQ(optionKeys().size(), 48u);
    EXPECT_EQ(controls.size(), 48u);
    EXPECT_EQ(addresses.size(), 48u);

    // The connection keys come first, ascending, each the catalogue entry's key and control.
    int previous = 0;
    for (std::size_t i = 0; i < 26; ++i) {
        const auto& k = optionKeys()[i];
        EXPECT_EQ(k.section, "Connection");
        const int number = std::stoi(std::string(k.key));
        EXPECT_GT(number, previous);
        previous = number;
        const ConnectionType* entry = findConnectionBySettingsKey(k.key);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->optionControl, k.control);
    }
    EXPECT_EQ(optionKeys()[25].control, "Option30");
    EXPECT_EQ(optionKeys()[36].key, "48");
    EXPECT_EQ(optionKeys()[36].control, "Option4");
    EXPECT_EQ(optionKeys()[37].key, "SA1");
    EXPECT_EQ(optionKeys()[37].control, "SA0");
    EXPECT_EQ(optionKeys()[47].key, "TTL5");
    EXPECT_EQ(optionKeys()[47].control, "TTL128");
}

}  // namespace
}  // namespace quorvex
