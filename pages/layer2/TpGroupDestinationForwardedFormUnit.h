#pragma once

#include "PortListViewer.h"

// "Tp Group Destination Forwarded": the multicast groups learnt per VLAN with their egress and
// GMRP-learnt ports; nothing is written.
class TTpGroupDestinationForwardedForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TTpGroupDestinationForwardedForm(QWidget* owner);

    QTreeWidget* LV_dot1qTpGroupEntry;
};
