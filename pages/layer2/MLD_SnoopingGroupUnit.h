#pragma once

#include "PortListViewer.h"

// "MLD Snooping Group Table": per VLAN, group and source, the ports that include and exclude the source; only shown.
class TMLD_SnoopingGroupForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TMLD_SnoopingGroupForm(QWidget* owner);

    QTreeWidget* ListView1;
};
