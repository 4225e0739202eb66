#include "VLanGeneralInfoUnit.h"

#include "Oid_qbridge.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget* owner) : TDedicatedPage(owner, {.Width = 402, .Height = 219}) {
    setWindowTitle(QStringLiteral("802.1Q Basic Configure"));
    BuildLayout();
    FormCreate();
}

void TVLanGeneralInfoForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* values = new QGridLayout();
    columns->addLayout(values, 1);
    VlanVersionNumber = NewStaticText(Client, "VlanVersionNumber");
    MaxVlanId = NewStaticText(Client, "MaxVlanId");
    MaxSupportedVlans = NewStaticText(Client, "MaxSupportedVlans");
    CurrentNumOfVlans = NewStaticText(Client, "CurrentNumOfVlans");
    GvrpStatus = NewPageCombo(Client, "GvrpStatus");
    AddCaptionedColumn(values, {{QStringLiteral("VLAN Version Number"), VlanVersionNumber},
                                {QStringLiteral("Max VLAN ID"), MaxVlanId},
                                {QStringLiteral("Max Supported VLANs"), MaxSupportedVlans},
                                {QStringLiteral("Current Num Of VLANs"), CurrentNumOfVlans},
                                {QStringLiteral("GVRP Status"), GvrpStatus}});
    values->setRowStretch(values->rowCount(), 1);

    RefreshButton = NewPageButton(Client, "RefreshBtn", QStringLiteral("Refresh"));
    auto* set = NewPageButton(Client, "SetBtn", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, set, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TVLanGeneralInfoForm::RefreshBtnClick);
    connect(set, &QPushButton::clicked, this, &TVLanGeneralInfoForm::SetBtnClick);
    connect(CloseButton, &QPushButton::clicked, this, &TVLanGeneralInfoForm::CloseClick);
}

void TVLanGeneralInfoForm::FormCreate() {
    BaseRequest = CreateBinder({.Table = Dot1qBaseVars, .Main = true, .Bind = [&](KySNMPRequest2Edits& binder) {
                                    binder.BindStaticText(0, VlanVersionNumber);
                                    binder.BindStaticText(1, MaxVlanId);
                                    binder.BindStaticText(2, MaxSupportedVlans);
                                    binder.BindStaticText(3, CurrentNumOfVlans);
                                    binder.BindComboBox(4, GvrpStatus);
                                }});
}

void TVLanGeneralInfoForm::RefreshBtnClick() {
    if (!BaseRequest) return;
    try {
        BaseRequest->Get();
    } catch (const std::exception& error) {
        Report(error, BaseRequest);
    }
}

void TVLanGeneralInfoForm::SetBtnClick() {
    if (!BaseRequest) return;
    // The read-only scalars are never sent: the request carries the GVRP status alone.
    try {
        ShowRefusal(BaseRequest->Set(1, 1, {}, nullptr));
    } catch (const std::exception& error) {
        Report(error, BaseRequest);
    }
}
