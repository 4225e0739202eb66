#include "KyTextUtils.h"

#include <gtest/gtest.h>

#include <array>

TEST(TextUtils, UnquoteTakesOnlyAFullPairOfDoubleQuotes) {
    struct Case {
        std::string In, Out;
    };
    const Case cases[] = {
        {"", ""}, {"\"\"", ""}, {"\"", ""}, {"\"abc\"", "abc"}, {"\"abc", "\"abc"},
        {"abc\"", "abc\""}, {"'abc'", "'abc'"}, {"\" a|b \"", " a|b "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.In);
        EXPECT_EQ(Unquote(c.In), c.Out);
    }
}

TEST(TextUtils, TrimRemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(Trim(" \t\r\n161 \x01"), "161");
    EXPECT_EQ(Trim("a b"), "a b");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(Trim("  "), "");
}

TEST(TextUtils, SpanOfGivesTheLastPositionInTheSet) {
    struct Case {
        std::string Text;
        int Start;
        int Result;
    };
    const Case cases[] = {
        {"12ab", 1, 2}, {"12ab", 2, 2}, {"12ab", 3, 0}, {"12ab", 5, 0},
        {"12ab", 0, 0}, {"1234", 1, 4}, {"", 1, 0}, {"a12", 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text + " from " + std::to_string(c.Start));
        EXPECT_EQ(SpanOf(c.Text, c.Start, "0123456789"), c.Result);
    }
}

TEST(TextUtils, ReplaceAllNeverRescansInsertedText) {
    struct Case {
        std::string Text, Search, Replacement, Out;
    };
    const Case cases[] = {
        {"at [TIME] and [TIME].", "[TIME]", "12:00:00", "at 12:00:00 and 12:00:00."},
        {"aaa", "a", "aa", "aaaaaa"},
        {"xx", "x", "", ""},
        {"abc", "", "z", "abc"},
        {"abc", "d", "z", "abc"},
        {"aaaa", "aa", "b", "bb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text + " / " + c.Search);
        EXPECT_EQ(ReplaceAll(c.Text, c.Search, c.Replacement), c.Out);
    }
}

TEST(TextUtils, SplitAtOperatorTakesTheFirstListedOperatorPresent) {
    constexpr std::array<std::string_view, 6> ops{"<>", ">=", "<=", ">", "<", "="};
    struct Case {
        std::string Text;
        int Result;
        std::string Left, Right;
    };
    const Case cases[] = {
        {"a>=b", 1, "a", "b"},
        {"a=b>c", 3, "a=b", "c"},
        {"x<>y<>z", 0, "x", "y<>z"},
        {"=", 5, "", ""},
        {"none", -1, "keep", "keep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        std::string left = "keep", right = "keep";
        EXPECT_EQ(SplitAtOperator(ops, c.Text, left, right), c.Result);
        EXPECT_EQ(left, c.Left);
        EXPECT_EQ(right, c.Right);
    }
}
