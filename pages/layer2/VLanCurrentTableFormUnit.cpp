#include "VLanCurrentTableFormUnit.h"

#include "Oid_qbridge.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { TimeMark, VlanIndex, FdbId, Egress, Untagged };

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* owner) : TDedicatedPage(owner, {.Width = 582, .Height = 517}) {
    setWindowTitle(QStringLiteral("VLAN Current Table"));
    BuildLayout();
    FormCreate();
}

void TVLanCurrentTableForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_dot1qVlanCurrentEntry", true);
    auto* columns = body.Columns;
    LV_dot1qVlanCurrentEntry = body.List;
    QWidget* lower = body.Lower;
    QVBoxLayout* lowerLayout = body.LowerLayout;
    auto* group = new QGroupBox(lower);
    lowerLayout->addWidget(group);
    auto* values = new QGridLayout(group);
    StaticText1 = NewStaticText(group, "StaticText1");
    VlanNumDeletes = NewStaticText(group, "VlanNumDeletes");
    AddCaptionedColumn(values, {{QStringLiteral("VLAN Index"), StaticText1},
                                {QStringLiteral("VLAN Delete Numbers"), VlanNumDeletes}});
    PageControl1 = new QTabWidget(lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "ST_Count2");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RowCounter, RefreshButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TVLanCurrentTableForm::RefreshBtnClick);
    connect(CloseButton, &QPushButton::clicked, this, &TVLanCurrentTableForm::CloseClick);
}

void TVLanCurrentTableForm::FormCreate() {
    const std::string ports = PortNumberList();
    EgressSelector = AddPortSelector(PageControl1, QStringLiteral("Egress Ports"));
    UntaggedSelector = AddPortSelector(PageControl1, QStringLiteral("Untagged Ports"));
    WatchList(LV_dot1qVlanCurrentEntry, {}, false);

    DeletesRequest = CreateBinder({.Table = Dot1qVlanNumDeletesVars,
                                   .Bind = [&](KySNMPRequest2Edits& binder) { binder.BindStaticText(0, VlanNumDeletes); }});
    CurrentRequest = CreateBinder({.Table = Dot1qVlanCurrentVars,
                                   .ItemType = MVT_UMV,
                                   .KeyCount = 2,
                                   .Main = true,
                                   .List = LV_dot1qVlanCurrentEntry,
                                   .Bind = [&](KySNMPRequest2Edits& binder) {
                                       binder.BindStaticText(VlanIndex, StaticText1);
                                       BindPortList(binder, Egress, ports, EgressSelector);
                                       BindPortList(binder, Untagged, ports, UntaggedSelector);
                                   }});
}

void TVLanCurrentTableForm::ResetInputs() {
    for (TStackingPortUitForm* selector : {EgressSelector, UntaggedSelector})
        if (selector) selector->UncheckAll();
    StaticText1->clear();
}

void TVLanCurrentTableForm::RefreshBtnClick() { RefreshClick(); }
