#include "UserPrioritiesFormUnit.h"

#include "Oid_qbridge.h"
#include "PageKit.h"

#include <QLineEdit>

namespace {

constexpr int HighestClass = 7;

}  // namespace

TUserPrioritiesForm::TUserPrioritiesForm(QWidget* owner)
    : TKeyedRowPage(owner, {.Caption = "802.1p User Priorities To Traffic Class",
                            .Table = Dot1dTrafficClassVars,
                            .IndexCaption = "Traffic Class Priority",
                            .ValueCaption = "Mapped Traffic Class",
                            .Width = 540,
                            .Height = 420}) {
    ClassEdit = NewPageEdit(this, "ClassEdit");
    // Eight traffic classes: anything else never reaches the switch.
    FormCreate(ClassEdit, [this](KySNMPRequest2Edits& binder, int column) { binder.BindEdits(column, "%i{n0x7l1}", {ClassEdit}); });
}

bool TUserPrioritiesForm::ValueAccepted() {
    // The edit checks its range when the focus leaves it; a click on Set must not send past that check.
    bool number = false;
    const int trafficClass = ClassEdit->text().toInt(&number);
    if (number && trafficClass >= 0 && trafficClass <= HighestClass) return true;
    ShowMessage(QStringLiteral("Please enter a number between 0 and 7!"));
    return false;
}

void TUserPrioritiesForm::ResetInputs() {
    TKeyedRowPage::ResetInputs();
    ClassEdit->clear();
}
