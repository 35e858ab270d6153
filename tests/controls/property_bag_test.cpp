#include <gtest/gtest.h>

#include "controls/property_bag.h"

using quorvex::PropertyBag;

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.writeAlways("BackColor", std::int64_t{42});
    EXPECT_TRUE(bag.contains("BACKCOLOR"));
    EXPECT_EQ(bag.readInt("backcolor", 0), 42);
    bag.writeAlways("BACKCOLOR", std::int64_t{7});
    EXPECT_EQ(bag.size(), 1u);
    EXPECT_EQ(bag.keys(), std::vector<std::string>{"BackColor"});
    EXPECT_EQ(bag.readInt("BackColor", 0), 7);
}

TEST(PropertyBag, ReadingFallsBackToTheDefault) {
    PropertyBag bag;
    bag.writeAlways("Name", std::string("x"));
    bag.writeAlways("Flag", true);
    EXPECT_EQ(bag.readInt("Missing", 5), 5);
    EXPECT_EQ(bag.readInt("Name", 5), 5);  // a text is no number
    EXPECT_EQ(bag.readText("Flag", "d"), "d");
    EXPECT_TRUE(bag.readBool("Flag", false));
    EXPECT_EQ(bag.readText("NAME", ""), "x");
}

TEST(PropertyBag, WritingTheDefaultRemovesTheKey) {
    PropertyBag bag;
    bag.write("Max", std::int64_t{50}, std::int64_t{100});
    EXPECT_TRUE(bag.contains("max"));
    bag.write("MAX", std::int64_t{100}, std::int64_t{100});
    EXPECT_FALSE(bag.contains("Max"));
    EXPECT_EQ(bag.size(), 0u);
}
