#include "DoubleVLANUnit.h"

#include "Oid_doublevlan.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

enum Column { VlanId, Name, Tpid, Uplink, Access, Delete, Unknown, Status };
constexpr int DestroyItem = 5;

}  // namespace

TDoubleVLANForm::TDoubleVLANForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 674, .Height = 560, .Guarded = true, .RefuseCloseWhileReading = true}) {
    setWindowTitle(QStringLiteral("Double VLAN Control Table"));
    BuildLayout();
    if (CheckGlobalState()) FormCreate();
}

void TDoubleVLANForm::BuildLayout() {
    TListOverPanel body = BuildListOverPanel(Client, "lvDoubleVLAN", true);
    lvDoubleVLAN = body.List;
    auto* stateLine = new QHBoxLayout();
    body.LowerLayout->addLayout(stateLine);
    stateLine->addWidget(new QLabel(QStringLiteral("The current Double VLAN State is "), body.Lower));
    lbState = new QLabel(QStringLiteral("disabled"), body.Lower);
    lbState->setObjectName(QStringLiteral("lbState"));
    lbmsg = new QLabel(body.Lower);
    lbmsg->setObjectName(QStringLiteral("lbmsg"));
    stateLine->addWidget(lbState);
    stateLine->addWidget(lbmsg);
    stateLine->addStretch(1);
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    edtID = NewPageEdit(body.Lower, "edtID");
    edtName = NewPageEdit(body.Lower, "edtName");
    edtTPID = NewPageEdit(body.Lower, "edtTPID");
    cbxStatus = NewPageCombo(body.Lower, "cbxStatus");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), edtID},
                                {QStringLiteral("VLAN Name"), edtName},
                                {QStringLiteral("VLAN TPID"), edtTPID},
                                {QStringLiteral("Status"), cbxStatus}});
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshBtn = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    AddBtn = NewPageButton(Client, "AddBtn", QStringLiteral("Add"));
    SetBtn = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    DeleteBtn = NewPageButton(Client, "DeleteBtn", QStringLiteral("Delete"));
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "CloseBtn", QStringLiteral("Close"));
    RefreshButton = RefreshBtn;
    AddButtonColumn(body.Columns, {RowCounter, RefreshBtn, AddBtn, SetBtn, DeleteBtn, StopButton, CloseButton});
    connect(RefreshBtn, &QPushButton::clicked, this, &TDoubleVLANForm::RefreshClick);
    connect(AddBtn, &QPushButton::clicked, this, &TDoubleVLANForm::AddBtnClick);
    connect(SetBtn, &QPushButton::clicked, this, &TDoubleVLANForm::SetBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TDoubleVLANForm::DeleteBtnClick);
    connect(StopButton, &QPushButton::clicked, this, &TDoubleVLANForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TDoubleVLANForm::CloseClick);
}

bool TDoubleVLANForm::Configurable() const { return lbState->text() == "enabled"; }

bool TDoubleVLANForm::CheckGlobalState() {
    DoubleVlanStateRequest = CreateBinder({.Table = DoubleVlanStateVars,
                                           .Async = false,
                                           .ReadNow = false,
                                           .Bind = [this](KySNMPRequest2Edits& binder) {
                                               binder.BindControl(0, lbState);
                                           }});
    try {
        if (!DoubleVlanStateRequest) throw std::runtime_error("The double VLAN state cannot be read.");
        DoubleVlanStateRequest->Get();
    } catch (const std::exception& error) {
        Report(error, DoubleVlanStateRequest);
        ShowMessage(QStringLiteral("Can't get the global state.Can not configure"));
        lbState->clear();
        lbmsg->clear();
        for (QWidget* control : std::initializer_list<QWidget*>{lvDoubleVLAN, edtID, edtTPID, edtName, cbxStatus, SetBtn,
                                                                AddBtn, DeleteBtn})
            control->setEnabled(false);
        DataComplete = 1;
        return false;
    }
    const bool configurable = Configurable();
    lbmsg->setText(configurable ? QStringLiteral(", you can configure.") : QStringLiteral(", you can't configure."));
    SetBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
    AddBtn->setEnabled(configurable);
    return true;
}

void TDoubleVLANForm::FormCreate() {
    const std::string ports = PortNumberList();
    UplinkSelector = AddPortSelector(PageControl1, QStringLiteral("Uplink Ports"));
    AccessSelector = AddPortSelector(PageControl1, QStringLiteral("Access Ports"));
    DeleteSelector = AddPortSelector(PageControl1, QStringLiteral("Delete Ports"));
    UnknownSelector = AddPortSelector(PageControl1, QStringLiteral("Unknown Ports"));
    const bool configurable = Configurable();
    if (configurable) {
        // Only a configurable page has buttons for the in-page editor rule to drive.
        SetButton = SetBtn;
        AddButton = AddBtn;
        DeleteButton = DeleteBtn;
        KeyEdits = {edtID, edtName};
    }
    WatchList(lvDoubleVLAN);
    DoubleVlanRequest = CreateBinder({.Table = DoubleVlanTableVars,
                                      .ItemType = MVT_UMV,
                                      .KeyCount = 1,
                                      .Main = true,
                                      .List = lvDoubleVLAN,
                                      .Bind = [&](KySNMPRequest2Edits& binder) {
                                          binder.BindEdits(VlanId, "%i", {edtID});
                                          binder.BindEdits(Name, "%s", {edtName});
                                          binder.BindEdits(Tpid, "%h{l4}", {edtTPID});
                                          // The configurable lists when the feature runs, else the
                                          // ports the switch could not place.
                                          if (configurable) {
                                              BindPortList(binder, Uplink, ports, UplinkSelector);
                                              BindPortList(binder, Access, ports, AccessSelector);
                                              BindPortList(binder, Delete, ports, DeleteSelector);
                                          } else {
                                              BindPortList(binder, Unknown, ports, UnknownSelector);
                                          }
                                          binder.BindComboBox(Status, cbxStatus);
                                          // The unknown ports are the switch's report: a selected row
                                          // must not make them tickable.
                                          binder.AutoEnable = 0;
                                      }});
    UnknownSelector->DisableAll();
    ResetInputs();
}

void TDoubleVLANForm::ResetInputs() {
    for (TStackingPortUitForm* selector : {UplinkSelector, AccessSelector, DeleteSelector, UnknownSelector})
        if (selector) selector->UncheckAll();
    edtID->clear();
    edtName->clear();
    edtTPID->clear();
    cbxStatus->setCurrentIndex(-1);
}

void TDoubleVLANForm::AfterWrite() {
    lvDoubleVLAN->clearSelection();
    lvDoubleVLAN->setCurrentItem(nullptr);
}

void TDoubleVLANForm::SetBtnClick() {
    if (!lvDoubleVLAN->currentItem() || !MayWrite()) return;
    // The name of an existing double VLAN is not rewritten.
    GuardedWrite([&] { return MaskedSet({Name}); });
    AfterWrite();
}

void TDoubleVLANForm::AddBtnClick() {
    if (!MayWrite()) return;
    const auto refuse = [this](const char* text, QWidget* control) {
        ShowMessage(QString::fromLatin1(text));
        control->setFocus();
    };
    if (edtID->text().isEmpty()) return refuse("Please specify VLAN ID of this Double VLAN", edtID);
    if (edtName->text().isEmpty()) return refuse("Please specify the name of  this Double VLAN", edtName);
    if (cbxStatus->currentText() != "createAndGo") return refuse("Status should be createAndGo", cbxStatus);
    // Without a TPID the switch takes its own.
    std::vector<int> excluded;
    if (edtTPID->text().isEmpty()) excluded.push_back(Tpid);
    GuardedWrite([&] { return MaskedSet(excluded); });
    AfterWrite();
}

void TDoubleVLANForm::DeleteBtnClick() {
    if (!lvDoubleVLAN->currentItem() || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(Status), Status, DestroyItem); });
    AfterWrite();
}
