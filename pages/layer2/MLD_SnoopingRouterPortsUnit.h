#pragma once

#include "PortListViewer.h"

// "MLD Snooping Router Ports": the IGMP page's twin for MLD snooping; it is not closed while it reads.
class TMLD_SnoopingRouterPortsForm : public TPortListViewer {
    Q_OBJECT

public:
    explicit TMLD_SnoopingRouterPortsForm(QWidget* owner);

    QTreeWidget* ListView1;
};
