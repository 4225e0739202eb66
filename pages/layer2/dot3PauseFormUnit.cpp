#include "dot3PauseFormUnit.h"

#include "Oid_device.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

Tdot3PauseForm::Tdot3PauseForm(QWidget* owner)
    : TDot3CounterPage(owner, {.Caption = "Dot3 Pause Table",
                               .InterfaceTable = Dot3PauseVars,
                               .CounterTable = Dot3PauseCounterVars,
                               .CounterNames = {QStringLiteral("In Pause Frame"), QStringLiteral("Out Pause Frame")}}) {
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    BuildLayout(
        [this](QGridLayout* grid) {
            cbxAdminMode = NewPageCombo(Client, "cbxAdminMode");
            edtIndex = NewPageEdit(Client, "edtIndex");
            edtIndex->hide();
            AddCaptionedColumn(grid, {{QStringLiteral("Admin Mode"), cbxAdminMode}});
        },
        {SetButton, StopButton});
    connect(SetButton, &QPushButton::clicked, this, &Tdot3PauseForm::btnSetClick);
    connect(StopButton, &QPushButton::clicked, this, &Tdot3PauseForm::StopClick);
    FormCreate([this](KySNMPRequest2Edits& binder) {
        binder.BindEdits(0, "%i", {edtIndex});
        binder.BindComboBox(1, cbxAdminMode);
    });
}

void Tdot3PauseForm::ResetInputs() {
    TDot3CounterPage::ResetInputs();
    cbxAdminMode->setCurrentIndex(-1);
    SetButton->setEnabled(false);
}

void Tdot3PauseForm::RowSelected() { SetButton->setEnabled(!Reading()); }

void Tdot3PauseForm::ReadEnded(const KySNMPError&) {
    if (!cbxAdminMode->isEnabled()) EnableControl(cbxAdminMode);
}

void Tdot3PauseForm::btnSetClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    // The admin mode alone travels: the operation mode is read-only. The table is read again after the
    // answer.
    GuardedWrite([this] { return TableRequest->Set(0, 1, {}, nullptr); });
}
