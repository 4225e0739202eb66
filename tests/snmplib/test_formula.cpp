#include "ExceptionCode.h"
#include "KyFormula.h"
#include "KyOptionList.h"
#include "KySNMPVarList.h"

#include <gtest/gtest.h>

namespace {

constexpr KyOptionItem RowStatusRows[] = {{1, "active"}, {2, "notInService"}, {6, "destroy"}, {0, nullptr}};
constinit const KyOptionList RowStatus(RowStatusRows);

// Positions: 0 integer, 1 display string, 2 row status, 3 truth value, 4 time ticks, 5 counter64, 6 gauge.
const KySNMPVarDesc FormulaVars[] = {
    {"1.1", "Number", sxInteger, afReadWrite, nullptr, "$0*2", "$0/2"},
    {"1.2", "Name", sxDisplayStr, afReadWrite, nullptr, "$0"},
    {"1.3", "Status", sxInteger, afReadWrite, &RowStatus, "$0/$0"},
    {"1.4", "Flag", sxBoolean, afReadWrite, nullptr, "$0-20"},
    {"1.5", "Uptime", sxTimeTicks, afReadOnly, nullptr, "$4+100"},
    {"1.6", "Octets", sxCounter64, afReadOnly, nullptr, "$5*2"},
    {"1.7", "Load", sxGauge, afReadOnly, nullptr, "$0-100"},
    {nullptr, nullptr, 0, 0, nullptr},
};

class Formula : public ::testing::Test {
protected:
    void SetUp() override {
        const char* values[] = {"21", "a$0b", "active", "true", "1 day 0:00:00.00", "9", "7"};
        for (int i = 0; i < List.GetCount(); ++i) List.GetVar(i).Value = values[i];
    }
    KySNMPVarList List{FormulaVars, SVT_SV, 0};
};

}  // namespace

TEST_F(Formula, ExpandTemplateInsertsValuesBySyntax) {
    struct Case {
        const char* Template;
        bool Quote;
        std::string Result;
    };
    const Case cases[] = {
        {"$0+1", false, "21+1"},
        {"$+1", false, "21+1"},  // no digits name variable 0
        {"$2", false, "1"},      // option label back to its value
        {"$3", false, "1"},
        {"$4", false, "8640000"},
        {"$5-$6", false, "9-7"},
        {"$1=\"x\"", true, "\"a$0b\"=\"x\""},  // the inserted marker is not expanded again
        {"no marker", false, "no marker"},
        {"$00", false, "21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Template);
        EXPECT_EQ(ExpandTemplate(List, c.Template, c.Quote, "$"), c.Result);
    }
    EXPECT_EQ(ExpandTemplate(List, "%3", false, "%"), "1");
    EXPECT_EQ(ExpandTemplate(List, "$0", false, ""), "$0");
}

TEST_F(Formula, ExpandTemplateRefusesNullValuesUnquotedTextsAndUnknownVariables) {
    EXPECT_EQ(codeOf([&] { ExpandTemplate(List, "$1", false, "$"); }), -513);
    EXPECT_EQ(codeOf([&] { ExpandTemplate(List, "$7", true, "$"); }), -12);
    EXPECT_EQ(codeOf([&] { ExpandTemplate(List, "$99999999999999999999999", true, "$"); }), -12);
    List.GetVar(0).Value = "(NULL)";
    EXPECT_EQ(codeOf([&] { ExpandTemplate(List, "$0", false, "$"); }), -512);
}

TEST_F(Formula, FilterComparesExpandedValues) {
    EXPECT_TRUE(EvaluateFilter(List, ""));
    EXPECT_TRUE(EvaluateFilter(List, "$1<\"b\"|$1=\"x\""));
    EXPECT_FALSE(EvaluateFilter(List, "$2=2"));
    EXPECT_TRUE(EvaluateFilter(List, "$2=1&$3=1"));
    EXPECT_EQ(codeOf([&] { EvaluateFilter(List, "$0"); }), -1);
}

TEST_F(Formula, ApplyFormulaWritesTheResultInTheVariablesSyntax) {
    ApplyFormula(List, 0, true);
    EXPECT_EQ(List.GetVar(0).Value, "42");
    ApplyFormula(List, 0, false);
    EXPECT_EQ(List.GetVar(0).Value, "21");
    ApplyFormula(List, 2, true);
    EXPECT_EQ(List.GetVar(2).Value, "active");
    ApplyFormula(List, 3, true);  // 1 - 20
    EXPECT_EQ(List.GetVar(3).Value, "true");
    ApplyFormula(List, 4, true);
    EXPECT_EQ(List.GetVar(4).Value, "1 day 0:00:01.00");
    ApplyFormula(List, 5, true);
    EXPECT_EQ(List.GetVar(5).Value, "18");
    ApplyFormula(List, 6, false);  // no set formula: unchanged
    EXPECT_EQ(List.GetVar(6).Value, "7");
}

TEST_F(Formula, ApplyFormulaRaisesInsteadOfConvertingAnImpossibleNumber) {
    struct Case {
        const char* Name;
        int Index;
        const char* Value;  // of variable 0 (or of the variable itself for index 5)
        int Code;
    };
    const Case cases[] = {
        {"integer beyond 32 bits", 0, "2147483648", -513},
        {"gauge below zero", 6, "99", -513},
        {"counter64 beyond 64 bits", 5, "18446744073709551615", -513},
        {"division by zero", 2, "", -513},
        {"display string", 1, "21", -513},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        if (c.Index == 5) List.GetVar(5).Value = c.Value;
        else List.GetVar(0).Value = c.Value;
        if (c.Index == 2) List.GetVar(2).Value = "0";
        const std::string before = List.GetVar(c.Index).Value;
        EXPECT_EQ(codeOf([&] { ApplyFormula(List, c.Index, true); }), c.Code);
        EXPECT_EQ(List.GetVar(c.Index).Value, before);
    }
    EXPECT_EQ(codeOf([&] { ApplyFormula(List, 7, true); }), -12);
}
