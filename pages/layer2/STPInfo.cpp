#include "STPInfo.h"

#include "AddressChecks.h"
#include "MainUnit.h"
#include "Oid_device.h"
#include "PageKit.h"
#include "Progress2.h"
#include "TimedProgress.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

enum Setting { Version, MaxAge, HelloTime, ForwardDelay, MaxHops, TxHoldCount, Bpdu, Lbd, LbdRecover, NniBpdu };
// The switch may take a while over these objects.
constexpr int SettingsTimeout = 300;
constexpr int MaxHopLimit = 65535;

QString MainWindowVersion() { return MainForm && MainForm->ST_STPVersion ? MainForm->ST_STPVersion->text() : QString(); }

}  // namespace

TSTP_Info::TSTP_Info(QWidget* owner) : TDedicatedPage(owner, {}) {
    setWindowTitle(QStringLiteral("Spanning Tree Global Settings"));
    // The dialog keeps its designed size on every screen.
    setFixedSize(438, 352);
    BuildLayout();
    FormCreate();
}

void TSTP_Info::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* left = new QVBoxLayout();
    columns->addLayout(left, 1);
    auto* values = new QGridLayout();
    left->addLayout(values);
    Combo_STPVersion = NewPageCombo(Client, "Combo_STPVersion");
    ET_AgingTime = NewPageEdit(Client, "ET_AgingTime");
    ET_HelloTime = NewPageEdit(Client, "ET_HelloTime");
    ET_ForwardDelay = NewPageEdit(Client, "ET_ForwardDelay");
    ET_Priority = NewPageEdit(Client, "ET_Priority");
    ED_TxHoldCount = NewPageEdit(Client, "ED_TxHoldCount");
    Combo_BPDU = NewPageCombo(Client, "Combo_BPDU");
    Combo_LBD = NewPageCombo(Client, "Combo_LBD");
    ET_LBDRecover = NewPageEdit(Client, "ET_LBDRecover");
    NNIBPDUADDRESSComboBox = NewPageCombo(Client, "NNIBPDUADDRESSComboBox");
    AddCaptionedColumn(values, {{QStringLiteral("STP Version"), Combo_STPVersion},
                                {QStringLiteral("Max Age (600-4000)"), ET_AgingTime},
                                {QStringLiteral("Hello Time(100-1000)"), ET_HelloTime},
                                {QStringLiteral("Forward Delay(400-3000)"), ET_ForwardDelay},
                                {QStringLiteral("Max Hops[1-40]"), ET_Priority},
                                {QStringLiteral("TX Hold Count (1-10)"), ED_TxHoldCount},
                                {QStringLiteral("Forwarding BPDU"), Combo_BPDU},
                                {QStringLiteral("STP LBD"), Combo_LBD},
                                {QStringLiteral("STP LBD Recover time"), ET_LBDRecover},
                                {QStringLiteral("NNI BPDU Address"), NNIBPDUADDRESSComboBox}});
    for (const char* note : {"Notes : 2*(Forward Delay - 100) >= Max Age", "Max Age>= 2*(Hello Time + 100)"}) {
        auto* text = new QLabel(QString::fromLatin1(note), Client);
        text->setStyleSheet(QStringLiteral("color: red"));
        left->addWidget(text);
    }
    left->addStretch(1);
    ListView1 = NewPageList(Client, "ListView1");
    ListView1->hide();
    lbMSTPState = new QLabel(Client);
    lbMSTPState->setObjectName(QStringLiteral("lbMSTPState"));
    lbMSTPState->hide();

    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "BT_Set", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TSTP_Info::BT_GetClick);
    connect(SetButton, &QPushButton::clicked, this, &TSTP_Info::BT_SetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSTP_Info::CloseClick);
    connect(Combo_STPVersion, &QComboBox::activated, this, &TSTP_Info::Combo_STPVersionChange);
}

void TSTP_Info::FormCreate() {
    StpMstpSettingsRequest = CreateBinder(
        {.Table = StpGlobalSettingsMstpVars, .Async = false, .Timeout = SettingsTimeout, .List = ListView1});
    StpStateRequest = CreateBinder({.Table = StpAlgorithmVars, .Async = false, .Bind = [this](KySNMPRequest2Edits& binder) {
                                        binder.BindControl(0, lbMSTPState);
                                    }});
    StpSettingsRequest = CreateBinder({.Table = StpGlobalSettingsVars,
                                       .Async = false,
                                       .Main = true,
                                       .Timeout = SettingsTimeout,
                                       .Bind = [this](KySNMPRequest2Edits& binder) {
                                           binder.BindComboBox(Version, Combo_STPVersion);
                                           binder.BindEdits(MaxAge, "%i{n600x4000l4a}", {ET_AgingTime});
                                           binder.BindEdits(HelloTime, "%i{n100x1000l4a}", {ET_HelloTime});
                                           binder.BindEdits(ForwardDelay, "%i{n400x3000l4a}", {ET_ForwardDelay});
                                           binder.BindEdits(MaxHops, "%i{n1x40l2a}", {ET_Priority});
                                           binder.BindEdits(TxHoldCount, "%i{n1x10l2a}", {ED_TxHoldCount});
                                           binder.BindComboBox(Bpdu, Combo_BPDU);
                                           binder.BindComboBox(Lbd, Combo_LBD);
                                           binder.BindEdits(LbdRecover, "%i", {ET_LBDRecover});
                                           binder.BindComboBox(NniBpdu, NNIBPDUADDRESSComboBox);
                                       }});
    if (MainWindowVersion() == "mstp") ShowHelloTime(false);
}

void TSTP_Info::ShowHelloTime(bool shown) {
    if (shown) {
        EnableControl(ET_HelloTime);
    } else {
        DisableControl(ET_HelloTime);
        ET_HelloTime->clear();
    }
}

void TSTP_Info::BT_GetClick() {
    if (!StpSettingsRequest) return;
    try {
        const bool mstp = MainWindowVersion() == "mstp";
        StpSettingsRequest->Get();
        if (mstp && StpMstpSettingsRequest) StpMstpSettingsRequest->Get();
        if (StpStateRequest) StpStateRequest->Get();
        ShowHelloTime(!mstp);
    } catch (const std::exception& error) {
        Report(error, StpSettingsRequest);
    }
}

void TSTP_Info::Combo_STPVersionChange() {
    const bool mstp = Combo_STPVersion->currentText() == "mstp";
    ShowHelloTime(!mstp);
    if (!mstp) ET_HelloTime->setText(QStringLiteral("200"));
}

bool TSTP_Info::SettingsValid() {
    const auto refuse = [this](const char* text) {
        StatusPanel()->setText(QString::fromLatin1(text));
        return false;
    };
    for (const QLineEdit* edit : {ET_Priority, ET_AgingTime, ET_ForwardDelay, ET_LBDRecover})
        if (edit->text().isEmpty()) return refuse("Don't Leave Empty Fileds !");
    const int maxHops = WholeNumber(ET_Priority);
    const int maxAge = WholeNumber(ET_AgingTime);
    const int forwardDelay = WholeNumber(ET_ForwardDelay);
    bool numeric = false;
    int recover = ET_LBDRecover->text().toInt(&numeric);
    if (!numeric) recover = -1;
    if (maxAge > 2 * forwardDelay - 200) return refuse("Data Error !");
    if (maxHops > MaxHopLimit) return refuse("Priority value is wrong!");
    if (recover != 0 && (recover < 60 || recover > 1000000)) {
        refuse("LBD recover time value is wrong!");
        ShowMessage(QStringLiteral("LBD recover time should be equal to 0 or between 60-1000000"));
        return false;
    }
    if (Combo_STPVersion->currentText() == "mstp") return true;
    if (ET_HelloTime->text().isEmpty()) return refuse("Don't Leave Empty Fileds !");
    if (maxAge < 2 * WholeNumber(ET_HelloTime) + 200) return refuse("Data Error !");
    return true;
}

bool TSTP_Info::SetMstpSettings() {
    if (!StpMstpSettingsRequest || ListView1->topLevelItemCount() == 0)
        throw std::runtime_error("The MSTP settings have not been read.");
    // The write takes the hidden row's cells, in the order of the MSTP table: no hello time among them.
    QTreeWidgetItem* row = ListView1->topLevelItem(0);
    ListView1->setCurrentItem(row);
    const QString cells[] = {Combo_STPVersion->currentText(), ET_AgingTime->text(), ET_ForwardDelay->text(),
                             ET_Priority->text(), ED_TxHoldCount->text(), Combo_BPDU->currentText(),
                             Combo_LBD->currentText(), ET_LBDRecover->text(), NNIBPDUADDRESSComboBox->currentText()};
    for (int column = 0; column < int(std::size(cells)) && column < ListView1->columnCount(); ++column) {
        row->setData(column, Qt::UserRole, QVariant());
        row->setText(column, cells[column]);
    }
    return StpMstpSettingsRequest->Set(1, 1, {}, nullptr);
}

void TSTP_Info::BT_SetClick() {
    if (!StpSettingsRequest) return;
    KySNMPRequest2Controls* writer = nullptr;
    try {
        if (!SettingsValid()) return;
        const bool mstp = Combo_STPVersion->currentText() == "mstp";
        if (mstp ? SetMstpSettings() : StpSettingsRequest->Set(1, 1, {}, nullptr))
            writer = mstp ? static_cast<KySNMPRequest2Controls*>(StpMstpSettingsRequest) : StpSettingsRequest;
    } catch (const std::exception& error) {
        Report(error, StpSettingsRequest);
    }
    FollowVersion(writer);
}

void TSTP_Info::FollowVersion(KySNMPRequest2Controls* writer) {
    if (!MainForm || !MainForm->ST_STPVersion) return;
    if (!writer) {
        // The switch keeps the version it had: the main window reads it again rather than guess.
        if (!MainForm->StpVersionRequest) return;
        try {
            MainForm->StpVersionRequest->Get();
        } catch (const std::exception& error) {
            Report(error, StpSettingsRequest);
        }
        return;
    }
    const QString chosen = Combo_STPVersion->currentText();
    const bool changing = chosen != MainForm->ST_STPVersion->text();
    MainForm->ST_STPVersion->setText(chosen);
    if (changing && lbMSTPState->text() == "enabled")
        ShowTimedProgress<TProgressForm2>(this, *writer, QStringLiteral("Set STP Progress"),
                                          QStringLiteral("Change STP Version is doing..."));
}
