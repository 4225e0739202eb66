#include "VLanPortInfomationUnit.h"

#include "Oid_qbridge.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { PortNumber, PortVlanId, FrameTypes, Ingress, Gvrp };

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 602,
                             .Height = 440,
                             .BusyText = "Refresh Not Complete",
                             .RefreshBusyText = "Refresh Not Complete"}) {
    setWindowTitle(QStringLiteral("VLAN Port Information Form"));
    BuildLayout();
    FormCreate();
}

void TVLanPortInfomationForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_dot1qPortVlanEntry", false);
    auto* columns = body.Columns;
    LV_dot1qPortVlanEntry = body.List;
    QWidget* panel3 = body.Lower;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    PortVLanID = NewPageEdit(panel3, "PortVLanID");
    AcceptableFrameTypes = NewPageCombo(panel3, "AcceptableFrameTypes");
    IngressFiltering = NewPageCombo(panel3, "IngressFiltering");
    GvrpStatus = NewPageCombo(panel3, "GvrpStatus");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("Port VLAN ID"), PortVLanID},
                                {QStringLiteral("Acceptable Frame Types"), AcceptableFrameTypes},
                                {QStringLiteral("Ingress Filtering"), IngressFiltering},
                                {QStringLiteral("GVRP Status"), GvrpStatus}});

    RowCounter = NewRowCounter(Client, "ST_Count");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RowCounter, RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TVLanPortInfomationForm::RefreshBtnClick);
    connect(SetButton, &QPushButton::clicked, this, &TVLanPortInfomationForm::SetBtnClick);
    connect(CloseButton, &QPushButton::clicked, this, &TVLanPortInfomationForm::CloseClick);
}

void TVLanPortInfomationForm::FormCreate() {
    WatchList(LV_dot1qPortVlanEntry);
    PortVlanRequest = CreateBinder({.Table = Dot1qPortVlanVars,
                                    .ItemType = MVT_FMV,
                                    .KeyCount = 1,
                                    .Main = true,
                                    .List = LV_dot1qPortVlanEntry,
                                    .Bind = [&](KySNMPRequest2Edits& binder) {
                                        binder.BindEdits(PortVlanId, "%i{n1x4094l4}", {PortVLanID});
                                        binder.BindComboBox(FrameTypes, AcceptableFrameTypes);
                                        binder.BindComboBox(Ingress, IngressFiltering);
                                        binder.BindComboBox(Gvrp, GvrpStatus);
                                    }});
    PortVLanID->clear();
    ShowRowSelected(false);
}

void TVLanPortInfomationForm::RefreshBtnClick() { RefreshClick(); }

void TVLanPortInfomationForm::SetBtnClick() {
    QTreeWidgetItem* selected = LV_dot1qPortVlanEntry->currentItem();
    if (!selected || !MayWrite()) return;
    // The edit checks its range when the focus leaves it; a click on Set must not send past that check.
    bool number = false;
    const int vlan = PortVLanID->text().toInt(&number);
    if (!number || vlan < 1 || vlan > 4094) {
        ShowMessage(QStringLiteral("Please enter a number between 1 and 4094!"));
        return;
    }
    const QString port = selected->text(0);
    try {
        // An accepted Set reads the table again by itself.
        if (!PortVlanRequest->Set(1, 1, {}, nullptr)) return ShowRefusal(false);
        for (int i = 0; i < LV_dot1qPortVlanEntry->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = LV_dot1qPortVlanEntry->topLevelItem(i);
            if (row->text(0) == port) {
                LV_dot1qPortVlanEntry->setCurrentItem(row);
                break;
            }
            PortVLanID->clear();
        }
    } catch (const std::exception& error) {
        Report(error, PortVlanRequest);
    }
}
