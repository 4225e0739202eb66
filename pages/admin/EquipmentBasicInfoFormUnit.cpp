#include "EquipmentBasicInfoFormUnit.h"

#include "Oid_stacking.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Column { Capacity, Mode, Topology, ForceMasterRole };
// A change of stack mode takes the switch a while to answer.
constexpr int SetTimeout = 500;

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 431, .Height = 195, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Equiment Basic Information"));
    BuildLayout();
    FormCreate();
}

void TEquipmentBasicInfoForm::BuildLayout() {
    Edit1 = new QLineEdit(Client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    StackModeComboBox = new QComboBox(Client);
    StackModeComboBox->setObjectName(QStringLiteral("StackModeComboBox"));
    cbxTopology = new QComboBox(Client);
    cbxTopology->setObjectName(QStringLiteral("cbxTopology"));
    cbxTopology->setEnabled(false);
    ForceMasterRoleComboBox = new QComboBox(Client);
    ForceMasterRoleComboBox->setObjectName(QStringLiteral("ForceMasterRoleComboBox"));
    RefreshButton = NewPageButton(Client, "BitBtn1", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "bbtnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    BuildSettingsFrame(Client,
                       {{"Equipment Capacity", Edit1}, {"Stack Mode", StackModeComboBox}, {"Topology", cbxTopology},
                        {"Force Master Role", ForceMasterRoleComboBox}},
                       {RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TEquipmentBasicInfoForm::BitBtn1Click);
    connect(SetButton, &QPushButton::clicked, this, &TEquipmentBasicInfoForm::bbtnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TEquipmentBasicInfoForm::CloseClick);
}

void TEquipmentBasicInfoForm::FormCreate() {
    Binder = CreateBinder({.Table = EquipmentBasicInfoVars,
                           .Async = false,
                           .Main = true,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindComboBox(Mode, StackModeComboBox);
                               binder.BindComboBox(Topology, cbxTopology);
                               binder.BindComboBox(ForceMasterRole, ForceMasterRoleComboBox);
                           }});
    Edit1->setText(QStringLiteral("Fan, Redundant Power and Stacking"));
}

void TEquipmentBasicInfoForm::BitBtn1Click() {
    if (Binder) Reported(*this, [&] { Binder->Get(); });
}

void TEquipmentBasicInfoForm::bbtnSetClick() {
    if (!Binder) return;
    Binder->Request.Timeout = SetTimeout;
    Reported(*this, [&] {
        // The re-read's "Ok!" would hide a refused write.
        if (MaskedSet({}, -1, -1, 1)) Binder->Get();
    });
}
