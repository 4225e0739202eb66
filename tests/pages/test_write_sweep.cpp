// Every write button of the dedicated pages, pressed as a user does while the page's binder still reads
// and while the agent answers the SET with an error: each shows the refusal or the error, covers nothing
// with a progress dialog and leaves no "Set: Ok!" behind; a refused write sends nothing.
#include "DedicatedPageWindow.h"
#include "DialogOpeners.h"
#include "MessageBoxes.h"
#include "PageTestSupport.h"
#include "Progress.h"
#include "Progress2.h"
#include "TimedProgress.h"

#include "MultiConfigControlFormUnit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <set>

namespace {

using trvtest::Fault;

bool isProgress(QObject* object) {
    return qobject_cast<TProgressForm*>(object) || qobject_cast<TProgressForm2*>(object);
}

// What came up while a write button was pressed: confirmations are answered with OK, other message
// boxes are noted and closed, progress dialogs are noted and left to the page.
class PressWatch : public QObject {
public:
    explicit PressWatch(TDedicatedPage& page) : Page(page) {
        qApp->installEventFilter(this);
        connect(&Timer, &QTimer::timeout, this, [this] { answer(); });
        Timer.start(5);
    }
    ~PressWatch() override { qApp->removeEventFilter(this); }

    QStringList Asked;      // confirmations
    QStringList Shown;      // every other message box
    QStringList Progress;   // progress dialogs shown
    QStringList LeftRunning;  // progress dialogs still up once the write was over

    // Closes a progress dialog the page left running after its write ended.
    void closeLeftProgress() {
        for (QDialog* dialog : Page.findChildren<QDialog*>())
            if (isProgress(dialog) && dialog->isVisible()) {
                LeftRunning << dialog->windowTitle();
                dialog->done(QDialog::Rejected);
            }
        for (QWidget* top : QApplication::topLevelWidgets())
            if (isProgress(top) && top->isVisible()) {
                LeftRunning << top->windowTitle();
                static_cast<QDialog*>(top)->done(QDialog::Rejected);
            }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && isProgress(watched))
            Progress << static_cast<QWidget*>(watched)->windowTitle();
        return false;
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* yes = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->button(QMessageBox::Yes);
            if (box->button(QMessageBox::Cancel) || box->button(QMessageBox::No)) {
                Asked << box->text();
                yes->click();
            } else {
                Shown << box->text();
                box->accept();
            }
            return;
        }
        // A progress dialog up while nothing of the page runs any more would cover a finished write.
        if (isProgress(modal) && Page.BindersIdle()) closeLeftProgress();
    }

    TDedicatedPage& Page;
    QTimer Timer;
};

// One write button: the page class as the dialog registry knows it, the button's name on the page (or
// the page's own Delete or Set/Edit button, for pages whose names differ from layout to layout), what
// the button needs before it sends (a selected row, inputs that pass the page's checks) and, for a
// button that opens an add/edit dialog, the write button of that dialog and what it needs.
struct WriteButton {
    const char* Page;
    const char* Button;
    std::function<void(TDedicatedPage&)> Prepare = {};
    const char* DialogButton = nullptr;
    std::function<void(QDialog&)> FillDialog = {};
    // Leaves the binder with a request out, as a user reaches it; by default the page's own re-read.
    std::function<void(TDedicatedPage&)> MakeBusy = {};
    // The page waits for the request out and then writes, rather than refusing.
    bool Waits = false;
};

QTreeWidget* listOf(TDedicatedPage& page) { return page.findChild<QTreeWidget*>(); }

// Selects the first row of the page's list, as a click does.
void firstRow(TDedicatedPage& page) {
    QTreeWidget* list = listOf(page);
    ASSERT_TRUE(list && list->topLevelItemCount() > 0) << page.metaObject()->className() << ": no row to select";
    list->setCurrentItem(list->topLevelItem(0));
}

template <class T>
T* named(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(found) << name;
    return found;
}

void choose(QObject& parent, const char* combo, const char* text) {
    if (auto* box = named<QComboBox>(parent, combo)) box->setCurrentIndex(box->findText(QString::fromLatin1(text)));
}

// A list that empties while it is read leaves no row to choose: the request left out is then the
// previous write, its answer still awaited (the dialog applies an action and closes at once).
void writeBefore(TDedicatedPage& page) { EXPECT_TRUE(page.MaskedSet({})); }

constexpr const char* DeleteRole = "<Delete>";
constexpr const char* SetRole = "<Set>";

QPushButton* buttonOf(TDedicatedPage& page, const char* name) {
    if (name == DeleteRole) return page.DeleteButton;
    if (name == SetRole) return page.SetButton;
    return named<QPushButton>(page, name);
}

const WriteButton Buttons[] = {
    {"TSpanningTreeAlgorithmForm", "SetButton", [](TDedicatedPage& p) { choose(p, "ComboBox1", "enabled"); }},
    {"TSpanningTreeAlgorithmForm", "SetButton", [](TDedicatedPage& p) { choose(p, "ComboBox1", "disabled"); }},
    {"TDVStateForm", "btnSet"},
    {"TMultipleConfigControlForm", "btnEdit",
     [](TDedicatedPage& p) {
         static_cast<TMultipleConfigControlForm&>(p).ProgressTick = 600000;
         firstRow(p);
     },
     "btnSet", [](QDialog& d) { choose(d, "cbxCfgAction", "active"); }, writeBefore},
    {"TMultipleConfigControlForm", "btnEdit", firstRow, "btnSet",
     [](QDialog& d) { choose(d, "cbxCfgAction", "none"); }, writeBefore},
    // Settings pages: the values as read go back.
    {"TCurrentTimeForm", "SetButton"},
    {"TEquipmentBasicInfoForm", "bbtnSet"},
    {"TLogSaveControlForm", "btnSet"},
    {"TProbeBasicInformationForm", "btnSet"},
    {"TSSLManagementForm", "btnSet"},
    {"TVLanGeneralInfoForm", "SetBtn"},
    {"TPacketStormControlForm", "btnSet"},
    {"TSTP_Info", "BT_Set"},
    // The selected row's values go back.
    {"TVlanStaticForm", "SetBtn", firstRow},
    {"TDoubleVLANForm", "SetBtn", firstRow},
    {"TISMVLANForm", "SetBtn", firstRow},
    {"TIGMPSnoopingStaticGroupForm", "btnSet", firstRow},
    {"TMultpAuthGuestVlanForm", "SetBtn", firstRow},
    {"TVlanForm", "SetButton", firstRow},
    {"TTrafficSegmentationForm", "BT_Set", firstRow},
    // The selected row is deleted.
    {"TIpStaticRouteForm", DeleteRole, firstRow},
    {"TIpv6StaticRouteForm", DeleteRole, firstRow},
    {"TARPIPV6ControlForm", DeleteRole, firstRow},
    {"TBOOTCtrlTableForm", DeleteRole, firstRow},
    {"TDHCPPoolForm", DeleteRole, firstRow},
    {"TDNSCtrlForm", DeleteRole, firstRow, nullptr, {}, {}, true},
    {"TVlanStaticForm", DeleteRole, firstRow},
    {"TDoubleVLANForm", DeleteRole, firstRow},
    {"TISMVLANForm", DeleteRole, firstRow},
    {"TIGMPSnoopingStaticGroupForm", DeleteRole, firstRow},
    {"TProtocolVlanForm", DeleteRole, firstRow},
    {"TProtocolVLANGroupForm", DeleteRole, firstRow},
    {"TIPMcastVLANRepDstForm", DeleteRole, firstRow},
    {"TPortTrunkForm", DeleteRole, firstRow},
    {"TMultpAuthGuestVlanForm", DeleteRole, firstRow},
    {"TMirrorGroupForm", DeleteRole, firstRow},
    {"TRSPANForm", DeleteRole, firstRow},
    {"TUnicastFilterInformationForm", DeleteRole, firstRow},
    {"TMulticastFilterInformationForm", DeleteRole, firstRow},
    {"TNLBUnicastFDBForm", DeleteRole, firstRow},
    {"TIPMaskInformationForm", DeleteRole, firstRow},
    {"TEthernetMaskInformationForm", DeleteRole, firstRow},
    {"TIPv6ProfileForm", DeleteRole, firstRow},
    {"TPktContentMaskForm", DeleteRole, firstRow},
    {"TUserMaskInfoForm", DeleteRole, firstRow},
    {"TFilterDHCPPermitForm", DeleteRole, firstRow},
    {"TTimeRangeForm", DeleteRole, firstRow},
    {"TIPRuleForm", DeleteRole, firstRow},
    {"TEthernetInformationRuleForm", DeleteRole, firstRow},
    {"TIpv6RuleForm", DeleteRole, firstRow},
    {"TPktContentRuleForm", DeleteRole, firstRow},
    {"TUserDefinedInformationRuleForm", DeleteRole, firstRow},
    {"THostTableForm", DeleteRole, firstRow},
    {"TSystemLogHostForm", DeleteRole, firstRow},
    {"TIPMACBindingForm", DeleteRole, firstRow},
    {"TIPMACBindingIPv6Form", DeleteRole, firstRow},
    {"TARPSpoofingPreventMgmtForm", DeleteRole, firstRow},
    {"TEnableMethodForm", DeleteRole, firstRow},
    {"TLoginMethodListForm", DeleteRole, firstRow},
    {"TServerInformationForm", DeleteRole, firstRow},
};

class WriteSweepTest : public DedicatedPageWindow, public ::testing::WithParamInterface<WriteButton> {
protected:
    void SetUp() override {
        DedicatedPageWindow::SetUp();
        // A progress dialog never ends by itself here: only the page may end it.
        ProgressTickMs = 600000;
    }
    void TearDown() override {
        ProgressTickMs = 1000;
        DedicatedPageWindow::TearDown();
    }

    // Opens the page through the dialog registry and gives it to `work` once its first reads are in.
    void withPage(const WriteButton& row, const std::function<void(TDedicatedPage&)>& work) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<TDedicatedPage*>(modal);
            if (!page) return false;
            seen = true;
            if (!waitUntil([&] { return page->BindersIdle() && !page->Reading(); }))
                ADD_FAILURE() << "the first read did not end";
            work(*page);
            if (page->isVisible()) page->reject();
            return true;
        });
        OpenMenuDialog(*form, TMenuDialog{"", row.Page, TDialogOwner::Application, "Sweep: "});
        EXPECT_TRUE(seen) << row.Page;
    }

    // Opens the row's page, makes its button ready to send and gives the page to `work`.
    void withPreparedPage(const WriteButton& row, const std::function<void(TDedicatedPage&)>& work) {
        ASSERT_TRUE(open());
        withPage(row, [&](TDedicatedPage& page) {
            if (row.Prepare) row.Prepare(page);
            if (HasFatalFailure()) return;
            sim->clearLog();
            work(page);
        });
    }

    // Prepares and presses the row's button, filling and pressing its dialog's write button.
    void press(TDedicatedPage& page, const WriteButton& row) {
        QPushButton* button = buttonOf(page, row.Button);
        ASSERT_TRUE(button) << row.Button;
        if (row.DialogButton) {
            whenModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<QDialog*>(modal);
                if (!dialog || dialog == &page || qobject_cast<QMessageBox*>(modal) || isProgress(modal)) return false;
                if (row.FillDialog) row.FillDialog(*dialog);
                if (auto* write = named<QPushButton>(*dialog, row.DialogButton)) write->click();
                if (dialog->isVisible()) dialog->reject();
                return true;
            });
        }
        ASSERT_TRUE(button->isEnabled()) << row.Button << " is not enabled";
        button->click();
    }
};

std::string rowName(const ::testing::TestParamInfo<WriteButton>& info) {
    const std::string button = info.param.Button == DeleteRole ? "Delete" : info.param.Button == SetRole ? "Set" : info.param.Button;
    return std::string(info.param.Page) + "_" + button + "_" + std::to_string(info.index);
}

TEST_P(WriteSweepTest, ARefusedWriteWhileTheBinderReadsShowsTheRefusalAndSendsNothing) {
    const WriteButton& row = GetParam();
    withPreparedPage(row, [&](TDedicatedPage& page) {
        // The page's own re-read (the one that follows each of its writes) finds no answer until the
        // write button has been pressed.
        const int drop = sim->addFault({.kind = Fault::Drop});
        // A synchronous binder is never busy between the user's clicks.
        if ((page.MainBinder() && page.MainBinder()->Async == 0) || row.Waits) {
            sim->removeFault(drop);
            GTEST_SKIP() << "synchronous page, or one that waits for the request out";
        }
        // A list read anew has no row to choose: a page that writes a row is busy with an earlier write.
        const auto makeBusy = row.MakeBusy ? row.MakeBusy : row.Prepare ? writeBefore : std::function<void(TDedicatedPage&)>{};
        if (makeBusy) makeBusy(page);
        else page.ReadAgain();
        ASSERT_FALSE(page.BindersIdle()) << "no request is out";
        // A write left out earlier comes again as its own retry, with its request id.
        std::set<long long> earlier;
        if (makeBusy) {
            ASSERT_TRUE(waitUntil([&] { return !ofKind(sim->log(), "SET").empty(); }));
            for (const auto& set : ofKind(sim->log(), "SET")) earlier.insert(set.requestId);
        }
        sim->clearLog();
        const QString before = page.StatusPanel()->text();
        PressWatch watch(page);
        press(page, row);
        const QString status = page.StatusPanel()->text();
        sim->removeFault(drop);
        EXPECT_TRUE(waitUntil([&] { return page.BindersIdle() && QApplication::activeModalWidget() == &page; }, 15000));
        watch.closeLeftProgress();
        for (const auto& set : ofKind(sim->log(), "SET"))
            EXPECT_TRUE(earlier.count(set.requestId)) << "a write was sent while a request was out";
        EXPECT_TRUE(watch.Progress.isEmpty()) << watch.Progress.join(", ").toStdString();
        EXPECT_TRUE(!watch.Shown.isEmpty() || (status != before && !status.contains("Ok!")))
            << "the refusal was not shown; status: " << status.toStdString();
        EXPECT_FALSE(status.contains("Set: Ok!"));
        // The earlier write may end well; the refused one must not have shown as done.
        if (!makeBusy) {
            EXPECT_FALSE(page.StatusPanel()->text().contains("Set: Ok!"));
        }
    });
}

TEST_P(WriteSweepTest, AWriteTheAgentAnswersWithAnErrorShowsTheErrorAndNoProgress) {
    const WriteButton& row = GetParam();
    withPreparedPage(row, [&](TDedicatedPage& page) {
        // The first binding that reaches the agent next: the write's.
        sim->addFault({.kind = Fault::ErrorStatus, .count = 1, .status = 5});
        PressWatch watch(page);
        press(page, row);
        EXPECT_TRUE(waitUntil([&] {
            return !ofKind(sim->log(), "SET").empty() && page.BindersIdle() && QApplication::activeModalWidget() == &page;
        }, 15000));
        watch.closeLeftProgress();
        sim->clearFaults();
        const auto sets = ofKind(sim->log(), "SET");
        ASSERT_FALSE(sets.empty()) << "the button sent no write";
        EXPECT_FALSE(watch.Shown.isEmpty()) << "the agent's error was not shown";
        EXPECT_TRUE(watch.LeftRunning.isEmpty()) << "progress left running: " << watch.LeftRunning.join(", ").toStdString();
        EXPECT_FALSE(page.StatusPanel()->text().contains("Set: Ok!")) << page.StatusPanel()->text().toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(EveryWriteButton, WriteSweepTest, ::testing::ValuesIn(Buttons), rowName);

}  // namespace
