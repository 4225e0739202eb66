#pragma once

#include "PortListViewer.h"

// "IGMP Snooping Forwording Table": per VLAN, group and source, the ports the group is forwarded to; only
// shown.
class TIGMPForwordingForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TIGMPForwordingForm(QWidget* owner);

    QTreeWidget* ListView1;
};
