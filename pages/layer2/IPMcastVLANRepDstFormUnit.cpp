#include "IPMcastVLANRepDstFormUnit.h"

#include "Oid_security.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

enum Column { Name, VlanId, Ports, RowState };
constexpr int DestroyItem = 5;
constexpr int HighestVlan = 4094;

}  // namespace

TIPMcastVLANRepDstForm::TIPMcastVLANRepDstForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 720, .Height = 430, .BusyText = "Get data not complete"}) {
    setWindowTitle(QStringLiteral("IP Multicast VLAN Replication Destination Table"));
    BuildLayout();
    FormCreate();
}

void TIPMcastVLANRepDstForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_IPMcastVLANRepDstEntry", true);
    LV_IPMcastVLANRepDstEntry = body.List;
    LV_IPMcastVLANRepDstEntry->setAlternatingRowColors(true);
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    ED_Name = NewPageEdit(body.Lower, "ED_Name");
    ED_MulticastVID = NewPageEdit(body.Lower, "ED_MulticastVID");
    Status = NewPageCombo(body.Lower, "Status");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("Name"), ED_Name},
                                {QStringLiteral("VLAN ID"), ED_MulticastVID},
                                {QStringLiteral("Status"), Status}});
    inputs->setColumnStretch(3, 1);
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "ST_Count");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "AddBtn", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TIPMcastVLANRepDstForm::RefreshBtnClick);
    connect(AddButton, &QPushButton::clicked, this, &TIPMcastVLANRepDstForm::AddBtnClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIPMcastVLANRepDstForm::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIPMcastVLANRepDstForm::CloseClick);
}

void TIPMcastVLANRepDstForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    KeyEdits = {ED_Name, ED_MulticastVID, Status};
    WatchList(LV_IPMcastVLANRepDstEntry);
    RepDstRequest = CreateBinder({.Table = IpMcastVlanRepDstVars,
                                  .ItemType = MVT_UMV,
                                  .KeyCount = 2,
                                  .Main = true,
                                  .List = LV_IPMcastVLANRepDstEntry,
                                  .Bind = [&](KySNMPRequest2Edits& binder) {
                                      binder.BindEdits(Name, "%s{l16}", {ED_Name});
                                      binder.BindEdits(VlanId, "%i{n1x4094}", {ED_MulticastVID});
                                      BindPortList(binder, Ports, ports, PortSelector);
                                      binder.BindComboBox(RowState, Status);
                                  }});
    ShowRowSelected(false);
}

void TIPMcastVLANRepDstForm::ResetInputs() {
    if (PortSelector) PortSelector->UncheckAll();
    ED_MulticastVID->clear();
    ED_Name->clear();
    Status->setCurrentIndex(-1);
}

void TIPMcastVLANRepDstForm::RefreshBtnClick() { RefreshClick(); }

void TIPMcastVLANRepDstForm::WriteRow() {
    try {
        ShowRefusal(RepDstRequest->Set(1, 1, {}, nullptr));
    } catch (const std::exception& error) {
        Report(error);
    }
    LV_IPMcastVLANRepDstEntry->setCurrentItem(nullptr);
    ShowRowSelected(false);
}

void TIPMcastVLANRepDstForm::AddBtnClick() {
    if (ED_Name->text().isEmpty()) {
        ShowMessage(QStringLiteral("IP Multicast VLAN Replication Name must be set."));
        ED_Name->setFocus();
        return;
    }
    if (ED_MulticastVID->text().isEmpty()) {
        ShowMessage(QStringLiteral("VLAN ID must be set."));
        ED_MulticastVID->setFocus();
        return;
    }
    // The edit checks its range when the focus leaves it; a click on Add must not send past that check.
    bool number = false;
    const int vlan = ED_MulticastVID->text().toInt(&number);
    if (!number || vlan < 1 || vlan > HighestVlan) {
        ShowMessage(QStringLiteral("Please enter a number between 1 and 4094!"));
        ED_MulticastVID->setFocus();
        return;
    }
    if (Status->currentText() != QLatin1String("createAndGo")) {
        ShowMessage(QStringLiteral("Status should be set to createAndGo"));
        return;
    }
    if (!MayWrite()) return;
    WriteRow();
}

void TIPMcastVLANRepDstForm::btnDeleteClick() {
    if (!LV_IPMcastVLANRepDstEntry->currentItem()) return;
    Status->setCurrentIndex(DestroyItem);
    if (!MayWrite()) return;
    WriteRow();
}
