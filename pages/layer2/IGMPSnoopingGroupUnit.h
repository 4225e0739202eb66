#pragma once

#include "PortListViewer.h"

// "IGMP Snooping Group Table": per VLAN, group and source, the ports that include and exclude the source; only shown.
class TIGMPSnoopingGroupForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TIGMPSnoopingGroupForm(QWidget* owner);

    QTreeWidget* ListView1;
};
