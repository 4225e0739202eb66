#pragma once

#include "MirrorTablePage.h"

// "Mirror Group Table": the four mirror groups with their state, target port and the ingress and egress
// ports they mirror.
class TMirrorGroupForm : public TMirrorTablePage {
    Q_OBJECT

public:
    explicit TMirrorGroupForm(QWidget* owner);

    QLineEdit* ED_GroupID;
    QLineEdit* TargetEdit;
    QComboBox* groupStateComboBox;

    void btnSetClick() override;

protected:
    void ShowRowInputs(QTreeWidgetItem* row) override;
};
