#pragma once

#include "PortListViewer.h"

// "IGMP Snooping Router Ports": the static, forbidden and learnt multicast router ports of each VLAN;
// the static and forbidden ones are written.
class TIGMPRouterPortsForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TIGMPRouterPortsForm(QWidget* owner);

    QTreeWidget* ListView1;
};
