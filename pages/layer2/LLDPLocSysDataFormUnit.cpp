#include "LLDPLocSysDataFormUnit.h"

#include "LldpText.h"
#include "Oid_lldp.h"
#include "PageKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Field { Subtype, ChassisId, SystemName, SystemDescription, Supported, Enabled };

}  // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 780, .Height = 228, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("LLDP Local System Data"));
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* fields = new QGridLayout();
    columns->addLayout(fields, 1);
    subtypeText = NewStaticText(Client, "subtypeText");
    IDText = NewStaticText(Client, "IDText");
    sysNameText = NewStaticText(Client, "sysNameText");
    sysDescText = NewStaticText(Client, "sysDescText");
    CapSupportEdit = NewPageEdit(Client, "CapSupportEdit");
    capEnableEdit = NewPageEdit(Client, "capEnableEdit");
    for (QLabel* text : {subtypeText, IDText, sysNameText, sysDescText}) {
        text->setAlignment(Qt::AlignCenter);
        text->setMinimumWidth(420);
    }
    AddCaptionedColumn(fields, {{QStringLiteral("Local Chassis ID Subtype"), subtypeText},
                                {QStringLiteral("Local Chassis ID"), IDText},
                                {QStringLiteral("Local System Name"), sysNameText},
                                {QStringLiteral("Local System Description"), sysDescText},
                                {QStringLiteral("Local System Capabilities Supported"), CapSupportEdit},
                                {QStringLiteral("Local System Capabilities Enabled"), capEnableEdit}});
    fields->setRowStretch(fields->rowCount(), 1);
    CapSupportEdit->setEnabled(false);
    capEnableEdit->setEnabled(false);
    tempText1 = NewStaticText(Client, "tempText1");
    tempText2 = NewStaticText(Client, "tempText2");
    tempText1->hide();
    tempText2->hide();
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TLLDPLocSysDataForm::GetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TLLDPLocSysDataForm::CloseClick);

    LocalRequest = CreateBinder({.Table = LldpLocalSystemVars, .Main = true, .Bind = [this](KySNMPRequest2Edits& binder) {
                                     binder.BindStaticText(Subtype, subtypeText);
                                     binder.BindStaticText(ChassisId, IDText);
                                     binder.BindStaticText(SystemName, sysNameText);
                                     binder.BindStaticText(SystemDescription, sysDescText);
                                     binder.BindStaticText(Supported, tempText1);
                                     binder.BindStaticText(Enabled, tempText2);
                                     binder.OnGetDone = [this] { ShowCapabilities(); };
                                 }});
    ShowCapabilities();
}

void TLLDPLocSysDataForm::ShowCapabilities() {
    CapSupportEdit->setText(BitNames(tempText1->text().toStdString(), CapabilityNames()));
    capEnableEdit->setText(BitNames(tempText2->text().toStdString(), CapabilityNames()));
    if (!LocalRequest) return;
    const KySNMPVarList& values = LocalRequest->Request.VarList;
    IDText->setText(LldpIdText(QString::fromStdString(values.GetVar(Subtype).Value), values.GetVar(ChassisId).Value));
}

void TLLDPLocSysDataForm::GetButtonClick() {
    if (!LocalRequest || LocalRequest->Busy) return;
    try {
        LocalRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
}
