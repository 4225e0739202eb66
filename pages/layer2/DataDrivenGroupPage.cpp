#include "DataDrivenGroupPage.h"

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

enum Column { VlanId, GroupAddress, RouterPorts, ClearGroup };

}  // namespace

TDataDrivenGroupPage::TDataDrivenGroupPage(QWidget* owner, const TDataDrivenGroupLayout& layout)
    : TDedicatedPage(owner, {.Width = layout.Width, .Height = layout.Height, .Guarded = true}) {
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", true);
    ListView1 = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    stVID = NewStaticText(body.Lower, "stVID");
    stVID->setMinimumWidth(60);
    edtIPAddress = NewPageEdit(body.Lower, "edtIPAddress");
    edtIPAddress->setReadOnly(true);
    edtIPAddress->setMinimumWidth(260);
    CBoxClear = NewPageCombo(body.Lower, "CBoxClear");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), stVID},
                                {QStringLiteral("Group IP Address"), edtIPAddress},
                                {QStringLiteral("Clear Group"), CBoxClear}});
    inputs->setColumnStretch(3, 1);
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    StopButton = NewPageButton(Client, "StopButton", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TDataDrivenGroupPage::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TDataDrivenGroupPage::btnSetClick);
    connect(StopButton, &QPushButton::clicked, this, &TDataDrivenGroupPage::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TDataDrivenGroupPage::CloseClick);
    FormCreate(layout);
}

void TDataDrivenGroupPage::FormCreate(const TDataDrivenGroupLayout& layout) {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Router Ports"));
    // The router ports are the switch's to say: they stay locked, the binder enables nothing.
    WatchList(ListView1, [this](QTreeWidgetItem*, bool selected) {
        if (selected) edtIPAddress->setEnabled(true);
    });
    GroupRequest = CreateBinder({.Table = layout.Table,
                                 .ItemType = MVT_UMV,
                                 .KeyCount = 2,
                                 .Main = true,
                                 .List = ListView1,
                                 .Bind = [&](KySNMPRequest2Edits& binder) {
                                     binder.BindStaticText(VlanId, stVID);
                                     binder.BindEdits(GroupAddress, layout.AddressFormat, {edtIPAddress});
                                     BindPortList(binder, RouterPorts, ports, PortSelector);
                                     binder.BindComboBox(ClearGroup, CBoxClear);
                                     binder.AutoEnable = 0;
                                 }});
    PortSelector->DisableAll();
    edtIPAddress->setEnabled(layout.AddressEnabledAtStart);
    ShowRowSelected(false);
}

void TDataDrivenGroupPage::ResetInputs() {
    if (PortSelector) PortSelector->UncheckAll();
    stVID->clear();
    edtIPAddress->clear();
}

void TDataDrivenGroupPage::btnGetClick() { RefreshOrRefuse(QStringLiteral("Get data not complete!")); }

void TDataDrivenGroupPage::btnSetClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    // A refused clear is shown by the binder; the table is read again once the answer is in, either way.
    GuardedWrite([this] {
        const bool sent = GroupRequest->Set(0, 1, {}, nullptr);
        WaitForBinder(*GroupRequest);
        return sent;
    });
}
