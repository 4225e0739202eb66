// Values between variables and form controls: each control class both ways, pieces and bits of a value,
// the several-edit forms, the list view, and the Qt signals that stand for the controls' events.
#include "KyControlEvents.h"
#include "ExceptionCode.h"
#include "KyException.h"
#include "KyOptionList.h"
#include "KyRadioGroup.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPStatus.h"
#include "KyValueTransfer.h"
#include "MessageBoxes.h"

#include <gtest/gtest.h>

#include <QTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr KyOptionItem StateItems[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
constinit const KyOptionList StateList{StateItems};
constexpr KyOptionItem SwitchItems[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constinit const KyOptionList SwitchList{SwitchItems};
constexpr KyOptionItem DuplexItems[] = {{1, "auto"}, {2, "half"}, {3, "full"}, {0, nullptr}};
constinit const KyOptionList DuplexList{DuplexItems};
constexpr KyOptionItem PrefixItems[] = {{0, "Vendor", "1.3.6.1.4.1"}, {0, nullptr}};
constinit const KyOptionList PrefixList{PrefixItems, KyOptionList::TextPrefixValues};

enum Var { Name, State, Duplex, Switch, Ports, VlanList, Flags, Mixed, Text, ReadOnly, Truth, Octets, Admin };

constexpr KySNMPVarDesc FormVars[] = {
    {"1.3.6.1.4.1.32473.98.1.1", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.2", "State", sxInteger, afReadWrite, &StateList},
    {"1.3.6.1.4.1.32473.98.1.3", "Duplex", sxInteger, afReadWrite, &DuplexList},
    {"1.3.6.1.4.1.32473.98.1.4", "Switch", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.5", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.6", "VLAN List", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.9", "Flags", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.10", "Mixed", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.11", "Text", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.8", "Read Only", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.98.1.12", "Truth", sxBoolean, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.13", "Octets", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.4", "Admin", sxInteger, afReadWrite, &SwitchList},
    {nullptr, nullptr, 0, 0, nullptr}};

std::string text(const QString& s) { return s.toStdString(); }

class Binding : public ::testing::Test {
protected:
    void SetUp() override { binder.Request.VarList = KySNMPVarList(FormVars, SVT_SV, 0); }

    KySNMPVar& var(int i) { return binder.Request.VarList.GetVar(i); }
    template <class T>
    T* make() {
        return new T(&form);
    }

    QWidget form;
    KySNMPRequest2Edits binder{&form};
};

TEST_F(Binding, EachControlClassShowsAndGivesBackItsVariable) {
    auto* label = make<QLabel>();
    auto* edit = make<QLineEdit>();
    auto* combo = make<QComboBox>();
    auto* radio = make<KyRadioGroup>();
    auto* box = make<QCheckBox>();
    binder.BindStaticText(ReadOnly, label);
    binder.BindControl(Name, edit);
    binder.BindComboBox(State, combo);
    binder.BindRadioGroup(Duplex, radio);
    binder.BindControl(Truth, box);
    ASSERT_EQ(combo->count(), 3);
    ASSERT_EQ(radio->count(), 3);

    var(ReadOnly).Value = "5";
    var(Name).Value = "core-sw";
    var(State).Value = "disabled";
    var(Duplex).Value = "full";
    var(Truth).Value = "true";
    binder.ValuesToControls(-1);
    EXPECT_EQ(label->text(), "5");
    EXPECT_EQ(edit->text(), "core-sw");
    EXPECT_EQ(combo->currentText(), "disabled");
    EXPECT_EQ(radio->itemIndex(), 2);
    EXPECT_TRUE(box->isChecked());

    edit->setText("edge-sw");
    combo->setCurrentIndex(2);
    radio->setItemIndex(0);
    box->setChecked(false);
    label->setText("9");
    binder.ControlsToValues(-1);
    EXPECT_EQ(var(Name).Value, "edge-sw");
    EXPECT_EQ(var(State).Value, "enabled");
    EXPECT_EQ(var(Duplex).Value, "auto");
    EXPECT_EQ(var(Truth).Value, "false");
    EXPECT_EQ(var(ReadOnly).Value, "5") << "read-only variables are never taken from the controls";
}

TEST_F(Binding, WholeValuesPassThroughTheirRawForm) {
    auto* number = make<QLineEdit>();
    auto* hex = make<QLineEdit>();
    binder.BindControl(Switch, number);
    binder.BindControl(Octets, hex);
    number->setText("0012");
    hex->setText("a0ff");
    binder.ControlsToValues(-1);
    EXPECT_EQ(var(Switch).Value, "12");
    EXPECT_EQ(var(Octets).Value, "A0FF");

    number->setText("12abc");
    EXPECT_EQ(codeOf([&] { binder.ControlsToValues(Switch); }), -8) << "a typo must not be written as a number";
    EXPECT_EQ(var(Switch).Value, "12");

    var(Switch).Value = "0A0B";  // an agent that answered an octet string for a number
    EXPECT_EQ(codeOf([&] { binder.ValuesToControls(Switch); }), 0);
    EXPECT_EQ(number->text(), "0A0B");
}

TEST_F(Binding, CheckBoxWithAnOptionListIsCheckedForItsSecondRow) {
    auto* box = make<QCheckBox>();
    binder.BindControl(Admin, box);
    for (auto [value, checked] : {std::pair{"enabled", false}, {"disabled", true}, {"2", true}, {"7", false}}) {
        SCOPED_TRACE(value);
        var(Admin).Value = value;
        binder.ValuesToControls(Admin);
        EXPECT_EQ(box->isChecked(), checked);
    }
    box->setChecked(true);
    binder.ControlsToValues(Admin);
    EXPECT_EQ(var(Admin).Value, "disabled");
    box->setChecked(false);
    binder.ControlsToValues(Admin);
    EXPECT_EQ(var(Admin).Value, "enabled");
}

TEST_F(Binding, CheckBoxOfANumberWithoutListOrTruthSyntaxIsRefused) {
    auto* box = make<QCheckBox>();
    binder.BindControl(Switch, box);
    var(Switch).Value = "1";
    EXPECT_EQ(codeOf([&] { binder.ValuesToControls(Switch); }), -517);
    EXPECT_EQ(codeOf([&] { binder.ControlsToValues(Switch); }), -517);
}

TEST_F(Binding, CheckBoxBitsReadAndWriteSingleBits) {
    std::vector<QCheckBox*> boxes;
    for (int k = 0; k < 8; ++k) boxes.push_back(make<QCheckBox>());
    binder.BindCheckBoxBits(Ports, "0,1,2,3,4,5,6,7", boxes);

    var(Ports).Value = "01FFFFFF";
    binder.ValuesToControls(Ports);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(boxes[std::size_t(k)]->isChecked(), k == 7) << "bit " << k;

    for (auto* b : boxes) b->setChecked(false);
    boxes[0]->setChecked(true);
    boxes[7]->setChecked(true);
    binder.ControlsToValues(Ports);
    EXPECT_EQ(var(Ports).Value, "81FFFFFF") << "bytes no box covers keep their value";
}

TEST_F(Binding, CheckBoxBitBeyondTheValue) {
    auto* box = make<QCheckBox>();
    binder.BindCheckBoxBits(Ports, "40", {box});
    var(Ports).Value = "00000000";
    EXPECT_EQ(codeOf([&] { binder.ValuesToControls(Ports); }), -519);
    box->setChecked(true);
    binder.ControlsToValues(Ports);
    EXPECT_EQ(var(Ports).Value, "000000000080") << "writing grows the value to reach the bit";
}

TEST_F(Binding, PiecesAreCutAndMergedAtTheirOffsets) {
    auto* port = make<QLineEdit>();
    binder.BindPartEdits(Mixed, 1, sxUInt16, nullptr, "%u", {port});
    var(Mixed).Value = "AA0005BBCCDD";
    binder.ValuesToControls(Mixed);
    EXPECT_EQ(port->text(), "5");
    port->setText("300");
    binder.ControlsToValues(Mixed);
    EXPECT_EQ(var(Mixed).Value, "AA012CBBCCDD");

    auto* mode = make<QComboBox>();
    binder.BindPartComboBox(Mixed, 5, sxUInt8, &DuplexList, mode);
    var(Mixed).Value = "AA0005BBCC03";
    binder.ValuesToControls(Mixed);
    EXPECT_EQ(mode->currentText(), "full");
    mode->setCurrentIndex(1);
    binder.ControlsToValues(Mixed);
    EXPECT_EQ(var(Mixed).Value, "AA0005BBCC02");
}

TEST_F(Binding, DisplayStringIsMadeOnlyOfItsPieces) {
    auto* first = make<QLineEdit>();
    auto* second = make<QLineEdit>();
    binder.BindPartEdits(Text, 0, sxDisplayStr, nullptr, "%s", {first});
    binder.BindPartEdits(Text, 4, sxDisplayStr, nullptr, "%s", {second});
    var(Text).Value = "a much longer text than before";
    first->setText("abcd");
    second->setText("xyz");
    binder.ControlsToValues(Text);
    EXPECT_EQ(var(Text).Value, "abcdxyz");
}

// Shift-JIS octets of two Japanese words.
const std::string LoginSjis = "\x83\x8d\x83\x4f\x83\x43\x83\x93";     // ログイン
const std::string JapaneseSjis = "\x93\xfa\x96\x7b\x8c\xea";            // 日本語

TEST_F(Binding, AnEncodedDisplayStringShowsItsTextAndWritesItsOctets) {
    auto* encoded = make<QLineEdit>();
    auto* plain = make<QLineEdit>();
    binder.BindControl(Name, encoded);
    binder.BindControl(Text, plain);
    binder.SetTextEncoding(Name, "Shift_JIS");
    var(Name).Value = LoginSjis;
    var(Text).Value = LoginSjis;
    binder.ValuesToControls(-1);
    EXPECT_EQ(encoded->text(), QString::fromUtf8("ログイン"));
    EXPECT_EQ(plain->text(), QString::fromLatin1(LoginSjis.data(), qsizetype(LoginSjis.size())))
        << "a variable without an encoding keeps one octet a character";

    encoded->setText(QString::fromUtf8("日本語"));
    binder.ControlsToValues(-1);
    EXPECT_EQ(var(Name).Value, JapaneseSjis);
    EXPECT_EQ(var(Text).Value, LoginSjis);

    // A character Shift-JIS lacks is refused, not sent as a stand-in.
    encoded->setText(QString::fromUtf8("caf\u00e9"));
    std::string message;
    try {
        binder.ControlsToValues(Name);
    } catch (const KyException& e) {
        message = e.what();
    }
    EXPECT_EQ(message, "Please enter only characters that Shift_JIS can hold!");
    EXPECT_EQ(var(Name).Value, JapaneseSjis);
}

TEST(TextEncoding, AnEncodingThisQtCannotConvertKeepsOneOctetACharacter) {
    const std::string octets = "caf\xe9";
    EXPECT_EQ(TextOfOctets(octets, "No-Such-Encoding"), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(OctetsOfText(QString::fromUtf8("caf\u00e9"), "No-Such-Encoding"), octets);
    EXPECT_EQ(TextOfOctets(octets, ""), QString::fromUtf8("caf\u00e9"));
}

TEST_F(Binding, InvalidAndReadOnlyVariablesAreSkipped) {
    auto* edit = make<QLineEdit>();
    auto* label = make<QLabel>();
    binder.BindControl(Name, edit);
    binder.BindStaticText(ReadOnly, label);
    var(Name).Value = "device";
    var(Name).Access |= afInvalid;
    var(ReadOnly).Value = "5";
    binder.ValuesToControls(-1);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(label->text(), "5");
    edit->setText("typed");
    binder.ControlsToValues(-1);
    EXPECT_EQ(var(Name).Value, "device");
}

TEST_F(Binding, PortListEditReadsAgainstTheValueItWasReadWith) {
    auto* edit = make<QLineEdit>();
    binder.BindControl(VlanList, edit);
    var(VlanList).Value = "F2000000";
    binder.ValuesToControls(VlanList);
    EXPECT_EQ(edit->text(), "1-4,7");
    edit->setText("1-3,32");
    binder.ControlsToValues(VlanList);
    EXPECT_EQ(var(VlanList).Value, "E0000001");

    edit->setText("1-3,33");
    try {
        binder.ControlsToValues(VlanList);
        ADD_FAILURE() << "a port beyond the list must be refused";
    } catch (const KyException& error) {
        EXPECT_EQ(error.code(), -11);
        EXPECT_NE(std::string(error.what()).find("between 1 and 32"), std::string::npos) << error.what();
    }
    EXPECT_EQ(var(VlanList).Value, "E0000001");
}

TEST_F(Binding, PortListWithoutAValueReadHasTheBitListsOwnLength) {
    // A row being added, a column whose walk ended, a value that was no bit list: never "between 1 and 0".
    auto* edit = make<QLineEdit>();
    binder.BindControl(VlanList, edit);
    for (const char* before : {"", "(NOTDONE)", "(NULL)"}) {
        SCOPED_TRACE(before);
        var(VlanList).Value = before;
        edit->setText("1-3,64");
        binder.ControlsToValues(VlanList);
        EXPECT_EQ(var(VlanList).Value, "E000000000000001");
    }
}

TEST_F(Binding, WholeValueIsWrittenFromItsControlWhateverFormTheValueReadHad) {
    struct Case {
        const char* name;
        int var;
        std::string read;  // as the agent's answer left it
        QString typed;
        std::string written;
    } cases[] = {
        {"integer answered with octets", Switch, "(WRONGTYPE)3130", "7", "7"},
        {"integer beyond Integer32", Switch, "(WRONGTYPE)4294967296", "-3", "-3"},
        {"display string answered with an integer", Text, "(WRONGTYPE)5", "lab", "lab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* edit = make<QLineEdit>();
        binder.Unbind(c.var);
        binder.BindControl(c.var, edit);
        var(c.var).Value = c.read;
        edit->setText(c.typed);
        binder.ControlsToValues(c.var);
        EXPECT_EQ(var(c.var).Value, c.written);
    }
}

TEST_F(Binding, UnselectedChoiceLeavesTheValueAlone) {
    auto* combo = make<QComboBox>();
    binder.BindComboBox(State, combo);
    var(State).Value = "9";  // the device holds a value the list has no word for
    binder.ValuesToControls(State);
    EXPECT_EQ(combo->currentIndex(), -1);
    binder.ControlsToValues(State);
    EXPECT_EQ(var(State).Value, "9");
}

TEST_F(Binding, BindOperationsCheckTheirControls) {
    EXPECT_EQ(codeOf([&] { binder.BindComboBox(Name, make<QComboBox>()); }), -520);
    EXPECT_EQ(codeOf([&] { binder.BindRadioGroup(Switch, make<KyRadioGroup>()); }), -520);
    EXPECT_TRUE(binder.Bindings.empty());
    EXPECT_EQ(codeOf([&] { binder.BindControl(Switch, make<QCheckBox>()); }), 0);
    EXPECT_EQ(codeOf([&] { binder.BindPartComboBox(Mixed, 0, sxObjectId, &PrefixList, make<QComboBox>()); }), -522);
    EXPECT_EQ(binder.Bindings.size(), 1u);
    EXPECT_EQ(codeOf([&] { binder.BindControl(99, make<QLineEdit>()); }), -12);
}

TEST_F(Binding, EditsAreTakenOnePerDirectiveWithItsInputRule) {
    struct Case {
        const char* format;
        std::size_t edits;
    } cases[] = {{"%s{I}", 1}, {"%i{x255}%i{x255}", 2}, {"%n,{l3}%h", 2}, {"%u{x100}", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        binder.Unbind(Name);
        std::vector<QLineEdit*> edits{make<QLineEdit>(), make<QLineEdit>(), make<QLineEdit>()};
        binder.BindEdits(Name, c.format, edits);
        ASSERT_EQ(binder.Bindings.size(), 1u);
        EXPECT_EQ(binder.Bindings.back().ControlCount(), int(c.edits));
    }
    binder.Unbind(Name);
    EXPECT_EQ(codeOf([&] { binder.BindEdits(Name, "%s%s", {make<QLineEdit>()}); }), -522);
    EXPECT_EQ(codeOf([&] { binder.BindEdits(Name, "%s{q}", {make<QLineEdit>()}); }), -2);
    EXPECT_TRUE(binder.Bindings.empty());
}

TEST_F(Binding, ARefusedEntryBringsBackTheValueRead) {
    MessageBoxes boxes;
    auto* edit = make<QLineEdit>();
    binder.BindEdits(Switch, "%u{x100}", {edit});
    var(Switch).Value = "42";
    binder.ValuesToControls(Switch);
    edit->setText("99");
    edit->setText("");  // typed over, then left with a value out of range
    edit->setText("500");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &leave);
    EXPECT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(edit->text(), "42");

    binder.Unbind(Switch);
    edit->setText("500");
    QApplication::sendEvent(edit, &leave);
    EXPECT_EQ(boxes.Texts.size(), 1) << "an unbound edit has no input rule any more";
}

TEST_F(Binding, CheckBoxBitsCountFromTheHighestBit) {
    auto* a = make<QCheckBox>();
    auto* b = make<QCheckBox>();
    auto* c = make<QCheckBox>();
    binder.BindCheckBoxBits(Ports, "0,1,7", {a, b, c});
    var(Ports).Value = "01";
    binder.ValuesToControls(Ports);
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(b->isChecked());
    EXPECT_TRUE(c->isChecked());
}

TEST_F(Binding, ControlListTakesAsManyControlsAsNumbers) {
    std::vector<QWidget*> boxes{make<QCheckBox>(), make<QCheckBox>(), make<QCheckBox>(), make<QCheckBox>()};
    binder.BindControlList(Ports, "8,9", boxes);
    ASSERT_EQ(binder.Bindings.back().ControlCount(), 2);
    var(Ports).Value = "0040";
    binder.ValuesToControls(Ports);
    EXPECT_FALSE(static_cast<QCheckBox*>(boxes[0])->isChecked());
    EXPECT_TRUE(static_cast<QCheckBox*>(boxes[1])->isChecked());
    EXPECT_EQ(codeOf([&] { binder.BindControlList(Ports, "0,1,2", {boxes[0], boxes[1]}); }), -522);
    EXPECT_EQ(codeOf([&] { binder.BindControlList(Ports, "0,x", boxes); }), -12);
    EXPECT_EQ(binder.Bindings.size(), 1u);
}

TEST_F(Binding, UnbindForgetsEveryBindingOfTheVariableAndKeepsThePagesHandlers) {
    auto* combo = make<QComboBox>();
    int pageHandler = 0;
    KyControlEvents::onChange(combo, &form, [&] { ++pageHandler; });
    binder.BindComboBox(State, combo);
    binder.BindControl(State, make<QLabel>());
    binder.BindControl(Name, make<QLineEdit>());
    emit combo->activated(1);
    binder.Unbind(State);
    binder.Unbind(State);
    ASSERT_EQ(binder.Bindings.size(), 1u);
    EXPECT_EQ(binder.Bindings[0].VarIndex, int(Name));
    emit combo->activated(2);
    EXPECT_EQ(pageHandler, 2);
}

TEST_F(Binding, ControlsDestroyedBeforeTheBinderAreSkipped) {
    auto* edit = make<QLineEdit>();
    binder.BindControl(Name, edit);
    delete edit;
    var(Name).Value = "x";
    binder.ValuesToControls(-1);
    binder.ControlsToValues(-1);
    EXPECT_EQ(var(Name).Value, "x");
}

// The forms with several edits per value, both ways.
TEST_F(Binding, SeveralEditsShowThePartsOfAValue) {
    struct Case {
        const char* name;
        int syntax;
        const char* value;
        std::vector<std::string> shown;
        const char* writtenBack;  // the value the same edits give back
    } cases[] = {
        {"octets as hex per edit", sxOctetStr, "0A1B", {"0A", "1B"}, "0A1B"},
        {"IP address", sxIpAddress, "192.0.2.1", {"192", "0", "2", "1"}, "192.0.2.1"},
        {"time ticks as days to hundredths", sxTimeTicks, "2 days, 3:04:05.06", {"2", "3", "4", "5", "6"},
         "2 days, 3:04:05.06"},
        {"MAC address", sxMacAddress, "001B2C5100AA", {"00", "1B", "2C", "51", "00", "AA"}, "001B2C5100AA"},
        {"DateAndTime", sxDateTime, "2026-12-10,13:47:5.3,-5:30",
         {"2026", "12", "10", "13", "47", "5", "3", "-", "5", "30"}, "2026-12-10,13:47:5.3,-5:30"},
        {"object identifier", sxObjectId, "1.3.6", {"1", "3", "6"}, "1.3.6"},
        {"inet address in four edits", sxInetAddress, "10.0.0.1", {"10", "0", "0", "1"}, "10.0.0.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KySNMPVarDesc table[] = {{"1.3.6.1.4.1.32473.98.9", "Value", c.syntax, afReadWrite, nullptr},
                                 {nullptr, nullptr, 0, 0, nullptr}};
        KySNMPRequest2Edits own(&form);
        own.Request.VarList = KySNMPVarList(table, SVT_SV, 0);
        std::vector<QLineEdit*> edits;
        std::string format;
        for (std::size_t k = 0; k < c.shown.size(); ++k) {
            edits.push_back(make<QLineEdit>());
            format += "%s";
        }
        own.BindEdits(0, format, edits);
        own.Request.VarList.GetVar(0).Value = c.value;
        own.ValuesToControls(0);
        for (std::size_t k = 0; k < edits.size(); ++k) EXPECT_EQ(text(edits[k]->text()), c.shown[k]) << "edit " << k;
        own.Request.VarList.GetVar(0).Value.clear();
        own.ControlsToValues(0);
        EXPECT_EQ(own.Request.VarList.GetVar(0).Value, c.writtenBack);
    }
}

TEST_F(Binding, SeveralEditsNeedEnoughEditsAndValidParts) {
    std::vector<QLineEdit*> three{make<QLineEdit>(), make<QLineEdit>(), make<QLineEdit>()};
    KySNMPVarDesc table[] = {{"1.3.6.1.4.1.32473.98.9", "Address", sxIpAddress, afReadWrite, nullptr},
                             {nullptr, nullptr, 0, 0, nullptr}};
    binder.Request.VarList = KySNMPVarList(table, SVT_SV, 0);
    binder.BindEdits(0, "%i%i%i", three);
    var(0).Value = "10.0.0.1";
    EXPECT_EQ(codeOf([&] { binder.ValuesToControls(0); }), -522);

    binder.Unbind(0);
    std::vector<QLineEdit*> four{make<QLineEdit>(), make<QLineEdit>(), make<QLineEdit>(), make<QLineEdit>()};
    binder.BindEdits(0, "%s%s%s%s", four);
    var(0).Value = "(NULL)";
    four[0]->setText("keep");
    binder.ValuesToControls(0);
    EXPECT_EQ(four[0]->text(), "keep") << "a missing address leaves the edits alone";
    for (auto* e : four) e->setText("1");
    four[3]->setText("300");
    EXPECT_EQ(codeOf([&] { binder.ControlsToValues(0); }), -19) << "a part beyond 255 must not wrap";
}

TEST_F(Binding, UnknownControlClassIsRefused) {
    binder.BindControl(Name, make<QPlainTextEdit>());
    var(Name).Value = "x";
    EXPECT_EQ(codeOf([&] { binder.ValuesToControls(Name); }), -521);
}

// ---- list view

enum Col { Key, Hidden, Label, Members };

constexpr KySNMPVarDesc ListVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.98.2.1.5", "Secret", sxInteger, afReadWrite | afHidden, nullptr},
    {"1.3.6.1.4.1.32473.98.2.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.2.1.4", "Members", sxBitList, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

class ListBinding : public Binding {
protected:
    void SetUp() override { binder.Request.VarList = KySNMPVarList(ListVars, MVT_FMV, 1); }

    void addRow(const char* key, const char* hidden, const char* name, const char* members) {
        var(Key).Value = key;
        var(Hidden).Value = hidden;
        var(Label).Value = name;
        var(Members).Value = members;
        binder.AddListRow();
    }
};

TEST_F(ListBinding, ColumnsPutTheZeroWidthOnesFirst) {
    auto* list = make<QTreeWidget>();
    binder.BindListView(list, 1);
    ASSERT_EQ(list->columnCount(), 4);
    EXPECT_EQ(list->headerItem()->text(0), "Secret");
    EXPECT_EQ(list->header()->sectionSize(0), 0);
    EXPECT_EQ(list->headerItem()->text(1), "Index");
    EXPECT_EQ(list->headerItem()->text(3), "Members");
    EXPECT_GT(list->header()->sectionSize(3), 0);

    addRow("7", "42", "uplinks", "F2");
    auto* item = list->topLevelItem(0);
    EXPECT_EQ(item->text(0), "42");
    EXPECT_EQ(item->text(1), "7");
    EXPECT_EQ(item->text(3), "1-4,7[F2]");
}

TEST_F(ListBinding, DesignedColumnsStay) {
    auto* list = make<QTreeWidget>();
    list->setHeaderLabels({"A", "B", "C", "D", "E"});
    binder.BindListView(list, 1);
    EXPECT_EQ(list->headerItem()->text(0), "A");
    auto* fewer = make<QTreeWidget>();
    fewer->setHeaderLabels({"A", "B"});
    binder.BindListView(fewer, 1);
    EXPECT_EQ(fewer->columnCount(), 4);
    EXPECT_EQ(fewer->headerItem()->text(0), "Secret");
}

TEST_F(ListBinding, SelectingARowFillsAndEnablesTheControls) {
    auto* list = make<QTreeWidget>();
    auto* name = make<QLineEdit>();
    auto* members = make<QLineEdit>();
    binder.BindListView(list, 1);
    binder.BindControl(Label, name);
    binder.BindControl(Members, members);
    addRow("1", "10", "one", "80");
    addRow("2", "20", "two", "C001");
    binder.EnableControls(false);

    std::vector<std::pair<QTreeWidgetItem*, bool>> pageSaw;
    KyControlEvents::onSelectItem(list, &form, [&](QTreeWidgetItem* item, bool selected) { pageSaw.emplace_back(item, selected); });
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(name->text(), "two");
    EXPECT_EQ(members->text(), "1-2,16");
    EXPECT_EQ(var(Members).Value, "C001") << "the hex behind the brackets comes back exactly";
    EXPECT_EQ(var(Hidden).Value, "20") << "zero-width cells are read too";

    name->setText("changed");
    binder.EnableControls(false);
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(name->text(), "one");
    ASSERT_EQ(pageSaw.size(), 3u);
    EXPECT_EQ(pageSaw[1], std::make_pair(list->topLevelItem(1), false));
    EXPECT_EQ(pageSaw[2], std::make_pair(list->topLevelItem(0), true));
}

TEST_F(ListBinding, AMouseClickFillsTheControlsWithTheClickedLine) {
    auto* list = make<QTreeWidget>();
    auto* name = make<QLineEdit>();
    list->setGeometry(0, 0, 300, 200);
    binder.BindListView(list, 1);
    binder.BindControl(Label, name);
    addRow("1", "10", "one", "80");
    addRow("2", "20", "two", "40");
    addRow("3", "30", "three", "20");
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
    EXPECT_EQ(name->text(), "two");
}

TEST_F(ListBinding, AnEncodedListShowsTextsAndASelectedLineGivesTheOctetsAsRead) {
    auto* list = make<QTreeWidget>();
    auto* name = make<QLineEdit>();
    binder.BindListView(list, 1);
    binder.BindControl(Label, name);
    binder.ListTextEncoding = "Shift_JIS";
    // A lone lead byte at the end is no Shift-JIS: shown as best it can be, it must still come back as read.
    const std::string octets = LoginSjis + "\x83";
    addRow("1", "10", octets.c_str(), "80");
    auto* line = list->topLevelItem(0);
    EXPECT_TRUE(line->text(2).startsWith(QString::fromUtf8("ログイン")));
    EXPECT_EQ(line->text(1), "1");
    EXPECT_EQ(line->text(3), "1[80]") << "only display strings are decoded";

    var(Label).Value.clear();
    list->setCurrentItem(line);
    EXPECT_EQ(var(Label).Value, octets);
}

TEST_F(ListBinding, DeselectionChangesNothing) {
    auto* list = make<QTreeWidget>();
    auto* name = make<QLineEdit>();
    binder.BindListView(list, 1);
    binder.BindControl(Label, name);
    addRow("1", "10", "one", "80");
    list->setCurrentItem(list->topLevelItem(0));
    name->setText("typed");
    binder.EnableControls(false);
    list->setCurrentItem(nullptr);
    EXPECT_EQ(name->text(), "typed");
    EXPECT_FALSE(name->isEnabled());
}

TEST_F(ListBinding, AFailingRowSelectionIsReportedOnTheStatusLine) {
    auto* list = make<QTreeWidget>();
    auto* status = make<QLabel>();
    binder.BindListView(list, 1);
    binder.SetStatusTarget(status);
    binder.BindControl(Label, make<QPlainTextEdit>());
    addRow("1", "10", "one", "80");
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_NE(text(status->text()).find("Bad type of the associated visual control!"), std::string::npos);
}

// ---- status line

TEST(StatusLine, TemplatesTakeTheMessageNameAndTime) {
    QWidget form;
    KySNMPRequest2Edits binder(&form);
    auto* memo = new QPlainTextEdit(&form);
    auto* bar = new QStatusBar(&form);
    auto* panel = new QLabel(&form);
    const QRegularExpression time(" \\d\\d:\\d\\d:\\d\\d\\.$");

    binder.ShowStatus("Ok!");  // no target: nothing to write
    binder.SetStatusTarget(panel);
    binder.ShowStatus("Ok!");
    EXPECT_TRUE(panel->text().startsWith("Get: Ok! Receive at ")) << text(panel->text());
    EXPECT_TRUE(time.match(panel->text()).hasMatch());

    binder.Request.VarList.Name = " Led Status";
    binder.LastOp = 1;
    binder.SetStatusTarget(bar);
    binder.ShowStatus("Failed!");
    EXPECT_TRUE(bar->currentMessage().startsWith("Set: Failed! Request: Led Status. Receive at ")) << text(bar->currentMessage());

    binder.SetStatusTarget(memo);
    binder.ShowStatus("one");
    binder.ShowStatus("two");
    EXPECT_EQ(memo->blockCount(), 2);

    SNMPStatusTemplates.Replace({"[ERROR] at [TIME]"});
    binder.Request.VarList.Name.clear();
    binder.LastOp = 0;
    binder.SetStatusTarget(panel);
    binder.ShowStatus("Ok!");
    EXPECT_TRUE(panel->text().startsWith("Ok! at ")) << text(panel->text());
    SNMPStatusTemplates.Replace({});
}

// ---- control events

TEST(ControlEvents, ProgrammaticChangesFireOnlyWhereTheFormsOwnEventsDo) {
    QWidget form;
    auto* edit = new QLineEdit(&form);
    auto* combo = new QComboBox(&form);
    auto* box = new QCheckBox(&form);
    auto* group = new KyRadioGroup(&form);
    combo->addItems({"a", "b"});
    group->setItems({"x", "y"});
    int edits = 0, combos = 0, boxes = 0, groups = 0;
    KyControlEvents::onChange(edit, &form, [&] { ++edits; });
    KyControlEvents::onChange(combo, &form, [&] { ++combos; });
    KyControlEvents::onClick(box, &form, [&] { ++boxes; });
    KyControlEvents::onClick(group, &form, [&] { ++groups; });
    edit->setText("t");
    combo->setCurrentIndex(1);
    box->setChecked(true);
    group->setItemIndex(1);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(combos, 0);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(groups, 1);
    emit combo->activated(0);
    EXPECT_EQ(combos, 1);
}

TEST(ControlEvents, AHandlersFailureIsABoxNotAnEscape) {
    MessageBoxes boxes;
    QApplication::setApplicationDisplayName("TRV5124");
    QWidget form;
    auto* box = new QCheckBox(&form);
    KyControlEvents::onClick(box, &form, [] { throw KyException(-521); });
    box->setChecked(true);
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0], "Bad type of the associated visual control!");
    EXPECT_EQ(boxes.Titles[0], "TRV5124");
}

TEST(ControlEvents, ExitFiresWhenTheFocusMovesOnButNotOnAWindowSwitch) {
    QWidget form;
    auto* edit = new QLineEdit(&form);
    int exits = 0;
    KyControlEvents::onExit(edit, [&] { ++exits; });
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QFocusEvent windowSwitch(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(edit, &tab);
    QApplication::sendEvent(edit, &windowSwitch);
    QApplication::sendEvent(edit, &popup);
    EXPECT_EQ(exits, 1);
}

}  // namespace
