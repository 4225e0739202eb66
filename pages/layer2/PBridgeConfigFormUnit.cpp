#include "PBridgeConfigFormUnit.h"

#include "Oid_qbridge.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TPBridgeConfigForm::TPBridgeConfigForm(QWidget* owner) : TDedicatedPage(owner, {.Width = 380, .Height = 140}) {
    setWindowTitle(QStringLiteral("802.1p Basic Configuration"));
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* values = new QGridLayout();
    columns->addLayout(values, 1);
    Edit_DeviceCapabilities = NewStaticText(Client, "Edit_DeviceCapabilities");
    TrafficClassesState = NewPageCombo(Client, "TrafficClassesState");
    AddCaptionedColumn(values, {{QStringLiteral("Device Capabilities"), Edit_DeviceCapabilities},
                                {QStringLiteral("Traffic Classes State"), TrafficClassesState}});
    values->setRowStretch(values->rowCount(), 1);
    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "BT_Close", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TPBridgeConfigForm::BT_GetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TPBridgeConfigForm::CloseClick);

    CapabilitiesRequest = CreateBinder({.Table = Dot1dDeviceCapabilitiesVars, .Main = true, .Bind = [this](KySNMPRequest2Edits& binder) {
                                            binder.BindStaticText(0, Edit_DeviceCapabilities);
                                        }});
    TrafficClassesRequest = CreateBinder({.Table = Dot1dTrafficClassesEnabledVars, .Bind = [this](KySNMPRequest2Edits& binder) {
                                              binder.BindComboBox(0, TrafficClassesState);
                                          }});
    // Shown, never chosen: the switch decides.
    TrafficClassesState->setEnabled(false);
}

void TPBridgeConfigForm::BT_GetClick() {
    for (KySNMPRequest2Edits* binder : {CapabilitiesRequest, TrafficClassesRequest}) {
        if (!binder) continue;
        try {
            binder->Get();
        } catch (const std::exception& error) {
            Report(error, binder);
        }
    }
}
