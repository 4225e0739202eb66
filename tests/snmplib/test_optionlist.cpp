#include "ExceptionCode.h"
#include "KyOptionList.h"
#include "KyRadioGroup.h"
#include "KySNMPKeywords.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr KyOptionItem EnabledRows[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constexpr KyOptionItem AuthRows[] = {
    {0, "None", "1.3.6.1.6.3.10.1.1.1"},
    {0, "MD5", "1.3.6.1.6.3.10.1.1.2"},
    {0, "SHA", "1.3.6.1.6.3.10.1.1.3"},
    {0, nullptr},
};
constexpr KyOptionItem PrefixRows[] = {{0, "Port ", "1.3.6.1.2.1.2.2.1.1."}, {0, nullptr}};
// A label that reads like another row's number.
constexpr KyOptionItem NumberLabelRows[] = {{1, "2"}, {2, "two"}, {0, nullptr}};
constexpr KyOptionItem Latin1Rows[] = {{1, "\xC9t\xE9"}, {0, nullptr}};
constexpr KyOptionItem EmptyRows[] = {{7, nullptr}};

constinit const KyOptionList Enabled(EnabledRows);
constinit const KyOptionList EnabledExact(EnabledRows, KyOptionList::IntegerValues, true);
constinit const KyOptionList Auth(AuthRows, KyOptionList::TextValues);
constinit const KyOptionList Prefix(PrefixRows, KyOptionList::TextPrefixValues);
constinit const KyOptionList NumberLabels(NumberLabelRows);
constinit const KyOptionList Latin1(Latin1Rows);
constinit const KyOptionList Empty(EmptyRows);
constinit const KyOptionList OddKind(EnabledRows, 9);

void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_optionlist";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace

TEST(OptionList, LooksUpValuesAndLabelsBothWays) {
    enum Direction { ToLabel, ToValue };
    struct Case {
        const char* Name;
        const KyOptionList& List;
        Direction Dir;
        std::string In;
        std::string Out;
    };
    const Case cases[] = {
        {"value with a label", Enabled, ToLabel, "2", "disabled"},
        {"value without a label", Enabled, ToLabel, "3", "3"},
        {"null value", Enabled, ToLabel, "(NULL)", "(NULL)"},
        {"empty text", Enabled, ToLabel, "", ""},
        {"number with trailing text", Enabled, ToLabel, "2x", "2x"},
        {"number with leading blank", Enabled, ToLabel, " 2", " 2"},
        {"number beyond 32 bits", Enabled, ToLabel, "4294967297", "4294967297"},
        {"signed number", Enabled, ToLabel, "+1", "enabled"},
        {"label in other case", Enabled, ToValue, "Disabled", "2"},
        {"unknown label", Enabled, ToValue, "off", "off"},
        {"case-sensitive list, other case", EnabledExact, ToValue, "Disabled", "Disabled"},
        {"case-sensitive list, exact case", EnabledExact, ToValue, "disabled", "2"},
        {"Latin-1 label in other case", Latin1, ToValue, "\xE9T\xC9", "1"},
        {"text value", Auth, ToLabel, "1.3.6.1.6.3.10.1.1.2", "MD5"},
        {"text label in other case", Auth, ToValue, "sha", "1.3.6.1.6.3.10.1.1.3"},
        {"text value not listed", Auth, ToLabel, "1.3.6.1.6.3.10.1.1.9", "1.3.6.1.6.3.10.1.1.9"},
        {"prefix value", Prefix, ToLabel, "1.3.6.1.2.1.2.2.1.1.7", "Port 7"},
        {"prefix label", Prefix, ToValue, "port 7", "1.3.6.1.2.1.2.2.1.1.7"},
        {"text shorter than the prefix", Prefix, ToLabel, "1.3.6.1.2", "1.3.6.1.2"},
        {"empty list", Empty, ToLabel, "7", "7"},
        {"unknown kind", OddKind, ToLabel, "1", "1"},
        {"unknown kind, label", OddKind, ToValue, "enabled", "enabled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Dir == ToLabel ? c.List.ValueToLabel(c.In) : c.List.LabelToValue(c.In), c.Out);
    }
}

TEST(OptionList, FirstMatchingRowWinsAndMissesGiveMinusOne) {
    EXPECT_EQ(Enabled.GetCount(), 2);
    EXPECT_EQ(Enabled.IndexOfValue(""), -1);
    EXPECT_EQ(Enabled.IndexOfLabel("ENABLED"), 0);
    EXPECT_EQ(NumberLabels.IndexOfLabel("2"), 0);
    EXPECT_EQ(NumberLabels.IndexOfValue("2"), 1);
    EXPECT_EQ(Empty.GetCount(), 0);
    EXPECT_EQ(Empty.IndexOfLabel(""), -1);
}

TEST(OptionList, ItemAccessOutsideTheRowsRaisesOutOfRange) {
    EXPECT_STREQ(Enabled.GetItem(1).Label, "disabled");
    for (int index : {-1, 2}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(codeOf([&] { Enabled.GetItem(index); }), -12);
    }
}

TEST(OptionList, KeywordListsNameTheLibraryCodes) {
    EXPECT_EQ(ItemTypeKeywords.ValueToLabel("3"), "MVT_UMV");
    EXPECT_EQ(SyntaxKeywords.GetCount(), 28);
    EXPECT_EQ(SyntaxKeywords.LabelToValue("guage"), "66");
    EXPECT_EQ(SyntaxKeywords.ValueToLabel("81"), "inetaddress");
    EXPECT_EQ(AccessKeywords.LabelToValue("invalid"), "32");
}

TEST(OptionListControls, ComboShowsLabelsAndSelectsLabelBeforeValue) {
    ensureApplication();
    QComboBox combo;
    combo.addItem("stale");
    NumberLabels.FillComboBox(&combo);
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(1), "two");

    struct Case {
        const char* Text;
        int Index;
    };
    const Case cases[] = {{"2", 0}, {"TWO", 1}, {"1", 0}, {"nothing", -1}, {"(NULL)", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        combo.setCurrentIndex(1);
        NumberLabels.SelectCombo(&combo, c.Text);
        EXPECT_EQ(combo.currentIndex(), c.Index);
    }

    Empty.FillComboBox(&combo);
    EXPECT_EQ(combo.count(), 0);
}

TEST(OptionListControls, RadioGroupShowsLabelsAndCanShowNoSelection) {
    ensureApplication();
    KyRadioGroup group;
    Latin1.FillRadioGroup(&group);
    EXPECT_EQ(group.items(), QStringList{QString::fromLatin1("\xC9t\xE9")});
    Enabled.FillRadioGroup(&group);
    ASSERT_EQ(group.count(), 2);
    EXPECT_EQ(group.itemIndex(), -1);

    QSignalSpy clicks(&group, &KyRadioGroup::itemClicked);
    Enabled.SelectRadio(&group, "2");
    EXPECT_EQ(group.itemIndex(), 1);
    Enabled.SelectRadio(&group, "Enabled");
    EXPECT_EQ(group.itemIndex(), 0);
    Enabled.SelectRadio(&group, "5");
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);

    group.findChildren<QRadioButton*>().at(1)->click();
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 1);
    EXPECT_EQ(group.itemIndex(), 1);
}
