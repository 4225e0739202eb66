#include "VLANFormUnit.h"

#include "Oid_device.h"
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
#include <QVBoxLayout>

namespace {

enum Column { VlanIndex, VlanName, VlanType, FirstPortList, AdvertisementState = 10 };

}  // namespace

TVlanForm::TVlanForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 893, .Height = 604, .Guarded = true, .RefuseCloseWhileReading = true}) {
    setWindowTitle(QStringLiteral("VlanForm"));
    BuildLayout();
    FormCreate();
}

void TVlanForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "LV_dot1qVlanStaticEntry", true);
    auto* columns = body.Columns;
    LV_dot1qVlanStaticEntry = body.List;
    QWidget* lower = body.Lower;
    QVBoxLayout* lowerLayout = body.LowerLayout;
    auto* inputs = new QGridLayout();
    lowerLayout->addLayout(inputs);
    ED_VLANID = NewPageEdit(lower, "ED_VLANID");
    ED_VLANName = NewPageEdit(lower, "ED_VLANName");
    cbxType = NewPageCombo(lower, "cbxType");
    cbxStatus = NewPageCombo(lower, "cbxStatus");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), ED_VLANID},
                                {QStringLiteral("VLAN Name"), ED_VLANName},
                                {QStringLiteral("VLAN Type"), cbxType},
                                {QStringLiteral("Advertisement State"), cbxStatus}});
    PageControl1 = new QTabWidget(lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lowerLayout->addWidget(PageControl1, 1);

    RowCounter = NewRowCounter(Client, "ST_Count2");
    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetButton", QStringLiteral("Set"));
    StopButton = NewPageButton(Client, "Button1", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TVlanForm::RefreshBtnClick);
    connect(SetButton, &QPushButton::clicked, this, &TVlanForm::SetButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &TVlanForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TVlanForm::btnCloseClick);
}

void TVlanForm::FormCreate() {
    const std::string ports = PortNumberList();
    const QString captions[] = {"Member Ports", "Static Ports", "Static Tagged Member Ports", "Static Untagged Ports",
                                "Forbidden Ports", "Current Tagged Ports", "Current Untagged Ports"};
    for (std::size_t i = 0; i < PortSelectors.size(); ++i) PortSelectors[i] = AddPortSelector(PageControl1, captions[i]);
    // The name and type are read-only: they lock with the index while a row is shown.
    KeyEdits = {ED_VLANID, ED_VLANName, cbxType};
    WatchList(LV_dot1qVlanStaticEntry);

    VlanRequest = CreateBinder({.Table = VlanManagementVars,
                                .ItemType = MVT_UMV,
                                .KeyCount = 1,
                                .Main = true,
                                .List = LV_dot1qVlanStaticEntry,
                                .Bind = [&](KySNMPRequest2Edits& binder) {
                                    binder.BindEdits(VlanIndex, "%s", {ED_VLANID});
                                    binder.BindEdits(VlanName, "%s", {ED_VLANName});
                                    binder.BindComboBox(VlanType, cbxType);
                                    for (std::size_t i = 0; i < PortSelectors.size(); ++i)
                                        BindPortList(binder, FirstPortList + int(i), ports, PortSelectors[i]);
                                    binder.BindComboBox(AdvertisementState, cbxStatus);
                                }});
    // Only a selected VLAN has an advertisement state to write.
    ShowRowSelected(false);
}

void TVlanForm::ResetInputs() {
    for (TStackingPortUitForm* selector : PortSelectors)
        if (selector) selector->UncheckAll();
    ED_VLANID->clear();
    ED_VLANName->clear();
}

void TVlanForm::RefreshBtnClick() { RefreshClick(); }

void TVlanForm::SetButtonClick() {
    if (!VlanRequest || !LV_dot1qVlanStaticEntry->currentItem()) return;
    // Every other column is read-only or the index: the request carries the advertisement state alone.
    try {
        VlanRequest->Request.Active = 1;
        ShowRefusal(VlanRequest->Set(0, 1, {}, nullptr));
    } catch (const std::exception& error) {
        SetButton->setEnabled(false);
        StatusPanel()->setText(QString::fromLocal8Bit(error.what()));
    }
}

void TVlanForm::btnCloseClick() {
    // The Close button closes also during a read; the window's own close waits for it.
    StopClick();
    DataComplete = 1;
    CloseClick();
}
