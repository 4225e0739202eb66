#include "VlanStaticFormUnit.h"

#include "Oid_qbridge.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { VlanId, VlanName, Egress, Forbidden, Untagged, RowStatus };
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

}  // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 674, .Height = 587, .Guarded = true, .RefuseCloseWhileReading = true}) {
    setWindowTitle(QStringLiteral("VLAN Static Form"));
    BuildLayout();
    FormCreate();
}

void TVlanStaticForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* splitter = new QSplitter(Qt::Vertical, Client);
    columns->addWidget(splitter, 1);

    LV_dot1qVlanStaticEntry = new QTreeWidget(splitter);
    LV_dot1qVlanStaticEntry->setObjectName(QStringLiteral("LV_dot1qVlanStaticEntry"));

    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* inputs = new QGridLayout();
    lowerLayout->addLayout(inputs);
    ED_VLANID = new QLineEdit(lower);
    ED_VLANID->setObjectName(QStringLiteral("ED_VLANID"));
    ED_VLANName = new QLineEdit(lower);
    ED_VLANName->setObjectName(QStringLiteral("ED_VLANName"));
    NextFreeLocalVlanIndex = new QLabel(lower);
    NextFreeLocalVlanIndex->setObjectName(QStringLiteral("NextFreeLocalVlanIndex"));
    NextFreeLocalVlanIndex->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Status = new QComboBox(lower);
    Status->setObjectName(QStringLiteral("Status"));
    Status->hide();
    inputs->addWidget(new QLabel(QStringLiteral("VLAN ID"), lower), 0, 0);
    inputs->addWidget(new QLabel(QStringLiteral("VLAN Name"), lower), 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Next Free Local VLAN Index"), lower), 0, 2);
    inputs->addWidget(ED_VLANID, 1, 0);
    inputs->addWidget(ED_VLANName, 1, 1);
    inputs->addWidget(NextFreeLocalVlanIndex, 1, 2);
    PageControl1 = new QTabWidget(lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lowerLayout->addWidget(PageControl1, 1);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);

    auto* panel1 = new QVBoxLayout();
    columns->addLayout(panel1);
    RowCounter = new QLabel(QStringLiteral("0"), Client);
    RowCounter->setObjectName(QStringLiteral("ST_Count2"));
    RowCounter->setAlignment(Qt::AlignCenter);
    RowCounter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1->addWidget(RowCounter);
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    AddButton = NewPageButton(Client, "AddBtn", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteBtn", QStringLiteral("Delete"));
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    for (QPushButton* button : {RefreshButton, SetButton, AddButton, DeleteButton, StopButton, CloseButton})
        panel1->addWidget(button);
    panel1->addStretch(1);
    connect(RefreshButton, &QPushButton::clicked, this, &TVlanStaticForm::RefreshBtnClick);
    connect(SetButton, &QPushButton::clicked, this, &TVlanStaticForm::SetBtnClick);
    connect(AddButton, &QPushButton::clicked, this, &TVlanStaticForm::AddBtnClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TVlanStaticForm::DeleteBtnClick);
    connect(StopButton, &QPushButton::clicked, this, &TVlanStaticForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TVlanStaticForm::CloseClick);
}

void TVlanStaticForm::FormCreate() {
    const std::string ports = PortNumberList();
    EgressSelector = AddPortSelector(PageControl1, QStringLiteral("Egress Ports"));
    ForbiddenSelector = AddPortSelector(PageControl1, QStringLiteral("Forbidden Egress Ports"));
    UntaggedSelector = AddPortSelector(PageControl1, QStringLiteral("Untagged Ports"));
    KeyEdits = {ED_VLANID};
    WatchList(LV_dot1qVlanStaticEntry);

    StaticRequest = CreateBinder({.Table = Dot1qVlanStaticVars,
                                  .ItemType = MVT_UMV,
                                  .KeyCount = 1,
                                  .Main = true,
                                  .List = LV_dot1qVlanStaticEntry,
                                  .Bind = [&](KySNMPRequest2Edits& binder) {
                                      binder.BindEdits(VlanId, "%i{n1x4094l4}", {ED_VLANID});
                                      binder.BindEdits(VlanName, "%s", {ED_VLANName});
                                      BindPortList(binder, Egress, ports, EgressSelector);
                                      BindPortList(binder, Forbidden, ports, ForbiddenSelector);
                                      BindPortList(binder, Untagged, ports, UntaggedSelector);
                                      binder.BindComboBox(RowStatus, Status);
                                  }});
    NextFreeRequest = CreateBinder({.Table = Dot1qNextFreeLocalVlanVars,
                                    .Async = false,
                                    .Bind = [&](KySNMPRequest2Edits& binder) {
                                        // The index is a number; its option words belong to another object.
                                        binder.Request.VarList.GetVar(0).Options = nullptr;
                                        binder.BindStaticText(0, NextFreeLocalVlanIndex);
                                    }});
    ShowRowSelected(false);
}

void TVlanStaticForm::ResetInputs() {
    for (TStackingPortUitForm* selector : {EgressSelector, ForbiddenSelector, UntaggedSelector})
        if (selector) selector->UncheckAll();
    ED_VLANID->clear();
    ED_VLANName->clear();
    Status->setCurrentIndex(-1);
}

void TVlanStaticForm::RefreshBtnClick() { RefreshClick(); }

void TVlanStaticForm::SetBtnClick() {
    if (!LV_dot1qVlanStaticEntry->currentItem()) return;
    if (!MayWrite("Get data not complete.")) return;
    // The forbidden ports travel apart from the egress and untagged ones; each request keeps the row's status.
    GuardedWrite([&] {
        if (!MaskedSet({Forbidden})) return false;
        WaitForBinder(*StaticRequest);
        return MaskedSet({Egress, Untagged});
    });
}

void TVlanStaticForm::AddBtnClick() {
    if (!MayWrite()) return;
    if (ED_VLANID->text().isEmpty()) {
        ShowMessage(QStringLiteral("Please input VLAN ID."));
        return;
    }
    if (ED_VLANName->text().isEmpty()) {
        ShowMessage(QStringLiteral("Please input VLAN Name."));
        return;
    }
    // A new VLAN carries no forbidden ports.
    GuardedWrite([&] { return MaskedSet({Forbidden}, RowStatus, CreateAndGoItem); });
}

void TVlanStaticForm::DeleteBtnClick() {
    if (!LV_dot1qVlanStaticEntry->currentItem()) return;
    if (!MayWrite()) return;
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(RowStatus), RowStatus, DestroyItem); });
}
