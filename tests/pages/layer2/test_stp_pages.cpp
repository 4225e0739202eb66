// The spanning tree and double VLAN state pages, the spanning tree global settings and port states, each
// through its menu item against the simulator.
#include "DVStateUnit.h"
#include "Layer2PageWindow.h"
#include "MSTPPortStateEditFormUnit.h"
#include "MSTPPortStateFormUnit.h"
#include "STPInfo.h"
#include "SpanningTreeAlgorithmUnit.h"
#include "TimedProgress.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string Globals = "1.3.6.1.4.1.32473.12.15.1.";
const std::string StpRunning = "1.3.6.1.4.1.32473.11.70.1.2.1.2.1.0";
const std::string PortStates = "1.3.6.1.4.1.32473.12.15.2.4.1.";
const std::string DoubleVlanState = "1.3.6.1.4.1.32473.12.28.1.1.0";

void choose(QComboBox* combo, const char* text) { combo->setCurrentIndex(combo->findText(QString::fromLatin1(text))); }

// Chooses as the user does, so the page's own change handler runs.
void pick(QComboBox* combo, const char* text) {
    choose(combo, text);
    Q_EMIT combo->activated(combo->currentIndex());
}

bool anyRead(const std::vector<trvtest::LogEntry>& log) {
    return !ofKind(log, "GET").empty() || !ofKind(log, "GETNEXT").empty() || !ofKind(log, "GETBULK").empty();
}

// The captions of the dialogs other than message boxes shown while it lives; they close themselves.
class ShownDialogs : public QObject {
public:
    ShownDialogs() { qApp->installEventFilter(this); }
    ~ShownDialogs() override { qApp->removeEventFilter(this); }
    QStringList Captions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && !qobject_cast<QMessageBox*>(dialog))
            Captions << dialog->windowTitle();
        return false;
    }
};

class StpPagesTest : public Layer2PageWindow {
protected:
    void SetUp() override {
        Layer2PageWindow::SetUp();
        ProgressTickMs = 1;
    }
    void TearDown() override {
        ProgressTickMs = 1000;
        Layer2PageWindow::TearDown();
    }
};

TEST_F(StpPagesTest, GlobalSettingsShowTheSwitchsValuesAndWriteAllTenUnderRstp) {
    ASSERT_TRUE(open());
    withReadPage<TSTP_Info>("Information2Click", [&](TSTP_Info* page) {
        EXPECT_EQ(page->windowTitle(), "Spanning Tree Global Settings: 127.0.0.1");
        EXPECT_EQ(page->Combo_STPVersion->currentText(), "rstp");
        EXPECT_EQ(page->ET_AgingTime->text(), "2000");
        EXPECT_EQ(page->ET_HelloTime->text(), "200");
        EXPECT_EQ(page->ET_ForwardDelay->text(), "1500");
        EXPECT_EQ(page->ET_Priority->text(), "20");
        EXPECT_EQ(page->ED_TxHoldCount->text(), "6");
        EXPECT_EQ(page->Combo_BPDU->currentText(), "disabled");
        EXPECT_EQ(page->Combo_LBD->currentText(), "enabled");
        EXPECT_EQ(page->ET_LBDRecover->text(), "60");
        EXPECT_EQ(page->NNIBPDUADDRESSComboBox->currentText(), "dot1d");
        EXPECT_EQ(page->lbMSTPState->text(), "enabled");
        EXPECT_TRUE(page->ET_HelloTime->isEnabled());

        page->ET_AgingTime->setText("1800");
        page->ET_ForwardDelay->setText("1000");
        sim->clearLog();
        ShownDialogs shown;
        page->SetButton->click();
        EXPECT_EQ(setsUnder(sim->log(), Globals),
                  (Sets{{"2.0=1", "3.0=1800", "4.0=200", "5.0=1000", "6.0=20", "7.0=6", "8.0=2", "9.0=3", "10.0=60", "11.0=1"}}));
        EXPECT_EQ(sim->value(Globals + "3.0"), std::optional<std::string>("INTEGER 1800"));
        EXPECT_TRUE(shown.Captions.isEmpty()) << "the version did not change";
        EXPECT_EQ(form->ST_STPVersion->text(), "rstp");
    });
}

TEST_F(StpPagesTest, GlobalSettingsCheckTheTimersAndTheRecoveryTimeBeforeSending) {
    ASSERT_TRUE(open());
    withReadPage<TSTP_Info>("Information2Click", [&](TSTP_Info* page) {
        struct Case {
            const char* name;
            const char* hops;
            const char* maxAge;
            const char* forwardDelay;
            const char* hello;
            const char* recover;
            const char* status;  // empty: sent
            const char* box;
        };
        const Case cases[] = {
            {"empty max hops", "", "1800", "1000", "200", "60", "Don't Leave Empty Fileds !", nullptr},
            {"empty recovery time", "20", "1800", "1000", "200", "", "Don't Leave Empty Fileds !", nullptr},
            {"empty hello time", "20", "1800", "1000", "", "60", "Don't Leave Empty Fileds !", nullptr},
            {"max age above twice the forward delay less 200", "20", "2000", "1000", "200", "60", "Data Error !", nullptr},
            {"max age below twice the hello time plus 200", "20", "1800", "1000", "900", "60", "Data Error !", nullptr},
            {"recovery 59", "20", "1800", "1000", "200", "59", "LBD recover time value is wrong!",
             "LBD recover time should be equal to 0 or between 60-1000000"},
            {"recovery above 1000000", "20", "1800", "1000", "200", "1000001", "LBD recover time value is wrong!",
             "LBD recover time should be equal to 0 or between 60-1000000"},
            {"recovery a lone minus", "20", "1800", "1000", "200", "-", "LBD recover time value is wrong!",
             "LBD recover time should be equal to 0 or between 60-1000000"},
            {"max age at twice the forward delay less 200", "20", "1800", "1000", "200", "60", "", nullptr},
            {"recovery 0", "20", "1800", "1000", "200", "0", "", nullptr},
            {"recovery 1000000", "20", "1800", "1000", "200", "1000000", "", nullptr},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->ET_Priority->setText(c.hops);
            page->ET_AgingTime->setText(c.maxAge);
            page->ET_ForwardDelay->setText(c.forwardDelay);
            page->ET_HelloTime->setText(c.hello);
            page->ET_LBDRecover->setText(c.recover);
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            const bool sent = !ofKind(sim->log(), "SET").empty();
            if (*c.status) {
                EXPECT_FALSE(sent);
                EXPECT_EQ(page->StatusPanel()->text(), c.status);
                EXPECT_EQ(boxes.Texts, c.box ? QStringList{c.box} : QStringList{});
            } else {
                EXPECT_TRUE(sent);
                EXPECT_EQ(sim->value(Globals + "10.0"), std::optional<std::string>(std::string("INTEGER ") + c.recover));
            }
        }
    });
}

TEST_F(StpPagesTest, GlobalSettingsUnderMstpLeaveTheHelloTimeOutAndTheMainWindowFollowsOnlyAWrittenVersion) {
    ASSERT_TRUE(open());
    withReadPage<TSTP_Info>("Information2Click", [&](TSTP_Info* page) {
        pick(page->Combo_STPVersion, "mstp");
        EXPECT_FALSE(page->ET_HelloTime->isEnabled());
        EXPECT_TRUE(page->ET_HelloTime->text().isEmpty());
        page->ET_AgingTime->setText("1800");
        page->ET_ForwardDelay->setText("1000");
        sim->clearLog();
        {
            ShownDialogs shown;
            page->SetButton->click();
            EXPECT_EQ(shown.Captions, QStringList{"Set STP Progress"}) << "a version change while spanning tree runs";
        }
        EXPECT_EQ(setsUnder(sim->log(), Globals),
                  (Sets{{"2.0=2", "3.0=1800", "5.0=1000", "6.0=20", "7.0=6", "8.0=2", "9.0=3", "10.0=60", "11.0=1"}}));
        EXPECT_EQ(form->ST_STPVersion->text(), "mstp");

        pick(page->Combo_STPVersion, "stp");
        EXPECT_TRUE(page->ET_HelloTime->isEnabled());
        EXPECT_EQ(page->ET_HelloTime->text(), "200");

        // A refused write leaves the version the switch has, read again.
        sim->setValue(Globals + "2.0", "INTEGER 1");
        const int fault = sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Globals + "3"});
        sim->clearLog();
        {
            ShownDialogs shown;
            MessageBoxes boxes;
            page->SetButton->click();
            EXPECT_EQ(boxes.Texts.size(), 1) << "the refusal is shown";
            EXPECT_TRUE(shown.Captions.isEmpty());
        }
        sim->removeFault(fault);
        EXPECT_EQ(ofKind(sim->log(), "SET").size(), 1u);
        EXPECT_EQ(form->ST_STPVersion->text(), "rstp");

        // Refresh under MSTP keeps the hello time out.
        sim->setValue(Globals + "2.0", "INTEGER 2");
        form->StpVersionRequest->Get();
        page->RefreshButton->click();
        EXPECT_EQ(page->Combo_STPVersion->currentText(), "mstp");
        EXPECT_FALSE(page->ET_HelloTime->isEnabled());
        EXPECT_EQ(page->ListView1->topLevelItem(0)->text(0), "mstp");
    });
}

TEST_F(StpPagesTest, SpanningTreeStopsAtOnceAndStartsOnlyAfterConfirmationWithTheLongWaitForThatAnswerAlone) {
    ASSERT_TRUE(open());
    withReadPage<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1Click", [&](TSpanningTreeAlgorithmForm* page) {
        EXPECT_EQ(page->windowTitle(), "Spanning Tree Algorithm: 127.0.0.1");
        EXPECT_EQ(page->ComboBox1->currentText(), "enabled");
        auto* set = page->findChild<QPushButton*>("SetButton");
        const int normalTimeout = page->StateRequest->Request.Timeout;

        choose(page->ComboBox1, "disabled");
        sim->clearLog();
        {
            MessageBoxes boxes;
            ShownDialogs shown;
            set->click();
            ASSERT_TRUE(waitIdle(page));
            EXPECT_TRUE(boxes.Texts.isEmpty());
            EXPECT_TRUE(shown.Captions.isEmpty());
        }
        EXPECT_EQ(setsUnder(sim->log(), StpRunning), (Sets{{"=2"}}));
        EXPECT_EQ(sim->value(StpRunning), std::optional<std::string>("INTEGER 2"));
        EXPECT_FALSE(ofKind(sim->log(), "GET").empty()) << "read again";

        choose(page->ComboBox1, "enabled");
        sim->clearLog();
        QString asked;
        answerBox(QMessageBox::Cancel, &asked);
        set->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(asked, "To enable STP may take a long time. Do you want to go on?");
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        EXPECT_EQ(page->ComboBox1->currentText(), "disabled") << "the state in force, read again";

        choose(page->ComboBox1, "enabled");
        sim->clearLog();
        answerBox(QMessageBox::Ok);
        {
            ShownDialogs shown;
            set->click();
            ASSERT_TRUE(waitIdle(page));
            EXPECT_EQ(shown.Captions, QStringList{"Enable STP Progress"});
        }
        EXPECT_EQ(setsUnder(sim->log(), StpRunning), (Sets{{"=3"}}));
        EXPECT_EQ(page->ComboBox1->currentText(), "enabled");
        EXPECT_EQ(page->StateRequest->Request.Timeout, normalTimeout) << "later requests wait as usual";
    });
}

TEST_F(StpPagesTest, DoubleVlanStateAsksEveryTimeAndCoversEachWriteWithoutReadingAgain) {
    ASSERT_TRUE(open());
    withReadPage<TDVStateForm>("GlobalState1Click", [&](TDVStateForm* page) {
        EXPECT_EQ(page->windowTitle(), "Double VLAN Global Settings: 127.0.0.1");
        EXPECT_EQ(page->cbxState->currentText(), "enabled");
        auto* set = page->findChild<QPushButton*>("btnSet");
        sim->clearLog();
        QString asked;
        answerBox(QMessageBox::Cancel, &asked);
        set->click();
        EXPECT_EQ(asked, "Config Double VLAN need to reset system config, Are you sure?");
        EXPECT_TRUE(sim->log().empty());

        answerBox(QMessageBox::Ok);
        {
            ShownDialogs shown;
            set->click();
            ASSERT_TRUE(waitIdle(page));
            EXPECT_EQ(shown.Captions, QStringList{"Set Double VLAN State"}) << "also when the state stays";
        }
        EXPECT_EQ(setsUnder(sim->log(), DoubleVlanState), (Sets{{"=3"}}));
        EXPECT_FALSE(anyRead(sim->log()));

        choose(page->cbxState, "disabled");
        answerBox(QMessageBox::Ok);
        set->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(sim->value(DoubleVlanState), std::optional<std::string>("INTEGER 2"));
    });
}

TEST_F(StpPagesTest, PortStateEditSendsTheAdminHelloTimeOnlyUnderMstp) {
    ASSERT_TRUE(open());
    withReadPage<TMSTPPortStateForm>("PortStateInformation1Click", [&](TMSTPPortStateForm* page) {
        EXPECT_EQ(page->windowTitle(), "STP Port State Information: 127.0.0.1");
        QTreeWidget* list = page->lvMSTPPortState;
        EXPECT_EQ(list->topLevelItemCount(), 26);
        EXPECT_EQ(page->RowCounter->text(), "26");
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_EQ(page->lblSTPVersion->text(), "rstp");
        TMSTPPortStateEditForm* dialog = page->MSTPPortStateEditForm;

        const auto editPort = [&](const char* port, const std::function<void()>& change) {
            select(list, port);
            ASSERT_TRUE(page->SetButton->isEnabled());
            bool shown = false;
            whenModal([&](QWidget* modal) {
                if (modal != dialog) return false;
                shown = true;
                EXPECT_EQ(dialog->windowTitle(), "MSTP Port State Information: 127.0.0.1 (Edit)");
                for (QWidget* locked : std::initializer_list<QWidget*>{dialog->edtPortIndex, dialog->edtOperHelloTime,
                                                                        dialog->cbxOperEdgePort, dialog->cbxOperP2P})
                    EXPECT_FALSE(locked->isEnabled());
                change();
                dialog->btnEdit->click();
                return true;
            });
            sim->clearLog();
            page->SetButton->click();
            EXPECT_TRUE(shown);
            ASSERT_TRUE(waitIdle(page));
            EXPECT_FALSE(page->SetButton->isEnabled());
        };

        editPort("25", [&] {
            EXPECT_EQ(dialog->edtPortIndex->text(), "25");
            EXPECT_EQ(dialog->cbxAdminP2P->currentText(), "true") << "P2P counts from 0";
            EXPECT_EQ(dialog->cbxOperEdgePort->currentText(), "false");
            dialog->edtExtPathCost->setText("40000");
            choose(dialog->cbxSTPlbd, "enabled");
        });
        EXPECT_EQ(setsUnder(sim->log(), PortStates),
                  (Sets{{"4.25=1", "5.25=40000", "6.25=2", "7.25=3", "9.25=0", "11.25=3", "12.25=2", "13.25=1", "14.25=1"}}));
        EXPECT_EQ(sim->value(PortStates + "11.25"), std::optional<std::string>("INTEGER 3"));
        EXPECT_TRUE(anyRead(sim->log()));
        EXPECT_EQ(list->topLevelItemCount(), 26);

        sim->setValue(Globals + "2.0", "INTEGER 2");
        page->RefreshButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(page->lblSTPVersion->text(), "mstp");
        editPort("3", [&] { dialog->edtAdminHelloTime->setText("300"); });
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 26; }));
        const Sets sets = setsUnder(sim->log(), PortStates);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0][0], "3.3=300");
        EXPECT_EQ(sim->value(PortStates + "3.3"), std::optional<std::string>("INTEGER 300"));
        EXPECT_TRUE(anyRead(sim->log())) << "read again after the answer";
    });
}

TEST_F(StpPagesTest, PortStateRefusesTheEditDialogAndTheCloseWhileReading) {
    ASSERT_TRUE(open());
    withReadPage<TMSTPPortStateForm>("PortStateInformation1Click", [&](TMSTPPortStateForm* page) {
        QTreeWidget* list = page->lvMSTPPortState;
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = PortStates.substr(0, PortStates.size() - 1), .delayMs = 150});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() > 0; }));
        list->setCurrentItem(list->topLevelItem(0));
        {
            MessageBoxes boxes;
            page->SetButton->click();
            page->reject();
            EXPECT_EQ(boxes.Texts, (QStringList{"Get data not complete", "Get data not complete"}));
            EXPECT_TRUE(page->isVisible());
        }
        sim->removeFault(fault);
        ASSERT_TRUE(waitIdle(page));
    });
}

}  // namespace
