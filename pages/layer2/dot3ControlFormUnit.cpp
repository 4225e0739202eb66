#include "dot3ControlFormUnit.h"

#include "Oid_device.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

Tdot3ControlForm::Tdot3ControlForm(QWidget* owner)
    : TDot3CounterPage(owner, {.Caption = "Dot3 Control Table",
                               .InterfaceTable = Dot3ControlVars,
                               .CounterTable = Dot3ControlCounterVars,
                               .CounterNames = {QStringLiteral("Recived Unknown Opcodes")}}) {
    BuildLayout(
        [this](QGridLayout* grid) {
            grid->addWidget(new QLabel(QStringLiteral("Function Support"), Client), 0, 0);
            for (std::size_t i = 0; i < CheckBoxes.size(); ++i) {
                CheckBoxes[i] = new QCheckBox(QStringLiteral("pause"), Client);
                CheckBoxes[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
                CheckBoxes[i]->setVisible(i == 0);
                if (i == 0) grid->addWidget(CheckBoxes[i], 0, 1);
            }
        },
        {});
    FormCreate([this](KySNMPRequest2Edits& binder) {
        binder.BindCheckBoxBits(1, "0,1,2,3,4,5,6,7", {CheckBoxes.begin(), CheckBoxes.end()});
    });
}

void Tdot3ControlForm::ResetInputs() {
    TDot3CounterPage::ResetInputs();
    CheckBoxes[0]->setChecked(false);
}

void Tdot3ControlForm::ReadEnded(const KySNMPError&) { EnableControl(CheckBoxes[0]); }
