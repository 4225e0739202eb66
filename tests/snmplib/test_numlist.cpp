#include "KyNumList.h"

#include <gtest/gtest.h>

TEST(NumList, ReadsDelimitedNumbers) {
    struct Case {
        std::string Text;
        std::vector<std::uint32_t> Items;
    };
    const Case cases[] = {
        {"1,3", {1, 3}},
        {"", {}},
        {"1,,2", {1, 0, 2}},
        {",", {0, 0}},
        {"7", {7}},
        {"1.5,2.25", {1, 2}},
        {"4294967295", {4294967295u}},
        {"007,10", {7, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        KyUIntList list;
        list.Delimiter = ',';
        EXPECT_EQ(list.CountItems(c.Text), int(c.Items.size()));
        EXPECT_TRUE(list.Parse(c.Text));
        EXPECT_EQ(list.Items, c.Items);
    }
}

TEST(NumList, DefaultDelimiterIsTheDot) {
    KyIntList list;
    EXPECT_TRUE(list.Parse("10.0.0.1"));
    EXPECT_EQ(list.Items, (std::vector<std::int32_t>{10, 0, 0, 1}));
}

TEST(NumList, RejectsOverflowAndForeignCharactersInsteadOfWrapping) {
    struct Case {
        std::string Text;
        bool Unsigned;
    };
    const Case cases[] = {
        {"4294967396", true},  // would wrap to 100
        {"4294967296", true},
        {"1,99999999999999999999", true},
        {"2147483648", false},
        {"1,a", true},
        {"-1", false},
        {"1 ,2", true},
        {"1;2", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        if (c.Unsigned) {
            KyUIntList list;
            list.Delimiter = ',';
            list.Items = {5};
            EXPECT_FALSE(list.Parse(c.Text));
            EXPECT_EQ(list.GetCount(), 0);
        } else {
            KyIntList list;
            list.Delimiter = ',';
            EXPECT_FALSE(list.Parse(c.Text));
            EXPECT_EQ(list.GetCount(), 0);
        }
    }
    KyIntList max;
    EXPECT_TRUE(max.Parse("2147483647"));
    EXPECT_EQ(max.Items.at(0), 2147483647);
}

TEST(NumList, FindsPositionsAndChecksRanges) {
    KyIntList ints;
    ints.Delimiter = ',';
    ASSERT_TRUE(ints.Parse("1,3,3"));
    EXPECT_EQ(ints.IndexOf(3), 1);
    EXPECT_EQ(ints.IndexOf(2), -1);

    KyUIntList ports;
    ports.Delimiter = ',';
    ASSERT_TRUE(ports.Parse("1,24,4094"));
    EXPECT_TRUE(ports.AllInRange(1, 4094));
    EXPECT_FALSE(ports.AllInRange(1, 4093));
    EXPECT_FALSE(ports.AllInRange(2, 4094));
}
