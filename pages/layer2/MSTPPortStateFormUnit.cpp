#include "MSTPPortStateFormUnit.h"

#include "MSTPPortStateEditFormUnit.h"
#include "MainUnit.h"
#include "Oid_device.h"
#include "Oid_ping.h"
#include "PageKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column {
    PortIndex, OperHelloTime, AdminHelloTime, PortEnable, ExtPathCost, Migration, AdminEdgePort, OperEdgePort,
    AdminP2P, OperP2P, Lbd, BpduFiltering, RestrictedRole, RestrictedTcn
};
constexpr int PortStateTimeout = 300;

}  // namespace

TMSTPPortStateForm::TMSTPPortStateForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 640,
                             .Height = 420,
                             .Guarded = true,
                             .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("STP Port State Information"));
    BuildLayout();
    FormCreate();
}

void TMSTPPortStateForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    lvMSTPPortState = NewPageList(Client, "lvMSTPPortState");
    columns->addWidget(lvMSTPPortState, 1);
    lblSTPVersion = new QLabel(Client);
    lblSTPVersion->setObjectName(QStringLiteral("lblSTPVersion"));
    lblSTPVersion->hide();
    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "btnRefresh", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnEdit", QStringLiteral("Edit"));
    SetButton->setEnabled(false);
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TMSTPPortStateForm::btnRefreshClick);
    connect(SetButton, &QPushButton::clicked, this, &TMSTPPortStateForm::OpenEditDialog);
    connect(StopButton, &QPushButton::clicked, this, &TMSTPPortStateForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMSTPPortStateForm::CloseClick);
    connect(lvMSTPPortState, &QTreeWidget::itemDoubleClicked, this, &TMSTPPortStateForm::OpenEditDialog);
}

void TMSTPPortStateForm::FormCreate() {
    MSTPPortStateEditForm = CreateEditDialog<TMSTPPortStateEditForm>();
    TMSTPPortStateEditForm* dialog = MSTPPortStateEditForm;
    WatchList(lvMSTPPortState, [this](QTreeWidgetItem*, bool selected) { SetButton->setEnabled(selected); }, false);
    PortStpVersionRequest = CreateBinder({.Table = StpVersionVars, .Async = false, .Bind = [this](KySNMPRequest2Edits& binder) {
                                              binder.SetStatusTarget(nullptr);
                                              binder.BindControl(0, lblSTPVersion);
                                          }});
    PortStateRequest = CreateBinder({.Table = MstpPortStateVars,
                                     .ItemType = MVT_UMV,
                                     .KeyCount = 1,
                                     .Main = true,
                                     .Timeout = PortStateTimeout,
                                     .List = lvMSTPPortState,
                                     .Bind = [dialog](KySNMPRequest2Edits& binder) {
                                         binder.BindEdits(PortIndex, "%u", {dialog->edtPortIndex});
                                         binder.BindEdits(OperHelloTime, "%u", {dialog->edtOperHelloTime});
                                         binder.BindEdits(AdminHelloTime, "%u", {dialog->edtAdminHelloTime});
                                         binder.BindComboBox(PortEnable, dialog->cbxPortEnable);
                                         binder.BindEdits(ExtPathCost, "%u", {dialog->edtExtPathCost});
                                         binder.BindComboBox(Migration, dialog->cbxMigration);
                                         binder.BindComboBox(AdminEdgePort, dialog->cbxAdminEdgePort);
                                         binder.BindComboBox(OperEdgePort, dialog->cbxOperEdgePort);
                                         binder.BindComboBox(AdminP2P, dialog->cbxAdminP2P);
                                         binder.BindComboBox(OperP2P, dialog->cbxOperP2P);
                                         binder.BindComboBox(Lbd, dialog->cbxSTPlbd);
                                         binder.BindComboBox(BpduFiltering, dialog->cbxBPDUFlt);
                                         binder.BindComboBox(RestrictedRole, dialog->cbxSTPRole);
                                         binder.BindComboBox(RestrictedTcn, dialog->cbxSTPTCN);
                                     }});
}

void TMSTPPortStateForm::ReadVersion() {
    if (!PortStpVersionRequest || PortStpVersionRequest->Busy) return;
    try {
        PortStpVersionRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TMSTPPortStateForm::btnRefreshClick() {
    // The version is read again with the table.
    RefreshClick();
}

void TMSTPPortStateForm::OpenEditDialog() {
    if (lvMSTPPortState->currentItem() && PortStateRequest) {
        if (Reading() || PortStateRequest->Busy) {
            ShowMessage(QStringLiteral("Get data not complete"));
            return;
        }
        const QString address = MainForm ? QString::fromStdString(MainForm->DeviceIP()) : QString();
        ShowEditDialog(*MSTPPortStateEditForm, false, QStringLiteral("MSTP Port State Information: ") + address);
    }
    SetButton->setEnabled(false);
    ReadVersion();
}
