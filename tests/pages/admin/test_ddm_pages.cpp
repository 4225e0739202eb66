// The four DDM pages through their menu items against the simulator.
#include "AdminPageWindow.h"
#include "DDMThresholdRequest.h"
#include "GUIConfigForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

const std::string Ddm = "1.3.6.1.4.1.32473.12.72.";

class DdmPagesTest : public AdminPageWindow {};

// A display string's value as the simulator's store shows it.
std::string hexOf(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string hex = "0x";
    for (unsigned char c : text) hex += {digits[c >> 4], digits[c & 15]};
    return hex;
}

QTreeWidget* listOf(TConfigForm* page) { return page->findChild<QTreeWidget*>(); }

QLineEdit* editOf(KySNMPRequest2Edits& binder, int position) {
    for (const KyControlBinding& binding : binder.Bindings)
        if (binding.VarIndex == position)
            for (const auto& control : binding.Controls)
                if (auto* edit = qobject_cast<QLineEdit*>(control.data())) return edit;
    return nullptr;
}

TEST(DdmThreshold, AThresholdIsEditedWithoutItsLastThreeDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"-40000", "-40"}, {"75000", "75"}, {"500", ""}, {"75", ""}, {"-1", "-"}, {"", "-"}, {"N/A", "-"}, {"12.5", "-"}};
    for (const auto& [read, shown] : cases) EXPECT_EQ(NewRequest2EditsForDDMThreshold::Shown(read), shown) << read;
}

TEST_F(DdmPagesTest, SettingsAreReadAndWrittenAtInstanceZero) {
    ASSERT_TRUE(open());
    withPage("ControlTable6Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Settings: 127.0.0.1");
        KySNMPRequest2Edits& binder = *page->Requests[0];
        QComboBox* trap = nullptr;
        for (const KyControlBinding& binding : binder.Bindings)
            if (binding.VarIndex == 0 && !binding.Controls.empty()) trap = qobject_cast<QComboBox*>(binding.Controls[0].data());
        ASSERT_NE(trap, nullptr);
        EXPECT_EQ(trap->currentText(), "enabled");
        sim->clearLog();
        binder.Async = 0;
        MessageBoxes boxes;
        EXPECT_TRUE(binder.Set(0, 1));
        EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join("|").toStdString();
        EXPECT_EQ(setsUnder(sim->log(), Ddm), (std::vector<std::vector<std::string>>{{"1.1.0=1", "1.2.0=2"}}));
    });
}

TEST_F(DdmPagesTest, StatusAndPortTablesShowEveryTransceiverAsRead) {
    ASSERT_TRUE(open());
    withPage("StatusTable2Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Status Table: 127.0.0.1");
        EXPECT_EQ(page->height(), 450);
        QTreeWidget* list = listOf(page);
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(2)->text(0), "89");
        EXPECT_EQ(list->topLevelItem(2)->text(5), "-21.350");
    });
    withPage("PortManagementTable4Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Port Management Table: 127.0.0.1");
        QTreeWidget* list = listOf(page);
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(0)->text(2), "alarm");
        EXPECT_EQ(list->topLevelItem(2)->text(1), "disabled");
    });
}

TEST_F(DdmPagesTest, ThresholdsLeftAsTheyWereGoBackAsReadAndNewOnesAreScaledBack) {
    ASSERT_TRUE(open());
    withPage("ThresholdManagementTable2Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "DDM Threshold Management Table: 127.0.0.1");
        QTreeWidget* list = listOf(page);
        ASSERT_EQ(list->topLevelItemCount(), 15);
        KySNMPRequest2Edits& binder = *page->Requests[0];
        list->setCurrentItem(list->topLevelItem(0));
        EXPECT_EQ(list->topLevelItem(0)->text(2), "75000") << "the list keeps the switch's text";
        ASSERT_NE(editOf(binder, 2), nullptr);
        EXPECT_EQ(editOf(binder, 2)->text(), "75");
        EXPECT_EQ(editOf(binder, 3)->text(), "-5");
        EXPECT_EQ(editOf(binder, 5)->text(), "");
        binder.Async = 0;
        sim->clearLog();
        EXPECT_TRUE(binder.Set(0, 1));
        EXPECT_EQ(setsUnder(sim->log(), Ddm),
                  (std::vector<std::vector<std::string>>{{"3.1.1.1.2.25.1=0x3735303030", "3.1.1.1.3.25.1=0x2d35303030",
                                                          "3.1.1.1.4.25.1=0x3730303030", "3.1.1.1.5.25.1=0x30"}}));
        list->setCurrentItem(list->topLevelItem(0));
        editOf(binder, 2)->setText("80");
        sim->clearLog();
        EXPECT_TRUE(binder.Set(0, 1));
        const auto sets = setsUnder(sim->log(), Ddm);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0][0], "3.1.1.1.2.25.1=0x3830303030") << "80 is 80000 on the switch";
    });
}

// The High Alarm of the first threshold row (shown 75, read 75000) typed into the Edit dialog and set: the
// text the SET carried, or nothing when none went out; the message boxes and the status line afterwards.
struct EditOutcome {
    std::optional<std::string> Sent;
    QString Shown;  // the threshold as the dialog offered it
    QStringList Boxes;
    QString Status;
    bool DialogClosed = false;
};

class DdmThresholdEdit : public DdmPagesTest {
protected:
    EditOutcome editHighAlarm(TConfigForm* page, const QString& text) {
        QTreeWidget* list = listOf(page);
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        // A click as the user makes it: the line becomes current before it is selected.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        sim->clearLog();
        page->findChild<TMsgPanel*>()->StatusBar->clear();
        EditOutcome outcome;
        MessageBoxes boxes;
        whenModal([&](QWidget* modal) {
            if (modal->objectName() != "EditDialog") return false;
            outcome.Shown = modal->findChild<QLineEdit*>("RowEdit2")->text();
            modal->findChild<QLineEdit*>("RowEdit2")->setText(text);
            modal->findChild<QCheckBox*>("RowCheck2")->click();
            modal->findChild<QPushButton*>("SetButton")->click();
            outcome.DialogClosed = !modal->isVisible();
            if (!outcome.DialogClosed) qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        panel->EditClick();
        waitUntil([&] { return pageIdle(page); });
        for (const auto& set : ofKind(sim->log(), "SET"))
            for (const auto& b : set.bindings)
                if (b.oid == Ddm + "3.1.1.1.2.25.1") outcome.Sent = b.octets();
        outcome.Boxes = boxes.Texts;
        outcome.Status = statusLine(page);
        return outcome;
    }
};

TEST_F(DdmThresholdEdit, EveryAcceptedTextIsScaledExactlyAndOthersAreRefusedUnsent) {
    ASSERT_TRUE(open());
    struct Case {
        const char* typed;
        std::optional<std::string> sent;  // nothing: refused with a message
    };
    const Case cases[] = {
        {"75.5", "75500"}, {"+75", "75000"}, {"80", "80000"},  {"-0.25", "-250"}, {"-40", "-40000"},
        {"0.001", "1"},    {".5", "500"},    {"75.", "75000"}, {"75.5000", "75500"}, {"75", "75000"},
        {"75.0005", {}},   {"N/A", {}},      {"1e3", {}},      {"7 5", {}},          {"-", {}},
        {"+", {}},         {".", {}},        {"75.5.1", {}},   {"--75", {}},
    };
    withPage("ThresholdManagementTable2Click", [&](TConfigForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            sim->setValue(Ddm + "3.1.1.1.2.25.1", "STRING " + hexOf("75000"));
            page->findChild<TSNMPListViewPanel*>()->RefreshClick();
            ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && listOf(page)->topLevelItemCount() == 15; }));
            const EditOutcome outcome = editHighAlarm(page, c.typed);
            EXPECT_EQ(outcome.Shown, "75") << "edited without its last three digits";
            EXPECT_EQ(outcome.Sent, c.sent);
            if (c.sent) {
                EXPECT_TRUE(outcome.Boxes.isEmpty()) << outcome.Boxes.join("|").toStdString();
                EXPECT_TRUE(outcome.DialogClosed);
                EXPECT_EQ(sim->value(Ddm + "3.1.1.1.2.25.1"), "STRING " + hexOf(*c.sent));
            } else {
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty()) << "a refused text sends nothing";
                ASSERT_EQ(outcome.Boxes.size(), 1);
                EXPECT_TRUE(outcome.Boxes[0].contains("High Alarm")) << outcome.Boxes[0].toStdString();
                EXPECT_FALSE(outcome.DialogClosed) << "the text stays for a correction";
                EXPECT_FALSE(outcome.Status.startsWith("Set: Ok!")) << outcome.Status.toStdString();
            }
        }
    });
}

TEST_F(DdmThresholdEdit, AThresholdTheAgentRefusesShowsTheErrorAndNoSuccess) {
    ASSERT_TRUE(open());
    withPage("ThresholdManagementTable2Click", [&](TConfigForm* page) {
        const std::string before = sim->value(Ddm + "3.1.1.1.2.25.1").value_or("");
        sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Ddm + "3.1.1.1.2", .count = 1});
        const EditOutcome outcome = editHighAlarm(page, "75.5");
        EXPECT_EQ(outcome.Sent, "75500") << "sent, scaled";
        ASSERT_EQ(outcome.Boxes.size(), 1);
        EXPECT_FALSE(outcome.DialogClosed);
        EXPECT_FALSE(outcome.Status.startsWith("Set: Ok!")) << outcome.Status.toStdString();
        EXPECT_EQ(sim->value(Ddm + "3.1.1.1.2.25.1"), before);
    });
}

}  // namespace
