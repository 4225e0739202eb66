#include "ExceptionCode.h"
#include "KyExpression.h"

#include <gtest/gtest.h>

#include <string>

TEST(Condition, ComparesAsTexts) {
    struct Case {
        std::string Text;
        bool Result;
    };
    const Case cases[] = {
        {"1=1", true},       {"1=2", false},      {"a<>b", true},     {"a<>a", false},
        {"10<9", true},      {"b>=b", true},      {"a>=b", false},    {"a<=b", true},
        {"ab>a", true},      {"a<ab", true},      {" 1 = 1 ", true},  {"\"x y\"=x y", true},
        {"TRUE", true},      {"true", true},      {"False", false},   {"=", true},
        {"\xE9>z", true},  // bytes compare unsigned
        {"now>1", true},     {"1<NOW", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(CompareCondition(c.Text), c.Result);
    }
}

TEST(Condition, BareWordIsABadLogicOperand) {
    for (const char* text : {"yes", "", " true", "1", "tru"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(codeOf([&] { CompareCondition(text); }), -1);
        EXPECT_EQ(codeOf([&] { EvaluateCondition(text); }), -1);
    }
}

TEST(Condition, EvaluatesOperatorsByFirstOccurrence) {
    struct Case {
        std::string Text;
        bool Result;
    };
    const Case cases[] = {
        {"(1=1)&(2=3)", false},
        {"1=2|2=2", true},
        {"!1=2", true},
        {"!(1=1)", false},
        {"\"a|b\"=\"a|b\"", true},
        {"\"a&b\"=\"a&c\"", false},
        {"((1=1))", true},
        {"1=1|x", true},          // the right side is never looked at
        {"1=2&x", false},
        {"1=1&2=2|3=4", true},    // split at '|' first, so '&' binds tighter
        {"(1=2|1=1)&2=2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(EvaluateCondition(c.Text), c.Result);
    }
}

TEST(Arithmetic, EvaluatesRightToLeft) {
    struct Case {
        std::string Text;
        double Result;
    };
    const Case cases[] = {
        {"(1+2)*3", 9},    {"10-5-2", 7},     {"2+3*4", 14},     {"8/2*2", 16},
        {"-5", -5},        {"", 0},           {"abc", 0},        {" 2.5 ", 2.5},
        {"1.5e2", 150},    {"7abc", 7},       {"((2))", 2},      {"(1", 0},
        // Parenthesised values keep their sign and exponent when they enter the outer text.
        {"2*(1-3)", -4},   {"(0-2)*(0-3)", 6}, {"(1000000*1000000*1000000*1000000)/1000000", 1e18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.Text), c.Result);
    }
    EXPECT_GT(EvaluateArithmetic("NOW"), 40000.0);
}

TEST(Arithmetic, DivisionByZeroAndOverflowRaiseInsteadOfInfinity) {
    for (const char* text : {"1/0", "0/0", "5/(2-2)", "1e308*10", "1e308+1e308"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(codeOf([&] { EvaluateArithmetic(text); }), -513);
    }
}

TEST(Evaluators, DeepNestingFailsInsteadOfExhaustingTheStack) {
    const std::string parens = std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_EQ(codeOf([&] { EvaluateArithmetic(parens); }), -513);
    std::string sums = "1";
    for (int i = 0; i < 100000; ++i) sums += "+1";
    EXPECT_EQ(codeOf([&] { EvaluateArithmetic(sums); }), -513);
    const std::string conditions = std::string(100000, '(') + "1=1" + std::string(100000, ')');
    EXPECT_EQ(codeOf([&] { EvaluateCondition(conditions); }), -1);
}
