#include "RSPANFFormUnit.h"

#include "Oid_device.h"
#include "PageKit.h"
#include "StackingPortUitForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

enum Column { VlanId, SourceIngress, SourceEgress, Redirect, RowStatus, MirrorGroup };
constexpr int MaxMirrorGroup = 4;

const TMirrorTableLayout RspanLayout{.Width = 646,
                                     .Height = 483,
                                     .Table = RspanVlanVars,
                                     .StatusColumn = RowStatus,
                                     .KeyName = "ED_VLANID",
                                     .KeyCaption = "VLAN ID",
                                     .KeyFormat = "%i{n1x4094l4}",
                                     .KeyMissingText = "VLAN ID need to input.",
                                     .Selectors = {{"Ingress Ports", SourceIngress},
                                                   {"Egress Ports", SourceEgress},
                                                   {"Redirect Port", Redirect}}};

}  // namespace

TRSPANForm::TRSPANForm(QWidget* owner) : TMirrorTablePage(owner, RspanLayout) {
    setWindowTitle(QStringLiteral("RSPAN Table"));
    ED_VLANID = KeyEdit;
    QWidget* lower = KeyEdit->parentWidget();
    MirrorIDEdit = NewPageEdit(lower, "MirrorIDEdit");
    Inputs->addWidget(new QLabel(QStringLiteral("Mirror Group ID"), lower), 0, 1);
    Inputs->addWidget(MirrorIDEdit, 1, 1);
    FormCreate([this](KySNMPRequest2Edits& binder) { binder.BindEdits(MirrorGroup, "%i", {MirrorIDEdit}); });
}

bool TRSPANForm::SourcesOpen(const QTreeWidgetItem* row) const {
    bool anyTied = false;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->text(MirrorGroup) != "0") anyTied = true;
    return !anyTied || row->text(MirrorGroup) != "0";
}

void TRSPANForm::ShowRowInputs(QTreeWidgetItem* row) {
    const bool sources = row && SourcesOpen(row);
    if (sources) EnableControl(MirrorIDEdit);
    else DisableControl(MirrorIDEdit);
    if (!row) MirrorIDEdit->clear();
    for (std::size_t i = 0; i < PortSelectors.size(); ++i) {
        const bool open = i == 2 ? row != nullptr : sources;
        if (open) PortSelectors[i]->EnableAll();
        else PortSelectors[i]->DisableAll();
    }
}

void TRSPANForm::btnSetClick() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row || !MayWrite()) return;
    std::vector<int> excluded{RowStatus};
    const QString group = MirrorIDEdit->text();
    if (group.isEmpty() || group == "0") {
        excluded.push_back(MirrorGroup);
    } else {
        bool numeric = false;
        const int value = group.toInt(&numeric);
        if (!numeric || value < 1 || value > MaxMirrorGroup || group.startsWith('0')) {
            ShowMessage(QStringLiteral("Please input a number between 1-4."));
            return;
        }
    }
    if (!SourcesOpen(row)) {
        excluded.push_back(SourceIngress);
        excluded.push_back(SourceEgress);
    }
    GuardedWrite([&] { return MaskedSet(excluded); });
}
