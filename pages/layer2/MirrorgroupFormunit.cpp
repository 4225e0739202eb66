#include "MirrorgroupFormunit.h"

#include "Oid_device.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

enum Column { GroupId, RowStatus, State, TargetPort, Ingress, Egress };

const TMirrorTableLayout MirrorLayout{.Width = 658,
                                      .Height = 483,
                                      .Table = MirrorGroupVars,
                                      .StatusColumn = RowStatus,
                                      .KeyName = "ED_GroupID",
                                      .KeyCaption = "Group ID",
                                      .KeyFormat = "%i{n1x4l1}",
                                      .KeyMissingText = "Group ID need to input.",
                                      .Selectors = {{"Ingress Ports", Ingress}, {"Egress Ports", Egress}}};

}  // namespace

TMirrorGroupForm::TMirrorGroupForm(QWidget* owner) : TMirrorTablePage(owner, MirrorLayout) {
    setWindowTitle(QStringLiteral("Mirror Group Table"));
    ED_GroupID = KeyEdit;
    QWidget* lower = KeyEdit->parentWidget();
    TargetEdit = NewPageEdit(lower, "TargetEdit");
    groupStateComboBox = NewPageCombo(lower, "groupStateComboBox");
    Inputs->addWidget(new QLabel(QStringLiteral("Target Port"), lower), 0, 1);
    Inputs->addWidget(TargetEdit, 1, 1);
    Inputs->addWidget(new QLabel(QStringLiteral("Group State"), lower), 0, 2);
    Inputs->addWidget(groupStateComboBox, 1, 2);
    FormCreate([this](KySNMPRequest2Edits& binder) {
        binder.BindComboBox(State, groupStateComboBox);
        binder.BindEdits(TargetPort, "%i{n0x768l3}", {TargetEdit});
    });
}

void TMirrorGroupForm::ShowRowInputs(QTreeWidgetItem* row) {
    for (QWidget* input : std::initializer_list<QWidget*>{TargetEdit, groupStateComboBox}) {
        if (row) EnableControl(input);
        else DisableControl(input);
    }
    if (!row) TargetEdit->clear();
    EnableSelectors(row != nullptr);
}

void TMirrorGroupForm::btnSetClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    // Every column goes, the row status as the row holds it.
    GuardedWrite([&] { return MaskedSet({}); });
}
