#pragma once

#include "MirrorTablePage.h"

// "RSPAN Table": the RSPAN VLANs with their source ingress and egress ports, redirect ports and mirror
// group. Once any VLAN is tied to a mirror group, only such VLANs change their source ports.
class TRSPANForm : public TMirrorTablePage {
    Q_OBJECT

public:
    explicit TRSPANForm(QWidget* owner);

    QLineEdit* ED_VLANID;
    QLineEdit* MirrorIDEdit;

    void btnSetClick() override;

protected:
    void ShowRowInputs(QTreeWidgetItem* row) override;

private:
    // Whether the row's source ports may be written: always while no VLAN is tied to a mirror group,
    // else only for a VLAN that is.
    bool SourcesOpen(const QTreeWidgetItem* row) const;
};
