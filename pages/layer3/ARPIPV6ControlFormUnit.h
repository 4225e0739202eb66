#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class TARPIPv6ControlEditForm;

// "IPv6 Neighbor Cache Table": the IPv6 neighbour cache, static entries added through
// TARPIPv6ControlEditForm; every read and write waits for its answer.
class TARPIPV6ControlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TARPIPV6ControlForm(QWidget* owner);

    enum Column { IPv6Address, MacAddress, InterfaceName, ReachState, RouteStatus };

    QTreeWidget* ListView1;
    TARPIPv6ControlEditForm* ARPIPv6ControlEditForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnAddClick();
    void btnDeleteClick();

private:
    void BuildLayout();
    void FormCreate();
    void ListView1Click();
};
