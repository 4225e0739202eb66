#include "MultipAuthGuestVlanFormUnit.h"

#include "MaskedWrite.h"
#include "Oid_dot1x.h"
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

enum Column { VlanId, Ports, RowStatus };
constexpr int GuestVlanTimeout = 300;
constexpr int CreateAndGoItem = 1;
constexpr int DestroyItem = 2;

}  // namespace

TMultpAuthGuestVlanForm::TMultpAuthGuestVlanForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 680, .Height = 500, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Compound Authentication Guest VLAN Table"));
    BuildLayout();
    FormCreate();
}

void TMultpAuthGuestVlanForm::BuildLayout() {
    TListOverPanel body = BuildListOverPanel(Client, "ListView1", true);
    ListView1 = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    VIDEdit = NewPageEdit(body.Lower, "VIDEdit");
    AddCaptionedColumn(inputs, {{QStringLiteral("Guest VLAN ID"), VIDEdit}});
    inputs->setColumnStretch(2, 1);
    cbxDel = NewPageCombo(body.Lower, "cbxDel");
    cbxDel->hide();
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Edit"));
    AddButton = NewPageButton(Client, "ADDButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DelBtn", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "BT_Close", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TMultpAuthGuestVlanForm::BT_GetClick);
    connect(SetButton, &QPushButton::clicked, this, &TMultpAuthGuestVlanForm::SetBtnClick);
    connect(AddButton, &QPushButton::clicked, this, &TMultpAuthGuestVlanForm::ADDButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMultpAuthGuestVlanForm::DelBtnClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMultpAuthGuestVlanForm::CloseClick);
}

void TMultpAuthGuestVlanForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Guest VLAN Ports"));
    KeyEdits = {VIDEdit};
    WatchList(ListView1);
    GuestVlanTableRequest = CreateBinder({.Table = MultiAuthGuestVlanVars,
                                          .ItemType = MVT_UMV,
                                          .KeyCount = 1,
                                          .Async = false,
                                          .Main = true,
                                          .Timeout = GuestVlanTimeout,
                                          .List = ListView1,
                                          .Bind = [&](KySNMPRequest2Edits& binder) {
                                              BindPortList(binder, Ports, ports, PortSelector);
                                              binder.BindEdits(VlanId, "%i{n1x4094l4}", {VIDEdit});
                                              binder.BindComboBox(RowStatus, cbxDel);
                                          }});
    // Edit and Delete act on a selected guest VLAN only.
    ShowRowSelected(false);
}

void TMultpAuthGuestVlanForm::ResetInputs() {
    if (PortSelector) PortSelector->UncheckAll();
    VIDEdit->setText(QStringLiteral(" "));
}

bool TMultpAuthGuestVlanForm::SetOnly(int column, int statusItem) {
    const int other = column == Ports ? RowStatus : Ports;
    const TMaskedWrite mask(GuestVlanTableRequest->Request.VarList, {other});
    if (statusItem >= 0) cbxDel->setCurrentIndex(statusItem);
    return GuestVlanTableRequest->Set(0, 1, {}, nullptr);
}

void TMultpAuthGuestVlanForm::ReadTable() {
    try {
        GuestVlanTableRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
    ShowRowSelected(false);
}

void TMultpAuthGuestVlanForm::BT_GetClick() {
    if (!GuestVlanTableRequest || GuestVlanTableRequest->Busy) return;
    ReadTable();
}

void TMultpAuthGuestVlanForm::SetBtnClick() {
    if (!ListView1->currentItem() || !GuestVlanTableRequest || GuestVlanTableRequest->Busy) return;
    try {
        ShowRefusal(SetOnly(Ports));
    } catch (const std::exception& error) {
        Report(error);
    }
    ReadTable();
}

void TMultpAuthGuestVlanForm::ADDButtonClick() {
    if (!GuestVlanTableRequest) return;
    if (GuestVlanTableRequest->Busy) return;
    if (VIDEdit->text().trimmed().isEmpty()) {
        ShowMessage(QStringLiteral("Please input VLAN ID."));
        return;
    }
    try {
        // The ports follow only a row that was created.
        if (SetOnly(RowStatus, CreateAndGoItem)) ShowRefusal(SetOnly(Ports));
    } catch (const std::exception& error) {
        Report(error);
    }
    ReadTable();
    // Every Add ends with the page's refresh as well.
    BT_GetClick();
}

void TMultpAuthGuestVlanForm::DelBtnClick() {
    if (!ListView1->currentItem() || !GuestVlanTableRequest || GuestVlanTableRequest->Busy) return;
    try {
        ShowRefusal(SetOnly(RowStatus, DestroyItem));
    } catch (const std::exception& error) {
        Report(error);
    }
    ReadTable();
}
