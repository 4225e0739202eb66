#pragma once

#include "PortListViewer.h"

// "Multicast Forwarding Information": the ports that forward all multicast groups per VLAN; the static
// and forbidden ones are written for the selected VLAN.
class TMulticastForwardingInformationForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TMulticastForwardingInformationForm(QWidget* owner);

    QTreeWidget* LV_dot1qForwardUnregisteredEntry;
};
