#include "DVStateUnit.h"

#include "Oid_doublevlan.h"
#include "Progress2.h"
#include "TimedProgress.h"

#include <QApplication>
#include <QMessageBox>

TDVStateForm::TDVStateForm(QWidget* owner)
    : TGlobalStateForm(owner, {"Double VLAN Configuration", DoubleVlanStateVars, "cbxState", "Global State", "btnGet",
                               "btnSet"}) {
    cbxState = StateCombo;
}

void TDVStateForm::btnSetClick() {
    QMessageBox confirm(QMessageBox::Question, QApplication::applicationDisplayName(),
                        QStringLiteral("Config Double VLAN need to reset system config, Are you sure?"),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
    if (confirm.exec() != QMessageBox::Ok || !StateRequest) return;
    try {
        // A refused write is shown: nothing is under way to cover.
        if (!StateRequest->Set(1, 1, {}, nullptr)) return ShowRefusal(false);
        ShowTimedProgress<TProgressForm2>(this, *StateRequest, QStringLiteral("Set Double VLAN State"),
                                          QStringLiteral("Change Double VLAN State is doing..."));
    } catch (const std::exception& error) {
        Report(error);
    }
}
